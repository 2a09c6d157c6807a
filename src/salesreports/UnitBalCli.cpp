#include "salesreports/UnitBalCli.h"
#include "ui_UnitBalCli.h"

#include "salesreports/CustomerOutflow.h"
#include "reports/ReportWindow.h"
#include "salesreports/UnitBalCliQui.h"

TFormBalCli::TFormBalCli(TLogon& logon, QWidget* parent)
    : PeriodReportDialog(logon, parent, false)
    , ui(std::make_unique<::Ui::TFormBalCli>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormBalCli"));
    wire({ui->firstDateEdit, ui->lastDateEdit, ui->printButton, ui->returnButton});
    reportwindow::enterMovesFromList(ui->customerCombo, ui->printButton);
    reportwindow::run([&] { ui->customerCombo->addItems(CustomerOutflow(logon).customerItems()); });
}

TFormBalCli::~TFormBalCli() = default;

QStringList TFormBalCli::customers() const { return reportwindow::items(ui->customerCombo); }
void TFormBalCli::chooseCustomer(int index) { ui->customerCombo->setCurrentIndex(index); }

void TFormBalCli::chooseValuation(int index)
{
    (index == 1 ? ui->saleRadio : index == 2 ? ui->averageRadio : ui->costRadio)->setChecked(true);
}

void TFormBalCli::report(const QString& first, const QString& last)
{
    using V = CustomerOutflow::Valuation;
    const V v = ui->saleRadio->isChecked() ? V::Sale : ui->averageRadio->isChecked() ? V::Average : V::Cost;
    const QString customer = ui->customerCombo->currentText();
    const RowSet rows = CustomerOutflow(m_logon).rows(customer, first, last, v);
    TFormBalCliQui(m_logon, customer, CustomerOutflow::period(first, last), CustomerOutflow::title(v)).preview(rows);
}
