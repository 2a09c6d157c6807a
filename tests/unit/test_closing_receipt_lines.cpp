// Lines of the closing receipt that do not need a database: centring, the column
// header, multi-flavour descriptions, merging equal items.
#include "closing/ClosingReceipt.h"

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
