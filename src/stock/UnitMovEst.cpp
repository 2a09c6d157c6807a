#include "stock/UnitMovEst.h"

#include "core/EntryGuard.h"
#include "core/FieldEvents.h"
#include "registers/RegisterCommon.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockMarkup.h"
#include "stock/StockWindows.h"
#include "stock/UnitNFEntrada.h"
#include "ui_UnitMovEst.h"

namespace T = movement::text;

TFormMovEst::TFormMovEst(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormMovEst)
    , m_logon(logon)
    , m_movement(logon)
{
    ui->setupUi(this);
    ui->invoiceButton->setText(T::invoiceButton);
    ui->invoiceButton->setToolTip(T::invoiceHint);
    ui->kitLabel->hide();
    ui->supplierSearchButton->hide();
    upperCaseWhileTyping(ui->codeEdit);
    upperCaseWhileTyping(ui->historyEdit);
    for (QLineEdit* e : {ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->bookValueEdit, ui->percentEdit})
        registers::commaForPointField(e);
    ui->percentEdit->setText(QStringLiteral("0"));

    auto* events = new FieldEvents(this);
    events->onArrive(ui->codeEdit, [this] { productArrived(); });
    events->onLeave(ui->codeEdit, [this] { productLeft(); });
    events->onLeave(ui->kindEdit, [this] { kindLeft(); });
    events->onLeave(ui->costEdit, [this] { costLeft(); });
    events->onLeave(ui->percentEdit, [this] { percentLeft(); });
    events->onArrive(ui->supplierEdit, [this] { ui->supplierSearchButton->show(); });
    events->onLeave(ui->supplierEdit, [this] { supplierLeft(); });
    const auto moveTo = [events](QWidget* from, std::function<QWidget*()> to) {
        events->onEnter(from, [to] { to()->setFocus(Qt::TabFocusReason); });
    };
    moveTo(ui->codeEdit, [this] { return ui->dateEdit; });
    moveTo(ui->dateEdit, [this] { return ui->historyEdit; });
    moveTo(ui->historyEdit, [this]() -> QWidget* { return ui->kindEdit->isEnabled() ? ui->kindEdit : ui->quantityEdit; });
    moveTo(ui->kindEdit, [this] { return ui->quantityEdit; });
    moveTo(ui->quantityEdit, [this]() -> QWidget* { return ui->costEdit->isHidden() ? static_cast<QWidget*>(ui->confirmButton) : ui->costEdit; });
    moveTo(ui->costEdit, [this] { return ui->priceEdit; });
    moveTo(ui->priceEdit, [this] { return ui->supplierEdit; });
    moveTo(ui->supplierEdit, [this]() -> QWidget* { return ui->expiryEdit->isEnabled() ? static_cast<QWidget*>(ui->expiryEdit) : ui->confirmButton; });
    moveTo(ui->expiryEdit, [this] { return ui->confirmButton; });
    moveTo(ui->returnButton, [this] { return ui->dateEdit; });

    connect(ui->productLookupButton, &QPushButton::clicked, this, &TFormMovEst::lookUpProduct);
    connect(ui->supplierSearchButton, &QPushButton::clicked, this, &TFormMovEst::searchSupplier);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormMovEst::confirm);
    connect(ui->clearButton, &QPushButton::clicked, this, &TFormMovEst::clearEntry);
    connect(ui->invoiceButton, &QPushButton::clicked, this, &TFormMovEst::openInvoice);
    productArrived();
    // A movement is being typed once its values differ from what choosing the
    // product showed (the product's own cost and prices, nothing else).
    m_guard = new EntryGuard(this);
    m_guard->watch({ui->dateEdit, ui->historyEdit, ui->kindEdit, ui->quantityEdit, ui->costEdit, ui->priceEdit,
                    ui->expiryEdit});
    m_guard->closeWith(ui->returnButton);
    ui->codeEdit->setFocus();
}

TFormMovEst::~TFormMovEst() = default;

QLineEdit* TFormMovEst::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

QString TFormMovEst::productName() const { return ui->nameLabel->text(); }
QString TFormMovEst::stockShown() const { return ui->stockLabel->text(); }
QString TFormMovEst::supplierName() const { return ui->supplierNameLabel->text(); }
bool TFormMovEst::kitShown() const { return !ui->kitLabel->isHidden(); }

void TFormMovEst::productArrived()
{
    ui->supplierSearchButton->hide();
    ui->supplierEdit->clear();
    ui->bookValueEdit->clear();
    ui->supplierNameLabel->clear();
    ui->kitLabel->hide();
    ui->stockLabel->setText(QStringLiteral("0.0"));
    ui->expiryEdit->setEnabled(false);
    ui->kindEdit->setEnabled(true);
    ui->costEdit->setEnabled(true);
    ui->priceEdit->setEnabled(true);
    stock::attempt([this] { ui->percentEdit->setText(stock::markupText(m_logon)); });
}

void TFormMovEst::productLeft()
{
    ui->kindLabel->setText(T::kindCaptionLeft);
    for (QLineEdit* e : {ui->historyEdit, ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->dateEdit, ui->kindEdit})
        e->clear();
    ui->nameLabel->clear();
    const stock::ProductCard p = stock::productLeft(m_logon, ui->codeEdit);
    const QString code = ui->codeEdit->text();
    m_guard->markClean();
    if (code.isEmpty()) {
        stock::focusOn(ui->returnButton);
        return;
    }
    Decimal stock;
    stock::attempt([&] { stock = m_movement.stockOf(code); });
    ui->stockLabel->setText(movement::StockMovement::stockText(stock));   // the typed code's, even unknown
    if (!p.found)
        return;
    ui->nameLabel->setText(p.name);
    ui->costEdit->setText(stock::moneyText(p.cost));
    ui->priceEdit->setText(stock::moneyText(p.price));
    ui->bookValueEdit->setText(stock::moneyText(p.bookValue));
    ui->supplierEdit->setText(p.supplier);
    ui->kitLabel->setVisible(p.kit);
    m_guard->markClean();
}

void TFormMovEst::showKind(bool entry)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ui->costEdit, ui->costCaption, ui->priceEdit, ui->priceCaption,
                                                      ui->bookValueEdit, ui->bookCaption})
        w->setVisible(entry);
    ui->supplierEdit->setVisible(entry);
    ui->supplierCaption->setVisible(entry);
    ui->supplierNameLabel->setVisible(entry);
    ui->supplierSearchButton->setVisible(entry);
    ui->expiryEdit->setEnabled(entry);
}

void TFormMovEst::kindLeft()
{
    const QString kind = TrimText(ui->kindEdit->text());
    if (kind == QLatin1String("1")) {
        ui->kindLabel->setText(T::entry);
        showKind(true);
    } else if (kind == QLatin1String("0")) {
        ui->kindLabel->setText(T::exit);
        showKind(false);
    } else {
        stock::focusOn(ui->kindEdit);
    }
}

void TFormMovEst::costLeft()
{
    if (const std::optional<Decimal> price = stock::markedUp(ui->costEdit->text(), ui->percentEdit->text())) {
        ui->priceEdit->setText(stock::markedUpText(*price));
        ui->bookValueEdit->setText(stock::markedUpText(*price));
    }
}

void TFormMovEst::percentLeft()
{
    stock::attempt([this] { stock::storeMarkup(m_logon, ui->percentEdit->text()); }, stock::focusIn(this));
}

void TFormMovEst::supplierLeft()
{
    stock::supplierLeft(m_logon, ui->supplierEdit, ui->supplierNameLabel, true);
}

void TFormMovEst::searchSupplier()
{
    stock::searchSupplier(m_logon, ui->supplierEdit, ui->supplierNameLabel, true);
}

void TFormMovEst::lookUpProduct()
{
    const QString code = chooseProduct(m_logon);
    if (code == QLatin1String("0"))
        return;
    ui->codeEdit->setText(code);
    ui->nameLabel->clear();
    productLeft();
    ui->codeEdit->setFocus();
}

bool TFormMovEst::confirm()
{
    movement::Typed t;
    t.code = ui->codeEdit->text();
    t.date = ui->dateEdit->text();
    t.history = ui->historyEdit->text();
    t.kind = ui->kindEdit->text();
    t.quantity = ui->quantityEdit->text();
    t.cost = ui->costEdit->text();
    t.price = ui->priceEdit->text();
    t.bookValue = ui->bookValueEdit->text();
    t.expiry = ui->expiryEdit->text();
    bool written = false;
    const bool done = stock::attempt([&] { written = m_movement.confirm(t, QDate::currentDate()); }, stock::focusIn(this));
    if (!done || !written)
        return false;
    for (QLineEdit* e : {ui->codeEdit, ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->dateEdit})
        e->clear();
    ui->nameLabel->clear();
    productArrived();
    m_guard->markClean();
    stock::focusOn(ui->codeEdit);
    return true;
}

void TFormMovEst::clearEntry()
{
    for (QLineEdit* e : {ui->codeEdit, ui->historyEdit, ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->dateEdit,
                         ui->kindEdit})
        e->clear();
    ui->nameLabel->clear();
    m_guard->markClean();
    stock::focusOn(ui->codeEdit);
}

void TFormMovEst::openInvoice()
{
    TFormNFEntrada invoice(m_logon);
    dialogs().exec(invoice);
}
