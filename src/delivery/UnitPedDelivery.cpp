#include "delivery/UnitPedDelivery.h"
#include "ui_UnitPedDelivery.h"

#include "cash/CashShift.h"
#include "core/FormatFloat.h"
#include "core/GridLook.h"
#include "core/OnScreen.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitEntCom.h"
#include "delivery/UnitEntregador.h"
#include "delivery/UnitInsItens2.h"
#include "delivery/UnitTaxaEnt.h"
#include "delivery/UnitVenDiaDely.h"
#include "delivery/UnitVerCliente.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "shell/RibbonBar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using namespace deliverytext;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

using grids::cell;

// Columns as wide as their title or the widest text they hold (`samples`), one
// column stretching over the rest. Widths are set once: measuring every cell of a
// hundred orders at each change would cost more than reading them.
void prepareGrid(QTableWidget* grid, const QStringList& headers, const QStringList& samples, int stretch, int pointSize)
{
    QFont font = grid->font();
    font.setPointSize(pointSize);
    grid->setFont(font);
    grid->setColumnCount(int(headers.size()));
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 10);
    QHeaderView* header = grid->horizontalHeader();
    header->setFont(font);
    const QFontMetrics metrics(font);
    for (int c = 0; c < int(headers.size()); ++c) {
        const int text = std::max(metrics.horizontalAdvance(headers[c]), metrics.horizontalAdvance(samples.value(c)));
        header->resizeSection(c, text + 12);
    }
    header->setSectionResizeMode(stretch, QHeaderView::Stretch);
}

} // namespace

TFormPedDelivery::TFormPedDelivery(TLogon& logon, std::unique_ptr<DeskActions> actions, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormPedDelivery>())
    , m_logon(logon)
    , m_store(logon)
    , m_actions(std::move(actions))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormPedDelivery"));
    setWindowTitle(desk::title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    buildRibbon();

    prepareGrid(ui->orderGrid, {S("PEDIDO"), S("FONE"), S("CLIENTE"), S("DATA"), S("HORA"), S("MOTOBOY"), S("VALOR"),
                                S("TROCO"), S("PAGTO_EM:"), S("STATUS")},
                {S("000000"), S("0000000000"), QString(), S("00/00/00"), S("00:00:00"), S("0000"), S("00000,00"),
                 S("0000,00"), S("00-CARTAO"), S("SAIU P/ENTREGA")}, 2, 14);
    prepareGrid(ui->itemGrid, {S("CODIGO"), S("PRODUTO"), S("QUANT"), S("VALOR"), S("TOTAL"), S("OBSERVACAO")},
                {S("/000000/000000/"), QString(), S("000,000"), S("0000,00"), S("00000,00"), S("MMMMMMMMMMMMMMMM")}, 1, 14);
    prepareGrid(ui->manList, {S("NOME")}, {QString()}, 0, 14);
    prepareGrid(ui->areaList, {S("BAIRRO"), S("TAXA")}, {QString(), S("000,00")}, 0, 14);
    for (QTableWidget* g : {ui->manList, ui->areaList}) {
        g->verticalHeader()->setDefaultSectionSize(40);
        g->installEventFilter(this);
    }
    ui->newOrderPanel->hide();
    ui->manPanel->hide();
    ui->areaPanel->hide();

    connect(ui->newOrderButton, &QPushButton::clicked, this, &TFormPedDelivery::newOrder);
    connect(ui->deleteOrderButton, &QPushButton::clicked, this, &TFormPedDelivery::deleteOrder);
    connect(ui->refreshButton, &QPushButton::clicked, this, &TFormPedDelivery::refresh);
    connect(ui->chooseManButton, &QPushButton::clicked, this, &TFormPedDelivery::chooseDeliveryMan);
    connect(ui->chooseAreaButton, &QPushButton::clicked, this, &TFormPedDelivery::chooseArea);
    connect(ui->addItemButton, &QPushButton::clicked, this, &TFormPedDelivery::addItems);
    connect(ui->deleteItemButton, &QPushButton::clicked, this, &TFormPedDelivery::deleteItem);
    connect(ui->productionButton, &QPushButton::clicked, this, &TFormPedDelivery::productionTickets);
    connect(ui->noteButton, &QPushButton::clicked, this, &TFormPedDelivery::deliveryNote);
    connect(ui->invoiceButton, &QPushButton::clicked, this, &TFormPedDelivery::invoice);
    connect(ui->confirmPhoneButton, &QPushButton::clicked, this, &TFormPedDelivery::confirmPhone);
    connect(ui->searchCustomerButton, &QPushButton::clicked, this, &TFormPedDelivery::searchCustomer);
    connect(ui->cancelPhoneButton, &QPushButton::clicked, this, &TFormPedDelivery::cancelPhone);
    connect(ui->phoneEdit, &QLineEdit::returnPressed, this, &TFormPedDelivery::confirmPhone);
    connect(ui->orderGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling)
            showRow(row);
    });
    connect(ui->manList, &QTableWidget::cellClicked, this, &TFormPedDelivery::manChosen);
    connect(ui->areaList, &QTableWidget::cellClicked, this, &TFormPedDelivery::areaChosen);

    clearLabels();
    reload(std::nullopt);
    setWindowState(Qt::WindowMaximized);   // once everything is in place: the layout sizes it whole
}

TFormPedDelivery::~TFormPedDelivery() = default;

QString TFormPedDelivery::labelText(const char* name) const
{
    const QLabel* l = findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}
QLineEdit* TFormPedDelivery::phoneField() const { return ui->phoneEdit; }
QTableWidget* TFormPedDelivery::orderGrid() const { return ui->orderGrid; }
QTableWidget* TFormPedDelivery::itemGrid() const { return ui->itemGrid; }
QTableWidget* TFormPedDelivery::manList() const { return ui->manList; }
QTableWidget* TFormPedDelivery::areaList() const { return ui->areaList; }
QWidget* TFormPedDelivery::newOrderPanel() const { return ui->newOrderPanel; }

void TFormPedDelivery::say(const QString& text) { ShowMessageWindow(attention, text, S("1")); }

// ---- the ribbon -------------------------------------------------------------------------

void TFormPedDelivery::buildRibbon()
{
    m_ribbon = new RibbonBar(ui->ribbonHost);
    auto* layout = new QVBoxLayout(ui->ribbonHost);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ribbon);
    const std::pair<QString, ribbon::Picture> buttons[] = {
        {desk::menButton, ribbon::Picture::Staff},
        {desk::areasButton, ribbon::Picture::Delivery},
        {desk::commissionButton, ribbon::Picture::Commission},
        {desk::salesButton, ribbon::Picture::Report},
        {desk::leaveButton, ribbon::Picture::Exit},
    };
    for (const auto& [caption, picture] : buttons) {
        QToolButton* b = m_ribbon->addButton(desk::ribbonTab, desk::ribbonGroup, caption, picture);
        const QString c = caption;
        connect(b, &QToolButton::clicked, this, [this, c] { ribbonAction(c); });
    }
}

void TFormPedDelivery::ribbonAction(const QString& caption)
{
    const std::optional<qint64> keep = m_shown ? std::optional<qint64>(m_shown->id) : std::nullopt;
    if (caption == desk::menButton) {
        TFormEntregador w(m_logon);
        dialogs().exec(w);
    } else if (caption == desk::areasButton) {
        TFormTaxaEnt w(m_logon);
        dialogs().exec(w);
    } else if (caption == desk::commissionButton) {
        TFormEntCom w(m_logon);
        dialogs().exec(w);
    } else if (caption == desk::salesButton) {
        TFormVenDiaDely w(m_logon);
        dialogs().exec(w);
    } else if (caption == desk::leaveButton) {
        accept();
        return;
    }
    reload(keep);
}

// ---- the cash gate ----------------------------------------------------------------------

void TFormPedDelivery::readCash()
{
    try {
        m_cashOpen = CashShift(m_logon).openNumber() != 0;
    } catch (const DbError& e) {
        m_cashOpen = false;
        dialogs().errorBox(e.message());
    }
    // "F11-Atualiza tela" stays: it is how the desk sees the cash opened elsewhere
    for (QWidget* w : std::initializer_list<QWidget*>{ui->newOrderButton, ui->deleteOrderButton, ui->labelRow,
                                                      ui->bottomPanel})
        w->setEnabled(m_cashOpen);
}

bool TFormPedDelivery::cashGate()
{
    if (m_cashOpen)
        return true;
    say(desk::cashClosed);
    return false;
}

void TFormPedDelivery::deskShown()
{
    readCash();
    if (!m_cashOpen)
        say(desk::cashClosed);
    reload(m_shown ? std::optional<qint64>(m_shown->id) : std::nullopt);
}

// ---- the order list ---------------------------------------------------------------------

void TFormPedDelivery::clearLabels()
{
    for (QLabel* l : {ui->orderNumberLabel, ui->phoneLabel, ui->customerLabel, ui->deliveryManLabel, ui->areaLabel})
        l->clear();
    ui->totalLabel->setText(S("0,00"));
}

void TFormPedDelivery::reload(std::optional<qint64> keep, DeliveryOrders::Order order)
{
    try {
        m_orders = m_store.orders(order);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        m_orders.clear();
    }
    int current = 0;
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        ui->orderGrid->setRowCount(int(m_orders.size()));
        for (int i = 0; i < int(m_orders.size()); ++i) {
            const DeskOrder& o = m_orders[size_t(i)];
            ui->orderGrid->setItem(i, 0, cell(QString::number(o.id), true));
            ui->orderGrid->setItem(i, 1, cell(o.fone));
            ui->orderGrid->setItem(i, 2, cell(o.cliente));
            ui->orderGrid->setItem(i, 3, cell(o.data.toString(S("dd/MM/yy"))));
            ui->orderGrid->setItem(i, 4, cell(o.hora));
            ui->orderGrid->setItem(i, 5, cell(o.motoboy ? QString::number(o.motoboy) : QString(), true));
            ui->orderGrid->setItem(i, 6, cell(delivery::amountText(o.valor), true));
            ui->orderGrid->setItem(i, 7, cell(delivery::amountText(o.troco), true));
            ui->orderGrid->setItem(i, 8, cell(o.pagamento));
            ui->orderGrid->setItem(i, 9, cell(o.status));
            if (keep && o.id == *keep)
                current = i;
        }
        if (!m_orders.empty())
            ui->orderGrid->setCurrentCell(current, 0);
    }
    showRow(m_orders.empty() ? -1 : current);
}

void TFormPedDelivery::showRow(int row)
{
    if (row < 0 || row >= int(m_orders.size())) {
        m_shown.reset();
        m_items.clear();
        clearLabels();
        showItems();
        return;
    }
    m_shown = m_orders[size_t(row)];
    try {
        m_items = m_store.items(m_shown->id);
        const Decimal total = m_store.followItems(*m_shown, m_items);
        if (total != m_shown->valor) {
            m_shown->valor = total;
            m_orders[size_t(row)].valor = total;
            ui->orderGrid->setItem(row, 6, cell(delivery::amountText(m_shown->valor), true));
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->orderNumberLabel->setText(QString::number(m_shown->id));
    ui->phoneLabel->setText(m_shown->fone);
    ui->customerLabel->setText(m_shown->cliente);
    ui->deliveryManLabel->setText(m_shown->deliveryManLabel());
    ui->areaLabel->setText(m_shown->areaLabel());
    ui->totalLabel->setText(delivery::amountText(m_shown->valor));
    showItems();
}

void TFormPedDelivery::showItems()
{
    ui->itemGrid->setRowCount(int(m_items.size()));
    for (int i = 0; i < int(m_items.size()); ++i) {
        const DeskItem& it = m_items[size_t(i)];
        ui->itemGrid->setItem(i, 0, cell(it.codigo));
        ui->itemGrid->setItem(i, 1, cell(it.nome));
        ui->itemGrid->setItem(i, 2, cell(FormatFloat(u"0.###", it.quant), true));
        ui->itemGrid->setItem(i, 3, cell(delivery::amountText(it.valor), true));
        ui->itemGrid->setItem(i, 4, cell(delivery::amountText(it.total()), true));
        ui->itemGrid->setItem(i, 5, cell(it.obs));
    }
    if (!m_items.empty())
        ui->itemGrid->setCurrentCell(0, 0);
}

void TFormPedDelivery::refresh()
{
    readCash();
    if (!m_cashOpen)
        say(desk::cashClosed);
    reload(std::nullopt);
}

// ---- starting an order ------------------------------------------------------------------

void TFormPedDelivery::newOrder()
{
    if (!cashGate())
        return;
    hidePanels();
    ui->phoneEdit->clear();
    placePanels();
    ui->newOrderPanel->show();
    ui->newOrderPanel->raise();
    ui->phoneEdit->setFocus();
}

void TFormPedDelivery::cancelPhone() { ui->newOrderPanel->hide(); }

void TFormPedDelivery::searchCustomer()
{
    const QString code = chooseCustomer(m_logon).trimmed();
    if (!code.isEmpty())
        ui->phoneEdit->setText(code);
    ui->phoneEdit->setFocus();
}

void TFormPedDelivery::confirmPhone()
{
    if (!ui->newOrderPanel->isVisible())
        return;
    const QString typed = ui->phoneEdit->text().trimmed();
    ui->phoneEdit->setText(typed);
    if (typed.isEmpty()) {
        ui->newOrderPanel->hide();
        return;
    }
    const std::optional<qint64> phone = DeliveryOrders::readPhone(typed);
    if (!phone) {
        say(desk::badPhone);
        ui->phoneEdit->setFocus();
        ui->phoneEdit->selectAll();
        return;
    }
    if (!cashGate())
        return;
    ui->newOrderPanel->hide();
    DeliveryOrders::Started started;
    try {
        started = m_store.start(*phone);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    // The customer's name and address, for a new customer and a known one alike.
    try {
        if (const std::optional<DeliveryCustomerData> c = DeliveryCustomers(m_logon).read(*phone)) {
            TFormVerCliente customer(m_logon);
            customer.setCustomer(*c);
            dialogs().exec(customer);
        }
        if (started.created)
            m_store.nameNewOrder(started.orderId, *phone);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(started.orderId);
}

// ---- items ------------------------------------------------------------------------------

void TFormPedDelivery::addItems()
{
    if (!cashGate() || !m_shown)
        return;
    const qint64 id = m_shown->id;
    TFormInsItens2 w(m_logon, id);
    w.setOnItemAdded([this, id] { reload(id); });
    dialogs().exec(w);
    reload(id);
}

void TFormPedDelivery::deleteItem()
{
    if (!cashGate())
        return;
    if (ShowMessageWindow(attention, askDelete, S("2")) != QLatin1String("S"))
        return;
    const int row = ui->itemGrid->currentRow();
    if (!m_shown || row < 0 || row >= int(m_items.size()))
        return;
    const qint64 id = m_shown->id;
    try {
        m_store.deleteItem(id, m_items[size_t(row)].id);
    } catch (const DeliveryRefused& e) {
        say(e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(id);
}

void TFormPedDelivery::deleteOrder()
{
    if (!cashGate())
        return;
    if (ShowMessageWindow(attention, askDelete, S("2")) != QLatin1String("S"))
        return;
    if (!m_shown)
        return;
    try {
        m_store.deleteOrder(m_shown->id);
    } catch (const DeliveryRefused& e) {
        say(e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(std::nullopt, DeliveryOrders::Order::ByTime);
}

// ---- printouts and invoicing ------------------------------------------------------------

void TFormPedDelivery::runAction(void (DeskActions::*action)(TLogon&, const DeskHandOver&))
{
    if (!cashGate() || !m_shown)
        return;
    DeskHandOver h;
    h.order = *m_shown;
    h.items = m_items;
    h.lines = DeliveryOrders::handOver(*m_shown, m_items);
    h.totalText = ui->totalLabel->text();
    const qint64 id = m_shown->id;
    try {
        (m_actions.get()->*action)(m_logon, h);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    reload(id);
}

void TFormPedDelivery::productionTickets() { runAction(&DeskActions::productionTickets); }
void TFormPedDelivery::deliveryNote() { runAction(&DeskActions::deliveryNote); }
void TFormPedDelivery::invoice() { runAction(&DeskActions::invoice); }

// ---- delivery man and area ----------------------------------------------------------------

void TFormPedDelivery::chooseDeliveryMan()
{
    if (!cashGate())
        return;
    hidePanels();
    try {
        m_men = DeliveryMen(m_logon).list(DeliveryMen::Order::ByName);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    ui->manList->setRowCount(int(m_men.size()));
    for (int i = 0; i < int(m_men.size()); ++i)
        ui->manList->setItem(i, 0, cell(m_men[size_t(i)].nome));
    if (!m_men.empty())
        ui->manList->setCurrentCell(0, 0);
    placePanels();
    ui->manPanel->show();
    ui->manPanel->raise();
    ui->manList->setFocus();
}

void TFormPedDelivery::chooseArea()
{
    if (!cashGate())
        return;
    hidePanels();
    try {
        m_areas = DeliveryAreas(m_logon).list();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    ui->areaList->setRowCount(int(m_areas.size()));
    for (int i = 0; i < int(m_areas.size()); ++i) {
        ui->areaList->setItem(i, 0, cell(m_areas[size_t(i)].bairro));
        ui->areaList->setItem(i, 1, cell(delivery::amountText(m_areas[size_t(i)].taxa), true));
    }
    if (!m_areas.empty())
        ui->areaList->setCurrentCell(0, 0);
    placePanels();
    ui->areaPanel->show();
    ui->areaPanel->raise();
    ui->areaList->setFocus();
}

void TFormPedDelivery::manChosen()
{
    if (!ui->manPanel->isVisible())
        return;
    ui->manPanel->hide();
    const int row = ui->manList->currentRow();
    if (!m_shown || row < 0 || row >= int(m_men.size()))
        return;
    const qint64 id = m_shown->id;
    try {
        m_store.setDeliveryMan(id, m_men[size_t(row)].id);
    } catch (const DeliveryRefused& e) {
        say(e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(id);
}

void TFormPedDelivery::areaChosen()
{
    if (!ui->areaPanel->isVisible())
        return;
    ui->areaPanel->hide();
    const int row = ui->areaList->currentRow();
    if (!m_shown || row < 0 || row >= int(m_areas.size()))
        return;
    const qint64 id = m_shown->id;
    try {
        m_store.setArea(id, m_areas[size_t(row)].id);
    } catch (const DeliveryRefused& e) {
        say(e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(id);
}

// ---- panels and keys ----------------------------------------------------------------------

void TFormPedDelivery::placePanels()
{
    for (QWidget* p : {static_cast<QWidget*>(ui->newOrderPanel), static_cast<QWidget*>(ui->manPanel),
                       static_cast<QWidget*>(ui->areaPanel)}) {
        const QSize s(std::min(p->width(), width() - 8), std::min(p->height(), height() - 8));
        p->setGeometry((width() - s.width()) / 2, (height() - s.height()) / 2, s.width(), s.height());
    }
}

void TFormPedDelivery::hidePanels()
{
    ui->newOrderPanel->hide();
    ui->manPanel->hide();
    ui->areaPanel->hide();
}

bool TFormPedDelivery::panelShown() const
{
    return ui->manPanel->isVisible() || ui->areaPanel->isVisible();
}

void TFormPedDelivery::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placePanels();
    if (!m_shownOnce) {
        m_shownOnce = true;
        whenOnScreen(this, [this] { deskShown(); });   // its message stands above the desk
    }
}

void TFormPedDelivery::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placePanels();
}

void TFormPedDelivery::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (ui->newOrderPanel->isVisible()) {
        // the new-order panel takes only its own three keys
        if (key == Qt::Key_F2)
            searchCustomer();
        else if (key == Qt::Key_F3 || key == Qt::Key_Escape)
            cancelPhone();
        else if (key == Qt::Key_F4)
            confirmPhone();
        return;
    }
    if (key == Qt::Key_Escape) {
        hidePanels();   // Esc never closes the desk
        return;
    }
    switch (key) {
    case Qt::Key_F2: newOrder(); return;
    case Qt::Key_F3: addItems(); return;
    case Qt::Key_F4: deleteItem(); return;
    case Qt::Key_F5: productionTickets(); return;
    case Qt::Key_F6: deliveryNote(); return;
    case Qt::Key_F7: invoice(); return;
    case Qt::Key_F8: chooseDeliveryMan(); return;
    case Qt::Key_F9: chooseArea(); return;
    case Qt::Key_F10: deleteOrder(); return;
    default: QDialog::keyPressEvent(event);
    }
}

bool TFormPedDelivery::eventFilter(QObject* watched, QEvent* event)
{
    const bool men = watched == ui->manList, areas = watched == ui->areaList;
    if (!men && !areas)
        return QDialog::eventFilter(watched, event);
    const auto choose = [&] { men ? manChosen() : areaChosen(); };
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter
            || (!k->text().isEmpty() && k->text().at(0).isPrint())) {
            choose();   // Enter, or any character typed in the list
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            hidePanels();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            choose();   // leaving the list takes the highlighted row
    }
    return QDialog::eventFilter(watched, event);
}
