#include "stock/UnitCompras.h"

#include "core/EntryGuard.h"
#include "core/FieldEvents.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/LookupStore.h"
#include "registers/Lookups.h"
#include "registers/PickList.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "stock/UnitAltItens.h"
#include "stock/UnitCompraQui.h"
#include "stock/UnitInsItens.h"
#include "stock/UnitVerPedComp.h"
#include "ui_UnitCompras.h"

namespace T = purchase::text;

TFormCompras::TFormCompras(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormCompras)
    , m_logon(logon)
    , m_orders(logon)
{
    ui->setupUi(this);
    ui->numberEdit->setEnabled(false);
    for (QLineEdit* e : {ui->termEdit, ui->observationEdit, ui->supplierEdit})
        upperCaseWhileTyping(e);
    ui->itemList->setColumns({
        {QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
        {QStringLiteral("Nome"), QStringLiteral("NOME"), {}},
        stock::quantityColumn(QStringLiteral("QUANT"), QStringLiteral("QUANT")),
        stock::moneyColumn(QStringLiteral("CUSTO"), QStringLiteral("CUSTO")),
        stock::moneyColumn(QStringLiteral("IPI"), QStringLiteral("IPI")),
        stock::moneyColumn(QStringLiteral("ICM"), QStringLiteral("ICM")),
        stock::moneyColumn(QStringLiteral("Total"), QStringLiteral("TOTAL")),
    });
    auto* events = new FieldEvents(this);
    events->chain({ui->dateEdit, ui->deliveryEdit, ui->termEdit, ui->supplierEdit, ui->observationEdit, ui->confirmButton});
    events->onLeave(ui->supplierEdit, [this] { supplierLeft(); });
    connect(ui->supplierSearchButton, &QPushButton::clicked, this, &TFormCompras::searchSupplier);
    connect(ui->ordersButton, &QPushButton::clicked, this, &TFormCompras::pickOrder);
    connect(ui->newButton, &QPushButton::clicked, this, &TFormCompras::newOrder);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCompras::deleteOrder);
    // The header typed and not confirmed is the entry Esc, the close box and
    // "&R-Retornar" ask about (the items are written by their own windows).
    m_guard = new EntryGuard(this);
    m_guard->watch({ui->dateEdit, ui->deliveryEdit, ui->termEdit, ui->supplierEdit, ui->observationEdit});
    m_guard->closeWith(ui->returnButton);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCompras::confirmHeader);
    connect(ui->insertButton, &QPushButton::clicked, this, &TFormCompras::insertItem);
    connect(ui->changeButton, &QPushButton::clicked, this, &TFormCompras::changeItem);
    connect(ui->removeItemButton, &QPushButton::clicked, this, &TFormCompras::removeItem);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormCompras::print);
    connect(ui->itemList, &PickList::chosen, this, &TFormCompras::changeItem);

    qint64 first = 0;
    stock::attempt([&] { first = m_orders.firstNumber(); });
    showOrder(first);
}

TFormCompras::~TFormCompras() = default;

QLineEdit* TFormCompras::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

PickList* TFormCompras::itemList() const { return ui->itemList; }
QString TFormCompras::supplierName() const { return ui->supplierNameLabel->text(); }

QStringList TFormCompras::totalsShown() const
{
    return {ui->orderTotalLabel->text(), ui->ipiTotalLabel->text(), ui->totalLabel->text()};
}

void TFormCompras::showOrder(qint64 number)
{
    purchase::Order o;
    stock::attempt([&] { o = m_orders.order(number); });
    m_order = o.found ? number : 0;
    ui->numberEdit->setText(QString::number(m_order));
    ui->dateEdit->setText(stock::dateText(o.date));
    ui->deliveryEdit->setText(stock::dateText(o.delivery));
    ui->termEdit->setText(o.term);
    ui->supplierEdit->setText(o.supplier);
    ui->observationEdit->setText(o.observation);
    ui->supplierNameLabel->clear();
    if (!o.supplier.isEmpty())
        stock::attempt([&] { ui->supplierNameLabel->setText(LookupStore(m_logon).supplierName(o.supplier).value_or(QString())); });
    m_guard->markClean();
    refreshItems();
}

void TFormCompras::refreshItems()
{
    m_items.clear();
    if (m_order != 0)
        stock::attempt([&] { m_items = m_orders.items(m_order); });
    std::vector<QVariantList> rows;
    for (const purchase::Item& i : m_items)
        rows.push_back({qlonglong(i.id), i.code, i.name, QVariant::fromValue(i.quantity), QVariant::fromValue(i.cost),
                        QVariant::fromValue(Decimal(i.ipi)), QVariant::fromValue(Decimal(i.icms)),
                        QVariant::fromValue(i.total())});
    stock::showRows(ui->itemList, RowSet({QStringLiteral("ID"), QStringLiteral("CODIGO"), QStringLiteral("NOME"),
                                  QStringLiteral("QUANT"), QStringLiteral("CUSTO"), QStringLiteral("IPI"),
                                  QStringLiteral("ICM"), QStringLiteral("TOTAL")},
                                 std::move(rows)));
    const purchase::Totals t = purchase::PurchaseOrders::totals(m_items);
    ui->orderTotalLabel->setText(purchase::PurchaseOrders::totalText(t.order));
    ui->ipiTotalLabel->setText(purchase::PurchaseOrders::totalText(t.ipi));
    ui->totalLabel->setText(purchase::PurchaseOrders::totalText(t.total));
}

void TFormCompras::newOrder()
{
    if (!stock::ask(T::askNew))
        return;
    qint64 number = 0;
    if (!stock::attempt([&] { number = m_orders.create(); }))
        return;
    showOrder(number);
    ui->dateEdit->setFocus();
}

bool TFormCompras::confirmHeader()
{
    if (m_order == 0)
        return false;
    const purchase::TypedHeader h{ui->dateEdit->text(), ui->deliveryEdit->text(), ui->termEdit->text(),
                                  ui->supplierEdit->text(), ui->observationEdit->text()};
    const bool done = stock::attempt([&] { m_orders.storeHeader(m_order, h); }, stock::focusIn(this));
    if (done) {
        m_guard->markClean();
        ui->insertButton->setFocus();
    }
    return done;
}

void TFormCompras::supplierLeft()
{
    stock::supplierLeft(m_logon, ui->supplierEdit, ui->supplierNameLabel, false);
}

void TFormCompras::searchSupplier()
{
    stock::searchSupplier(m_logon, ui->supplierEdit, ui->supplierNameLabel, false);
}

void TFormCompras::pickOrder()
{
    const qint64 number = TextToInt(choosePurchaseOrder(m_logon)).value_or(0);
    if (number != 0)
        showOrder(number);
}

void TFormCompras::deleteOrder()
{
    if (m_order != 0 && stock::ask(stock::text::askDelete))
        stock::attempt([&] { m_orders.remove(m_order); });
    qint64 first = 0;
    stock::attempt([&] { first = m_orders.firstNumber(); });
    showOrder(first);
}

void TFormCompras::insertItem()
{
    if (m_order == 0)
        return;
    TFormInsItens window(m_logon, m_order, this);
    dialogs().exec(window);
    refreshItems();
}

void TFormCompras::changeItem()
{
    const int row = ui->itemList->currentRowIndex();
    if (m_order == 0 || row < 0 || row >= int(m_items.size()))
        return;
    TFormAltItens window(m_logon, m_items[size_t(row)], this);
    dialogs().exec(window);
    refreshItems();
    ui->itemList->setCurrentRowIndex(row);
}

void TFormCompras::removeItem()
{
    const int row = ui->itemList->currentRowIndex();
    if (m_order == 0 || row < 0 || row >= int(m_items.size()))
        return;
    if (stock::ask(stock::text::askDelete))
        stock::attempt([&] { m_orders.removeItem(m_items[size_t(row)].id); });
    refreshItems();
}

void TFormCompras::print()
{
    if (m_order == 0)
        return;
    purchase::Order order;
    stock::attempt([&] { order = m_orders.order(m_order); });
    const purchase::Totals totals = purchase::PurchaseOrders::totals(m_items);
    stock::attempt([&] {
        const TFormCompraQui sheet(m_logon, order, totals);
        sheet.preview(TFormCompraQui::rowsOf(m_items));
    });
}
