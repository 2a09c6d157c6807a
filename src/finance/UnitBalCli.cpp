#include "finance/UnitBalCli.h"
#include "ui_UnitBalCli.h"

#include "finance/CustomerOutflow.h"
#include "finance/ReportWindow.h"
#include "finance/UnitBalCliQui.h"


TFormBalCli::TFormBalCli(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormBalCli>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormBalCli"));
    reportwindow::period(ui->firstDateEdit, ui->lastDateEdit, QDate::currentDate(), ui->printButton);
    reportwindow::printHint(ui->printButton);
    const QString hint = QStringLiteral("Informar o periodo em que o sistema deva\nGerar o balancete, pode ser de qualquer\nperiodo");
    ui->firstDateEdit->setToolTip(hint);
    ui->lastDateEdit->setToolTip(hint);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormBalCli::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->customerCombo->addItems(CustomerOutflow(logon).customerItems()); });
}

TFormBalCli::~TFormBalCli() = default;

QStringList TFormBalCli::customers() const { return reportwindow::items(ui->customerCombo); }
void TFormBalCli::chooseCustomer(int index) { ui->customerCombo->setCurrentIndex(index); }
QString TFormBalCli::firstDay() const { return ui->firstDateEdit->text(); }
QString TFormBalCli::lastDay() const { return ui->lastDateEdit->text(); }

void TFormBalCli::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormBalCli::chooseValuation(int index)
{
    (index == 1 ? ui->saleRadio : index == 2 ? ui->averageRadio : ui->costRadio)->setChecked(true);
}

void TFormBalCli::print()
{
    using V = CustomerOutflow::Valuation;
    const V v = ui->saleRadio->isChecked() ? V::Sale : ui->averageRadio->isChecked() ? V::Average : V::Cost;
    const QString customer = ui->customerCombo->currentText();
    const QString first = firstDay(), last = lastDay();
    ui->printButton->setEnabled(false);
    reportwindow::run([&] {
        const RowSet rows = CustomerOutflow(m_logon).rows(customer, first, last, v);
        TFormBalCliQui(m_logon, customer, CustomerOutflow::period(first, last), CustomerOutflow::title(v)).preview(rows);
    });
    ui->printButton->setEnabled(true);
}
