#include "finance/UnitKitVend.h"
#include "ui_UnitKitVend.h"

#include "finance/ReportWindow.h"
#include "finance/SalesRanking.h"
#include "finance/UnitKitVendQui.h"

TFormKitVend::TFormKitVend(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormKitVend>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormKitVend"));
    reportwindow::period(ui->firstDateEdit, ui->lastDateEdit, QDate::currentDate(), ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormKitVend::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormKitVend::~TFormKitVend() = default;

QString TFormKitVend::firstDay() const { return ui->firstDateEdit->text(); }
QString TFormKitVend::lastDay() const { return ui->lastDateEdit->text(); }

void TFormKitVend::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormKitVend::print()
{
    const QString first = firstDay(), last = lastDay();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const auto lines = SalesRanking(m_logon).kits(first, last);
        TFormKitVendQui(m_logon, SalesRanking::kitPeriod(first, last)).preview(SalesRanking::rows(lines));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
