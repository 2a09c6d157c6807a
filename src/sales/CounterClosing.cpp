#include "sales/CounterClosing.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "closing/ClosingSettings.h"
#include "closing/SaleWriter.h"
#include "closing/TabClosing.h"   // ClosingRefused
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/Printout.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "tabs/KitchenTicket.h"

#include <cmath>
#include <map>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kRule36 = QString(36, QLatin1Char('='));
const QString kRule37 = QString(37, QLatin1Char('='));
const QString kDash36 = QString(36, QLatin1Char('-'));
const QString kMonitor = QStringLiteral("Monitor Cozinha");

QString money(const char* mask, int width, const Decimal& v) { return FormatFloatLeftPadded(QString::fromLatin1(mask), width, v); }

QString dateTimeLine(const QDateTime& now)
{
    return now.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("  -  ") + now.toString(QStringLiteral("hh:mm:ss"));
}

// Up to three pieces of 37 characters, the 37th character printed on both of the first two.
void pieces37(QStringList& out, const QString& text)
{
    out << text.left(37);
    if (text.size() > 37)
        out << text.mid(36, 37);
    if (text.size() > 74)
        out << text.mid(73, 37);
}

PrinterSlot slotOf(int kitchen)
{
    switch (kitchen) {
    case 2: return PrinterSlot::Kitchen2;
    case 3: return PrinterSlot::Kitchen3;
    case 4: return PrinterSlot::Kitchen4;
    default: return PrinterSlot::Kitchen1;
    }
}

// A destination that prints something: not empty and above "0" as text.
bool printsSomething(const QString& d) { return !d.isEmpty() && d > QStringLiteral("0"); }

} // namespace

QString centredLine(const QString& text)
{
    const int n = 18 - int(std::lround(double(text.trimmed().size()) / 2.0));
    return QString(std::max(0, n), QLatin1Char(' ')) + text;
}

Printout composeSaleControlTicket(const SaleControlTicket& t)
{
    Printout p;
    p.fontSize = t.fontSize;
    QStringList& o = p.lines;
    o << QStringLiteral("CONTROLE VENDA") << t.companyName << dateTimeLine(t.now);
    if (!t.pageCustomer.trimmed().isEmpty())
        o << t.pageCustomer.toUpper();
    o << kRule36 << QStringLiteral("Quant  Descricao          ").toUpper() << kRule36;
    o << (t.hasSizes ? PadRight(QStringLiteral("1"), 5) + t.sizeName.left(15).trimmed() + QLatin1Char(' ') + t.name
                     : t.name);
    QString rest = t.complement;
    while (!rest.isEmpty()) {
        o << rest.left(35);
        rest = rest.mid(35).trimmed();
    }
    for (int i = 0; i < t.feedLines; ++i)
        o << QString();
    return p;
}

void printSaleControlTickets(const SaleControlTicket& t, int count)
{
    const Printout p = composeSaleControlTicket(t);
    // The first kitchen printer's destination; on "Informa porta" the port of
    // portas.INI line 0.
    RouteOptions options;
    options.portOf = PrinterSlot::Conference;
    for (int i = 0; i < count; ++i)
        RoutePrintout(p, PrinterSlot::Kitchen1, options);
}

Printout composeCounterKitchenTicket(const CounterPrintData& d, const std::vector<CounterKitchenLine>& lines)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << centredLine(QStringLiteral("BALCAO - SENHA.:") + QString::number(d.queueNumber));
    o << kDash36;
    o << d.title + QStringLiteral(".: BALCAO");
    if (!d.pageCustomer.trimmed().isEmpty())
        o << (QStringLiteral("CLIENTE: ") + d.pageCustomer).left(35);
    o << dateTimeLine(d.now);
    o << kRule36 << QStringLiteral("QTD   DESCRICAO   ") << kRule36;
    for (const CounterKitchenLine& l : lines) {
        pieces37(o, l.product);
        QString rest = l.obs;
        while (!rest.isEmpty()) {
            o << QStringLiteral(" > ") + rest.left(30);
            rest = rest.mid(30).trimmed();
        }
        o << QString();
    }
    o << kDash36;
    feedPaper(o, d.feedLines);
    return p;
}

Printout composeCounterReceipt(const CounterPrintData& d, const std::vector<CounterItem>& items)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    const bool withCode = RightsBitSet(d.salesOptions, 256) == QLatin1String("S");
    o << QStringLiteral("        FECHAMENTO DA CONTA") << QStringLiteral("******* Documento nao fiscal ********")
      << QStringLiteral("           Seja Bem Vindo") << centredLine(d.companyName);
    if (RightsBitSet(d.salesOptions, 512) == QLatin1String("S")) {
        o << centredLine(d.companyAddress);
        o << centredLine(d.companyCity + QLatin1Char(' ') + d.companyState);
    }
    if (!d.pageCustomer.trimmed().isEmpty())
        o << QLatin1Char(' ') + d.pageCustomer.toUpper();
    QString cupom = QStringLiteral(" Cupom:") + d.saleNumber;
    if (d.queueNumber != 0)
        cupom += QStringLiteral("   Senha..:") + QString::number(d.queueNumber);
    o << cupom << dateTimeLine(d.now) << kRule37;
    o << (withCode ? QStringLiteral("COD   DESCRICAO    QTD  VALOR  TOTAL") : QStringLiteral("DESCRICAO          QTD  VALOR  TOTAL"));
    o << kRule37;
    Decimal subtotal;
    for (const CounterItem& i : items) {
        subtotal += i.total();
        const QString q = FormatFloat(u"0.######", i.quantity);
        const QString v = money("####0.00", 8, i.price);
        const QString t = money("####0.00", 9, i.total());
        if (i.code.startsWith(QLatin1Char('/'))) {
            pieces37(o, i.name);
            o << FormatQuantityItemLine(QString(), q, v, t);
        } else if (withCode) {
            o << FormatQuantityItemLine(i.code.trimmed() + QLatin1Char(' ') + i.name.trimmed(), q, v, t);
        } else {
            o << FormatQuantityItemLine(i.name.trimmed(), q, v, t);
        }
    }
    o << kRule36;
    o << PadRight(QStringLiteral("Total"), 24) + money("0.00", 12, subtotal);
    if (!d.discount.isZero()) {
        o << FormatItemLine(QStringLiteral("Descontos"), money("######0.00", 12, d.discount));
        o << PadRight(QStringLiteral(" "), 24) + QStringLiteral("------------");
        o << PadRight(QStringLiteral("Total"), 24) + money("######0.00", 12, subtotal - d.discount);
    }
    for (const CounterMethod& m : d.methods)
        if (m.amount > Decimal())
            o << PadRight(m.name, 24) + money("######0.00", 12, m.amount);
    if (!d.balance.amount.isZero())
        o << PadRight(d.balance.word, 24) + money("######0.00", 12, d.balance.amount);
    o << QString() << kDash36;
    if (!d.footer1.trimmed().isEmpty())
        o << d.footer1;
    if (!d.footer2.trimmed().isEmpty())
        o << d.footer2;
    o << kDash36;
    feedPaper(o, d.feedLines);
    return p;
}

Decimal CounterClosing::discountOf(const QString& text)
{
    const auto v = readAmount(text, AmountRules::money().notNegative());
    return v ? v->roundTo(2) : Decimal();
}

int CounterClosing::queueOf(const QString& text)
{
    const int q = readInt(text).value_or(0);
    return q < 0 ? 0 : q;
}

void CounterClosing::check(const CounterSale& sale, const Decimal& discount)
{
    const Decimal purchase = sale.purchase();
    const Decimal paid = sale.paid().roundTo(2);
    if (paid < (purchase - discount).roundTo(2))
        throw ClosingRefused(countermsg::underpaidShort());
    const Decimal covered = (discount + paid).roundTo(2);
    if (FormatFloat(u"0.00", covered) != FormatFloat(u"0.00", purchase) && purchase > covered)
        throw ClosingRefused(countermsg::underpaid());
}

namespace {

// What the request and the station's files say, read once before the action.
struct Prepared {
    int terminal = 1;
    int customer = 1;
    int queue = 0;
    Decimal purchase;
    CounterBalance balance;
    int feedLines = 7;
    int fontSize = 7;
    bool printReceipt = false;       // setup.INI line 6 "S"
    std::map<int, QString> destination;   // kitchens 1 to 4
    QString footer1, footer2;        // setup.INI lines 10 and 11
};

Prepared prepare(const CounterClosingRequest& r, const Decimal& discount)
{
    const CounterSale& cs = *r.sale;
    Prepared p;
    p.terminal = readInt(ctx::station().TerminalNumber).value_or(1);
    p.customer = [&] {
        const auto k = readInt(r.customerCode);
        return k && *k > 0 ? *k : 1;
    }();
    p.queue = CounterClosing::queueOf(r.queueNumber);
    p.purchase = cs.purchase();
    p.balance = counterBalance(p.purchase, cs.paid().roundTo(2), discount);
    p.feedLines = SetComSettings::feedLines();
    p.fontSize = SetComSettings::receiptFontSize();
    p.printReceipt = settingsLine(ClosingSettings::kSetup, 6) == QLatin1String("S");
    for (int k = 1; k <= 4; ++k)
        p.destination[k] = SlotDestination(slotOf(k));
    p.footer1 = settingsLine(ClosingSettings::kSetup, 10);
    p.footer2 = settingsLine(ClosingSettings::kSetup, 11);
    return p;
}

// The open cash shift and its own date, held until the commit (no station closes
// the shift while this sale goes into it), and the sale's number.
struct HeldSale {
    int cash = 0;
    QDate date;
    qint64 number = 0;
};

QDate saleDateOf(const cashshift::HeldShift& shift)
{
    return shift.date.isValid() ? shift.date : QDate::currentDate();
}

HeldSale holdShiftAndNumber(TLogon& logon)
{
    const cashshift::HeldShift shift = cashshift::holdOpenShift<ClosingRefused>(logon, countermsg::cashClosed());
    HeldSale h;
    h.cash = shift.number;
    h.date = saleDateOf(shift);
    h.number = logon.GenId(S("BORDA"), 1);
    return h;
}

// Which payment methods are settled at once (FORMAPAGA.BX "S").
std::map<int, bool> settledMethods(TLogon& logon)
{
    std::map<int, bool> settled;
    RowSet methods = logon.run(S("select CD, BX from FORMAPAGA"));
    while (methods.next())
        settled[int(methods.integer(u"CD"))] = methods.text(u"BX").left(1) == QLatin1String("S");
    return settled;
}

// Kitchen tickets per kitchen 1 to 5 (kitchen 5 on kitchen 1's slot and again on
// kitchen 2's); kitchen-monitor rows for a kitchen shown on the monitor.
void kitchenTickets(TLogon& logon, const CounterSale& cs, const CounterPrintData& d,
                    const std::map<int, QString>& destination, int cash, CounterClosingResult& result)
{
    const QString hora = d.now.toString(QStringLiteral("dd/MM/yy hh:mm:ss")).left(20);
    for (int k = 1; k <= 5; ++k) {
        std::vector<CounterKitchenLine> lines;
        for (const CounterKitchenLine& l : cs.kitchenLines())
            if (l.kitchen == QString::number(k))
                lines.push_back(l);
        if (lines.empty())
            continue;
        const QString dest = destination.at(k == 5 ? 1 : k);
        const Printout ticket = composeCounterKitchenTicket(d, lines);
        if (dest == kMonitor) {
            for (const CounterKitchenLine& l : lines) {
                const int blank = l.product.indexOf(QLatin1Char(' '));
                const QString name = blank < 0 ? QString() : l.product.mid(blank + 1, blank + 29).trimmed();
                const std::optional<Decimal> q =
                    readAmount(blank < 0 ? l.product : l.product.left(blank), AmountRules::quantity());
                writeKitchenMonitorRow(logon, {hora, QStringLiteral("Balcao"), QStringLiteral("0"), cash, name,
                                               q.value_or(l.quantity), l.obs, std::nullopt, std::nullopt});
                ++result.monitorRows;
            }
        } else if (printsSomething(dest)) {
            result.kitchenJobs.push_back({ticket, slotOf(k), false, false});
        }
        if (k == 5) {
            const QString second = destination.at(2);
            if (printsSomething(second) && second != kMonitor)
                result.kitchenJobs.push_back({ticket, PrinterSlot::Kitchen2, true, false});
        }
    }
}

// The sale the one sale writer records: the counter's items and methods, its
// discount and change, and the counter's flags.
Sale saleOf(const CounterClosingRequest& r, const Prepared& p, const HeldSale& held,
            const std::map<int, bool>& settled, const Decimal& discount)
{
    const CounterSale& cs = *r.sale;
    Sale sale;
    sale.number = held.number;
    sale.date = held.date;
    sale.cashShift = held.cash;
    sale.terminal = p.terminal;
    sale.waiter = 0;
    sale.customerCode = p.customer;
    sale.customerName = r.customerName;
    sale.changeName = r.customerName;
    sale.customerText = QString::number(p.customer);
    for (const CounterMethod& m : cs.methods()) {
        if (m.amount.isZero())
            continue;
        const auto s = settled.find(m.code);
        sale.payments.push_back(SalePayment{m.code, m.name, m.amount, s == settled.end() || s->second, false});
    }
    sale.dueDate = held.date;
    sale.receivableDays = 0;
    sale.change = p.balance.word == QLatin1String("Troco") ? p.balance.amount : Decimal();
    sale.saleType = 2;
    sale.counterSale = true;
    sale.saleCustomer = r.customerName;
    sale.saleValue = p.purchase;
    sale.discount = discount;
    for (const CounterItem& i : cs.items())
        sale.items.push_back(SaleItem{0, i.code, i.name, i.quantity, i.price, QString()});
    // The counter's flavour rows read "#DELIvery " and the item's name, as a delivery sale's do;
    // its plain rows "Cli: " and the customer (the flag the counter leaves at "S").
    sale.davFlag = QStringLiteral("S");
    sale.deliverySale = true;
    sale.loyalty = false;
    sale.serviceRowsFirst = true;
    return sale;
}

} // namespace

CounterClosingResult CounterClosing::close(const CounterClosingRequest& r)
{
    const CounterSale& cs = *r.sale;
    const Decimal discount = discountOf(r.discount);
    check(cs, discount);
    const Prepared p = prepare(r, discount);

    return m_logon.action([&] {
        CounterClosingResult result;
        // What the sale reads, read before the cash shift's counter row is held, and
        // the stock-out's products dated (the shift as it stands gives the date).
        const ReceiptCompany company = CompanyStore(m_logon).receiptCompany();
        const std::map<int, bool> settled = settledMethods(m_logon);
        SaleWriter writer(m_logon);
        if (const cashshift::HeldShift open = cashshift::openShift(m_logon); open.number != 0)
            writer.prepareStockOut(saleOf(r, p, HeldSale{open.number, saleDateOf(open), 0}, settled, discount));
        const HeldSale held = holdShiftAndNumber(m_logon);

        CounterPrintData d;
        static_cast<ReceiptCompany&>(d) = company;
        d.pageCustomer = r.pageCustomer;
        d.saleNumber = QStringLiteral("%1").arg(held.number, 6, 10, QLatin1Char('0'));
        d.queueNumber = p.queue;
        d.now = m_clock();
        d.discount = discount;
        d.balance = p.balance;
        d.methods = cs.methods();
        d.footer1 = p.footer1;
        d.footer2 = p.footer2;
        d.feedLines = p.feedLines;
        d.fontSize = p.fontSize;

        kitchenTickets(m_logon, cs, d, p.destination, held.cash, result);
        result.receipt = composeCounterReceipt(d, cs.items());
        result.printReceipt = p.printReceipt;

        const Sale sale = saleOf(r, p, held, settled, discount);
        writer.write(sale);

        result.saleNumber = held.number;
        result.cashShift = held.cash;
        result.date = held.date;
        result.queueNumber = p.queue;
        result.discount = discount;
        result.change = sale.change;
        return result;
    });
}

void CounterClosing::print(const CounterClosingResult& result)
{
    for (const CounterJob& job : result.kitchenJobs) {
        const RouteResult routed = RoutePrintout(job.text, job.slot, RouteOptions{});
        if (job.drawerSequenceAfter && routed == RouteResult::Printer) {
            Printout kick;
            kick.lines << QStringLiteral("\x1b" "vd");
            RoutePrintout(kick, job.slot, RouteOptions{});
        }
    }
    if (result.printReceipt) {
        RouteOptions o;
        o.controlByte = true;
        RoutePrintout(result.receipt, PrinterSlot::Closing, o);
    }
}

namespace counterfiles {

namespace {
const char* kQueue = "c:\\Miltrex\\vavoz\\Senha.INI";
const char* kCounter = "c:\\Miltrex\\vavoz\\AVULSO.INI";
}

int queueNumber()
{
    return std::max(0, readInt(settingsLine(kQueue, 0)).value_or(0));
}

void saveQueueNumber(int number)
{
    LineFile::save(station::pathForWriting(QString::fromLatin1(kQueue)), {QString::number(number)});
}

int advanceCounterNumber()
{
    const auto v = readAmount(settingsLine(kCounter, 0), AmountRules::money().notNegative());
    int n = v && v->isWhole() && *v < Decimal(1'000'000'000) ? int(v->truncToInt()) : 0;
    ++n;
    LineFile::save(station::pathForWriting(QString::fromLatin1(kCounter)), {QString::number(n)});
    return n;
}

QString counterKey(int number) { return QStringLiteral("AV%1").arg(number, 6, 10, QLatin1Char('0')); }

} // namespace counterfiles
