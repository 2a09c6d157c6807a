// The one rule of lines and totals (core/LineAmount), read back from every printout
// and screen that shows lines and a total: each line's amount is its quantity x
// price rounded to the cent once, and each total is the sum of the amounts printed
// above it. One table of lines, each case printed by all of them.
#include "ClosingSeeds.h"
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "closing/ClosingReceipt.h"
#include "closing/TabClosing.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryPrintouts.h"
#include "delivery/SingleOrder.h"
#include "delivery/SingleOrderPrintouts.h"
#include "salesreports/ResultReport.h"
#include "salesreports/SalesRanking.h"
#include "salesreports/UnitApuQui.h"
#include "salesreports/UnitSaiQuiABC.h"
#include "salesreports/WaiterSales.h"
#include "reports/PageReport.h"
#include "sales/CounterClosing.h"
#include "sales/CounterSale.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockPosition.h"
#include "tabs/ItemTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct Line {
    const char* quantity;
    const char* price;
    const char* amount;   // as printed
};

struct Case {
    const char* what;
    std::vector<Line> lines;
    const char* total;    // the sum of the amounts printed
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

// The exact sums would print 75,89, 2,98 and 0,50.
const Case kCases[] = {
    {"two cuts weighed at 59,90 and half a portion",
     {{"0,437", "59,90", "26,18"}, {"0,613", "59,90", "36,72"}, {"0,5", "25,99", "13,00"}},
     "75,90"},
    {"three products of 1,005 kg at 0,99",
     {{"1,005", "0,99", "0,99"}, {"1,005", "0,99", "0,99"}, {"1,005", "0,99", "0,99"}},
     "2,97"},
    {"four eighths at 1,00, each half a cent up",
     {{"0,125", "1,00", "0,13"}, {"0,125", "1,00", "0,13"}, {"0,125", "1,00", "0,13"}, {"0,125", "1,00", "0,13"}},
     "0,52"},
};

QString codeOf(size_t k) { return QStringLiteral("00010%1").arg(k + 1); }
QString nameOf(size_t k) { return QStringLiteral("ITEM %1").arg(k + 1); }
QString quantityText(const Line& l) { return FormatFloat(u"0.###", D(l.quantity)); }

// A printed figure ("1.234,56") as a number.
Decimal figure(const QString& text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char('.'));
    return Decimal::parse(t).value_or(Decimal(-999999));
}

QString lastWord(const QString& line)
{
    const QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}

// What a roll printout shows of the case: the amount of each item (the last figure
// of the first line at or after its name that shows its quantity) and the first
// "Total" after the items.
struct Printed {
    std::vector<Decimal> amounts;
    Decimal total;
};

Printed readRoll(const QStringList& lines, const Case& c)
{
    Printed p;
    qsizetype last = 0;
    for (size_t k = 0; k < c.lines.size(); ++k) {
        qsizetype name = 0;
        while (name < lines.size() && !lines[name].contains(nameOf(k)))
            ++name;
        qsizetype q = name;
        while (q < lines.size() && !lines[q].contains(quantityText(c.lines[k])))
            ++q;
        if (q >= lines.size()) {
            ADD_FAILURE() << "no line for " << nameOf(k).toStdString() << "\n" << lines.join('\n').toStdString();
            return p;
        }
        p.amounts.push_back(figure(lastWord(lines[q])));
        last = std::max(last, q);
    }
    for (qsizetype i = last + 1; i < lines.size(); ++i)
        if (lines[i].trimmed().startsWith(S("Total"))) {
            p.total = figure(lastWord(lines[i]));
            return p;
        }
    ADD_FAILURE() << "no Total\n" << lines.join('\n').toStdString();
    return p;
}

// What a page report prints of a column: on its detail lines, and the sums of its
// group footers and summary.
struct PrintedColumn {
    std::vector<Decimal> lines, groupTotals, grandTotals;
};

PrintedColumn readColumn(const report::Definition& def, const RowSet& rows, const QString& column)
{
    PrintedColumn out;
    const report::Layout layout(def, rows);
    for (int p = 0; p < layout.placedCount(); ++p) {
        const report::Placed& placed = layout.placed(p);
        for (const report::Item& item : layout.band(placed).items) {
            if (item.column.compare(column, Qt::CaseInsensitive) != 0)
                continue;
            const Decimal value = figure(layout.itemText(item, p));
            if (placed.kind == report::BandKind::Detail && item.kind == report::Item::Kind::Field)
                out.lines.push_back(value);
            else if (placed.kind == report::BandKind::GroupFooter && item.kind == report::Item::Kind::Sum)
                out.groupTotals.push_back(value);
            else if (placed.kind == report::BandKind::Summary && item.kind == report::Item::Kind::Sum)
                out.grandTotals.push_back(value);
        }
    }
    return out;
}

class LineTotals : public ::testing::TestWithParam<Case> {
protected:
    std::vector<Decimal> expectedAmounts() const
    {
        std::vector<Decimal> v;
        for (const Line& l : GetParam().lines)
            v.push_back(D(l.amount));
        return v;
    }
    Decimal expectedTotal() const { return D(GetParam().total); }

    void expectRoll(const char* printout, const QStringList& lines)
    {
        SCOPED_TRACE(printout);
        const Printed p = readRoll(lines, GetParam());
        EXPECT_EQ(p.amounts, expectedAmounts()) << lines.join('\n').toStdString();
        EXPECT_EQ(p.total, expectedTotal()) << lines.join('\n').toStdString();
    }
    void expectColumn(const char* printout, const PrintedColumn& c, size_t groups)
    {
        SCOPED_TRACE(printout);
        EXPECT_EQ(c.lines, expectedAmounts());
        EXPECT_EQ(c.groupTotals, std::vector<Decimal>(groups, expectedTotal()));
        EXPECT_EQ(c.grandTotals, std::vector<Decimal>{expectedTotal()});
    }
};

} // namespace

TEST_P(LineTotals, EveryPrintoutAndScreenAddsTheAmountsItPrints)
{
    const Case& c = GetParam();
    SCOPED_TRACE(c.what);
    const std::vector<Decimal> amounts = expectedAmounts();
    Decimal sum;
    for (size_t k = 0; k < c.lines.size(); ++k) {
        EXPECT_EQ(lineAmount(D(c.lines[k].quantity), D(c.lines[k].price)), amounts[k]);
        sum += amounts[k];
    }
    ASSERT_EQ(sum, expectedTotal());   // the case itself adds up

    // The single-screen delivery order: its screen, its delivery ticket and its receipt.
    SingleTicketData single;
    for (size_t k = 0; k < c.lines.size(); ++k)
        single.items.push_back({qint64(k + 1), codeOf(k), nameOf(k), D(c.lines[k].quantity), D(c.lines[k].price)});
    EXPECT_EQ(SingleOrders::itemsTotal(single.items), expectedTotal());
    expectRoll("single order: delivery ticket", composeSingleDeliveryTicket(single).lines);
    const QStringList receipt = composeSingleClosingReceipt(single, S("000001")).lines;
    expectRoll("single order: closing receipt", receipt);
    EXPECT_TRUE(receipt.contains(FormatItemLine(S("Recebido"), FormatFloatLeftPadded(S("######0.00"), 12, expectedTotal()))))
        << receipt.join('\n').toStdString();

    // The delivery desk: its order total, the delivery note and the invoice receipt.
    std::vector<DeskItem> desk;
    DeliveryNoteData note;
    InvoiceReceiptData invoice;
    for (size_t k = 0; k < c.lines.size(); ++k) {
        DeskItem i;
        i.id = qint64(k + 1);
        i.codigo = codeOf(k);
        i.nome = nameOf(k);
        i.quant = D(c.lines[k].quantity);
        i.valor = D(c.lines[k].price);
        desk.push_back(i);
        note.items.push_back({i, {}});
        HandOverLine h;
        h.linha = int(k + 1);
        h.codigo = i.codigo;
        h.nome = i.nome;
        h.quantidade = i.quant;
        h.valor = i.valor;
        invoice.lines.push_back(h);
    }
    EXPECT_EQ(DeliveryOrders::total(desk, D("5")), expectedTotal() + D("5"));
    expectRoll("delivery desk: delivery note", composeDeliveryNote(note).lines);
    expectRoll("delivery desk: invoice receipt", composeInvoiceReceipt(invoice).lines);

    // A tab's receipt (the pre-bill prints its items the same way) and the counter's.
    ClosingReceiptData tab;
    CounterSale counter;
    for (size_t k = 0; k < c.lines.size(); ++k) {
        tab.items.push_back(SaleItem{qint64(k + 1), codeOf(k), nameOf(k), D(c.lines[k].quantity),
                                     D(c.lines[k].price), S("1")});
        tab.productNames[codeOf(k)] = nameOf(k);
        CounterItem i;
        i.code = codeOf(k);
        i.name = nameOf(k);
        i.quantity = D(c.lines[k].quantity);
        i.price = D(c.lines[k].price);
        counter.insertItem(i);
    }
    expectRoll("tab: closing receipt", composeClosingReceipt(tab).lines);
    EXPECT_EQ(counter.purchase(), expectedTotal());
    expectRoll("counter: receipt", composeCounterReceipt(CounterPrintData{}, counter.items()).lines);

    // The voucher of items moved from one tab to another, and a purchase order's lines
    // and its "Pedido".
    std::vector<TransferRow> moved;
    std::vector<purchase::Item> ordered;
    for (size_t k = 0; k < c.lines.size(); ++k) {
        TransferRow r;
        r.codigo = codeOf(k);
        r.nomep = nameOf(k);
        r.quant = r.tq = D(c.lines[k].quantity);
        r.valor = D(c.lines[k].price);
        moved.push_back(r);
        purchase::Item i;
        i.code = codeOf(k);
        i.quantity = D(c.lines[k].quantity);
        i.cost = D(c.lines[k].price);
        EXPECT_EQ(i.total(), amounts[k]) << "purchase order line";
        ordered.push_back(i);
    }
    expectRoll("tab transfer voucher", ItemTransfer::composeVoucher(S("12"), S("13"), moved, S("troca")).lines);
    EXPECT_EQ(purchase::PurchaseOrders::totals(ordered).order, expectedTotal()) << "purchase order";

    // On a database: what a tab is charged, the current stock print, the result
    // report, the best-selling list and the waiter's sales. Each item: a product of
    // group 1 whose cost and price are the line's price, two lines' quantity in,
    // the line's quantity sold on cash shift 5 by waiter 4.
    TestStation st;
    TLogon& l = st.logon();
    seeds::addGroup(l, 1, S("CARNES"));
    seeds::openTab(l, S("12"));
    const QDate day(2026, 3, 14);
    for (size_t k = 0; k < c.lines.size(); ++k) {
        const Decimal q = D(c.lines[k].quantity), price = D(c.lines[k].price);
        seeds::addProduct(l, codeOf(k), nameOf(k), price, price);
        l.run(S("update PRODUTOS set CLASSE = 1 where CODIGO = ?"), {codeOf(k)});
        l.run(S("insert into ESTFIC (ID, CODIGO, DATA, ENTRADA) values (GEN_ID(ESTFIC,1), ?, ?, ?)"),
              {codeOf(k), day, q + q});
        l.run(S("insert into ESTFIC (ID, CODIGO, DATA, SAIDA, VALOR, NFISCAL, PEDIDO, CAIXA, VENDEDOR, TERMINAL) "
                "values (GEN_ID(ESTFIC,1), ?, ?, ?, ?, 900, 900, 5, 4, 1)"),
              {codeOf(k), day, q, price});
        seeds::addItem(l, S("12"), codeOf(k), nameOf(k), q, price);
    }
    EXPECT_EQ(TabSnapshot::read(l, S("12")).itemsTotal, expectedTotal());

    const RowSet empresa = l.run(S("select * from EMPRESA"));
    using namespace stockposition;
    expectColumn("current stock print",
                 readColumn(CurrentStock::report(Value::Cost, empresa, S("14/03/2026")),
                            CurrentStock(l).rows(0, Value::Cost, true), S("TOTAL")),
                 1);
    const RowSet result = ResultReport::rows(ResultReport(l).lines(S("5"), S("5"), 0));
    const report::Definition resultReport = TFormApuQui(l, S("00000 TODOS"), QString()).definition();
    expectColumn("result report: sales", readColumn(resultReport, result, S("VENDA")), 1);
    expectColumn("result report: cost", readColumn(resultReport, result, S("CUSTO")), 1);
    const PrintedColumn best =
        readColumn(TFormSaiQuiABC(l, QString()).definition(),
                   SalesRanking::rows(SalesRanking(l).products(S("14/03/26"), S("14/03/26"), S("00000  Todos"))),
                   S("TOTAL"));
    EXPECT_EQ(best.grandTotals, std::vector<Decimal>{expectedTotal()});
    std::vector<Decimal> bestLines = best.lines, expected = amounts;
    std::sort(bestLines.begin(), bestLines.end());   // largest quantity first
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(bestLines, expected) << "best-selling list";

    seeds::addWaiter(l, 4, S("CARLOS"));
    WaiterSales waiters(l);
    ProductsPerWaiter perWaiter;
    perWaiter.firstShift = perWaiter.lastShift = 5;
    perWaiter.waiter = 4;
    expectRoll("waiter sales: products of a waiter", waiters.productsPerWaiter(perWaiter).lines);
    SalesPerWaiter sales{S("004 CARLOS"), S("000000-Todos"), S("0"), S("5"), S("5"), day};
    expectRoll("waiter sales: per day and shift", waiters.salesPerWaiter(sales).lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineTotals, ::testing::ValuesIn(kCases));
