#include "sales/UnitBalcao.h"
#include "core/AmountReader.h"
#include "tabs/TabKey.h"
#include "ui_UnitBalcao.h"

#include "closing/ClosingSettings.h"
#include "tabs/TabMaintenanceMenu.h"
#include "closing/UnitFecCom.h"
#include "closing/UnitFecSimples.h"
#include "closing/UnitRecDin.h"
#include "core/GridLook.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "sales/CounterPage.h"
#include "sales/ItemConfirmation.h"
#include "sales/SalesMessages.h"
#include "sales/SalesRibbon.h"
#include "sales/TabHandOver.h"
#include "sales/TabOpening.h"
#include "sales/TabView.h"
#include "registers/TouchButtons.h"
#include "sales/TouchKeypad.h"
#include "shell/RibbonBar.h"
#include "shell/UnSenha.h"
#include "shell/UnitAcessos.h"
#include "shell/WindowRegistry.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QSignalBlocker>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QIcon>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonSize = 65;
constexpr int kButtonPitch = 66;

bool bitSet(int mask, int bit) { return RightsBitSet(mask, bit) == QLatin1String("S"); }
int salesOptions() { return ctx::sales().SalesOptions; }

const char* kFreeStyle = "QToolButton { background: #e4e8ec; border: 1px solid #9aa5b1; font: 8pt 'Arial'; }";
const char* kOpenStyle = "QToolButton { background: #7fc77f; border: 1px solid #3c7a3c; font: bold 8pt 'Arial'; }";
const char* kPreBilledStyle = "QToolButton { background: #f2b45c; border: 1px solid #9a6a1f; font: bold 8pt 'Arial'; }";

void setFree(QToolButton* b)
{
    if (b->text() == QLatin1String("."))
        return;
    b->setText(QStringLiteral("."));
    b->setStyleSheet(QString::fromLatin1(kFreeStyle));
}


} // namespace

TFormBalcao::TFormBalcao(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormBalcao>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormBalcao"));
    placeCounterPage();
    setUpEntryFields();
    setUpItemList();
    setUpEntryPanel();
    setUpComplements();
    connectEntry();
    connectPages();
    buildRibbon();
    m_keypad = new TouchKeypad(this);
    m_keypad->hide();
    loadSalesOptions();
    fitTouchPage();
    buildTouchPage();
    setUpTabService();
    ui->innerPages->setCurrentIndex(0);
    refreshTableButtons();
    ui->productNameLabel->setText(salesmsg::productName);
    ui->tabNumberEdit->setFocus();
}

// The counter sale lives on its own page; the window opens maximized.
void TFormBalcao::placeCounterPage()
{
    ui->counterNote->hide();
    ui->counterLayout->addWidget(new CounterPage(m_logon, ui->counterPage));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormBalcao::setUpEntryFields()
{
    ui->confirmButton->setText(QStringLiteral("[F2] Confirma\nIncluir Pedido"));
    ui->sizeBox->hide();
    upperCaseWhileTyping(ui->tabNumberEdit);
    upperCaseWhileTyping(ui->productCodeEdit);
    ui->quantityEdit->setText(QStringLiteral("1"));
    ui->kitchenEdit->setText(QStringLiteral("0"));
}

void TFormBalcao::setUpItemList()
{
    ui->itemList->setColumnCount(5);
    ui->itemList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("VEND"), QStringLiteral("NOMEP"),
                                             QStringLiteral("QTDE"), QStringLiteral("TOTAL")});
    ui->itemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->itemList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->itemList->verticalHeader()->hide();
    ui->itemList->setStyleSheet(QStringLiteral("QTableWidget { background: silver; }"));
    grids::fitColumns(*ui->itemList, 2);
    grids::keepRows(*ui->itemList);
}

void TFormBalcao::setUpEntryPanel()
{
    ui->entryPanel->setMinimumWidth(540);   // the item names show whole, also at 1024 pixels
    ui->entryPanel->setMaximumWidth(620);
    // The waiter and the times of the tab take a second line rather than lose a word.
    ui->waiterLabel->setWordWrap(true);
    ui->timesLabel->setWordWrap(true);
    // The touch page's tabs and search button show whole beside the entry area at 1024 pixels.
    ui->innerPages->setStyleSheet(QStringLiteral("QTabBar::tab { font: bold 11pt 'Arial'; padding: 6px 8px; }"));
    ui->searchButton->setMinimumWidth(0);
    ui->priceEdit->setPlaceholderText(QStringLiteral("Valor"));
}

// The complements of the item being entered float over the item list while there
// are any: the tab's items keep the room the rest of the time. A double click
// strikes one out or back in.
void TFormBalcao::setUpComplements()
{
    ui->addComplementButton->setText(QStringLiteral("+"));
    ui->addComplementButton->setToolTip(QStringLiteral("Incluir Complementos"));
    ui->complementsGrid->setColumnCount(2);
    ui->complementsGrid->setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("Produto")});
    grids::fitColumns(*ui->complementsGrid, 1);
    ui->leftLayout->removeWidget(ui->complementsGrid);
    ui->complementsGrid->setMaximumHeight(QWIDGETSIZE_MAX);
    ui->complementsGrid->hide();
    ui->itemList->installEventFilter(this);
    ui->complementsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->complementsGrid->verticalHeader()->hide();
    connect(ui->complementsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row < 0 || row >= int(m_complements.size()))
            return;
        QString& f = m_complements[size_t(row)].flag;
        f = f == QLatin1String("X") ? QString() : QStringLiteral("X");
        showComplements();
    });
}

// The entry fields' keys, the confirmation, the waiter search, the quantity's
// plus and minus, a typed complement and the promotion switch (supervisor's).
void TFormBalcao::connectEntry()
{
    for (QWidget* field : {static_cast<QWidget*>(ui->tabNumberEdit), static_cast<QWidget*>(ui->waiterEdit),
                           static_cast<QWidget*>(ui->productCodeEdit), static_cast<QWidget*>(ui->quantityEdit),
                           static_cast<QWidget*>(ui->kitchenEdit), static_cast<QWidget*>(ui->priceEdit),
                           static_cast<QWidget*>(ui->complementEdit)})
        field->installEventFilter(this);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormBalcao::confirmItem);
    connect(ui->waiterSearchButton, &QPushButton::clicked, this, &TFormBalcao::searchWaiter);
    connect(ui->plusButton, &QPushButton::clicked, this, [this] {
        ui->quantityEdit->setText(FormatFloat(u"0", quantityOrOne(ui->quantityEdit->text()) + Decimal(1)));
    });
    connect(ui->minusButton, &QPushButton::clicked, this, [this] {
        const Decimal q = quantityOrOne(ui->quantityEdit->text()) - Decimal(1);
        ui->quantityEdit->setText(FormatFloat(u"0", q > Decimal(0) ? q : Decimal(1)));
    });
    connect(ui->addComplementButton, &QPushButton::clicked, this, [this] {
        const QString t = TrimText(ui->complementEdit->text());
        if (!t.isEmpty()) {
            m_complements.push_back(ComplementRow{QString(), t, Decimal(0), 0});
            showComplements();
        }
        ui->complementEdit->clear();
    });
    connect(ui->promotionBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) {
            ui->promotionBox->setText(QStringLiteral("Ativar Promoção"));
            return;
        }
        ctx::op().CurrentRights = 0;
        askSupervisor(m_logon);
        if (bitSet(ctx::op().CurrentRights, 16)) {
            ui->promotionBox->setText(QStringLiteral("Promoção Ativada"));
            return;
        }
        const QSignalBlocker quiet(ui->promotionBox);
        ui->promotionBox->setChecked(false);
        message(salesmsg::accessDenied);
    });
}

// The pages (the tab buttons only on the tab page) and the tab's buttons.
void TFormBalcao::connectPages()
{
    connect(ui->innerPages, &QTabWidget::currentChanged, this, [this] { refreshTableButtons(); });
    connect(ui->mainPages, &QTabWidget::currentChanged, this, [this](int page) {
        const bool tabs = page == 0;
        for (QWidget* b : {static_cast<QWidget*>(ui->kitchenOrderButton), static_cast<QWidget*>(ui->preBillButton),
                           static_cast<QWidget*>(ui->paymentButton)})
            b->setEnabled(tabs);
        if (m_ribbon)
            salesribbon::enableTabButtons(*m_ribbon, tabs);
        if (tabs)
            ui->tabNumberEdit->setFocus();
    });
    connect(ui->kitchenOrderButton, &QPushButton::clicked, this, &TFormBalcao::printKitchenOrder);
    connect(ui->preBillButton, &QPushButton::clicked, this, &TFormBalcao::preBill);
    connect(ui->paymentButton, &QPushButton::clicked, this, &TFormBalcao::payTab);
    connect(ui->deleteItemButton, &QPushButton::clicked, this, &TFormBalcao::cancelItems);
}

// The sales options and the cash shift; the touch area's width; the price field
// (SalesOptions 4) and the hidden waiter field (SalesOptions 1).
void TFormBalcao::loadSalesOptions()
{
    try {
        SalesSetup setup(m_logon);
        m_tableWord = setup.loadOptions();
        ui->tableWordLabel->setText(m_tableWord);
        reloadCashState();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ctx::sales().TouchAreaWidth = QGuiApplication::primaryScreen()
        ? QGuiApplication::primaryScreen()->availableGeometry().width() - 724 : 0;
    ui->priceEdit->setEnabled(bitSet(salesOptions(), 4));
    if (bitSet(salesOptions(), 1)) {
        ui->waiterEdit->setEchoMode(QLineEdit::Password);
        ui->waiterEdit->setEnabled(false);
    }
}

// tela.INI line 0 other than "S" widens the touch page's table panel.
void TFormBalcao::fitTouchPage()
{
    try {
        const std::optional<LineFile> tela = LineFile::load(station::path(u"c:\\Miltrex\\vavoz\\tela.INI"));
        if (tela && tela->line(0) != QLatin1String("S")) {
            ui->sideTablesArea->setMinimumWidth(298);
            ui->sideTablesArea->setMaximumWidth(298);
        }
    } catch (const std::exception&) {
    }
}

// The touch page: its table buttons, its group buttons, the search and the scrolling areas.
void TFormBalcao::buildTouchPage()
{
    buildTableButtons();
    try {
        buildGroupButtons();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    connect(ui->searchButton, &QPushButton::clicked, this, &TFormBalcao::searchProducts);
    ui->searchEdit->installEventFilter(this);
    for (QScrollArea* a : {ui->categoriesArea, ui->productsArea, ui->complementButtonsArea})
        a->viewport()->installEventFilter(this);
}

TFormBalcao::~TFormBalcao() = default;

QString TFormBalcao::tabNumber() const { return ui->tabNumberEdit->text(); }
QString TFormBalcao::dueText() const { return ui->dueLabel->text(); }
QString TFormBalcao::cashStateText() const { return ui->cashStateLabel->text(); }
int TFormBalcao::itemLines() const { return ui->itemList->rowCount(); }

QToolButton* TFormBalcao::tableButton(int index, bool touchPanel) const
{
    const auto& v = touchPanel ? m_sideButtons : m_tableButtons;
    return index >= 0 && index < int(v.size()) ? v[size_t(index)] : nullptr;
}

QString TFormBalcao::message(const QString& text, const QString& buttons)
{
    return ShowMessageWindow(salesmsg::title, text, buttons);
}

void TFormBalcao::reloadCashState()
{
    m_cash = SalesSetup(m_logon).loadCashState();
    ui->cashNumberLabel->setText(m_cash.numberText);
    ui->cashStateLabel->setText(m_cash.stateText);
    ui->preBillButton->setEnabled(m_cash.open());
    ui->paymentButton->setEnabled(m_cash.open());
}

// ---- table buttons ---------------------------------------------------------

void TFormBalcao::buildTableButtons()
{
    auto build = [this](QScrollArea* area, std::vector<QToolButton*>& into) {
        QWidget* content = area->widget();
        for (int n = 0; n < kTableButtons; ++n) {
            auto* b = new QToolButton(content);
            b->setText(QStringLiteral("x"));
            setFree(b);
            b->resize(kButtonSize, kButtonSize);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [this, b] { tableButtonClicked(b); });
            into.push_back(b);
        }
        area->viewport()->installEventFilter(this);
        layTableButtons(area, into);
    };
    build(ui->tablesArea, m_tableButtons);
    build(ui->sideTablesArea, m_sideButtons);
}

void TFormBalcao::layTableButtons(QScrollArea* area, const std::vector<QToolButton*>& buttons)
{
    // as many columns as the panel shows whole; rows go down and the panel scrolls
    const int columns = std::max(1, area->viewport()->width() / kButtonPitch);
    for (int n = 0; n < int(buttons.size()); ++n)
        buttons[size_t(n)]->move((n % columns) * kButtonPitch, (n / columns) * kButtonPitch);
    const int rows = (int(buttons.size()) + columns - 1) / columns;
    area->widget()->resize(columns * kButtonPitch, rows * kButtonPitch);
}

void TFormBalcao::refreshTableButtons()
{
    std::vector<TableButtonInfo> tabs;
    try {
        tabs = TabView(m_logon, salesOptions()).refreshButtons();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    for (int n = 0; n < kTableButtons; ++n) {
        setFree(m_tableButtons[size_t(n)]);
        setFree(m_sideButtons[size_t(n)]);
    }
    auto& shown = ui->innerPages->currentIndex() == 0 ? m_tableButtons : m_sideButtons;
    for (size_t i = 0; i < tabs.size() && i < shown.size(); ++i) {
        shown[i]->setText(QString(tabs[i].caption).replace(u'\r', u'\n'));
        shown[i]->setStyleSheet(QString::fromLatin1(tabs[i].preBilled ? kPreBilledStyle : kOpenStyle));
    }
}

void TFormBalcao::tableButtonClicked(QToolButton* button)
{
    ui->tabNumberEdit->setText(tableKeyOfCaption(button->text()));
    m_tabPending = false;
    reloadItems();
    ui->waiterEdit->clear();
    ui->tabNumberEdit->setFocus();
    m_tabPending = true;   // leaving the field takes the tab up
}

void TFormBalcao::reloadItems()
{
    TabSummary s;
    try {
        s = TabView(m_logon, salesOptions()).load(ui->tabNumberEdit->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    ui->itemList->setRowCount(int(s.lines.size()));
    for (int r = 0; r < int(s.lines.size()); ++r) {
        const TabItemLine& l = s.lines[size_t(r)];
        const QString cells[] = {l.codigo, l.vend, l.nomep, FormatFloat(u"0.###", l.qtde), amountText(l.total())};
        for (int c = 0; c < 5; ++c)
            ui->itemList->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    ui->waiterLabel->setText(s.waiterText);
    ui->timesLabel->setText(s.timesText);
    ui->advanceLabel->setText(amountText(s.advance));
    ui->dueLabel->setText(FormatFloatLeftPadded(QStringLiteral("##0.00"), 12, s.due));
    if (TrimText(ui->tabNumberEdit->text()) == QLatin1String("0"))
        ui->tabNumberEdit->clear();
    if (m_customerLabel)
        showTabCustomer();
}

// ---- the table field ---------------------------------------------------------

void TFormBalcao::tabFieldEntered()
{
    m_tabPending = true;
    ui->currentTabLabel->setText(TrimText(ui->tabNumberEdit->text()));
    if (bitSet(salesOptions(), 1))
        ui->waiterEdit->clear();
    setComplements({});
    ui->complementEdit->clear();
    ui->sizeBox->hide();
    if (m_cash.number == 0)
        message(salesmsg::cashClosedEnter);
}

void TFormBalcao::tabFieldLeft()
{
    if (!m_tabPending)
        return;
    m_tabPending = false;
    const QString key = tabs::readTabKey(ui->tabNumberEdit->text(), tabs::TabKeyRules::salesScreen());
    if (key.isEmpty()) {
        ui->tabNumberEdit->clear();
        return;
    }
    if (key == QLatin1String("999999")) {
        message(salesmsg::cashClosedEnter);
        ui->tabNumberEdit->clear();
        ui->tabNumberEdit->setFocus();
        return;
    }
    if (m_cash.number == 0) {
        message(salesmsg::cashClosedOpen);
        ui->tabNumberEdit->clear();
        return;
    }
    ui->tabNumberEdit->setText(key);
    if (key.size() > kTabKeyMax) {
        message(salesmsg::invalidTabName + key);
        ui->tabNumberEdit->setFocus();
        m_tabPending = true;
        return;
    }
    TabOpening opening(m_logon);
    try {
        // a table reserved for today asks "Mesa com Reserva"; "Sim" takes the day's reservation off
        if (!tabmenu::reservedTableMayOpen(m_logon, key, QDate::currentDate())) {
            ui->tabNumberEdit->setFocus();
            m_tabPending = true;
            return;
        }
        if (const std::optional<TabHeader> tab = opening.find(key)) {
            ui->tabNumberEdit->setText(tab->mesa);
            if (!bitSet(salesOptions(), 1))
                ui->waiterEdit->setText(tab->vendedor);
            reloadItems();
            return;
        }
        if (message(salesmsg::openTabQuestion, QStringLiteral("2")) != QLatin1String("S")) {
            reloadItems();
            return;
        }
        TabHeader header;
        opening.open(key, &header);
        ui->tabNumberEdit->setText(header.mesa);
        if (!bitSet(salesOptions(), 1))
            ui->waiterEdit->setText(header.vendedor);
        reloadItems();
        refreshTableButtons();
        if (ui->waiterEdit->isEnabled())
            ui->waiterEdit->setFocus();
        else
            ui->productCodeEdit->setFocus();
    } catch (const DbError& e) {
        // no tab was written: the user stays on the field
        message(e.isCharacterSetError() ? salesmsg::invalidTabName + key
                                        : salesmsg::tabNotOpened + QStringLiteral("\r") + e.message());
        ui->tabNumberEdit->setFocus();
        m_tabPending = true;
    }
}

// ---- the waiter field ----------------------------------------------------------

void TFormBalcao::waiterFieldEntered()
{
    m_waiterPending = true;
    ui->currentTabLabel->setText(TrimText(ui->tabNumberEdit->text()));
    if (bitSet(salesOptions(), 64) && TrimText(ui->waiterEdit->text()).isEmpty())
        ui->waiterEdit->setText(QStringLiteral("1"));
}

void TFormBalcao::waiterFieldLeft()
{
    if (!m_waiterPending)
        return;
    m_waiterPending = false;
    const std::optional<qint64> code = wholeNumber(ui->waiterEdit->text());
    if (!code)
        ui->waiterEdit->clear();
    if (ui->waiterEdit->text().isEmpty()) {
        message(salesmsg::informWaiterField);
        ui->waiterEdit->setFocus();
        m_waiterPending = true;
        return;
    }
    ItemEntry entry(m_logon);
    try {
        if (*code < 0 || *code > 2147483647 || !entry.waiterName(*code)) {
            message(salesmsg::waiterNotFound);
            ui->waiterEdit->setFocus();
            m_waiterPending = true;
            return;
        }
        const QString key = tabs::readTabKey(ui->tabNumberEdit->text(), tabs::TabKeyRules::salesScreen());
        if (!key.isEmpty())
            entry.setTabWaiter(key, *code);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormBalcao::searchWaiter()
{
    ctx::lookup().LookupCode.clear();
    windows::open(QStringLiteral("TFormBuscaVendedor"), QStringLiteral("Pesquisa Vendedores"));
    ui->waiterEdit->setText(ctx::lookup().LookupCode);
    if (ui->waiterEdit->isEnabled())
        ui->waiterEdit->setFocus();
}

// ---- the product code field ------------------------------------------------------

void TFormBalcao::codeFieldEntered()
{
    ui->currentTabLabel->setText(TrimText(ui->tabNumberEdit->text()));
    if (bitSet(salesOptions(), 1) && TrimText(ui->waiterEdit->text()).isEmpty()) {
        ui->waiterEdit->clear();
        ctx::lookup().LookupCode.clear();
        windows::open(QStringLiteral("TFormSenGarcom"), QStringLiteral("Selecione um Garçom"));
        if (!TrimText(ctx::lookup().LookupCode).isEmpty()) {
            ui->waiterEdit->setText(TrimText(ctx::lookup().LookupCode));
            m_codePending = true;
        } else {
            ui->tabNumberEdit->setFocus();
        }
        return;
    }
    m_codePending = true;
    if (m_product || m_flavours)
        return;   // back in the field with a product chosen: keep it
    ctx::lookup().ProductLookupCode.clear();
    ui->sizeBox->hide();
    ui->productNameLabel->setText(salesmsg::productName);
    if (m_cash.number == 0) {
        m_codePending = false;
        ui->tabNumberEdit->setFocus();
        return;
    }
    const QString key = tabs::readTabKey(ui->tabNumberEdit->text(), tabs::TabKeyRules::salesScreen());
    if (key.isEmpty())
        return;
    try {
        const std::optional<TabHeader> tab = TabOpening(m_logon).find(key);
        if (tab && tab->status == 1) {
            message(salesmsg::tabClosedReopen);
            m_codePending = false;
            ui->tabNumberEdit->setFocus();
            return;
        }
        ui->productNameLabel->setText(salesmsg::promptProduct);
        ui->kitchenEdit->setText(QStringLiteral("0"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormBalcao::entryFieldEntered()
{
    // quantity and price belong to an open tab while the cash is open
    try {
        const std::optional<TabHeader> tab = TabOpening(m_logon).find(tabs::readTabKey(ui->tabNumberEdit->text(), tabs::TabKeyRules::salesScreen()));
        if (m_cash.number == 0 || !tab || !tab->isOpen())
            ui->tabNumberEdit->setFocus();
    } catch (const DbError&) {
        ui->tabNumberEdit->setFocus();
    }
}

void TFormBalcao::codeFieldLeft()
{
    if (!m_codePending)
        return;
    m_codePending = false;
    QString typed = TrimText(ui->productCodeEdit->text());
    if (typed.isEmpty())
        return;
    if (m_product && (typed == m_product->codigo || typed == u'*' + m_product->codigo))
        return;   // already looked up
    if (m_flavours && typed == ui->productCodeEdit->property("pricedFlavours").toString())
        return;   // already priced
    m_product.reset();
    m_flavours = false;
    if (typed == QLatin1String("/")) {
        ctx::lookup().LookupCode.clear();
        windows::open(QStringLiteral("TFormFracao"), QStringLiteral("Venda de Pizza Fracionada"));
        typed = TrimText(ctx::lookup().LookupCode);
        ui->productCodeEdit->setText(typed);
        if (typed.isEmpty())
            return;
    }
    if (ui->sizeBox->count() > 0)
        ui->sizeBox->setCurrentIndex(0);
    if (typed.startsWith(u'/')) {
        priceFlavours();   // several flavours are priced by the multi-flavour rule
        return;
    }
    if (typed == QLatin1String("C")) {
        ui->productCodeEdit->clear();
        ui->kitchenOrderButton->click();
        return;
    }
    Decimal weight(0);
    bool weighed = false;
    if (const std::optional<ScaleLabel> scale = parseScaleLabel(typed)) {
        typed = scale->code;
        weight = scale->quantity;
        weighed = true;
    }
    const QString code = normaliseProductCode(typed);
    if (code == QLatin1String("000000")) {
        ctx::lookup().LookupCode.clear();
        windows::open(QStringLiteral("TFormLcPro"), QStringLiteral("Pesquisa Produtos"));
        const QString chosen = TrimText(ctx::lookup().LookupCode);
        ui->productCodeEdit->setText(chosen == QLatin1String("0") ? QString() : chosen);
        ui->productNameLabel->clear();
        ui->productCodeEdit->setFocus();
        m_codePending = true;
        return;
    }
    ItemEntry entry(m_logon);
    try {
        const std::optional<ProductInfo> product = entry.findProduct(code);
        if (!product) {
            message(salesmsg::productNotFound);
            ui->productCodeEdit->clear();
            ui->productCodeEdit->setFocus();
            m_codePending = true;
            return;
        }
        m_product = product;
        std::vector<ComplementRow> rows = m_complements;
        for (const ComplementRow& c : entry.complementsOf(*product))
            rows.push_back(c);
        setComplements(rows);
        ui->productCodeEdit->setText(product->composicao == QLatin1String("S") ? u'*' + product->codigo : product->codigo);
        ui->productNameLabel->setText(product->nome.left(60));
        ui->priceEdit->setText(FormatFloat(u"0.00", product->price(ui->promotionBox->isChecked())));
        ui->kitchenEdit->setText(product->clas.isEmpty() ? QStringLiteral("0") : product->clas);
        if (product->hasSizes) {
            ui->sizeBox->show();
            if (!ui->autoSaleBox->isChecked())
                ui->sizeBox->setFocus();
        }
        if (weighed)
            ui->quantityEdit->setText(scaleQuantityText(weight));
        if (ui->autoSaleBox->isChecked())
            confirmItem();
    } catch (const DbError& e) {
        if (!e.isCharacterSetError()) {
            dialogs().errorBox(e.message());
            return;
        }
        // no product code holds such characters
        message(salesmsg::productNotFound);
        ui->productCodeEdit->clear();
        ui->productCodeEdit->setFocus();
        m_codePending = true;
    }
}

// ---- complements ------------------------------------------------------------------

void TFormBalcao::setComplements(const std::vector<ComplementRow>& rows)
{
    m_complements = rows;
    showComplements();
}

void TFormBalcao::showComplements()
{
    ui->complementsGrid->setRowCount(int(m_complements.size()));
    Decimal total(0);
    for (int r = 0; r < int(m_complements.size()); ++r) {
        const ComplementRow& c = m_complements[size_t(r)];
        ui->complementsGrid->setItem(r, 0, new QTableWidgetItem(c.flag));
        ui->complementsGrid->setItem(r, 1, new QTableWidgetItem(c.produto));
        total += c.valor;
    }
    ui->complementTotalLabel->setText(QStringLiteral("Complemento R$ ") + amountText(total));
    placeComplements();
}

void TFormBalcao::placeComplements()
{
    // Over the item list, and up over the entry area when the list is lower than
    // three of its rows.
    QTableWidget* grid = ui->complementsGrid;
    grid->setVisible(!m_complements.empty());
    const QRect list = ui->itemList->geometry();
    const int height = std::max(list.height(), grids::heightFor(*grid, 3));
    grid->setGeometry(list.x(), list.bottom() + 1 - height, list.width(), height);
    grid->raise();
}

// ---- confirming ------------------------------------------------------------------------

void TFormBalcao::clearEntry()
{
    m_product.reset();
    m_flavours = false;
    ui->productCodeEdit->clear();
    ui->priceEdit->clear();
    ui->quantityEdit->setText(QStringLiteral("1"));
    ui->sizeBox->hide();
    setComplements({});
    ui->productNameLabel->setText(salesmsg::promptProduct);
}

void TFormBalcao::confirmItem()
{
    // F2 straight after the code: the code is looked up first, as leaving its field
    // looks it up (its name, its price and the kitchen that gets its ticket).
    if (m_codePending && !TrimText(ui->productCodeEdit->text()).isEmpty()) {
        const bool autoSale = ui->autoSaleBox->isChecked();
        codeFieldLeft();
        if (autoSale || m_codePending || !(m_product || m_flavours))
            return;   // confirmed by the automatic sale, or the code is not settled yet
    }
    ItemDraft d;
    d.tabKey = ui->tabNumberEdit->text();
    d.waiter = ui->waiterEdit->text();
    d.code = ui->productCodeEdit->text();
    d.quantity = ui->quantityEdit->text();
    d.kitchen = ui->kitchenEdit->text();
    d.promotion = ui->promotionBox->isChecked();
    d.complements = m_complements;
    if (m_product || m_flavours) {
        d.name = ui->productNameLabel->text();
        d.price = ui->priceEdit->text();
        if (ui->sizeBox->isVisible())
            d.sizeText = ui->sizeBox->currentText();
    }
    ConfirmResult r;
    try {
        r = ItemConfirmation(m_logon, salesOptions(), m_cash.number).confirm(d);
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
        return;
    }
    using S = ConfirmResult::Status;
    switch (r.status) {
    case S::NoTab:
        ui->tabNumberEdit->setFocus();
        return;
    case S::NoWaiter:
        message(confirmMessage(r.status));
        (ui->waiterEdit->isEnabled() ? ui->waiterEdit : ui->tabNumberEdit)->setFocus();
        return;
    case S::NoProduct:
    case S::ProductNotFound:
        message(confirmMessage(r.status));
        ui->productCodeEdit->setFocus();
        return;
    case S::InvalidPrice:
        message(confirmMessage(r.status));
        ui->priceEdit->setFocus();
        return;
    case S::CashClosed:
    case S::TabClosed:
    case S::TabNotFound:
        // the entry stays as typed
        message(confirmMessage(r.status));
        return;
    case S::Stored:
        break;
    }
    if (!r.printError.isEmpty())
        dialogs().errorBox(r.printError);
    ui->tabNumberEdit->setText(r.tabKey);
    clearEntry();
    reloadItems();
    refreshTableButtons();
    m_codePending = false;
    // The next code is looked up as one typed afresh, also when the code field kept
    // the focus (F2 pressed in it): not with the last item's kitchen.
    const bool keptTheFocus = ui->productCodeEdit->hasFocus();
    ui->productCodeEdit->setFocus();
    if (keptTheFocus)
        codeFieldEntered();
}

// ---- keys ----------------------------------------------------------------------------

bool TFormBalcao::enterPressed(QObject* field)
{
    if (field == ui->tabNumberEdit) {
        if (TrimText(ui->tabNumberEdit->text()).isEmpty())
            return true;
        tabFieldLeft();
        if (ui->tabNumberEdit->hasFocus() && !m_tabPending)
            (bitSet(salesOptions(), 1) ? ui->productCodeEdit : ui->waiterEdit)->setFocus();
        else if (!m_tabPending && TrimText(ui->tabNumberEdit->text()).isEmpty())
            ui->tabNumberEdit->setFocus();
        return true;
    }
    if (field == ui->waiterEdit) {
        waiterFieldLeft();
        if (!m_waiterPending)
            ui->productCodeEdit->setFocus();
        return true;
    }
    if (field == ui->productCodeEdit) {
        if (TrimText(ui->productCodeEdit->text()).isEmpty()) {
            ui->tabNumberEdit->setFocus();
            return true;
        }
        codeFieldLeft();
        if (!m_codePending && (m_product || m_flavours) && ui->productCodeEdit->hasFocus())
            ui->quantityEdit->setFocus();
        return true;
    }
    if (field == ui->quantityEdit) {
        ui->quantityEdit->setText(quantityFieldLeft(ui->quantityEdit->text()));
        ui->kitchenEdit->setFocus();
        return true;
    }
    if (field == ui->kitchenEdit) {
        ui->complementEdit->setFocus();
        return true;
    }
    if (field == ui->priceEdit) {
        ui->complementEdit->setFocus();
        return true;
    }
    if (field == ui->searchEdit) {
        searchProducts();
        return true;
    }
    if (field == ui->complementEdit) {
        const QString t = ui->complementEdit->text();
        if (t.isEmpty()) {
            confirmItem();
        } else if (!TrimText(t).isEmpty()) {
            m_complements.push_back(ComplementRow{QString(), TrimText(t), Decimal(0), 0});
            showComplements();
            ui->complementEdit->clear();
        }
        return true;
    }
    return false;
}

bool TFormBalcao::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) && watched == ui->itemList)
        placeComplements();
    if (event->type() == QEvent::Resize) {
        if (watched == ui->tablesArea->viewport())
            layTableButtons(ui->tablesArea, m_tableButtons);
        else if (watched == ui->sideTablesArea->viewport())
            layTableButtons(ui->sideTablesArea, m_sideButtons);
        else if (watched == ui->categoriesArea->viewport())
            layTouchButtons(ui->categoriesArea, m_groupButtons, 74, 74);
        else if (watched == ui->productsArea->viewport())
            layTouchButtons(ui->productsArea, m_productButtons, 74, 74);
        else if (watched == ui->complementButtonsArea->viewport())
            layTouchButtons(ui->complementButtonsArea, m_complementButtons, 74, 30);
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;   // the window came back from a message: nothing was entered
        if (watched == ui->tabNumberEdit)
            tabFieldEntered();
        else if (watched == ui->waiterEdit)
            waiterFieldEntered();
        else if (watched == ui->productCodeEdit)
            codeFieldEntered();
        else if (watched == ui->quantityEdit || watched == ui->priceEdit)
            entryFieldEntered();
        break;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == ui->tabNumberEdit)
            tabFieldLeft();
        else if (watched == ui->waiterEdit)
            waiterFieldLeft();
        else if (watched == ui->productCodeEdit)
            codeFieldLeft();
        else if (watched == ui->quantityEdit)
            ui->quantityEdit->setText(quantityFieldLeft(ui->quantityEdit->text()));
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return enterPressed(watched);
        if (watched == ui->waiterEdit && bitSet(salesOptions(), 32) && !key->text().isEmpty()) {
            // one waiter per tab: a tab that has its waiter keeps him
            try {
                const std::optional<TabHeader> tab = TabOpening(m_logon).find(tabs::readTabKey(ui->tabNumberEdit->text(), tabs::TabKeyRules::salesScreen()));
                if (tab && !tab->vendedor.isEmpty())
                    return true;
            } catch (const DbError&) {
            }
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBalcao::keyPressEvent(QKeyEvent* event)
{
    const bool tabPage = ui->mainPages->currentIndex() == 0;
    switch (event->key()) {
    case Qt::Key_F2:
        if (tabPage)
            ui->confirmButton->click();
        return;
    case Qt::Key_F3:
        ribbonAction(salesribbon::buttonOpening("@keyboard"));
        return;
    case Qt::Key_F4:
        if (tabPage)
            ui->kitchenOrderButton->click();
        return;
    case Qt::Key_F5:
        if (tabPage)
            emit ui->preBillButton->clicked();   // runs whether or not the button is enabled
        return;
    case Qt::Key_F6:
        if (tabPage)
            ribbonAction(salesribbon::buttonOpening("@productSearch"));
        return;
    case Qt::Key_F9:
        if (tabPage && ui->paymentButton->isEnabled())
            ui->paymentButton->click();
        return;
    case Qt::Key_F10:
        if (tabPage)
            searchWaiter();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return;   // no default button on this window
    case Qt::Key_Escape:
        return;   // the panel it was pressed in closes itself; the screen closes from its ribbon only
    default:
        QDialog::keyPressEvent(event);
    }
}

void TFormBalcao::done(int result)
{
    try {
        TabOpening(m_logon).dropKeylessTabs();
    } catch (const DbError&) {
        // the window closes all the same
    }
    QDialog::done(result);
}

void TFormBalcao::openWithTab(const QString& className, const QString& title)
{
    ctx::sales().TabNumber = ui->tabNumberEdit->text();
    windows::open(className, title);
    reloadItems();
    refreshTableButtons();
}

// ---- handing the tab over: pre-bill, payment, item cancellation ----------------------

void TFormBalcao::preBill()
{
    using namespace handover;
    TabHandOver h(m_logon);
    const QString typed = ui->tabNumberEdit->text();
    std::optional<TabInHand> before;
    try {
        h.fillEmptyCustomers();
        if (!mayPreBill(ctx::op().LoginRights)) {
            message(salesmsg::functionDenied);
            return;
        }
        ctx::sales().JuntaMesa.clear();
        before = h.tab(typed);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    TFormFecSimples window(m_logon);
    window.setTab(typed, typed + QStringLiteral(" - ") + (before ? before->customerName : QString()));
    dialogs().exec(window);
    try {
        const std::optional<TabInHand> after = h.tab(typed);
        if (after && !bitSet(salesOptions(), 1))
            ui->waiterEdit->setText(after->waiter);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    m_tabPending = false;
    ui->tabNumberEdit->clear();
    ui->tabNumberEdit->setFocus();
    reloadItems();
    refreshTableButtons();
}

void TFormBalcao::payTab()
{
    using namespace handover;
    if (!ui->paymentButton->isEnabled())
        return;   // the cash was closed when the screen opened
    TabHandOver h(m_logon);
    try {
        h.fillEmptyCustomers();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    ctx::sales().JuntaMesa.clear();
    if (!mayPay(ctx::op().LoginRights)) {
        message(salesmsg::functionDenied);
        return;
    }
    m_tabPending = false;
    QStringList joined;
    {
        TFormRecDin first(m_logon);
        first.setTab(ui->tabNumberEdit->text());
        dialogs().exec(first);
        ui->tabNumberEdit->setText(first.tab().trimmed());
        joined = first.joinedTabs();
    }
    ctx::sales().JuntaMesa = joined;
    const QString key = paymentKey(ui->tabNumberEdit->text());
    ctx::lookup().LookupCode = key;
    try {
        std::optional<TabInHand> tab;
        const PaymentStart start = h.paymentStart(key, ClosingSettings::load().preBillRequired, salesOptions(), &tab);
        if (start == PaymentStart::NotFound) {
            message(salesmsg::tabNotFound);
        } else if (start == PaymentStart::Refused) {
            message(salesmsg::preBillFirst);
        } else {
            {
                TFormFecCom payment(m_logon);
                payment.setTabCaption(key + QStringLiteral(" - ") + tab->customerName);
                if (!joined.isEmpty())
                    payment.setJoinedTabs(joined);
                dialogs().exec(payment);
            }
            const std::optional<TabInHand> after = h.tab(key);
            if (after && !bitSet(salesOptions(), 1))
                ui->waiterEdit->setText(after->waiter);
        }
        // The tab is shown again while it is still open; a paid or missing one leaves the field empty.
        const std::optional<TabInHand> still = start == PaymentStart::NotFound ? std::nullopt : h.tab(key);
        ui->tabNumberEdit->setText(still ? still->mesa : QString());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->tabNumberEdit->setFocus();
    m_tabPending = false;
    reloadItems();
    refreshTableButtons();
}

void TFormBalcao::cancelItems()
{
    const QString kept = ui->tabNumberEdit->text();
    try {
        tabmenu::cancelItems(m_logon, ctx::sales().ItemOptions, kept);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    m_tabPending = false;
    ui->tabNumberEdit->setText(kept);
    reloadItems();
    ui->tabNumberEdit->setFocus();
    m_tabPending = false;
}

void TFormBalcao::toggleKeypad()
{
    if (m_keypad->isVisible()) {
        m_keypad->hide();
        return;
    }
    // over the item list, beside the entry row it types into
    const QPoint at = ui->itemList->mapTo(this, QPoint(0, 0));
    m_keypad->adjustSize();
    m_keypad->move(at.x(), std::max(0, std::min(at.y(), height() - m_keypad->height())));
    m_keypad->show();
    m_keypad->raise();
}

// ---- ribbon -------------------------------------------------------------------------------

void TFormBalcao::buildRibbon()
{
    m_ribbon = new RibbonBar(ui->ribbonHost);
    auto* layout = new QVBoxLayout(ui->ribbonHost);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ribbon);
    salesribbon::build(*m_ribbon, [this](const salesribbon::Button& b) { ribbonAction(b); });
}

void TFormBalcao::ribbonAction(const salesribbon::Button& button)
{
    if (tabServiceAction(button))
        return;
    ctx::sales().TabNumber = ui->tabNumberEdit->text();
    salesribbon::Context c;
    c.logon = &m_logon;
    c.tabNumber = ui->tabNumberEdit->text();
    const salesribbon::After after = salesribbon::run(button, c);
    if (after.toggleKeyboard)
        toggleKeypad();
    if (after.closeScreen) {
        reject();
        return;
    }
    if (after.clearTab)
        ui->tabNumberEdit->clear();
    if (after.reloadCash)
        reloadCashState();
    if (after.productCode) {
        ui->productCodeEdit->setText(ctx::lookup().LookupCode);
        ui->productNameLabel->clear();
        ui->productCodeEdit->setFocus();
        m_codePending = true;
    }
    if (after.takeUpTab && !bitSet(salesOptions(), 1)) {
        try {
            if (const std::optional<handover::TabInHand> tab = handover::TabHandOver(m_logon).tab(ui->tabNumberEdit->text()))
                ui->waiterEdit->setText(tab->waiter);
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    if (after.refreshTabs) {
        m_tabPending = false;
        reloadItems();
        refreshTableButtons();
        ui->tabNumberEdit->setFocus();
    } else if (after.focusTab) {
        ui->tabNumberEdit->setFocus();
    }
}

// ---- touch buttons -------------------------------------------------------------------------------

void TFormBalcao::buildGroupButtons()
{
    for (QToolButton* b : m_groupButtons)
        delete b;
    m_groupButtons.clear();
    for (const TouchGroup& g : TouchMenu(m_logon).groups()) {
        QToolButton* b = makeTouchButton(ui->categoriesArea->widget(), g.caption, g.picture);
        const QString code = g.code;
        connect(b, &QToolButton::clicked, this, [this, code] { showGroup(code); });
        m_groupButtons.push_back(b);
    }
    layTouchButtons(ui->categoriesArea, m_groupButtons, 74, 74);
}

void TFormBalcao::fillButtons(QScrollArea* area, std::vector<QToolButton*>& into, const std::vector<TouchButton>& buttons,
                              bool complements)
{
    for (QToolButton* b : into)
        delete b;
    into.clear();
    for (const TouchButton& t : buttons) {
        QToolButton* b = makeTouchButton(area->widget(), t.caption, complements ? QString() : t.picture);
        connect(b, &QToolButton::clicked, this, [this, t, complements] {
            if (complements)
                touchComplement(t);
            else
                touchProduct(t);
        });
        into.push_back(b);
    }
    layTouchButtons(area, into, 74, complements ? 30 : 74);
}

void TFormBalcao::showGroup(const QString& group)
{
    try {
        TouchMenu menu(m_logon);
        fillButtons(ui->productsArea, m_productButtons, menu.productsOf(group), false);
        fillButtons(ui->complementButtonsArea, m_complementButtons, menu.complementsOf(group), true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormBalcao::searchProducts()
{
    const QString text = TrimText(ui->searchEdit->text());
    if (text.isEmpty())
        return;
    ui->searchEdit->clear();
    try {
        TouchMenu menu(m_logon);
        QString group;
        const std::vector<TouchButton> found = menu.search(text, &group);
        if (found.empty())
            return;   // the buttons of the last group stay
        fillButtons(ui->productsArea, m_productButtons, found, false);
        fillButtons(ui->complementButtonsArea, m_complementButtons, menu.complementsOf(group, true), true);
    } catch (const DbError& e) {
        if (!e.isCharacterSetError())
            dialogs().errorBox(e.message());
    }
}

void TFormBalcao::touchProduct(const TouchButton& b)
{
    ui->productCodeEdit->setText(b.code);
    m_product.reset();
    m_codePending = true;
    codeFieldLeft();
    if (m_product)
        ui->quantityEdit->setFocus();
    else
        ui->productCodeEdit->setFocus();
}

void TFormBalcao::touchComplement(const TouchButton& b)
{
    if (b.write) {
        writeComplement();
    } else {
        m_complements.push_back(ComplementRow{QString(), b.caption.left(35), b.value, b.cod});
    }
    if (TrimText(ui->kitchenEdit->text()) == QLatin1String("0"))
        ui->kitchenEdit->setText(QStringLiteral("1"));
    showComplements();
}
