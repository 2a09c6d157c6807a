#include "tabs/Unitpagaantes.h"
#include "tabs/TabKey.h"
#include "registers/RegisterCommon.h"
#include "core/uMensagemWindow.h"

#include "tabs/AdvancePayment.h"
#include "core/FieldEvents.h"
#include "tabs/TabVoucher.h"
#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "ui_Unitpagaantes.h"

#include <QTimer>

namespace T = AdvancePaymentText;

namespace {
void say(const QString& text)
{
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), text, QStringLiteral("1"));
}
} // namespace

TFormPagaantes::TFormPagaantes(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormPagaantes), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->tabEdit, [this] { tabLeft(); });
    events->chain({ui->tabEdit, ui->amountEdit, ui->confirmButton});
    // A typed point is a decimal comma.
    registers::commaForPointField(ui->amountEdit);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormPagaantes::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    try {
        ui->methodCombo->addItems(AdvancePayment(m_logon).paymentMethods());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormPagaantes::~TFormPagaantes() = default;

void TFormPagaantes::setTab(const QString& tab)
{
    ui->tabEdit->setText(tab.isEmpty() ? QStringLiteral("0") : tab);
    std::optional<Decimal> paid;
    try {
        paid = AdvancePayment(m_logon).paidSoFar(ui->tabEdit->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->paidLabel->setText(FormatFloat(u"0.00", paid.value_or(Decimal())));
    ui->amountEdit->setText(QStringLiteral("0"));
}

void TFormPagaantes::tabLeft()
{
    QString tab = tabs::readTabKey(ui->tabEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox());
    if (tab.isEmpty())
        tab = QStringLiteral("0");
    setTab(tab);
    std::optional<Decimal> paid;
    try {
        paid = AdvancePayment(m_logon).paidSoFar(tab);
    } catch (const DbError&) {
    }
    if (!paid) {
        say(T::kNotFound);
        if (tab == QLatin1String("000000"))
            QTimer::singleShot(0, this, &QDialog::reject);
        else
            ui->tabEdit->setFocus();
    }
}

void TFormPagaantes::confirm()
{
    const QString tab = ui->tabEdit->text().isEmpty() ? QStringLiteral("0") : ui->tabEdit->text();
    AdvanceResult r;
    try {
        r = AdvancePayment(m_logon).confirm(tab, ui->methodCombo->currentText(), ui->amountEdit->text(),
                                            QDate::currentDate());
    } catch (const ActionRefused& e) {
        say(e.message());
        ui->tabEdit->setFocus();
        return;
    } catch (const DbError& e) {
        say(T::kFillError);
        ui->tabEdit->setFocus();
        return;
    }
    // What the tab holds now, so a second "Confirmar" after a printer failure
    // shows the advance already taken.
    ui->paidLabel->setText(FormatFloat(u"0.00", r.total));
    ui->amountEdit->setText(FormatFloat(u"0.00", r.amount));
    try {
        AdvancePayment::print(r.receipt);
    } catch (const std::exception& e) {
        dialogs().errorBox(QStringLiteral("Pagamento registrado; o recibo não foi impresso: ") + QString::fromUtf8(e.what()));
        ui->amountEdit->setText(QStringLiteral("0"));
        return;
    }
    accept();
}
