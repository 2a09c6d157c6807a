#include "closing/UnitFecSimples.h"
#include "core/WholeNumber.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/EnterMoves.h"
#include "closing/PaymentEntry.h"
#include "closing/PaymentFirstStep.h"
#include "closing/TabDeliveryForm.h"
#include "core/AmountReader.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "shell/WindowRegistry.h"
#include "shell/UnSenha.h"
#include "ui_UnitFecSimples.h"

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TFormFecSimples::TFormFecSimples(TLogon& logon, QWidget* parent)
    : QDialog(parent), m_logon(logon), m_ui(std::make_unique<Ui::TFormFecSimples>()), m_preBill(logon)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_ui->tabCaptionLabel->hide();
    m_ui->tabEdit->setMaxLength(30);
    for (QLineEdit* e : {m_ui->tabEdit, m_ui->coverSwitchEdit, m_ui->serviceSwitchEdit, m_ui->ingredientsSwitchEdit,
                         m_ui->deliveryFlagEdit})
        upperCaseWhileTyping(e);
    for (QLineEdit* e : {m_ui->coverSwitchEdit, m_ui->serviceSwitchEdit, m_ui->ingredientsSwitchEdit, m_ui->deliveryFlagEdit})
        e->setMaxLength(1);
    enterMovesTo(m_ui->tabEdit, m_ui->personsEdit);
    enterMovesTo(m_ui->personsEdit, m_ui->coverSwitchEdit);
    enterMovesTo(m_ui->coverSwitchEdit, m_ui->serviceSwitchEdit);
    enterMovesTo(m_ui->serviceSwitchEdit, m_ui->printButton);
    connect(m_ui->tabEdit, &QLineEdit::editingFinished, this, &TFormFecSimples::tabLeft);
    connect(m_ui->personsEdit, &QLineEdit::editingFinished, this, &TFormFecSimples::personsLeft);
    connect(m_ui->discountEdit, &QLineEdit::editingFinished, this, &TFormFecSimples::discountLeft);
    connect(m_ui->printButton, &QPushButton::clicked, this, &TFormFecSimples::printPreBill);
    connect(m_ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormFecSimples::~TFormFecSimples() = default;

void TFormFecSimples::setTab(const QString& tab, const QString& caption)
{
    m_ui->tabEdit->setText(tab);
    m_ui->tabCaptionLabel->setText(caption);
    try {
        const PreBillFields f = m_preBill.defaults(tab);
        m_ui->personsEdit->setText(f.persons);
        m_ui->coverSwitchEdit->setText(f.cover);
        m_ui->serviceSwitchEdit->setText(f.service);
        m_ui->ingredientsSwitchEdit->setText(f.ingredients);
        m_ui->discountEdit->setText(f.discount);
        m_ui->deliveryFlagEdit->setText(f.delivery);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    m_ui->tabEdit->setFocus();
}

void TFormFecSimples::tabLeft() { m_ui->tabEdit->setText(tabs::readTabKey(m_ui->tabEdit->text(), tabs::TabKeyRules::paymentWindow())); }

void TFormFecSimples::personsLeft()
{
    const auto p = readInt(m_ui->personsEdit->text());
    if (!p || *p < 1 || *p > 9999)
        m_ui->personsEdit->setText(S("1"));
}

void TFormFecSimples::discountLeft()
{
    const auto d = readAmount(m_ui->discountEdit->text(), AmountRules::percent().pointAsComma());
    if (!d || d->isNegative() || *d > Decimal(100))
        m_ui->discountEdit->setText(S("0"));
}

void TFormFecSimples::askDeliveryData(PreBillFields& fields, const QString& tab, const Decimal& itemsValue)
{
    std::unique_ptr<QDialog> window = windows::create(kTabDeliveryWindow, S("Deliverey"));
    auto* form = dynamic_cast<TabDeliveryForm*>(window.get());
    if (form)
        form->setTab(tab, m_ui->tabCaptionLabel->text(), itemsValue);
    dialogs().exec(*window);
    if (!form)
        return;
    fields.deliveryNotes = form->notes();
    fields.controlNumber = form->controlNumber();
    fields.deliveryMan = ctx::sales().DeliveryManText;
}

void TFormFecSimples::printPreBill()
{
    personsLeft();
    discountLeft();
    PreBillFields f;
    f.tab = m_ui->tabEdit->text();
    f.persons = m_ui->personsEdit->text();
    f.cover = m_ui->coverSwitchEdit->text();
    f.service = m_ui->serviceSwitchEdit->text();
    f.ingredients = m_ui->ingredientsSwitchEdit->text();
    f.discount = m_ui->discountEdit->text();
    f.delivery = m_ui->deliveryFlagEdit->text();
    PreBillOutcome o;
    try {
        o = m_preBill.run(f, [this](PreBillFields& fields, const QString& tab, const Decimal& itemsValue) {
            askDeliveryData(fields, tab, itemsValue);
        });
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    for (const QString& m : o.messages)
        ShowMessageWindow(S("ATENÇÃO"), m, S("1"));
    if (o.printout) {
        try {
            PreBill::print(*o.printout);
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));
        }
    }
    if (o.closeWindow)
        accept();
}
