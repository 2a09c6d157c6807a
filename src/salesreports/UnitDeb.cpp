#include "salesreports/UnitDeb.h"
#include "core/WholeNumber.h"
#include "ui_UnitDeb.h"

#include "core/EnterMoves.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "salesreports/CustomerReports.h"
#include "reports/ReportFields.h"
#include "reports/ReportWindow.h"
#include "salesreports/UnitDebQui.h"

TFormDeb::TFormDeb(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormDeb>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormDeb"));
    enterMovesTo(ui->codeEdit, ui->firstDateEdit);
    reportwindow::period(ui->firstDateEdit, ui->lastDateEdit, QDate::currentDate(), ui->methodCombo);
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, &TFormDeb::leaveCode);
    connect(ui->pickCustomerButton, &QPushButton::clicked, this, &TFormDeb::search);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormDeb::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->methodCombo->addItems(CustomerReports(logon).methodItems()); });
}

TFormDeb::~TFormDeb() = default;

void TFormDeb::setCode(const QString& code) { ui->codeEdit->setText(code); }
QString TFormDeb::code() const { return ui->codeEdit->text(); }
QString TFormDeb::customerLabel() const { return ui->nameLabel->text(); }
QStringList TFormDeb::methods() const { return reportwindow::items(ui->methodCombo); }
void TFormDeb::chooseMethod(int index) { ui->methodCombo->setCurrentIndex(index); }

void TFormDeb::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormDeb::leaveCode()
{
    const bool empty = TrimText(ui->codeEdit->text()).isEmpty();
    reportwindow::run([&] {
        const auto c = empty ? std::nullopt : CustomerReports(m_logon).customer(ui->codeEdit->text());
        if (c) {
            ui->nameLabel->setText(QStringLiteral("Cliente: ") + c->name);
            return;
        }
        ShowMessageWindow(reportmsg::title, reportmsg::notFound);
    });
    if (empty)
        reject();
}

void TFormDeb::search()
{
    if (reportwindow::pickCustomer(m_logon, ui->codeEdit))
        leaveCode();
}

void TFormDeb::print()
{
    ui->printButton->setEnabled(false);
    const QString first = ui->firstDateEdit->text(), last = ui->lastDateEdit->text();
    ui->codeEdit->setText(QString::number(readInt(ui->codeEdit->text()).value_or(0)));
    reportwindow::run([&] {
        const CustomerSalesReport r =
            CustomerReports(m_logon).sales(ui->codeEdit->text(), first, last, ui->methodCombo->currentText());
        TFormDebQui(CustomerReports::period(first, last), ctx::company().CompanyName, ui->nameLabel->text(),
                    r.methodSummary)
            .preview(r.rows);
    });
    ui->printButton->setEnabled(true);
}
