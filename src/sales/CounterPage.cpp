#include "sales/CounterPage.h"
#include "core/WholeNumber.h"
#include "printing/SetComSettings.h"
#include "registers/CustomerCard.h"
#include "ui_CounterPage.h"

#include "closing/ClosingSettings.h"
#include "closing/TabClosing.h"   // ClosingRefused
#include "core/AmountReader.h"
#include "core/GridLook.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "sales/CounterClosing.h"
#include "sales/CounterEntry.h"
#include "registers/Lookups.h"
#include "shell/UnitAcessos.h"
#include "shell/WindowRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
bool bitSet(int mask, int bit) { return RightsBitSet(mask, bit) == QLatin1String("S"); }
QString total12(const Decimal& v) { return FormatFloatLeftPadded(QStringLiteral("##0.00"), 12, v); }

const char* kTicks = "geratiks.ini";

} // namespace

CounterPage::CounterPage(TLogon& logon, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::CounterPage>()), m_logon(logon)
{
    ui->setupUi(this);
    ui->counterPaymentPanel->hide();
    ui->counterSizeBox->hide();
    ui->counterSizeCaption->hide();
    setUpGrids();
    placePaymentPanel();
    connectButtons();
    connectFields();
    restoreStationChoices();
    loadChoices();
    showItems();
}

void CounterPage::setUpGrids()
{
    ui->counterItemGrid->setColumnCount(5);
    ui->counterItemGrid->setHorizontalHeaderLabels({S("Nome"), S("Quant"), S("Valor"), S("Total"), S("Complemento")});
    ui->counterItemGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->counterItemGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->counterItemGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    grids::fitColumns(*ui->counterItemGrid, 0);
    grids::keepRows(*ui->counterItemGrid);
    ui->counterPaymentGrid->setColumnCount(3);
    ui->counterPaymentGrid->setHorizontalHeaderLabels({S("Cod"), S("Forma Pagamento"), S("Vlr Recebido")});
    grids::fitColumns(*ui->counterPaymentGrid, 1);
    grids::keepRows(*ui->counterPaymentGrid);
}

// While it is open the payment panel stands where the product buttons are, so the
// page keeps its height; beside the items it fits a 1024-pixel screen: its longer
// captions take two lines. The price field follows SalesOptions 4; the fields'
// keys come here.
void CounterPage::placePaymentPanel()
{
    ui->counterEntryLayout->removeWidget(ui->counterPaymentPanel);
    ui->counterPageLayout->addWidget(ui->counterPaymentPanel);
    ui->counterPaymentPanel->installEventFilter(this);
    ui->counterEntryPanel->setMaximumWidth(640);   // room for every caption
    ui->counterMethodBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui->counterMethodBox->setMinimumContentsLength(12);
    for (QLabel* caption : {ui->counterQueueCaption, ui->counterPurchaseCaption, ui->counterMethodCaption,
                            ui->counterMethodCodeCaption, ui->counterAmountCaption, ui->counterReceivedCaption})
        caption->setWordWrap(true);
    ui->counterPaymentGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->counterPaymentGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->counterPriceEdit->setEnabled(bitSet(ctx::sales().SalesOptions, 4));
    for (QWidget* w : {static_cast<QWidget*>(ui->counterCodeEdit), static_cast<QWidget*>(ui->counterComplementEdit),
                       static_cast<QWidget*>(ui->counterQuantityEdit), static_cast<QWidget*>(ui->counterKitchenEdit),
                       static_cast<QWidget*>(ui->counterPriceEdit), static_cast<QWidget*>(ui->counterSearchEdit),
                       static_cast<QWidget*>(ui->counterDiscountEdit), static_cast<QWidget*>(ui->counterMethodCodeEdit),
                       static_cast<QWidget*>(ui->counterAmountEdit), static_cast<QWidget*>(ui->counterCustomerCodeEdit),
                       static_cast<QWidget*>(ui->counterPageCustomerEdit), static_cast<QWidget*>(ui->counterQueueEdit),
                       static_cast<QWidget*>(ui->counterPercentEdit), static_cast<QWidget*>(ui->counterItemGrid)})
        w->installEventFilter(this);
}

void CounterPage::connectButtons()
{
    connect(ui->counterConfirmButton, &QPushButton::clicked, this, &CounterPage::confirmItem);
    connect(ui->counterDeleteButton, &QPushButton::clicked, this, &CounterPage::deleteItem);
    connect(ui->counterCloseSaleButton, &QPushButton::clicked, this, &CounterPage::openPayment);
    connect(ui->counterConfirmCloseButton, &QPushButton::clicked, this, &CounterPage::closeSale);
    connect(ui->counterPercentButton, &QPushButton::clicked, this, &CounterPage::percentDiscount);
    connect(ui->counterRecordPaymentButton, &QPushButton::clicked, this, &CounterPage::recordPayment);
    connect(ui->counterCustomerSearchButton, &QPushButton::clicked, this, &CounterPage::searchCustomer);
    connect(ui->counterSearchButton, &QPushButton::clicked, this, &CounterPage::searchProducts);
    connect(ui->counterReturnButton, &QPushButton::clicked, this, [this] {
        ui->counterPaymentPanel->hide();
        ui->counterCodeEdit->setFocus();
    });
}

// The grids' clicks, the tickets switch, and the fields left: the code, the
// discount, the customer and the queue number.
void CounterPage::connectFields()
{
    connect(ui->counterItemGrid, &QTableWidget::cellClicked, this, [this](int row, int) { m_sale.select(row); });
    connect(ui->counterPaymentGrid, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row < 0 || row >= int(m_sale.methods().size()))
            return;
        const CounterMethod& m = m_sale.methods()[size_t(row)];
        ui->counterMethodCodeEdit->setText(QString::number(m.code));
        ui->counterMethodBox->setCurrentIndex(row);
        ui->counterAmountEdit->setText(amountText(m_sale.purchase() - m_sale.paid()));
        ui->counterAmountEdit->setFocus();
    });
    connect(ui->counterTicketsBox, &QCheckBox::toggled, this, [](bool on) {
        try {
            LineFile::save(station::pathForWriting(QString::fromLatin1(kTicks)), {on ? S("S") : S("N")});
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));
        }
    });
    connect(ui->counterCodeEdit, &QLineEdit::editingFinished, this, [this] {
        if (ui->counterCodeEdit->text().trimmed() != m_handledCode)
            codeLeft();
    });
    connect(ui->counterDiscountEdit, &QLineEdit::editingFinished, this, &CounterPage::proposeAmount);
    connect(ui->counterMethodCodeEdit, &QLineEdit::editingFinished, this, &CounterPage::methodCodeLeft);
    connect(ui->counterMethodBox, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(m_sale.methods().size()))
            ui->counterMethodCodeEdit->setText(QString::number(m_sale.methods()[size_t(index)].code));
    });
    connect(ui->counterCustomerCodeEdit, &QLineEdit::editingFinished, this, &CounterPage::customerLeft);
    connect(ui->counterQueueEdit, &QLineEdit::editingFinished, this, [this] {
        const int q = CounterClosing::queueOf(ui->counterQueueEdit->text());
        ui->counterQueueEdit->setText(QString::number(q));
        try {
            counterfiles::saveQueueNumber(q);
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));
        }
    });
}

// The tickets switch and the next queue number as the station left them.
void CounterPage::restoreStationChoices()
{
    {
        const auto ticks = LineFile::load(station::path(QString::fromLatin1(kTicks)));
        const QSignalBlocker quiet(ui->counterTicketsBox);
        ui->counterTicketsBox->setChecked(ticks && ticks->line(0) == QLatin1String("S"));
    }
    ui->counterQueueEdit->setText(QString::number(counterfiles::queueNumber() + 1));
}

// The sizes, the payment methods and the product groups' buttons.
void CounterPage::loadChoices()
{
    connect(ui->counterSizeBox, &QComboBox::activated, this, [this] {
        if (const auto price = CounterEntry::sizePrice(m_code, ui->counterSizeBox->currentText()))
            ui->counterPriceEdit->setText(amountText(*price));
    });
    try {
        ui->counterSizeBox->addItems(CounterEntry(m_logon).sizeEntries());
        loadMethods();
        for (const TouchGroup& g : TouchMenu(m_logon).groups()) {
            auto* b = new QToolButton(ui->counterGroupsAreaContent);
            b->setText(g.caption);
            b->setFixedSize(110, 60);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [this, code = g.code] { showGroup(code); });
            m_groupButtons.push_back(b);
        }
        const int perRow = 4;
        for (size_t i = 0; i < m_groupButtons.size(); ++i)
            m_groupButtons[i]->move(int(i % perRow) * 112, int(i / perRow) * 62);
        ui->counterGroupsAreaContent->resize(perRow * 112, int((m_groupButtons.size() + perRow - 1) / perRow) * 62);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

CounterPage::~CounterPage() = default;

void CounterPage::loadMethods()
{
    std::vector<CounterMethod> methods;
    RowSet rs = m_logon.run(S("select CD, NOME, BX from FORMAPAGA order by CD"));
    while (rs.next())
        methods.push_back({int(rs.integer(u"CD")), rs.text(u"NOME").left(19), rs.text(u"BX").left(1), Decimal()});
    ui->counterMethodBox->clear();
    for (const CounterMethod& m : methods)
        ui->counterMethodBox->addItem(m.name);
    m_sale.setMethods(std::move(methods));
    showPayments();
}

QString CounterPage::message(const QString& text, const QString& buttons)
{
    return dialogs().message(S("ATENÇÃO"), text, buttons, S("alerta"));
}

QString CounterPage::totalText() const { return ui->counterTotalLabel->text(); }
bool CounterPage::paymentShown() const { return !ui->counterPaymentPanel->isHidden(); }

void CounterPage::codeLeft()
{
    QString typed = ui->counterCodeEdit->text().trimmed();
    m_handledCode = typed;
    m_hasSizes = false;
    m_code = CounterCode{};
    if (typed.isEmpty())
        return;
    try {
        CounterEntry entry(m_logon, ctx::sales().ItemOptions);
        CounterCode c = entry.handle(typed);
        if (c.kind == CounterCode::Kind::FlavourDialog) {
            ctx::lookup().LookupCode.clear();
            windows::open(S("TFormFracao"), S("Sabores"));
            typed = ctx::lookup().LookupCode.trimmed();
            ui->counterCodeEdit->setText(typed);
            m_handledCode = typed;
            if (typed.isEmpty() || typed == QLatin1String("/"))
                return;
            c = entry.handle(typed);
        }
        if (c.kind == CounterCode::Kind::Search) {
            const QString chosen = chooseProduct(m_logon).trimmed();
            ui->counterCodeEdit->setText(chosen == QLatin1String("0") ? QString() : chosen);
            ui->counterCodeEdit->setFocus();
            m_handledCode.clear();
            return;
        }
        for (const QString& m : c.messages)
            message(m);
        if (c.kind == CounterCode::Kind::NotFound) {
            ui->counterNameLabel->clear();
            ui->counterCodeEdit->setFocus();
            return;
        }
        ui->counterCodeEdit->setText(c.code);
        m_handledCode = c.code;
        ui->counterNameLabel->setText(c.name);
        ui->counterPriceEdit->setText(c.price);
        ui->counterKitchenEdit->setText(c.kitchen);
        m_hasSizes = c.hasSizes;
        m_code = c;
        ui->counterSizeBox->setCurrentIndex(0);
        ui->counterSizeBox->setVisible(c.hasSizes && ui->counterSizeBox->count() > 0);
        ui->counterSizeCaption->setVisible(ui->counterSizeBox->isVisibleTo(this));
        if (!c.quantity.isEmpty())
            ui->counterQuantityEdit->setText(c.quantity);   // a scale label's: padded to 8, "   2,500"
        if (ui->counterAutoSaleBox->isChecked())
            confirmItem();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::confirmItem()
{
    if (ctx::sales().CashShiftNumber == 0) {
        message(countermsg::cashClosed());
        return;
    }
    if (ui->counterCodeEdit->text().trimmed() != m_handledCode || m_handledCode.isEmpty()) {
        if (!ui->counterCodeEdit->text().trimmed().isEmpty()) {
            const bool autoSale = ui->counterAutoSaleBox->isChecked();
            ui->counterAutoSaleBox->setChecked(false);
            codeLeft();
            ui->counterAutoSaleBox->setChecked(autoSale);
            if (ui->counterCodeEdit->text().trimmed() != m_handledCode || ui->counterNameLabel->text().isEmpty())
                return;   // not found: the message was shown, nothing is added
        }
    }
    try {
        if (m_sale.empty())
            counterfiles::advanceCounterNumber();   // a sale starts
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    CounterDraft d;
    d.code = ui->counterCodeEdit->text();
    d.name = ui->counterNameLabel->text();
    d.price = ui->counterPriceEdit->text();
    d.complementValue = ui->counterComplementValueLabel->text();
    d.quantity = ui->counterQuantityEdit->text();
    d.kitchen = ui->counterKitchenEdit->text();
    d.complement = ui->counterComplementEdit->text();
    d.sizeText = ui->counterSizeBox->currentText();
    d.hasSizes = m_hasSizes && ui->counterSizeBox->count() > 0;
    ui->counterSizeBox->hide();
    ui->counterSizeCaption->hide();
    const CounterConfirm c = CounterEntry::build(d, m_saleKey, ui->counterTicketsBox->isChecked());
    if (!c.added) {
        message(c.message);
        ui->counterCodeEdit->setFocus();
        return;
    }
    m_sale.insertItem(c.item);
    if (c.kitchenLine)
        m_sale.addKitchenLine(*c.kitchenLine);
    showItems();
    // A quantity typed one digit too long would print a roll of tickets: above
    // fifty the cashier confirms; "Não" keeps the item and prints none.
    if (c.tickets > 0
        && (c.tickets <= kTicketsWithoutAsking || message(countermsg::manyTickets(c.tickets), S("2")) == QLatin1String("S"))) {
        SaleControlTicket t;
        t.companyName = ctx::company().CompanyName;
        t.pageCustomer = ui->counterPageCustomerEdit->text();
        t.name = d.name;
        t.sizeName = d.sizeText.mid(1);
        t.hasSizes = d.hasSizes;
        t.complement = d.complement;
        t.now = QDateTime::currentDateTime();
        t.feedLines = SetComSettings::feedLines();
        t.fontSize = SetComSettings::receiptFontSize();
        try {
            printSaleControlTickets(t, c.tickets);
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));   // the item stays in the sale
        }
    }
    ui->counterCodeEdit->clear();
    m_handledCode.clear();
    ui->counterPriceEdit->setText(S("0,00"));
    ui->counterQuantityEdit->setText(S("1"));
    ui->counterComplementEdit->clear();
    ui->counterComplementValueLabel->setText(S("0,00"));
    ui->counterNameLabel->setText(S("Digite 0 [zero] para pesquisar produto"));
    ui->counterCodeEdit->setFocus();
}

void CounterPage::deleteItem()
{
    if (!bitSet(ctx::sales().ItemOptions, 1)) {
        ctx::op().AuthoriserIsMaster = S("N");
        ctx::op().CurrentRights = 0;
        askSupervisor(m_logon);
        if (!bitSet(ctx::op().CurrentRights, 128)) {
            message(countermsg::accessDenied());
            showItems();
            return;
        }
    }
    if (!m_sale.empty() && message(countermsg::deleteQuestion(), S("2")) == QLatin1String("S"))
        m_sale.removeCurrent();
    showItems();
}

void CounterPage::showItems()
{
    const auto& items = m_sale.items();
    ui->counterItemGrid->setRowCount(int(items.size()));
    for (int r = 0; r < int(items.size()); ++r) {
        const CounterItem& i = items[size_t(r)];
        const QStringList cells{i.name, FormatFloat(u"0.###", i.quantity), FormatFloat(u"0.00", i.price),
                                FormatFloat(u"0.00", i.total()), i.complement};
        for (int c = 0; c < cells.size(); ++c)
            ui->counterItemGrid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (m_sale.current() >= 0)
        ui->counterItemGrid->setCurrentCell(m_sale.current(), 0);
    ui->counterTotalLabel->setText(total12(m_sale.purchase()));
}

void CounterPage::showPayments()
{
    const auto& methods = m_sale.methods();
    ui->counterPaymentGrid->setRowCount(int(methods.size()));
    for (int r = 0; r < int(methods.size()); ++r) {
        const CounterMethod& m = methods[size_t(r)];
        ui->counterPaymentGrid->setItem(r, 0, new QTableWidgetItem(QString::number(m.code)));
        ui->counterPaymentGrid->setItem(r, 1, new QTableWidgetItem(m.name));
        ui->counterPaymentGrid->setItem(r, 2, new QTableWidgetItem(m.amount.isZero() ? QString() : amountText(m.amount)));
    }
    ui->counterReceivedLabel->setText(amountText(m_sale.paid()));
}

void CounterPage::showBalance()
{
    const CounterBalance b = counterBalance(m_sale.purchase(), m_sale.paid(), CounterClosing::discountOf(ui->counterDiscountEdit->text()));
    ui->counterBalanceWordLabel->setText(b.word);
    ui->counterBalanceLabel->setText(total12(b.amount));
}

void CounterPage::openPayment()
{
    if (ctx::sales().CashShiftNumber == 0) {
        message(countermsg::cashClosed());
        return;
    }
    ui->counterDiscountEdit->setText(S("0"));
    ui->counterCustomerCodeEdit->setText(S("1"));
    ui->counterMethodBox->setCurrentIndex(0);
    ui->counterPurchaseLabel->setText(total12(m_sale.purchase()).trimmed());
    ui->counterAmountEdit->setText(amountText(m_sale.purchase() - m_sale.paid()));
    ui->counterMethodCodeEdit->setText(S("01"));
    if (!bitSet(ctx::op().LoginRights, 32)) {
        message(countermsg::functionDenied());
        return;
    }
    showBalance();
    ui->counterPaymentPanel->show();
    ui->counterDiscountEdit->setFocus();
}

void CounterPage::percentDiscount()
{
    const auto p = readAmount(ui->counterPercentEdit->text(), AmountRules::percent());
    if (p && !p->isNegative())
        ui->counterDiscountEdit->setText(amountText(discountFromPercent(m_sale.purchase(), *p)));
    proposeAmount();
}

void CounterPage::proposeAmount()
{
    const Decimal discount = CounterClosing::discountOf(ui->counterDiscountEdit->text());
    ui->counterAmountEdit->setText(amountText(m_sale.purchase() - discount - m_sale.paid()));
    showBalance();
}

void CounterPage::methodCodeLeft()
{
    const std::vector<CounterMethod>& methods = m_sale.methods();
    const auto code = readInt(ui->counterMethodCodeEdit->text());
    int chosen = -1;
    for (int i = 0; code && i < int(methods.size()); ++i)
        if (methods[size_t(i)].code == *code)
            chosen = i;
    if (chosen >= 0)
        ui->counterMethodBox->setCurrentIndex(chosen);
    else if (const int shown = ui->counterMethodBox->currentIndex(); shown >= 0 && shown < int(methods.size()))
        ui->counterMethodCodeEdit->setText(QString::number(methods[size_t(shown)].code));
    proposeAmount();
}

void CounterPage::recordPayment()
{
    int code = 0;
    const int index = ui->counterMethodBox->currentIndex();
    if (index >= 0 && index < int(m_sale.methods().size()))
        code = m_sale.methods()[size_t(index)].code;
    ui->counterMethodCodeEdit->setText(QString::number(code));
    if (!readAmount(ui->counterDiscountEdit->text()))
        ui->counterDiscountEdit->setText(S("0"));
    const auto a = readAmount(ui->counterAmountEdit->text());
    m_sale.record(code, a && !a->isNegative() ? a->roundTo(2) : Decimal());
    showPayments();
    showBalance();
    ui->counterMethodCodeEdit->clear();
    ui->counterAmountEdit->clear();
    ui->counterMethodCodeEdit->setFocus();
}

void CounterPage::customerLeft()
{
    try {
        const auto code = readInt(ui->counterCustomerCodeEdit->text());
        const std::optional<CustomerCard> customer =
            code && *code > 0 ? customerByCode(m_logon, *code) : std::nullopt;
        if (!customer) {
            message(countermsg::customerNotFound());
            const std::optional<CustomerCard> walkIn = walkInCustomer(m_logon);
            ui->counterCustomerNameLabel->setText(walkIn ? walkIn->name.left(15) : QString());
            ui->counterCustomerCodeEdit->setText(S("1"));
            ui->counterCustomerCodeEdit->setFocus();
            return;
        }
        ui->counterCustomerNameLabel->setText(customer->name.left(15));
        if (customer->blocked)
            message(countermsg::customerBlocked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::searchCustomer()
{
    const QString chosen = chooseCustomer(m_logon).trimmed();
    if (!chosen.isEmpty())
        ui->counterCustomerCodeEdit->setText(chosen);
    ui->counterCustomerCodeEdit->setFocus();
}

void CounterPage::closeSale()
{
    if (!paymentShown())
        return;   // F7 acts only on the payment panel
    CounterClosingRequest r;
    r.sale = &m_sale;
    r.discount = ui->counterDiscountEdit->text();
    r.customerCode = ui->counterCustomerCodeEdit->text();
    r.customerName = ui->counterCustomerNameLabel->text();
    r.pageCustomer = ui->counterPageCustomerEdit->text();
    r.queueNumber = ui->counterQueueEdit->text();
    CounterClosingResult result;
    try {
        result = CounterClosing(m_logon).close(r);
    } catch (const ClosingRefused& e) {
        message(e.message());
        ui->counterAmountEdit->setFocus();
        return;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;   // nothing was written; the sale stays on the screen
    }
    // Committed: the next sale starts clean whatever the printers do.
    try {
        if (result.queueNumber != 0) {
            counterfiles::saveQueueNumber(result.queueNumber + 1);
            ui->counterQueueEdit->setText(QString::number(result.queueNumber + 1));
        }
        m_saleKey = counterfiles::counterKey(counterfiles::advanceCounterNumber());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    m_sale.clear();
    showItems();
    showPayments();
    ui->counterPageCustomerEdit->clear();
    ui->counterPaymentPanel->hide();
    ui->counterCodeEdit->setFocus();
    try {
        CounterClosing::print(result);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

void CounterPage::fillButtons(QScrollArea* area, std::vector<QToolButton*>& into, const std::vector<TouchButton>& buttons,
                              bool complements)
{
    for (QToolButton* b : into)
        delete b;
    into.clear();
    QWidget* content = area->widget();
    const int perRow = 4;
    for (const TouchButton& t : buttons) {
        auto* b = new QToolButton(content);
        b->setText(t.caption);
        b->setFixedSize(110, complements ? 40 : 70);
        b->setFocusPolicy(Qt::NoFocus);
        const int i = int(into.size());
        b->move((i % perRow) * 112, (i / perRow) * (b->height() + 2));
        b->show();
        connect(b, &QToolButton::clicked, this, [this, t, complements] {
            complements ? touchComplement(t) : touchProduct(t);
        });
        into.push_back(b);
    }
    const int rows = int((into.size() + perRow - 1) / perRow);
    content->resize(perRow * 112, rows * (complements ? 42 : 72));
}

void CounterPage::showGroup(const QString& group)
{
    try {
        TouchMenu menu(m_logon);
        fillButtons(ui->counterProductsArea, m_productButtons, menu.productsOf(group), false);
        fillButtons(ui->counterComplementsArea, m_complementButtons, menu.complementsOf(group, true), true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::searchProducts()
{
    try {
        QString group;
        TouchMenu menu(m_logon);
        fillButtons(ui->counterProductsArea, m_productButtons, menu.search(ui->counterSearchEdit->text().trimmed(), &group), false);
        fillButtons(ui->counterComplementsArea, m_complementButtons, menu.complementsOf(group, true), true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::touchProduct(const TouchButton& b)
{
    ui->counterCodeEdit->setText(b.code);
    codeLeft();
    if (!ui->counterAutoSaleBox->isChecked())
        ui->counterQuantityEdit->setFocus();
}

void CounterPage::touchComplement(const TouchButton& b)
{
    if (b.write) {
        ui->counterComplementEdit->setFocus();
        return;
    }
    const QString text = ui->counterComplementEdit->text();
    ui->counterComplementEdit->setText(text.isEmpty() ? b.caption.split(QLatin1Char('\n')).join(QLatin1Char(' '))
                                               : text + QLatin1Char('/') + b.caption.split(QLatin1Char('\n')).join(QLatin1Char(' ')));
    const Decimal value = readAmount(ui->counterComplementValueLabel->text()).value_or(Decimal()) + b.value;
    ui->counterComplementValueLabel->setText(amountText(value));
}

void CounterPage::showItemEntry(bool shown)
{
    ui->counterTouchPanel->setVisible(shown);
    if (shown) {
        for (QWidget* w : m_hiddenWhilePaying)
            w->show();
        m_hiddenWhilePaying.clear();
        return;
    }
    const QList<QWidget*> entry = {
        ui->counterCodeCaption, ui->counterCodeEdit, ui->counterSizeCaption, ui->counterSizeBox, ui->counterNameLabel,
        ui->counterComplementCaption, ui->counterComplementEdit, ui->counterComplementValueCaption,
        ui->counterComplementValueLabel, ui->counterQuantityCaption, ui->counterQuantityEdit, ui->counterKitchenCaption,
        ui->counterKitchenEdit, ui->counterPriceCaption, ui->counterPriceEdit, ui->counterAutoSaleBox,
        ui->counterTicketsBox, ui->counterConfirmButton,
    };
    for (QWidget* w : entry)
        if (!w->isHidden()) {
            w->hide();
            m_hiddenWhilePaying.push_back(w);
        }
}

bool CounterPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->counterPaymentPanel
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        showItemEntry(event->type() == QEvent::HideToParent);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == ui->counterItemGrid && key->key() != Qt::Key_Up && key->key() != Qt::Key_Down
        && !(key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12))
        return true;   // the grid takes no typing
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    QWidget* next = nullptr;
    if (watched == ui->counterCodeEdit) {
        if (ui->counterCodeEdit->text().trimmed() != m_handledCode)
            codeLeft();
        next = ui->counterSizeBox->isVisibleTo(this) ? static_cast<QWidget*>(ui->counterSizeBox)
                                                     : static_cast<QWidget*>(ui->counterComplementEdit);
    } else if (watched == ui->counterComplementEdit) {
        next = ui->counterQuantityEdit;
    } else if (watched == ui->counterQuantityEdit) {
        next = ui->counterKitchenEdit;
    } else if (watched == ui->counterKitchenEdit) {
        if (!ui->counterPriceEdit->isEnabled()) {
            confirmItem();
            return true;
        }
        next = ui->counterPriceEdit;
    } else if (watched == ui->counterPriceEdit) {
        confirmItem();
        return true;
    } else if (watched == ui->counterSearchEdit) {
        searchProducts();
        return true;
    } else if (watched == ui->counterPageCustomerEdit) {
        next = ui->counterCodeEdit;
    } else if (watched == ui->counterDiscountEdit) {
        next = ui->counterMethodCodeEdit;
    } else if (watched == ui->counterMethodCodeEdit) {
        methodCodeLeft();
        next = ui->counterAmountEdit;
    } else if (watched == ui->counterAmountEdit) {
        recordPayment();
        return true;
    } else if (watched == ui->counterPercentEdit) {
        percentDiscount();
        return true;
    } else if (watched == ui->counterCustomerCodeEdit || watched == ui->counterQueueEdit) {
        static_cast<QWidget*>(watched)->clearFocus();
        ui->counterMethodCodeEdit->setFocus();
        return true;
    }
    if (next)
        next->setFocus();
    return true;
}

void CounterPage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F4: confirmItem(); break;
    case Qt::Key_F5: deleteItem(); break;
    case Qt::Key_F6:
        ui->counterCodeEdit->setText(S("0"));
        codeLeft();
        break;
    case Qt::Key_F7: closeSale(); break;
    case Qt::Key_F9: openPayment(); break;
    case Qt::Key_Escape:   // the payment panel goes as by "Retornar", the sale stays
        if (!paymentShown()) {
            QWidget::keyPressEvent(event);
            return;
        }
        ui->counterReturnButton->click();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CounterPage::showEvent(QShowEvent* event)
{
    // The sales options are loaded by the screen after the page is made.
    ui->counterPriceEdit->setEnabled(bitSet(ctx::sales().SalesOptions, 4));
    QWidget::showEvent(event);
}
