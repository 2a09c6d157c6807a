#include "finance/UnitRelSaiABC.h"
#include "ui_UnitRelSaiABC.h"

#include "finance/ReportWindow.h"
#include "finance/SalesRanking.h"
#include "finance/UnitSaiQuiABC.h"

TFormRelSaiABC::TFormRelSaiABC(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelSaiABC>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelSaiABC"));
    reportwindow::period(ui->firstDateEdit, ui->lastDateEdit, QDate::currentDate(), ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelSaiABC::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->waiterCombo->addItems(SalesRanking(logon).waiterItems()); });
    ui->waiterCombo->setCurrentIndex(0);
}

TFormRelSaiABC::~TFormRelSaiABC() = default;

QStringList TFormRelSaiABC::waiters() const { return reportwindow::items(ui->waiterCombo); }
void TFormRelSaiABC::setWaiterText(const QString& text) { ui->waiterCombo->setCurrentText(text); }
QString TFormRelSaiABC::firstDay() const { return ui->firstDateEdit->text(); }
QString TFormRelSaiABC::lastDay() const { return ui->lastDateEdit->text(); }

void TFormRelSaiABC::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormRelSaiABC::print()
{
    const QString first = firstDay(), last = lastDay(), waiter = ui->waiterCombo->currentText();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const auto lines = SalesRanking(m_logon).products(first, last, waiter);
        TFormSaiQuiABC(m_logon, SalesRanking::productPeriod(first, last, waiter)).preview(SalesRanking::rows(lines));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
