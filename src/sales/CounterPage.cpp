#include "sales/CounterPage.h"
#include "ui_CounterPage.h"

#include "closing/TabClosing.h"   // ClosingRefused
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
QString amount(const Decimal& v) { return FormatFloat(u"0.00", v); }

std::optional<Decimal> number(const QString& text)
{
    try {
        const auto v = Decimal::parse(text.trimmed());
        if (v && *v < Decimal(1'000'000'000) && *v > Decimal(-1'000'000'000))
            return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

const char* kTicks = "geratiks.ini";

} // namespace

CounterPage::CounterPage(TLogon& logon, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::CounterPage>()), m_logon(logon)
{
    ui->setupUi(this);
    ui->paymentPanel->hide();
    ui->sizeBox->hide();
    ui->sizeCaption->hide();
    ui->itemGrid->setColumnCount(5);
    ui->itemGrid->setHorizontalHeaderLabels({S("Nome"), S("Quant"), S("Valor"), S("Total"), S("Complemento")});
    ui->itemGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->itemGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->itemGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; const int width : {160, 50, 55, 75, 160})
        ui->itemGrid->setColumnWidth(c++, width);
    ui->paymentGrid->setColumnCount(3);
    ui->paymentGrid->setHorizontalHeaderLabels({S("Cod"), S("Forma Pagamento"), S("Vlr Recebido")});
    ui->paymentGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->paymentGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->priceEdit->setEnabled(bitSet(ctx::sales().SalesOptions, 4));
    for (QWidget* w : {static_cast<QWidget*>(ui->codeEdit), static_cast<QWidget*>(ui->complementEdit),
                       static_cast<QWidget*>(ui->quantityEdit), static_cast<QWidget*>(ui->kitchenEdit),
                       static_cast<QWidget*>(ui->priceEdit), static_cast<QWidget*>(ui->searchEdit),
                       static_cast<QWidget*>(ui->discountEdit), static_cast<QWidget*>(ui->methodCodeEdit),
                       static_cast<QWidget*>(ui->amountEdit), static_cast<QWidget*>(ui->customerCodeEdit),
                       static_cast<QWidget*>(ui->pageCustomerEdit), static_cast<QWidget*>(ui->queueEdit),
                       static_cast<QWidget*>(ui->percentEdit), static_cast<QWidget*>(ui->itemGrid)})
        w->installEventFilter(this);

    connect(ui->confirmButton, &QPushButton::clicked, this, &CounterPage::confirmItem);
    connect(ui->deleteButton, &QPushButton::clicked, this, &CounterPage::deleteItem);
    connect(ui->closeSaleButton, &QPushButton::clicked, this, &CounterPage::openPayment);
    connect(ui->confirmCloseButton, &QPushButton::clicked, this, &CounterPage::closeSale);
    connect(ui->percentButton, &QPushButton::clicked, this, &CounterPage::percentDiscount);
    connect(ui->recordPaymentButton, &QPushButton::clicked, this, &CounterPage::recordPayment);
    connect(ui->customerSearchButton, &QPushButton::clicked, this, &CounterPage::searchCustomer);
    connect(ui->searchButton, &QPushButton::clicked, this, &CounterPage::searchProducts);
    connect(ui->returnButton, &QPushButton::clicked, this, [this] {
        ui->paymentPanel->hide();
        ui->codeEdit->setFocus();
    });
    connect(ui->itemGrid, &QTableWidget::cellClicked, this, [this](int row, int) { m_sale.select(row); });
    connect(ui->paymentGrid, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row < 0 || row >= int(m_sale.methods().size()))
            return;
        const CounterMethod& m = m_sale.methods()[size_t(row)];
        ui->methodCodeEdit->setText(QString::number(m.code));
        ui->methodBox->setCurrentIndex(row);
        ui->amountEdit->setText(amount(m_sale.total() - m_sale.paid()));
        ui->amountEdit->setFocus();
    });
    connect(ui->ticketsBox, &QCheckBox::toggled, this, [](bool on) {
        try {
            LineFile::save(station::pathForWriting(QString::fromLatin1(kTicks)), {on ? S("S") : S("N")});
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));
        }
    });
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, [this] {
        if (ui->codeEdit->text().trimmed() != m_handledCode)
            codeLeft();
    });
    connect(ui->discountEdit, &QLineEdit::editingFinished, this, &CounterPage::proposeAmount);
    connect(ui->customerCodeEdit, &QLineEdit::editingFinished, this, &CounterPage::customerLeft);
    connect(ui->queueEdit, &QLineEdit::editingFinished, this, [this] {
        const int q = CounterClosing::queueOf(ui->queueEdit->text());
        ui->queueEdit->setText(QString::number(q));
        try {
            counterfiles::saveQueueNumber(q);
        } catch (const std::exception& e) {
            dialogs().errorBox(QString::fromUtf8(e.what()));
        }
    });

    {
        const auto ticks = LineFile::load(station::path(QString::fromLatin1(kTicks)));
        const QSignalBlocker quiet(ui->ticketsBox);
        ui->ticketsBox->setChecked(ticks && ticks->line(0) == QLatin1String("S"));
    }
    ui->queueEdit->setText(QString::number(counterfiles::queueNumber() + 1));
    try {
        loadMethods();
        for (const TouchGroup& g : TouchMenu(m_logon).groups()) {
            auto* b = new QToolButton(ui->groupsAreaContent);
            b->setText(g.caption);
            b->setFixedSize(110, 60);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [this, code = g.code] { showGroup(code); });
            m_groupButtons.push_back(b);
        }
        const int perRow = 4;
        for (size_t i = 0; i < m_groupButtons.size(); ++i)
            m_groupButtons[i]->move(int(i % perRow) * 112, int(i / perRow) * 62);
        ui->groupsAreaContent->resize(perRow * 112, int((m_groupButtons.size() + perRow - 1) / perRow) * 62);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showItems();
}

CounterPage::~CounterPage() = default;

void CounterPage::loadMethods()
{
    std::vector<CounterMethod> methods;
    RowSet rs = m_logon.run(S("select CD, NOME, BX from FORMAPAGA order by CD"));
    while (rs.next())
        methods.push_back({int(rs.integer(u"CD")), rs.text(u"NOME").left(19), rs.text(u"BX").left(1), Decimal()});
    ui->methodBox->clear();
    for (const CounterMethod& m : methods)
        ui->methodBox->addItem(m.name);
    m_sale.setMethods(std::move(methods));
    showPayments();
}

QString CounterPage::message(const QString& text, const QString& buttons)
{
    return dialogs().message(S("ATENÇÃO"), text, buttons, S("alerta"));
}

QString CounterPage::totalText() const { return ui->totalLabel->text(); }
bool CounterPage::paymentShown() const { return !ui->paymentPanel->isHidden(); }

void CounterPage::codeLeft()
{
    QString typed = ui->codeEdit->text().trimmed();
    m_handledCode = typed;
    if (typed.isEmpty())
        return;
    try {
        CounterEntry entry(m_logon, ctx::sales().ItemOptions);
        CounterCode c = entry.handle(typed);
        if (c.kind == CounterCode::Kind::FlavourDialog) {
            ctx::lookup().LookupCode.clear();
            windows::open(S("TFormFracao"), S("Sabores"));
            typed = ctx::lookup().LookupCode.trimmed();
            ui->codeEdit->setText(typed);
            m_handledCode = typed;
            if (typed.isEmpty() || typed == QLatin1String("/"))
                return;
            c = entry.handle(typed);
        }
        if (c.kind == CounterCode::Kind::Search) {
            ctx::lookup().LookupCode.clear();
            windows::open(S("TFormLcPro"), S("Pesquisa Produtos"));
            const QString chosen = ctx::lookup().LookupCode.trimmed();
            ui->codeEdit->setText(chosen == QLatin1String("0") ? QString() : chosen);
            ui->codeEdit->setFocus();
            m_handledCode.clear();
            return;
        }
        for (const QString& m : c.messages)
            message(m);
        if (c.kind == CounterCode::Kind::NotFound) {
            ui->nameLabel->clear();
            ui->codeEdit->setFocus();
            return;
        }
        ui->codeEdit->setText(c.code);
        m_handledCode = c.code;
        ui->nameLabel->setText(c.name);
        ui->priceEdit->setText(c.price);
        ui->kitchenEdit->setText(c.kitchen);
        m_hasSizes = c.hasSizes;
        if (!c.quantity.isEmpty())
            ui->quantityEdit->setText(c.quantity.trimmed());
        if (ui->autoSaleBox->isChecked())
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
    if (ui->codeEdit->text().trimmed() != m_handledCode || m_handledCode.isEmpty()) {
        if (!ui->codeEdit->text().trimmed().isEmpty()) {
            const bool autoSale = ui->autoSaleBox->isChecked();
            ui->autoSaleBox->setChecked(false);
            codeLeft();
            ui->autoSaleBox->setChecked(autoSale);
            if (ui->codeEdit->text().trimmed() != m_handledCode || ui->nameLabel->text().isEmpty())
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
    d.code = ui->codeEdit->text();
    d.name = ui->nameLabel->text();
    d.price = ui->priceEdit->text();
    d.complementValue = ui->complementValueLabel->text();
    d.quantity = ui->quantityEdit->text();
    d.kitchen = ui->kitchenEdit->text();
    d.complement = ui->complementEdit->text();
    d.sizeText = ui->sizeBox->currentText();
    d.hasSizes = m_hasSizes && ui->sizeBox->count() > 0;
    const CounterConfirm c = CounterEntry::build(d, m_saleKey, ui->ticketsBox->isChecked());
    if (!c.added) {
        message(c.message);
        ui->codeEdit->setFocus();
        return;
    }
    m_sale.insertItem(c.item);
    if (c.kitchenLine)
        m_sale.addKitchenLine(*c.kitchenLine);
    showItems();
    ui->codeEdit->clear();
    m_handledCode.clear();
    ui->priceEdit->setText(S("0,00"));
    ui->quantityEdit->setText(S("1"));
    ui->complementEdit->clear();
    ui->complementValueLabel->setText(S("0,00"));
    ui->nameLabel->setText(S("Digite 0 [zero] para pesquisar produto"));
    ui->codeEdit->setFocus();
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
    ui->itemGrid->setRowCount(int(items.size()));
    for (int r = 0; r < int(items.size()); ++r) {
        const CounterItem& i = items[size_t(r)];
        const QStringList cells{i.name, FormatFloat(u"0.###", i.quantity), FormatFloat(u"0.00", i.price),
                                FormatFloat(u"0.00", i.total()), i.complement};
        for (int c = 0; c < cells.size(); ++c)
            ui->itemGrid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (m_sale.current() >= 0)
        ui->itemGrid->setCurrentCell(m_sale.current(), 0);
    ui->totalLabel->setText(total12(m_sale.total()));
}

void CounterPage::showPayments()
{
    const auto& methods = m_sale.methods();
    ui->paymentGrid->setRowCount(int(methods.size()));
    for (int r = 0; r < int(methods.size()); ++r) {
        const CounterMethod& m = methods[size_t(r)];
        ui->paymentGrid->setItem(r, 0, new QTableWidgetItem(QString::number(m.code)));
        ui->paymentGrid->setItem(r, 1, new QTableWidgetItem(m.name));
        ui->paymentGrid->setItem(r, 2, new QTableWidgetItem(m.amount.isZero() ? QString() : amount(m.amount)));
    }
    ui->receivedLabel->setText(amount(m_sale.paid()));
}

void CounterPage::showBalance()
{
    const CounterBalance b = counterBalance(m_sale.total(), m_sale.paid(), CounterClosing::discountOf(ui->discountEdit->text()));
    ui->balanceWordLabel->setText(b.word);
    ui->balanceLabel->setText(total12(b.amount));
}

void CounterPage::openPayment()
{
    if (ctx::sales().CashShiftNumber == 0) {
        message(countermsg::cashClosed());
        return;
    }
    ui->discountEdit->setText(S("0"));
    ui->customerCodeEdit->setText(S("1"));
    ui->methodBox->setCurrentIndex(0);
    ui->purchaseLabel->setText(total12(m_sale.total()).trimmed());
    ui->amountEdit->setText(amount(m_sale.total() - m_sale.paid()));
    ui->methodCodeEdit->setText(S("01"));
    if (!bitSet(ctx::op().LoginRights, 32)) {
        message(countermsg::functionDenied());
        return;
    }
    showBalance();
    ui->paymentPanel->show();
    ui->discountEdit->setFocus();
}

void CounterPage::percentDiscount()
{
    const auto p = number(ui->percentEdit->text());
    if (p && !p->isNegative())
        ui->discountEdit->setText(amount(discountFromPercent(m_sale.total(), *p)));
    proposeAmount();
}

void CounterPage::proposeAmount()
{
    const Decimal discount = CounterClosing::discountOf(ui->discountEdit->text());
    ui->amountEdit->setText(amount(m_sale.total() - discount - m_sale.paid()));
    showBalance();
}

void CounterPage::recordPayment()
{
    int code = 0;
    const int index = ui->methodBox->currentIndex();
    if (index >= 0 && index < int(m_sale.methods().size()))
        code = m_sale.methods()[size_t(index)].code;
    ui->methodCodeEdit->setText(QString::number(code));
    if (!number(ui->discountEdit->text()))
        ui->discountEdit->setText(S("0"));
    const auto a = number(ui->amountEdit->text());
    m_sale.record(code, a && !a->isNegative() ? a->roundTo(2) : Decimal());
    showPayments();
    showBalance();
    ui->methodCodeEdit->clear();
    ui->amountEdit->clear();
    ui->methodCodeEdit->setFocus();
}

void CounterPage::customerLeft()
{
    try {
        const auto code = TextToInt(ui->customerCodeEdit->text().trimmed());
        RowSet rs;
        if (code && *code > 0)
            rs = m_logon.run(S("select first 1 CODIGO, NOME, BLOQUEIO from CLIENTES where CODIGO = ?"), {*code});
        if (!code || *code <= 0 || !rs.next()) {
            message(countermsg::customerNotFound());
            RowSet one = m_logon.run(S("select first 1 NOME from CLIENTES where CODIGO = 1"));
            ui->customerNameLabel->setText(one.next() ? one.text(u"NOME").left(15) : QString());
            ui->customerCodeEdit->setText(S("1"));
            ui->customerCodeEdit->setFocus();
            return;
        }
        ui->customerNameLabel->setText(rs.text(u"NOME").left(15));
        if (rs.text(u"BLOQUEIO").trimmed() == QLatin1String("S"))
            message(countermsg::customerBlocked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::searchCustomer()
{
    ctx::lookup().LookupCode.clear();
    windows::open(S("TFormBusca"), S("Pesquisa Clientes"));
    if (!ctx::lookup().LookupCode.trimmed().isEmpty())
        ui->customerCodeEdit->setText(ctx::lookup().LookupCode.trimmed());
    ui->customerCodeEdit->setFocus();
}

void CounterPage::closeSale()
{
    if (!paymentShown())
        return;   // F7 acts only on the payment panel
    CounterClosingRequest r;
    r.sale = &m_sale;
    r.discount = ui->discountEdit->text();
    r.customerCode = ui->customerCodeEdit->text();
    r.customerName = ui->customerNameLabel->text();
    r.pageCustomer = ui->pageCustomerEdit->text();
    r.queueNumber = ui->queueEdit->text();
    CounterClosingResult result;
    try {
        result = CounterClosing(m_logon).close(r);
    } catch (const ClosingRefused& e) {
        message(e.message());
        ui->amountEdit->setFocus();
        return;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;   // nothing was written; the sale stays on the screen
    }
    // Committed: the next sale starts clean whatever the printers do.
    try {
        if (result.queueNumber != 0) {
            counterfiles::saveQueueNumber(result.queueNumber + 1);
            ui->queueEdit->setText(QString::number(result.queueNumber + 1));
        }
        m_saleKey = counterfiles::counterKey(counterfiles::advanceCounterNumber());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    m_sale.clear();
    showItems();
    showPayments();
    ui->pageCustomerEdit->clear();
    ui->paymentPanel->hide();
    ui->codeEdit->setFocus();
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
        fillButtons(ui->productsArea, m_productButtons, menu.productsOf(group), false);
        fillButtons(ui->complementsArea, m_complementButtons, menu.complementsOf(group, true), true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::searchProducts()
{
    try {
        QString group;
        TouchMenu menu(m_logon);
        fillButtons(ui->productsArea, m_productButtons, menu.search(ui->searchEdit->text().trimmed(), &group), false);
        fillButtons(ui->complementsArea, m_complementButtons, menu.complementsOf(group, true), true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void CounterPage::touchProduct(const TouchButton& b)
{
    ui->codeEdit->setText(b.code);
    codeLeft();
    if (!ui->autoSaleBox->isChecked())
        ui->quantityEdit->setFocus();
}

void CounterPage::touchComplement(const TouchButton& b)
{
    if (b.write) {
        ui->complementEdit->setFocus();
        return;
    }
    const QString text = ui->complementEdit->text();
    ui->complementEdit->setText(text.isEmpty() ? b.caption.split(QLatin1Char('\n')).join(QLatin1Char(' '))
                                               : text + QLatin1Char('/') + b.caption.split(QLatin1Char('\n')).join(QLatin1Char(' ')));
    const Decimal value = number(ui->complementValueLabel->text()).value_or(Decimal()) + b.value;
    ui->complementValueLabel->setText(amount(value));
}

bool CounterPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == ui->itemGrid && key->key() != Qt::Key_Up && key->key() != Qt::Key_Down
        && !(key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12))
        return true;   // the grid takes no typing
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    QWidget* next = nullptr;
    if (watched == ui->codeEdit) {
        next = ui->complementEdit;
    } else if (watched == ui->complementEdit) {
        next = ui->quantityEdit;
    } else if (watched == ui->quantityEdit) {
        next = ui->kitchenEdit;
    } else if (watched == ui->kitchenEdit) {
        if (!ui->priceEdit->isEnabled()) {
            confirmItem();
            return true;
        }
        next = ui->priceEdit;
    } else if (watched == ui->priceEdit) {
        confirmItem();
        return true;
    } else if (watched == ui->searchEdit) {
        searchProducts();
        return true;
    } else if (watched == ui->pageCustomerEdit) {
        next = ui->codeEdit;
    } else if (watched == ui->discountEdit) {
        next = ui->methodCodeEdit;
    } else if (watched == ui->methodCodeEdit) {
        const auto code = TextToInt(ui->methodCodeEdit->text().trimmed());
        for (int i = 0; code && i < int(m_sale.methods().size()); ++i)
            if (m_sale.methods()[size_t(i)].code == *code)
                ui->methodBox->setCurrentIndex(i);
        proposeAmount();
        next = ui->amountEdit;
    } else if (watched == ui->amountEdit) {
        recordPayment();
        return true;
    } else if (watched == ui->percentEdit) {
        percentDiscount();
        return true;
    } else if (watched == ui->customerCodeEdit || watched == ui->queueEdit) {
        static_cast<QWidget*>(watched)->clearFocus();
        ui->methodCodeEdit->setFocus();
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
        ui->codeEdit->setText(S("0"));
        codeLeft();
        break;
    case Qt::Key_F7: closeSale(); break;
    case Qt::Key_F9: openPayment(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CounterPage::showEvent(QShowEvent* event)
{
    // The sales options are loaded by the screen after the page is made.
    ui->priceEdit->setEnabled(bitSet(ctx::sales().SalesOptions, 4));
    QWidget::showEvent(event);
}
