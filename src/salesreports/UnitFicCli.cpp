#include "salesreports/UnitFicCli.h"
#include "ui_UnitFicCli.h"

#include "core/EnterMoves.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "cashoffice/CustomerAccount.h"
#include "salesreports/CustomerMovement.h"
#include "reports/ReportFields.h"
#include "reports/ReportWindow.h"
#include "salesreports/UnitFicCliQui.h"
#include "registers/Lookups.h"

TFormFicCli::TFormFicCli(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormFicCli>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFicCli"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->kindCombo);
    enterMovesTo(ui->codeEdit, ui->firstShiftEdit);
    enterMovesTo(ui->productEdit, ui->printButton);
    reportwindow::enterMovesFromList(ui->kindCombo, ui->printButton);
    ui->kindCombo->addItems(CustomerMovement::kinds());
    ui->kindCombo->setCurrentIndex(1);
    // The product filter is kept out of sight, as it always was; "0" takes every product.
    for (QWidget* w : std::initializer_list<QWidget*>{ui->productLabel, ui->productEdit, ui->pickProductButton,
                                                      ui->productNote})
        w->hide();
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, &TFormFicCli::leaveCustomer);
    connect(ui->productEdit, &QLineEdit::editingFinished, this, [this] {
        if (TrimText(ui->productEdit->text()).isEmpty())
            ui->productEdit->setText(QStringLiteral("0"));
    });
    connect(ui->pickCustomerButton, &QPushButton::clicked, this, &TFormFicCli::searchCustomer);
    connect(ui->pickProductButton, &QPushButton::clicked, this, &TFormFicCli::searchProduct);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormFicCli::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormFicCli::~TFormFicCli() = default;

void TFormFicCli::setCustomer(const QString& code) { ui->codeEdit->setText(code); }
QString TFormFicCli::customerName() const { return ui->nameLabel->text(); }
QString TFormFicCli::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormFicCli::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormFicCli::setAnalytic(bool analytic) { ui->kindCombo->setCurrentIndex(analytic ? 0 : 1); }
void TFormFicCli::setAccountOnly(bool accountOnly) { (accountOnly ? ui->accountRadio : ui->allSalesRadio)->setChecked(true); }
void TFormFicCli::setProduct(const QString& code) { ui->productEdit->setText(code); }

void TFormFicCli::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

void TFormFicCli::leaveCustomer()
{
    if (TrimText(ui->codeEdit->text()).isEmpty())
        return;
    reportwindow::run([&] {
        const std::optional<AccountCustomer> c = CustomerAccount(m_logon).customer(ui->codeEdit->text());
        if (c) {
            ui->nameLabel->setText(c->name);
            return;
        }
        ui->nameLabel->setText(QStringLiteral("*"));
        ShowMessageWindow(reportmsg::title, reportmsg::customerNotFound);
        ui->codeEdit->setFocus();
    });
}

void TFormFicCli::searchCustomer()
{
    if (reportwindow::pickCustomer(m_logon, ui->codeEdit))
        leaveCustomer();
}

void TFormFicCli::searchProduct()
{
    ui->productEdit->setText(chooseProduct(m_logon));
}

void TFormFicCli::print()
{
    const auto [first, last] = CustomerMovement::shiftTexts(ui->firstShiftEdit->text(), ui->lastShiftEdit->text());
    setRange(first, last);
    MovementFilter filter;
    filter.analytic = ui->kindCombo->currentText().startsWith(QStringLiteral("Ana"));
    filter.accountOnly = ui->accountRadio->isChecked();
    filter.product = ui->productEdit->text();
    reportwindow::run([&] {
        const auto lines = CustomerMovement(m_logon).lines(ui->codeEdit->text(), first.toInt(), last.toInt(), filter);
        TFormFicCliQui(m_logon, TrimText(ui->codeEdit->text()) + QStringLiteral(" - ") + ui->nameLabel->text())
            .preview(CustomerMovement::rows(lines));
    });
}
