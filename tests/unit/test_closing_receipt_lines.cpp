// Lines of the closing receipt that do not need a database: centring, the column
// header, multi-flavour descriptions, merging equal items.
#include "closing/ClosingReceipt.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* t) { return *Decimal::parse(QString::fromLatin1(t)); }
}

TEST(ClosingReceiptLines, CentringHeaderFlavoursAndMerging)
{
    EXPECT_EQ(receipt::centred(QString(20, QLatin1Char('A'))), QString(8, QLatin1Char(' ')) + QString(20, QLatin1Char('A')));
    EXPECT_EQ(receipt::centred(QString(21, QLatin1Char('A'))), QString(7, QLatin1Char(' ')) + QString(21, QLatin1Char('A')));
    EXPECT_EQ(receipt::centred(QString(40, QLatin1Char('A'))), QString(40, QLatin1Char('A')));
    EXPECT_EQ(receipt::columnHeader(256, 512), S("COD   DESCRICAO          QTD   TOTAL"));
    EXPECT_EQ(receipt::columnHeader(0, 0), S("DESCRICAO          QTD  VALOR  TOTAL"));

    const QString longName = QString(80, QLatin1Char('x'));
    std::vector<SaleItem> items = {{1, S("/12/34/"), longName, D("1"), D("40"), S("1")}};
    Decimal total;
    QStringList lines = receipt::itemLines(items, {}, 0, 0, true, &total);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].size(), 37);
    EXPECT_EQ(lines[1].size(), 37);
    EXPECT_EQ(lines[2].size(), 6);
    EXPECT_EQ(total, D("40"));

    const std::map<QString, QString> names = {{S("7"), S("CHOPP")}};
    items = {{1, S("7"), S("CHOPP"), D("1"), D("9"), S("1")}, {2, S("7"), S("CHOPP"), D("2"), D("9"), S("1")}};
    EXPECT_EQ(receipt::itemLines(items, names, 2048, 0, true, nullptr).size(), 1);
    EXPECT_EQ(receipt::itemLines(items, names, 0, 0, true, nullptr).size(), 2);
    EXPECT_EQ(receipt::itemLines(items, names, 2048, 0, false, nullptr).size(), 2) << "delivery tabs never merge";
    items[1].quantity = D("0,5");
    EXPECT_EQ(receipt::itemLines(items, names, 2048, 0, true, nullptr).size(), 2);
    items = {{1, S("*10"), S("COMBO"), D("1"), D("9"), S("1")}};
    EXPECT_TRUE(receipt::itemLines(items, names, 0, 0, true, nullptr)[0].startsWith(S("*10 COMBO")));
}

namespace {
ClosingReceiptData baseData()
{
    ClosingReceiptData d;
    d.companyName = S("BAR");
    d.title = S("MESA");
    d.tab = S("000012");
    d.saleNumber = 42;
    d.waiterName = S("ANA");
    d.customerName = S("CONSUMIDOR");
    d.openedAt = S("20:00:00");
    d.now = QDateTime(QDate(2026, 3, 5), QTime(21, 0, 0));
    d.items = {{1, S("7"), S("CHOPP"), D("3"), D("10"), S("1")}};
    d.productNames = {{S("7"), S("CHOPP")}};
    d.feedLines = 0;
    BillInputs in;
    in.itemsTotal = D("30");
    in.persons = 1;
    in.paid = D("30");
    d.bill = BillComputation::compute(in);
    d.payments = {SalePayment{1, S("Dinheiro"), D("30"), true, false}};
    return d;
}
} // namespace

TEST(ClosingReceiptLines, HeaderAndTotalsVariants)
{
    struct Case {
        const char* name;
        std::function<void(ClosingReceiptData&)> change;
        QStringList present, absent;
    };
    const std::vector<Case> cases = {
        {"plain: waiter, opening time, no extra totals", [](ClosingReceiptData&) {},
         {S("MESA.:000012 Cupom:000042"), S("Garcom....:ANA"), S("Abertura..:20:00:00"), S("05/03/26  -  21:00:00")},
         {S("                        ------------"), S("Senha.....:12345")}},
        {"a tab taken elsewhere: queue number, no waiter",
         [](ClosingReceiptData& d) { d.davTab = true; d.queueNumber = S("12345"); },
         {S("Senha.....:12345")}, {S("Garcom....:ANA")}},
        {"delivery tab number prints the banner, a fee hides the opening time",
         [](ClosingReceiptData& d) { d.tab = S("1000001"); d.deliveryColumn = D("5"); },
         {S("                       D E L I V E R Y")}, {S("Abertura..:20:00:00")}},
        {"minimum consumption above the items",
         [](ClosingReceiptData& d) {
             d.minimumConsumption = D("50");
             BillInputs in;
             in.itemsTotal = D("30");
             in.minimumConsumption = D("50");
             in.paid = D("50");
             d.bill = BillComputation::compute(in);
         },
         {S("Consumacao                     20,00"), S("Total                          50,00")}, {}},
        {"the CPF asked for", [](ClosingReceiptData& d) { d.cpf = S("123.456.789-00"); }, {S("CPF.:123.456.789-00")}, {}},
        {"no split per person", [](ClosingReceiptData& d) { d.salesOptions = 4096; }, {},
         {S("Desp p/Pessoas [1]             30,00")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClosingReceiptData d = baseData();
        c.change(d);
        const QStringList lines = composeClosingReceipt(d).lines;
        for (const QString& p : c.present)
            EXPECT_TRUE(lines.contains(p)) << p.toStdString() << "\n" << lines.join(S("\n")).toStdString();
        for (const QString& a : c.absent)
            EXPECT_FALSE(lines.contains(a)) << a.toStdString();
    }
}
