#include "closing/UnitFecCom.h"
#include "registers/CustomerCard.h"
#include "core/GridLook.h"
#include "registers/RegisterCommon.h"
#include "core/uMensagemWindow.h"

#include "core/EnterMoves.h"
#include "core/FieldEvents.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "printing/SetComSettings.h"
#include "shell/WindowRegistry.h"
#include "tabs/TabCustomer.h"
#include "ui_UnitFecCom.h"

#include <QEvent>
#include <QHeaderView>
#include <QShortcut>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The window's messages.
namespace msg {
const char* const consumerEntry = " Forma de pagamento nao permitido para consumidor  ";
const char* const customerNotFound = "    Cliente Não Localizado..       |";
const char* const customerBlocked = "  Cliente Bloqueado para Venda Fiado   ";
const char* const badDate = "|        Data Incorreta....       |";
const char* const missingPayment = "  Faltando pagamento...   ";
const char* const notFoundMethod = "Nao Localizado...  ";
} // namespace msg

void tell(const char* text) { ShowMessageWindow(S("ATENÇÃO"), S(text), S("1")); }
void tell(const QString& text) { ShowMessageWindow(S("ATENÇÃO"), text, S("1")); }

QString money(const Decimal& d) { return FormatFloatLeftPadded(S("##0.00"), 12, d).trimmed(); }
QString plain(const Decimal& d) { return FormatFloat(u"0.00", d); }

// The amount boxes take a point for the comma; a box that does not hold a number
// its rules take (letters, a negative, too large) becomes "0".
Decimal amountOr(QLineEdit* edit, const AmountRules& rules)
{
    if (const auto v = readAmount(edit->text(), rules.pointAsComma().notNegative()))
        return *v;
    edit->setText(S("0"));
    return Decimal();
}
const AmountRules kMoney = AmountRules::money();
const AmountRules kPercent = SetComSettings::servicePercentRules();
const AmountRules kCover = SetComSettings::coverChargeRules();

} // namespace

TFormFecCom::TFormFecCom(TLogon& logon, QWidget* parent)
    : QDialog(parent), m_logon(logon), m_ui(std::make_unique<Ui::TFormFecCom>()),
      m_clock([] { return QDateTime::currentDateTime(); })
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    m_ui->returnButton->setText(S("&Retornar sem\nfechar Comanda"));
    m_ui->returnButton->setMinimumHeight(m_ui->returnButton->minimumSizeHint().height());   // both lines whole
    m_ui->advanceEdit->setEnabled(false);
    m_ui->dueDateEdit->setInputMask(S("99/99/00;_"));
    m_ui->paymentsTable->setColumnCount(3);
    m_ui->paymentsTable->setHorizontalHeaderLabels({S("Cod"), S("Forma Pagamento"), S("Vlr Recebido")});
    m_ui->paymentsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->paymentsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui->paymentsTable->verticalHeader()->hide();
    grids::fitColumns(*m_ui->paymentsTable, 1);
    grids::keepRows(*m_ui->paymentsTable);

    m_tab = ctx::lookup().LookupCode.trimmed();
    m_joinedTabs = {m_tab};
    m_settings = ClosingSettings::load();
    try {
        m_entry.load(m_logon);
        RowSet company = m_logon.run(S("select first 1 SCC4, SCC5 from EMPRESA"));
        if (company.next()) {
            m_itemOptions = int(company.integer(u"SCC4"));
            m_salesOptions = int(company.integer(u"SCC5"));
        }
        m_snapshot = TabSnapshot::read(m_logon, m_tab);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    for (const PaymentRow& r : m_entry.rows())
        m_ui->paymentMethodCombo->addItem(r.name);
    m_ui->dueDateEdit->setText(QDate::currentDate().toString(S("dd/MM/yy")));
    m_ui->daysEdit->setText(S("30"));

    m_ui->advanceEdit->setText(plain(m_snapshot.advance));
    m_ui->advanceMethodLabel->setText(m_snapshot.advanceMethod);
    m_ui->personsEdit->setText(QString::number(m_snapshot.persons > 0 ? m_snapshot.persons : 1));
    m_ui->servicePercentEdit->setText(m_snapshot.taxa == QLatin1String("N") ? S("0")
                                                                            : FormatFloat(u"0.##", m_settings.servicePercent));
    m_ui->coverPerPersonEdit->setText(m_snapshot.couver == QLatin1String("N") ? S("0")
                                                                              : FormatFloat(u"0.00", m_settings.coverPerPerson));
    m_ui->discountEdit->setText(S("0"));
    m_ui->customerCodeEdit->setText(S("1"));
    const DavKey dav = DavKey::of(m_tab);
    m_ui->customerNameLabel->setText(dav.davTab == QLatin1String("S") ? S("Consumidor") : m_snapshot.customerName.left(20));
    m_ui->tabCaptionLabel->setText(m_tab + S(" - ") + m_snapshot.customerName.left(15));
    m_ui->serviceValueEdit->clear();
    servicePercentLeft();
    if (m_itemOptions & 32) {
        m_ui->servicePercentEdit->setEnabled(false);
        m_ui->personsEdit->setEnabled(false);
        m_ui->coverPerPersonEdit->setEnabled(false);
    }
    readyForCash();

    // Leaving a field checks it and recomputes the bill. The customer and the due
    // date put the focus back when they refuse: with both refusing, a focus change
    // made by code would have each run inside the other without end; FieldEvents
    // runs one handler at a time.
    auto* fields = new FieldEvents(this);
    fields->onArrive(m_ui->paymentCodeEdit, [this] { paymentCodeEntered(); });
    fields->onLeave(m_ui->servicePercentEdit, [this] { servicePercentLeft(); });
    fields->onLeave(m_ui->serviceValueEdit, [this] { serviceValueLeft(); });
    fields->onLeave(m_ui->personsEdit, [this] { personsLeft(); });
    fields->onLeave(m_ui->coverPerPersonEdit, [this] { coverPerPersonLeft(); });
    fields->onLeave(m_ui->discountEdit, [this] { discountLeft(); });
    fields->onLeave(m_ui->paymentCodeEdit, [this] { paymentCodeLeft(); });
    fields->onLeave(m_ui->customerCodeEdit, [this] { customerLeft(); });
    fields->onLeave(m_ui->dueDateEdit, [this] { dueDateLeft(); });
    fields->onLeave(m_ui->daysEdit, [this] { daysLeft(); });
    connect(m_ui->paymentAmountEdit, &QLineEdit::returnPressed, this, &TFormFecCom::confirmPayment);
    enterMovesTo(m_ui->paymentCodeEdit, m_ui->paymentAmountEdit);
    enterMovesTo(m_ui->servicePercentEdit, m_ui->serviceValueEdit);
    enterMovesTo(m_ui->serviceValueEdit, m_ui->personsEdit);
    enterMovesTo(m_ui->personsEdit, m_ui->discountEdit);
    enterMovesTo(m_ui->coverPerPersonEdit, m_ui->discountEdit);
    enterMovesTo(m_ui->customerCodeEdit, m_ui->dueDateEdit);
    enterMovesTo(m_ui->dueDateEdit, m_ui->discountEdit);
    // Enter in the discount gets the cash payment ready.
    connect(m_ui->discountEdit, &QLineEdit::returnPressed, this, [this] {
        discountLeft();
        m_ui->paymentCodeEdit->setFocus();
        m_ui->paymentCodeEdit->setText(S("01"));
        m_ui->paymentAmountEdit->setText(plain(m_bill.amountDue));
        m_ui->paymentMethodLabel->setText(S("Dinheiro "));
    });
    connect(m_ui->confirmPaymentButton, &QPushButton::clicked, this, &TFormFecCom::confirmPayment);
    connect(m_ui->returnButton, &QPushButton::clicked, this, &TFormFecCom::returnWithoutClosing);
    connect(m_ui->payButton, &QPushButton::clicked, this, &TFormFecCom::payAndClose);
    connect(m_ui->customerLookupButton, &QPushButton::clicked, this, &TFormFecCom::lookUpCustomer);
    connect(m_ui->paymentsTable, &QTableWidget::cellClicked, this, [this](int row, int) { paymentRowChosen(row); });
    registers::commaForPointField(m_ui->coverPerPersonEdit);
    new QShortcut(QKeySequence(Qt::Key_F11), this, [this] { m_ui->payButton->click(); });
    new QShortcut(QKeySequence(Qt::Key_F2), this, [this] { m_ui->confirmPaymentButton->click(); });
    new QShortcut(QKeySequence(Qt::Key_F3), this, [this] { m_ui->returnButton->click(); });
    showPayments();
}

TFormFecCom::~TFormFecCom() = default;

void TFormFecCom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_ui->personsEdit->isEnabled())
        m_ui->personsEdit->setFocus();
    else
        m_ui->paymentCodeEdit->setFocus();
}

void TFormFecCom::setTabCaption(const QString& caption) { m_ui->tabCaptionLabel->setText(caption); }

int TFormFecCom::customerCode() const
{
    const auto c = parseWholeText(m_ui->customerCodeEdit->text());
    return c ? *c : 0;
}

void TFormFecCom::recompute()
{
    BillInputs in;
    in.itemsTotal = m_snapshot.itemsTotal;
    in.minimumConsumption = m_settings.minimumConsumption;
    in.servicePercent = amountOr(m_ui->servicePercentEdit, kPercent);
    in.serviceValue = amountOr(m_ui->serviceValueEdit, kMoney);
    const auto persons = parseWholeText(m_ui->personsEdit->text());
    if (!persons || *persons < 1 || *persons > 9999)
        m_ui->personsEdit->setText(S("1"));
    in.persons = parseWholeText(m_ui->personsEdit->text()).value_or(1);
    in.coverPerPerson = amountOr(m_ui->coverPerPersonEdit, kCover);
    in.deliveryColumn = m_snapshot.delivery;
    in.advance = m_snapshot.advance;
    in.discount = amountOr(m_ui->discountEdit, kMoney);
    in.paid = m_entry.paid();
    m_bill = BillComputation::compute(in);
    showBill();
}

void TFormFecCom::showBill()
{
    const Bill& b = m_bill;
    m_ui->itemsTotalCaption->setText(b.minimumText.isEmpty() ? S("Total da conta") : b.minimumText);
    m_ui->itemsTotalLabel->setText(money(b.itemsTotal));
    m_ui->serviceComputedLabel->setText(money(b.serviceComputed));
    m_ui->coverTotalLabel->setText(money(b.coverTotal));
    m_ui->deliveryFeeLabel->setText(money(b.deliveryFee));
    // Shown, 0,00 included, unless the tab's column holds one of the two flags.
    m_ui->deliveryFeeCaption->setVisible(b.deliveryShown);
    m_ui->deliveryFeeLabel->setVisible(b.deliveryShown);
    m_ui->amountDueLabel->setText(money(b.amountDue));
    m_ui->amountDueBigLabel->setText(money(b.amountDue));
    m_ui->perPersonLabel->setText(money(b.perPerson));
    m_ui->balanceCaptionLabel->setText(b.balanceCaption());
    m_ui->balanceLabel->setText(money(b.changeOrMissing));
    const QString colour = b.isChange ? S("color: green;") : S("color: red;");
    m_ui->balanceCaptionLabel->setStyleSheet(colour);
    m_ui->balanceLabel->setStyleSheet(colour);
}

void TFormFecCom::showPayments()
{
    const auto& rows = m_entry.rows();
    m_ui->paymentsTable->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        m_ui->paymentsTable->setItem(i, 0, new QTableWidgetItem(QString::number(rows[size_t(i)].code)));
        m_ui->paymentsTable->setItem(i, 1, new QTableWidgetItem(rows[size_t(i)].name));
        m_ui->paymentsTable->setItem(i, 2, new QTableWidgetItem(plain(rows[size_t(i)].amount)));
    }
}

void TFormFecCom::readyForCash()
{
    recompute();
    m_ui->paymentCodeEdit->setText(S("01"));
    m_ui->paymentAmountEdit->setText(plain(m_bill.missing()));
    m_ui->paymentMethodLabel->setText(S("Dinheiro "));
}

void TFormFecCom::servicePercentLeft()
{
    const Decimal percent = amountOr(m_ui->servicePercentEdit, kPercent);
    BillInputs items;
    items.itemsTotal = m_snapshot.itemsTotal;
    items.minimumConsumption = m_settings.minimumConsumption;
    m_bill.serviceComputed = (percent / Decimal(100) * BillComputation::compute(items).itemsTotal).roundTo(2);
    m_ui->serviceValueEdit->setText(plain(m_bill.serviceComputed));
    readyForCash();
}

void TFormFecCom::serviceValueLeft() { readyForCash(); }
void TFormFecCom::personsLeft() { readyForCash(); }
void TFormFecCom::coverPerPersonLeft() { readyForCash(); }
void TFormFecCom::discountLeft() { readyForCash(); }

void TFormFecCom::paymentCodeEntered()
{
    m_ui->paymentAmountEdit->setText(plain(m_bill.changeOrMissing));
}

void TFormFecCom::paymentCodeLeft()
{
    const auto code = parseWholeText(m_ui->paymentCodeEdit->text());
    if (!code)
        m_ui->paymentCodeEdit->setText(S("0"));
    const PaymentRow* row = m_entry.find(code.value_or(0));
    if (!row) {
        m_ui->paymentMethodLabel->setText(S(msg::notFoundMethod));
        return;
    }
    m_ui->paymentMethodLabel->setText(row->name);
    m_ui->paymentAmountEdit->setText(plain(m_bill.amountDue - m_entry.paid()));
    m_ui->paymentMethodCombo->setCurrentIndex(m_ui->paymentMethodCombo->findText(row->name));
}

void TFormFecCom::paymentRowChosen(int row)
{
    if (row < 0 || row >= int(m_entry.rows().size()))
        return;
    const PaymentRow& r = m_entry.rows()[size_t(row)];
    m_ui->paymentCodeEdit->setText(QString::number(r.code));
    m_ui->paymentMethodCombo->setCurrentIndex(m_ui->paymentMethodCombo->findText(r.name));
    m_ui->paymentAmountEdit->setText(plain(m_bill.amountDue - m_entry.paid()));
    m_ui->paymentAmountEdit->setFocus();
}

void TFormFecCom::confirmPayment()
{
    // The list decides the method.
    const int listed = m_entry.codeOfName(m_ui->paymentMethodCombo->currentText());
    if (listed)
        m_ui->paymentCodeEdit->setText(QStringLiteral("%1").arg(listed, 2, 10, QLatin1Char('0')));
    if (!parseWholeText(m_ui->customerCodeEdit->text()))
        m_ui->customerCodeEdit->setText(S("0"));
    const auto code = parseWholeText(m_ui->paymentCodeEdit->text());
    switch (m_entry.confirm(code.value_or(0), m_ui->paymentAmountEdit->text(), customerCode())) {
    case PaymentEntry::Result::ConsumerRefused:
        tell(msg::consumerEntry);
        m_ui->paymentCodeEdit->setFocus();
        return;
    case PaymentEntry::Result::Stored:
        recompute();
        showPayments();
        m_ui->paymentCodeEdit->clear();
        m_ui->paymentAmountEdit->clear();
        m_ui->paymentMethodLabel->setText(S("Forma de Pagamento "));
        break;
    case PaymentEntry::Result::Ignored:
        break;
    }
    m_ui->paymentCodeEdit->setFocus();
}

void TFormFecCom::customerLeft()
{
    const auto code = parseWholeText(m_ui->customerCodeEdit->text());
    std::optional<CustomerCard> customer, walkIn;
    try {
        if (code)
            customer = customerByCode(m_logon, *code);
        if (!customer)
            walkIn = walkInCustomer(m_logon);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (!customer) {
        tell(msg::customerNotFound);
        m_ui->customerNameLabel->setText(walkIn ? walkIn->name.left(15) : QString());
        m_ui->customerCodeEdit->setFocus();
        return;
    }
    m_ui->customerNameLabel->setText(customer->name.left(15));
    if (customer->blocked)
        tell(msg::customerBlocked);
    m_ui->dueDateEdit->setFocus();
}

void TFormFecCom::lookUpCustomer()
{
    const QString before = ctx::lookup().LookupCode;
    windows::open(S("TFormBusca"));
    const QString code = ctx::lookup().LookupCode;
    if (code == before)
        return;
    std::optional<QString> name;
    try {
        TabCustomer customer(m_logon);
        name = customer.customerName(code);
        if (!name)
            return;
        customer.attach(m_tab, code);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    m_ui->customerCodeEdit->setText(QString::number(*wholeNumber(code)));
    m_ui->customerNameLabel->setText(name->left(15));
}

void TFormFecCom::dueDateLeft()
{
    if (IsValidDate(m_ui->dueDateEdit->text()) != QLatin1String("S")) {
        tell(msg::badDate);
        m_ui->dueDateEdit->setFocus();
        return;
    }
    m_ui->discountEdit->setFocus();
}

void TFormFecCom::daysLeft()
{
    const auto days = parseWholeText(m_ui->daysEdit->text());
    if (!days || *days < 0 || *days > 3650)
        m_ui->daysEdit->setText(S("0"));
}

void TFormFecCom::returnWithoutClosing() { reject(); }

void TFormFecCom::payAndClose()
{
    daysLeft();
    if (m_entry.consumerRuleBroken(parseWholeText(m_ui->customerCodeEdit->text()).value_or(1))) {
        tell(closingmsg::consumerMethod());
        return;
    }
    recompute();
    if (m_bill.missing() > Decimal()) {
        tell(msg::missingPayment);
        m_ui->paymentAmountEdit->setText(plain(m_bill.missing()));
        return;
    }
    if (IsValidDate(m_ui->dueDateEdit->text()) != QLatin1String("S")) {
        tell(msg::badDate);
        m_ui->dueDateEdit->setFocus();
        return;
    }
    ClosingRequest r;
    if (m_salesOptions & 1024)
        r.cpf = dialogs().inputBox(S(" CPF do Cliente "), S("CPF na nota"), QString());
    r.tab = m_tab;
    r.joinedTabs = m_joinedTabs;
    r.servicePercent = amountOr(m_ui->servicePercentEdit, kPercent);
    r.serviceValue = amountOr(m_ui->serviceValueEdit, kMoney);
    r.persons = parseWholeText(m_ui->personsEdit->text()).value_or(1);
    r.coverPerPerson = amountOr(m_ui->coverPerPersonEdit, kCover);
    r.discount = amountOr(m_ui->discountEdit, kMoney);
    r.payments = m_entry.payments();
    r.customerField = m_ui->customerCodeEdit->text().trimmed();
    r.customerName = m_ui->customerNameLabel->text();
    r.tabCaption = m_ui->tabCaptionLabel->text();
    r.dueDate = TextToDate(m_ui->dueDateEdit->text());
    r.receivableDays = parseWholeText(m_ui->daysEdit->text()).value_or(0);

    m_ui->payButton->setEnabled(false);
    ClosingResult result;
    try {
        TabClosing closing(m_logon, m_erp);
        closing.setClock(m_clock);
        result = closing.close(r);
    } catch (const ClosingRefused& e) {
        tell(e.message());
        m_ui->paymentCodeEdit->setFocus();
        m_ui->payButton->setEnabled(true);
        return;
    } catch (const std::exception& e) {
        // the outside ERP's refusal in its message window; any other error in the
        // error box, naming a document the ERP kept when the local commit failed
        m_erp.tellFailure(e);
        m_ui->payButton->setEnabled(true);
        return;
    }
    m_saleNumber = result.saleNumber;
    m_erp.closingCommitted(result.dav);
    try {
        TabClosing::printReceipt(result);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    m_ui->payButton->setEnabled(true);
    accept();
}
