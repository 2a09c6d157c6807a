#include "delivery/UnitCadPedDeli.h"
#include "core/WholeNumber.h"
#include "ui_UnitCadPedDeli.h"

#include "cash/CashShift.h"
#include "core/AmountReader.h"
#include "core/FieldEvents.h"
#include "core/FormatFloat.h"
#include "core/GridLook.h"
#include "core/Globals.h"
#include "core/OnScreen.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "delivery/ItemEntryWindow.h"
#include "delivery/SingleOrderClosing.h"
#include "delivery/SingleOrderPrintouts.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"
#include "registers/ScaleLabel.h"
#include "shell/RibbonPictures.h"
#include "shell/UnitAcessos.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

using namespace deliverytext;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

using grids::cell;

// The option words of the company row (0 when there is none).
std::pair<int, int> optionWords(TLogon& logon)
{
    try {
        RowSet rs = logon.run(S("select first 1 SCC5, SCC4 from EMPRESA"));
        if (rs.next())
            return {int(rs.integer(u"SCC5")), int(rs.integer(u"SCC4"))};
    } catch (const DbError&) {
    }
    return {0, 0};
}

// An amount of the payment panel: blank is 0; a point stands for the comma.
std::optional<Decimal> amountOf(const QString& text)
{
    if (TrimText(text).isEmpty())
        return Decimal();
    const std::optional<Decimal> v = readAmount(text, AmountRules::money().pointAsComma().notNegative());
    return v ? std::optional<Decimal>(v->roundTo(2)) : std::nullopt;
}

bool inside(const QWidget* w, const QWidget* panel)
{
    for (; w; w = w->parentWidget())
        if (w == panel)
            return true;
    return false;
}

} // namespace

TFormCadPedDeli::TFormCadPedDeli(TLogon& logon, qint64 orderId, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCadPedDeli>())
    , m_logon(logon)
    , m_orders(logon)
    , m_entry(logon, optionWords(logon).second)
    , m_orderId(orderId)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCadPedDeli"));
    setWindowTitle(single::windowCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    std::tie(m_salesOptions, m_itemOptions) = optionWords(logon);

    for (QLineEdit* e : {ui->phoneEdit, ui->nameEdit, ui->addressEdit, ui->districtEdit, ui->cityEdit, ui->stateEdit,
                         ui->referenceEdit, ui->obsEdit, ui->codeEdit, ui->productEdit, ui->extraEdit, ui->cepEdit})
        registers::upperCaseField(e);
    for (QLineEdit* e : {ui->quantityEdit, ui->priceEdit, ui->amount1Edit, ui->amount2Edit, ui->amount3Edit})
        registers::commaForPointField(e);
    registers::limitToColumn(ui->nameEdit, "CLIENTES", "NOME");
    registers::limitToColumn(ui->addressEdit, "CLIENTES", "ENDERECO");
    registers::limitToColumn(ui->districtEdit, "CLIENTES", "CENDERECO");
    registers::limitToColumn(ui->cityEdit, "CLIENTES", "CIDADE");
    registers::limitToColumn(ui->stateEdit, "CLIENTES", "ESTADO");
    registers::limitToColumn(ui->cepEdit, "CLIENTES", "CEP");
    registers::limitToColumn(ui->referenceEdit, "CLIENTES", "REF");
    ui->customerSearchButton->setIcon(ribbon::icon(ribbon::Picture::Search));
    ui->productSearchButton->setIcon(ribbon::icon(ribbon::Picture::Search));
    ui->extrasButton->setIcon(ribbon::icon(ribbon::Picture::Complements));
    for (QToolButton* b : {ui->customerSearchButton, ui->productSearchButton, ui->extrasButton})
        b->setIconSize(QSize(24, 24));

    ui->itemGrid->setColumnCount(5);
    ui->itemGrid->setHorizontalHeaderLabels({S("Codigo"), S("Nome do Produto"), S("Quant."), S("Valor"), S("Total")});
    ui->itemGrid->verticalHeader()->hide();
    ui->itemGrid->verticalHeader()->setDefaultSectionSize(30);
    grids::fitColumns(*ui->itemGrid, 1);
    ui->extrasGrid->setColumnCount(2);
    ui->extrasGrid->setHorizontalHeaderLabels({S("X"), S("Produto")});
    ui->extrasGrid->verticalHeader()->hide();
    ui->extrasGrid->verticalHeader()->setDefaultSectionSize(30);
    ui->extrasGrid->horizontalHeader()->resizeSection(0, 40);
    ui->extrasGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    ui->sizeCaption->hide();
    ui->sizeBox->hide();
    ui->extrasPanel->hide();
    ui->paymentPanel->hide();
    ui->productEdit->setEnabled(false);
    ui->quantityEdit->setEnabled(false);
    registers::attempt([this] { ui->sizeBox->addItems(m_entry.sizeEntries()); });
    if (ui->sizeBox->count())
        ui->sizeBox->setCurrentIndex(0);

    connect(ui->customerSearchButton, &QToolButton::clicked, this, &TFormCadPedDeli::searchCustomer);
    connect(ui->productSearchButton, &QToolButton::clicked, this, &TFormCadPedDeli::searchProduct);
    connect(ui->extrasButton, &QToolButton::clicked, this, &TFormCadPedDeli::openExtras);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCadPedDeli::confirmItem);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCadPedDeli::deleteItem);
    connect(ui->paymentButton, &QPushButton::clicked, this, &TFormCadPedDeli::openPayments);
    connect(ui->kitchenButton, &QPushButton::clicked, this, &TFormCadPedDeli::kitchenTicket);
    connect(ui->deliveryButton, &QPushButton::clicked, this, &TFormCadPedDeli::deliveryTicket);
    connect(ui->closeOrderButton, &QPushButton::clicked, this, &TFormCadPedDeli::closeOrder);
    connect(ui->leaveButton, &QPushButton::clicked, this, &TFormCadPedDeli::leave);
    connect(ui->addExtraButton, &QPushButton::clicked, this, &TFormCadPedDeli::addExtra);
    connect(ui->extrasDoneButton, &QPushButton::clicked, this, &TFormCadPedDeli::extrasDone);
    connect(ui->paymentConfirmButton, &QPushButton::clicked, this, &TFormCadPedDeli::confirmPayments);
    connect(ui->extrasGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) { toggleExtra(row); });
    connect(ui->areaBox, &QComboBox::activated, this, [this] { recompute(); });
    connect(ui->codeEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        // the name and the quantity take input while there is a code
        const bool code = !TrimText(text).isEmpty();
        ui->productEdit->setEnabled(code);
        ui->quantityEdit->setEnabled(code);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { panelFocusChanged(now); });

    // Enter moves on, as on every entry window; leaving a field runs its step.
    m_events = new FieldEvents(this);
    m_events->chain({ui->phoneEdit, ui->dddEdit, ui->nameEdit, ui->addressEdit, ui->districtEdit, ui->cepEdit,
                     ui->cityEdit, ui->stateEdit, ui->referenceEdit, ui->obsEdit, ui->manBox, ui->areaBox,
                     ui->codeEdit, ui->quantityEdit});
    m_events->chain({ui->productEdit, ui->quantityEdit});
    m_events->chain({ui->method1Box, ui->amount1Edit, ui->method2Box, ui->amount2Edit, ui->method3Box, ui->amount3Edit});
    m_events->onLeave(ui->phoneEdit, [this] { phoneLeft(); });
    m_events->onArrive(ui->codeEdit, [this] { codeEntered(); });
    m_events->onLeave(ui->codeEdit, [this] { codeLeft(); });
    m_events->onLeave(ui->sizeBox, [this] { sizeLeft(); });
    m_events->onEnter(ui->sizeBox, [this] {
        sizeLeft();
        if (m_item && !m_item->extras.empty())
            openExtras();
        else
            ui->quantityEdit->setFocus(Qt::TabFocusReason);
    });
    m_events->onEnter(ui->quantityEdit, [this] {
        if (ui->priceEdit->isEnabled())
            ui->priceEdit->setFocus(Qt::TabFocusReason);
        else
            confirmItem();
    });
    m_events->onEnter(ui->priceEdit, [this] { confirmItem(); });
    m_events->onEnter(ui->extrasGrid, [this] {
        (ui->priceEdit->isEnabled() ? ui->priceEdit : ui->quantityEdit)->setFocus(Qt::TabFocusReason);
    });
    m_events->onEnter(ui->extraEdit, [this] {
        if (!TrimText(ui->extraEdit->text()).isEmpty())
            addExtra();
        else
            ui->quantityEdit->setFocus(Qt::TabFocusReason);
    });
    m_events->onLeave(ui->amount1Edit, [this] { amountLeft(0); });
    m_events->onLeave(ui->amount2Edit, [this] { amountLeft(1); });
    m_events->onLeave(ui->amount3Edit, [this] { amountLeft(2); });
    m_events->onEnter(ui->amount3Edit, [this] {
        amountLeft(2);
        if (confirmPayments())
            ui->codeEdit->setFocus(Qt::TabFocusReason);
    });
    setWindowState(Qt::WindowMaximized);
}

TFormCadPedDeli::~TFormCadPedDeli() = default;

QLineEdit* TFormCadPedDeli::field(Field f) const
{
    switch (f) {
    case Field::Phone: return ui->phoneEdit;
    case Field::Ddd: return ui->dddEdit;
    case Field::Name: return ui->nameEdit;
    case Field::Address: return ui->addressEdit;
    case Field::District: return ui->districtEdit;
    case Field::Cep: return ui->cepEdit;
    case Field::City: return ui->cityEdit;
    case Field::State: return ui->stateEdit;
    case Field::Reference: return ui->referenceEdit;
    case Field::Observation: return ui->obsEdit;
    case Field::Code: return ui->codeEdit;
    case Field::Product: return ui->productEdit;
    case Field::Quantity: return ui->quantityEdit;
    case Field::Price: return ui->priceEdit;
    case Field::Extra: return ui->extraEdit;
    case Field::Amount1: return ui->amount1Edit;
    case Field::Amount2: return ui->amount2Edit;
    case Field::Amount3: return ui->amount3Edit;
    }
    return nullptr;
}
QComboBox* TFormCadPedDeli::deliveryManBox() const { return ui->manBox; }
QComboBox* TFormCadPedDeli::areaBox() const { return ui->areaBox; }
QComboBox* TFormCadPedDeli::sizeBox() const { return ui->sizeBox; }
QComboBox* TFormCadPedDeli::methodBox(int k) const
{
    return k == 0 ? ui->method1Box : k == 1 ? ui->method2Box : ui->method3Box;
}
QTableWidget* TFormCadPedDeli::itemGrid() const { return ui->itemGrid; }
QTableWidget* TFormCadPedDeli::extrasGrid() const { return ui->extrasGrid; }
QCheckBox* TFormCadPedDeli::cashierPrinterBox() const { return ui->cashierPrinterBox; }
QWidget* TFormCadPedDeli::extrasPanel() const { return ui->extrasPanel; }
QWidget* TFormCadPedDeli::paymentPanel() const { return ui->paymentPanel; }
QString TFormCadPedDeli::labelText(const char* name) const
{
    const QLabel* l = findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

void TFormCadPedDeli::say(const QString& text) { ShowMessageWindow(attention, text, S("1")); }

bool TFormCadPedDeli::refusedOrFailed(const std::function<void()>& work)
{
    try {
        work();
        return false;
    } catch (const DeliveryRefused& e) {
        say(e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    return true;
}

// ---- the order ----------------------------------------------------------------------------

void TFormCadPedDeli::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_closing = false;
    if (!m_started) {
        m_started = true;
        whenOnScreen(this, [this] { windowShown(); });   // a refusal it says stands above the order
    }
}

void TFormCadPedDeli::windowShown()
{
    ui->priceEdit->setEnabled((m_salesOptions & 4) != 0);
    loadLists();
    const bool failed = refusedOrFailed([&] {
        if (m_orderId <= 0)
            m_orderId = m_orders.create();
        const std::optional<SingleOrderRow> order = m_orders.read(m_orderId);
        if (!order)
            throw DeliveryRefused(desk::orderGone);
        m_order = *order;
    });
    if (failed) {
        m_closing = true;
        QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
        return;
    }
    showOrder();
    ui->phoneEdit->setFocus(Qt::OtherFocusReason);
}

void TFormCadPedDeli::loadLists()
{
    registers::attempt([this] {
        m_men = DeliveryMen(m_logon).list(DeliveryMen::Order::ByName);
        m_areas = DeliveryAreas(m_logon).list();
    });
    const QVariant man = ui->manBox->currentData(), area = ui->areaBox->currentData();
    ui->manBox->clear();
    ui->manBox->addItem(QString(), qlonglong(0));
    for (const DeliveryMan& m : m_men)
        ui->manBox->addItem(TrimText(m.nome), qlonglong(m.codigo));
    ui->manBox->setCurrentIndex(std::max(0, ui->manBox->findData(man)));
    ui->areaBox->clear();
    ui->areaBox->addItem(QString(), qlonglong(0));
    for (const DeliveryArea& a : m_areas)
        ui->areaBox->addItem(TrimText(a.bairro) + S("  R$ ") + delivery::amountText(a.taxa), qlonglong(a.id));
    ui->areaBox->setCurrentIndex(std::max(0, ui->areaBox->findData(area)));
    loadMethods();
}

void TFormCadPedDeli::loadMethods()
{
    registers::attempt([this] { m_methods = PaymentMethodStore(m_logon).list(); });
    for (int k = 0; k < 3; ++k) {
        QComboBox* box = methodBox(k);
        box->clear();
        for (const PaymentMethod& m : m_methods)
            box->addItem(TrimText(m.nome), m.cd);
    }
}

void TFormCadPedDeli::showOrder()
{
    ui->orderNumberLabel->setText(QString::number(m_orderId));
    ui->statusLabel->setText(m_order.status);
    ui->phoneEdit->setText(m_order.phone);
    ui->obsEdit->setText(m_order.obs);
    ui->manBox->setCurrentIndex(std::max(0, ui->manBox->findData(qlonglong(m_order.deliveryMan))));
    ui->areaBox->setCurrentIndex(std::max(0, ui->areaBox->findData(qlonglong(m_order.area))));
    if (!m_order.phone.isEmpty()) {
        const std::optional<qint64> phone = readWhole(m_order.phone);
        registers::attempt([&] {
            if (phone)
                if (const std::optional<DeliveryCustomerData> c = DeliveryCustomers(m_logon).read(*phone))
                    showCustomer(*c);
        });
    }
    if (m_customerCode == 0)
        ui->nameEdit->setText(TrimText(m_order.name));
    recompute();
}

void TFormCadPedDeli::showCustomer(const DeliveryCustomerData& c)
{
    m_customerCode = c.codigo;
    ui->dddEdit->setText(c.ddd ? QString::number(*c.ddd) : QString());
    ui->nameEdit->setText(TrimText(c.nome));
    ui->addressEdit->setText(TrimText(c.endereco));
    ui->districtEdit->setText(TrimText(c.bairro));
    ui->cityEdit->setText(TrimText(c.cidade));
    ui->stateEdit->setText(TrimText(c.estado));
    ui->cepEdit->setText(TrimText(c.cep));
    ui->referenceEdit->setText(TrimText(c.ref));
}

Decimal TFormCadPedDeli::areaFee() const
{
    const qint64 area = ui->areaBox->currentData().toLongLong();
    for (const DeliveryArea& a : m_areas)
        if (a.id == area)
            return a.taxa;
    return Decimal();
}

QString TFormCadPedDeli::deliveryManName() const { return ui->manBox->currentText(); }

SingleOrderHeader TFormCadPedDeli::header() const
{
    SingleOrderHeader h;
    h.phone = m_customerCode ? TrimText(ui->phoneEdit->text()) : QString();
    h.name = TrimText(ui->nameEdit->text());
    h.obs = TrimText(ui->obsEdit->text());
    h.deliveryMan = ui->manBox->currentData().toLongLong();
    h.area = ui->areaBox->currentData().toLongLong();
    return h;
}

// The screen's customer and header written back. A value the database refuses is
// said, the field keeps it, and the caller stops.
bool TFormCadPedDeli::saveScreen()
{
    DeliveryCustomerData c;
    if (m_customerCode) {
        c.codigo = m_customerCode;
        const QString ddd = TrimText(ui->dddEdit->text());
        if (!ddd.isEmpty()) {
            const std::optional<qint64> n = readWhole(ddd);
            if (!n || *n < 0 || *n > 999 || ddd.startsWith(u'-') || ddd.startsWith(u'+')) {
                say(single::badDdd);
                ui->dddEdit->setFocus();
                return false;
            }
            c.ddd = int(*n);
        }
        c.nome = TrimText(ui->nameEdit->text());
        c.endereco = TrimText(ui->addressEdit->text());
        c.bairro = TrimText(ui->districtEdit->text());
        c.cidade = TrimText(ui->cityEdit->text());
        c.estado = TrimText(ui->stateEdit->text());
        c.cep = TrimText(ui->cepEdit->text());
        c.ref = TrimText(ui->referenceEdit->text());
    }
    const SingleOrderHeader h = header();
    const Decimal total = SingleOrders::itemsTotal(m_items) + areaFee();
    return !refusedOrFailed([&] {
        m_logon.action([&] {
            if (m_customerCode)
                m_orders.saveCustomer(c);
            m_orders.saveHeader(m_orderId, h, total);
        });
    });
}

void TFormCadPedDeli::recompute()
{
    registers::attempt([&] {
        m_items = m_orders.items(m_orderId);
        if (const std::optional<SingleOrderRow> o = m_orders.read(m_orderId)) {
            m_order = *o;
            ui->statusLabel->setText(m_order.status);
        }
    });
    ui->itemGrid->setRowCount(int(m_items.size()));
    for (int i = 0; i < int(m_items.size()); ++i) {
        const SingleOrderItem& it = m_items[size_t(i)];
        ui->itemGrid->setItem(i, 0, cell(it.code));
        ui->itemGrid->setItem(i, 1, cell(it.name));
        ui->itemGrid->setItem(i, 2, cell(FormatFloat(u"0.###", it.quantity), true));
        ui->itemGrid->setItem(i, 3, cell(delivery::amountText(it.price), true));
        ui->itemGrid->setItem(i, 4, cell(delivery::amountText(it.total()), true));
    }
    grids::fitColumns(*ui->itemGrid, 1);
    QString text = single::totalCaption;
    for (int k = 0; k < 3; ++k) {
        if (!(m_order.received[size_t(k)] > Decimal()))
            continue;
        QString name;
        for (const PaymentMethod& m : m_methods)
            if (m.cd == m_order.methods[size_t(k)])
                name = TrimText(m.nome);
        text += QLatin1Char('\n') + S("  ") + name + S("  ") + delivery::amountText(m_order.received[size_t(k)]);
    }
    ui->paymentsLabel->setText(text);
    ui->totalLabel->setText(delivery::amountText(SingleOrders::itemsTotal(m_items) + areaFee()));
}

// ---- the customer -------------------------------------------------------------------------

void TFormCadPedDeli::phoneLeft()
{
    if (m_closing)
        return;
    const QString typed = TrimText(ui->phoneEdit->text());
    if (typed.isEmpty()) {
        leave();
        return;
    }
    const std::optional<QString> phone = SingleOrders::phoneText(typed);
    if (!phone) {
        say(desk::badPhone);
        ui->phoneEdit->clear();
        ui->phoneEdit->setFocus();
        return;
    }
    ui->phoneEdit->setText(*phone);
    const qint64 code = phone->toLongLong();
    if (code == m_customerCode)
        return;
    refusedOrFailed([&] {
        showCustomer(m_orders.customer(code));
        m_orders.saveHeader(m_orderId, header(), SingleOrders::itemsTotal(m_items) + areaFee());
    });
}

void TFormCadPedDeli::searchCustomer()
{
    const QString code = TrimText(chooseCustomer(m_logon));
    if (!code.isEmpty())
        ui->phoneEdit->setText(code);
    ui->phoneEdit->setFocus();
}

// ---- the item -----------------------------------------------------------------------------

void TFormCadPedDeli::clearItem()
{
    m_item.reset();
    ui->productEdit->clear();
    ui->priceEdit->clear();
    ui->sizeCaption->hide();
    ui->sizeBox->hide();
    ui->extrasPanel->hide();
    showExtras();
}

void TFormCadPedDeli::codeEntered()
{
    ctx::lookup().ProductLookupCode.clear();
    ui->extrasPanel->hide();
}

void TFormCadPedDeli::searchProduct()
{
    const QString chosen = TrimText(chooseProduct(m_logon));
    if (chosen.isEmpty() || chosen == QLatin1String("0"))
        return;
    ui->codeEdit->setText(chosen);
    ui->codeEdit->setFocus();
}

void TFormCadPedDeli::codeLeft()
{
    QString code = TrimText(ui->codeEdit->text());
    if (m_item && code == m_item->code)
        return;   // already loaded
    clearItem();
    if (code.isEmpty())
        return;
    QString description;   // the fractions window's
    bool label = false;
    const bool failed = refusedOrFailed([&] {
        if (DeliveryItemEntry::normaliseCode(code) == QLatin1String("000000")) {
            // a typed 0: the product lookup
            const QString chosen = TrimText(chooseProduct(m_logon));
            code = chosen == QLatin1String("0") ? QString() : DeliveryItemEntry::normaliseCode(chosen);
            ui->codeEdit->setText(code);
            if (code.isEmpty())
                return;
        }
        if (const std::optional<PriceLabel> price = parsePriceLabel(code)) {
            // a scale's label: the product at its price, the weight the label's amount buys
            const DeliveryItemEntry::Loaded l = m_entry.load(price->code);
            if (!l.item || l.item->code.startsWith(u'*'))
                throw DeliveryRefused(items::productNotFound);
            m_item = l.item;
            m_item->name = m_item->name.left(30);
            m_item->extras.clear();
            m_item->sized.reset();
            const std::optional<Decimal> weight = priceLabelQuantity(price->amount, m_item->price);
            if (!weight)   // no price to weigh by: the label's amount, once
                m_item->price = price->amount;
            ui->quantityEdit->setText(weight ? scaleQuantityText(*weight) : S("1"));
            ui->codeEdit->setText(price->code);
            label = true;
            return;
        }
        if (code == QLatin1String("/")) {
            const FractionsChoice chosen = chooseFractions(m_logon);
            code = DeliveryItemEntry::normaliseCode(chosen.code);   // a flavour list stays as it is
            description = chosen.description;
            ui->codeEdit->setText(code);
            if (code.isEmpty())
                return;
        }
        if (code.startsWith(u'/')) {
            const DeliveryItemEntry::Loaded l = m_entry.flavours(code, ui->sizeBox->currentText());
            m_item = withMessagesShown(l);
            if (!description.isEmpty())
                m_item->name = description;
            // the extras of the first flavour: its group's complements, its accompaniments
            const QStringList flavours = flavourCodesOf(code);
            if (!flavours.isEmpty() && !flavours.front().startsWith(u'*'))
                if (const DeliveryItemEntry::Loaded first = m_entry.load(flavours.front()); first.item)
                    m_item->extras = first.item->extras;
            if (l.showSizes) {
                ui->sizeCaption->show();
                ui->sizeBox->show();
            }
        } else {
            code = DeliveryItemEntry::normaliseCode(code);
            ui->codeEdit->setText(code);
            const DeliveryItemEntry::Loaded l = m_entry.load(code);
            if (!l.item)
                throw DeliveryRefused(items::productNotFound);
            m_item = l.item;
            if (l.showSizes) {
                ui->sizeCaption->show();
                ui->sizeBox->show();
            }
        }
        for (ItemExtra& e : m_item->extras)
            e.ticked = false;   // offered, not chosen until ticked off
        ui->quantityEdit->setText(S("1"));
    });
    if (failed || !m_item) {
        m_item.reset();
        ui->codeEdit->setFocus();
        return;
    }
    m_item->code = TrimText(ui->codeEdit->text());
    ui->productEdit->setText(m_item->name);
    ui->priceEdit->setText(delivery::amountText(m_item->price));
    showExtras();
    if (label) {
        ui->quantityEdit->setFocus();
    } else if (ui->sizeBox->isVisible()) {
        if (ui->sizeBox->count())
            ui->sizeBox->setCurrentIndex(0);
        ui->sizeBox->setFocus();
    } else if (!m_item->extras.empty()) {
        openExtras();
    } else {
        ui->quantityEdit->setFocus();
    }
}

void TFormCadPedDeli::sizeLeft()
{
    if (!m_item || !ui->sizeBox->isVisible())
        return;
    registers::attempt([&] { m_entry.chooseSize(*m_item, ui->sizeBox->currentText()); });
    ui->priceEdit->setText(delivery::amountText(m_item->price));
}

void TFormCadPedDeli::showExtras()
{
    const std::vector<ItemExtra> none;
    const std::vector<ItemExtra>& extras = m_item ? m_item->extras : none;
    ui->extrasGrid->setRowCount(int(extras.size()));
    for (int i = 0; i < int(extras.size()); ++i) {
        // "X": offered and not chosen; an empty tick: chosen
        auto* tick = cell(extras[size_t(i)].ticked ? QString() : S("X"));
        tick->setTextAlignment(Qt::AlignCenter);
        ui->extrasGrid->setItem(i, 0, tick);
        ui->extrasGrid->setItem(i, 1, cell(extras[size_t(i)].produto));
    }
}

void TFormCadPedDeli::openExtras()
{
    showExtras();
    ui->extrasPanel->move(234, 304);
    ui->extrasPanel->show();
    ui->extrasPanel->raise();
    ui->extrasGrid->setFocus();
}

void TFormCadPedDeli::toggleExtra(int row)
{
    if (!m_item || !m_item->toggleExtra(row))
        return;
    showExtras();
    ui->extrasGrid->setCurrentCell(row, 1);
}

void TFormCadPedDeli::addExtra()
{
    if (!m_item || !m_item->addTypedExtra(ui->extraEdit->text(), true))   // typed: chosen
        return;
    ui->extraEdit->clear();
    showExtras();
}

void TFormCadPedDeli::extrasDone()
{
    ui->extrasPanel->hide();
    (ui->quantityEdit->isEnabled() ? ui->quantityEdit : ui->codeEdit)->setFocus();
}

bool TFormCadPedDeli::confirmItem()
{
    if (!saveScreen())
        return false;
    int shift = 0;
    if (refusedOrFailed([&] { shift = CashShift(m_logon).openNumber(); }))
        return false;
    if (shift == 0) {
        say(single::cashClosed);
        return false;
    }
    recompute();
    if (TrimText(ui->codeEdit->text()).isEmpty()) {
        ui->codeEdit->setFocus();
        return false;
    }
    if (!m_item)
        codeLeft();   // a code typed and not left yet
    if (!m_item)
        return false;
    if (TrimText(ui->productEdit->text()).isEmpty()) {
        say(single::informProduct);
        ui->productEdit->setFocus();
        return false;
    }
    SingleOrderNewItem item;
    item.code = m_item->code;
    item.name = TrimText(ui->productEdit->text());
    if (ui->sizeBox->isVisible()) {
        sizeLeft();
        item.name = TrimText(ui->sizeBox->currentText().mid(2, 15)) + S("  ") + item.name;
    }
    const std::optional<Decimal> quantity = delivery::readAmount(ui->quantityEdit->text());
    if (!quantity || *quantity <= Decimal() || *quantity > Decimal(99999)) {
        say(items::noQuantity);
        ui->quantityEdit->setFocus();
        return false;
    }
    item.quantity = *quantity;
    item.price = m_item->price;
    if (ui->priceEdit->isEnabled()) {
        const std::optional<Decimal> price = amountOf(ui->priceEdit->text());
        if (!price || TrimText(ui->priceEdit->text()).isEmpty()) {
            say(single::badPrice);
            ui->priceEdit->setFocus();
            return false;
        }
        item.price = *price;
    }
    item.extras = m_item->extras;
    if (refusedOrFailed([&] { m_orders.addItem(m_orderId, header(), item, areaFee()); }))
        return false;
    ui->codeEdit->clear();
    ui->quantityEdit->clear();
    ui->extraEdit->clear();
    clearItem();
    recompute();
    ui->codeEdit->setFocus();
    return true;
}

void TFormCadPedDeli::deleteItem()
{
    if ((m_itemOptions & 256) == 0) {
        ctx::op().CurrentRights = 0;
        askSupervisor(m_logon);
        if ((ctx::op().CurrentRights & 128) == 0) {
            say(single::denied);
            return;
        }
    }
    if (ShowMessageWindow(attention, askDelete, S("2")) != QLatin1String("S"))
        return;
    const int row = ui->itemGrid->currentRow();
    if (row >= 0 && row < int(m_items.size()))
        refusedOrFailed([&] { m_orders.deleteItem(m_orderId, m_items[size_t(row)].id); });
    recompute();
}

// ---- the payments -------------------------------------------------------------------------

void TFormCadPedDeli::openPayments()
{
    loadMethods();
    recompute();
    std::array<Decimal, 3> amounts = m_order.received;
    if (amounts[0].isZero() && amounts[1].isZero() && amounts[2].isZero())
        amounts[0] = SingleOrders::itemsTotal(m_items) + areaFee();
    QLineEdit* fields[] = {ui->amount1Edit, ui->amount2Edit, ui->amount3Edit};
    for (int k = 0; k < 3; ++k) {
        methodBox(k)->setCurrentIndex(methodBox(k)->findData(m_order.methods[size_t(k)]));
        fields[k]->setText(delivery::amountText(amounts[size_t(k)]));
    }
    showChange(amounts);
    ui->paymentPanel->move(524, 261);
    ui->paymentPanel->show();
    ui->paymentPanel->raise();
    ui->method1Box->setFocus();
}

std::optional<std::array<Decimal, 3>> TFormCadPedDeli::typedAmounts()
{
    std::array<Decimal, 3> a;
    QLineEdit* fields[] = {ui->amount1Edit, ui->amount2Edit, ui->amount3Edit};
    for (int k = 0; k < 3; ++k) {
        const std::optional<Decimal> v = amountOf(fields[k]->text());
        if (!v)
            return std::nullopt;
        a[size_t(k)] = *v;
    }
    return a;
}

void TFormCadPedDeli::showChange(const std::array<Decimal, 3>& a)
{
    const Decimal received = a[0] + a[1] + a[2];
    const Decimal total = SingleOrders::itemsTotal(m_items) + areaFee();
    const bool change = received >= total;
    ui->changeCaption->setText(change ? single::change : single::missing);
    ui->changeLabel->setText(delivery::amountText(change ? received - total : total - received));
}

void TFormCadPedDeli::amountLeft(int k)
{
    QLineEdit* fields[] = {ui->amount1Edit, ui->amount2Edit, ui->amount3Edit};
    if (k == 0 && !TrimText(fields[0]->text()).isEmpty()) {
        // what the first amount leaves of the total goes to the second, nothing when it leaves nothing
        const Decimal total = SingleOrders::itemsTotal(m_items) + areaFee();
        const Decimal third = amountOf(fields[2]->text()).value_or(Decimal());
        fields[1]->setText(delivery::amountText(SingleOrders::secondAmount(total, amountOf(fields[0]->text()), third)));
    }
    if (const std::optional<std::array<Decimal, 3>> a = typedAmounts())
        showChange(*a);
}

bool TFormCadPedDeli::confirmPayments()
{
    const std::optional<std::array<Decimal, 3>> amounts = typedAmounts();
    if (!amounts) {
        say(panel::invalidAmount);
        return false;
    }
    std::array<int, 3> methods{};
    for (int k = 0; k < 3; ++k)
        methods[size_t(k)] = methodBox(k)->currentIndex() < 0 ? m_order.methods[size_t(k)]
                                                               : methodBox(k)->currentData().toInt();
    if (!saveScreen())
        return false;
    ui->paymentPanel->hide();
    if (refusedOrFailed([&] { m_orders.setPayments(m_orderId, *amounts, methods); }))
        return false;
    recompute();
    return true;
}

void TFormCadPedDeli::panelFocusChanged(QWidget* now)
{
    if (!now || now->window() != this)
        return;   // another window: the panels stay
    if (ui->extrasPanel->isVisible() && !inside(now, ui->extrasPanel))
        ui->extrasPanel->hide();
    if (ui->paymentPanel->isVisible() && !inside(now, ui->paymentPanel))
        ui->paymentPanel->hide();
}

// ---- tickets and closing ------------------------------------------------------------------

void TFormCadPedDeli::kitchenTicket()
{
    if (!saveScreen())
        return;
    refusedOrFailed([&] {
        SingleOrderPrintouts(m_logon).kitchenTicket(m_orderId, ui->cashierPrinterBox->isChecked(), deliveryManName());
    });
    recompute();
}

void TFormCadPedDeli::deliveryTicket()
{
    if (!saveScreen())
        return;
    refusedOrFailed([&] { SingleOrderPrintouts(m_logon).deliveryTicket(m_orderId, deliveryManName()); });
    recompute();
}

bool TFormCadPedDeli::closeOrder()
{
    if (!saveScreen())
        return false;
    SingleClosingResult closed;
    if (refusedOrFailed([&] { closed = SingleOrderClosing(m_logon).close(m_orderId, deliveryManName()); }))
        return false;
    // The sale is written; a receipt that does not print is said, and the sale stays.
    refusedOrFailed([&] { SingleOrderClosing::printReceipt(closed); });
    m_closing = true;
    done(QDialog::Accepted);
    return true;
}

void TFormCadPedDeli::leave() { reject(); }

void TFormCadPedDeli::reject()
{
    if (!m_closing) {
        recompute();
        if (!saveScreen())
            return;   // what the database refused stays on the screen
    }
    m_closing = true;
    QDialog::reject();
}

void TFormCadPedDeli::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;   // Enter moves between fields, never closes the window
    if (event->key() == Qt::Key_Escape) {
        // Esc closes the panel it is pressed in and never the order: "Sair" leaves it
        if (ui->paymentPanel->isVisible()) {
            ui->paymentPanel->hide();   // the payments as they were
            ui->codeEdit->setFocus(Qt::OtherFocusReason);
        } else if (ui->extrasPanel->isVisible()) {
            extrasDone();   // the extras as ticked so far
        }
        return;
    }
    QDialog::keyPressEvent(event);
}
