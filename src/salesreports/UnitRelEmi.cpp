#include "salesreports/UnitRelEmi.h"
#include "core/WholeNumber.h"
#include "ui_UnitRelEmi.h"

#include "core/EnterMoves.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "salesreports/CustomerReports.h"
#include "reports/ReportFields.h"
#include "reports/ReportWindow.h"
#include "salesreports/UnitRelREmiQui.h"
#include "salesreports/UnitRelREmiQui40.h"

TFormRelEmi::TFormRelEmi(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelEmi>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelEmi"));
    enterMovesTo(ui->codeEdit, ui->printButton);
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, &TFormRelEmi::leaveCode);
    connect(ui->pickCustomerButton, &QPushButton::clicked, this, &TFormRelEmi::search);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelEmi::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRelEmi::~TFormRelEmi() = default;

void TFormRelEmi::setCode(const QString& code) { ui->codeEdit->setText(code); }
QString TFormRelEmi::code() const { return ui->codeEdit->text(); }
QString TFormRelEmi::customerName() const { return ui->nameLabel->text(); }
void TFormRelEmi::setPreview(bool preview) { (preview ? ui->previewRadio : ui->printerRadio)->setChecked(true); }
void TFormRelEmi::setNarrow(bool narrow) { (narrow ? ui->narrowRadio : ui->wideRadio)->setChecked(true); }

void TFormRelEmi::leaveCode()
{
    reportwindow::run([&] {
        const auto c = CustomerReports(m_logon).customer(ui->codeEdit->text());
        if (c) {
            ui->nameLabel->setText(c->name);
            return;
        }
        ui->nameLabel->setText(QStringLiteral("Cliente"));
        ShowMessageWindow(reportmsg::title, reportmsg::notFound);
    });
}

void TFormRelEmi::search()
{
    if (reportwindow::pickCustomer(m_logon, ui->codeEdit))
        leaveCode();
}

void TFormRelEmi::print()
{
    ui->printButton->setEnabled(false);
    if (!readInt(ui->codeEdit->text()))
        ui->codeEdit->setText(QStringLiteral("0"));
    const bool done = reportwindow::run([&] {
        CustomerReports reports(m_logon);
        const auto c = reports.customer(ui->codeEdit->text());
        RowSet lines;
        QString customer = TrimText(ui->codeEdit->text()) + QStringLiteral(" - ");
        if (c) {
            lines = reports.statement(*c);
            customer += c->name;
        } else {
            ShowMessageWindow(reportmsg::title, reportmsg::customerNotRegistered);
            ui->codeEdit->setFocus();
        }
        const QString company = ctx::company().CompanyName;
        const bool preview = ui->previewRadio->isChecked();
        if (ui->narrowRadio->isChecked())
            TFormRelREmiQui40(customer, company).show(lines, preview);
        else
            TFormRelREmiQui(customer, company).show(lines, preview);
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
