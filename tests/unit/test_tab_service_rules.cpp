// Rules of the tab service without a database: flavour codes and prices, the
// fractions window's list and description, the kitchen-order ticket, the report
// lines and their aggregation, the scale's answers and the complement value.
#include "QtPrinters.h"
#include "sales/ComplementText.h"
#include "registers/FlavourList.h"
#include "sales/KitchenOrder.h"
#include "sales/KitchenReprint.h"
#include "registers/MultiFlavour.h"
#include "sales/Scale.h"
#include "sales/TableReports.h"

#include <gtest/gtest.h>

namespace {
Decimal money(std::int64_t cents) { return Decimal::fromCents(cents); }
}

TEST(FlavourCodes, SplitFromTheCodeField)
{
    struct Case { const char* field; std::array<const char*, 4> codes; } cases[] = {
        {"/12/15/", {"000012", "000015", "", ""}},
        {"/12/15/18/20/", {"000012", "000015", "000018", "000020"}},
        {"/12//", {"000012", "", "", ""}},
        {"/*7/ABC/", {"*7", "ABC", "", ""}},
        {"/12/15", {"000012", "", "", ""}},                // no closing "/": empty
        {"/1234567890/1234567890/", {"1234567890", "", "", ""}},   // characters 2 to 21 only
        {"/", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        const std::array<QString, 4> got = splitFlavours(QString::fromLatin1(c.field));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(got[size_t(k)], QString::fromLatin1(c.codes[size_t(k)])) << c.field << " " << k;
    }
}

TEST(FlavourCodes, TheCounterPageTakesTheLastCodeWithoutItsClosingSlash)
{
    struct Case { const char* field; const char* codes; } cases[] = {
        {"/12/15", "000012 000015"},
        {"/12/15/", "000012 000015"},
        {"/12//*7", "000012 *7"},
        {"/ 12 / ", "000012"},
        {"/1/2/3/4/5", "000001 000002 000003 000004"},
        {"/", ""},
        {"/'; drop table mesa/", "'; drop table mesa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(flavourCodesOf(QString::fromLatin1(c.field), LastFlavour::TakenAsItStands).join(u' '),
                  QString::fromLatin1(c.codes)) << c.field;
    EXPECT_EQ(flavourCodesOf(QStringLiteral("/12//*7/15")).join(u' '), QStringLiteral("000012 *7"));
}

TEST(FlavourCodes, ItemPriceIsTheAverageAboveZeroOrTheHighest)
{
    struct Case { std::array<std::int64_t, 4> cents; std::int64_t average, highest; } cases[] = {
        {{3000, 4100, 0, 0}, 3550, 4100},
        {{3000, 4000, 0, 0}, 3500, 4000},
        {{3000, 0, 0, 0}, 3000, 3000},        // a second flavour without product
        {{1000, 1000, 1100, 0}, 1033, 1100},
        {{0, 0, 0, 0}, 0, 0},                 // nothing priced: 0,00, no division by zero
    };
    for (const Case& c : cases) {
        const std::array<Decimal, 4> p{money(c.cents[0]), money(c.cents[1]), money(c.cents[2]), money(c.cents[3])};
        EXPECT_EQ(flavourItemPrice(p, false), money(c.average));
        EXPECT_EQ(flavourItemPrice(p, true), money(c.highest));
    }
    EXPECT_EQ(sizeColumn(QStringLiteral("1 FAMILIA")), QStringLiteral("VFAMILIA"));
    EXPECT_EQ(sizeColumn(QStringLiteral("3 GRANDE")), QStringLiteral("VGRANDE"));
    EXPECT_EQ(sizeColumn(QStringLiteral("5 PESO")), QStringLiteral("PESO"));
    EXPECT_EQ(sizeColumn(QStringLiteral("9 OUTRO")), QString());
    EXPECT_EQ(sizeColumn(QString()), QString());
}

TEST(FlavourList, ListAndDescriptionOfTheBoxes)
{
    EXPECT_EQ(flavourCodeWhileEditing(QStringLiteral(" 12 ")), QStringLiteral("000012"));
    EXPECT_EQ(flavourCodeWhileEditing(QStringLiteral("12,6")), QStringLiteral("000013"));
    EXPECT_EQ(flavourCodeWhileEditing(QStringLiteral(" abc ")), QStringLiteral("abc"));
    EXPECT_EQ(flavourCodeWhileEditing(QStringLiteral("1e400")), QStringLiteral("1e400"));
    EXPECT_EQ(flavourCodeAtConfirm(QStringLiteral("000012")), QStringLiteral("12"));

    const std::array<QString, 4> names{QStringLiteral("CALABRESA"), QStringLiteral("MUSSARELA"), QStringLiteral("ATUM"),
                                       QStringLiteral("BACON")};
    EXPECT_EQ(flavourDescription(names, 1), QStringLiteral("CALABRESA"));
    EXPECT_EQ(flavourDescription(names, 2), QStringLiteral("1/2-CALABRESA 1/2-MUSSARELA"));
    EXPECT_EQ(flavourDescription(names, 3), QStringLiteral("1/3-CALABRESA 1/3-MUSSARELA 1/3-ATUM"));
    EXPECT_EQ(flavourDescription(names, 4), QStringLiteral("1/4-CALABRESA 1/4-MUSSARELA 1/4-ATUM 1/4-BACON"));
    EXPECT_EQ(flavourDescription(names, 0), QString());

    using Boxes = std::array<QString, 4>;
    EXPECT_EQ(flavourListOf(Boxes{QStringLiteral("000012"), QStringLiteral("000015"), QString(), QString()}), QStringLiteral("/12/15/"));
    EXPECT_EQ(flavourListOf(Boxes{QStringLiteral("000012"), QString(), QString(), QString()}), QStringLiteral("12"));
    // boxes 1 and 3: two codes, taken from boxes 1 and 2
    EXPECT_EQ(flavourListOf(Boxes{QStringLiteral("12"), QString(), QStringLiteral("15"), QString()}), QStringLiteral("/12//"));
    EXPECT_EQ(flavourListOf(Boxes{}), std::nullopt);
}

TEST(KitchenOrderTicket, ItemsWeightsComplementsAndFeed)
{
    TicketData head;
    head.orderNumber = 12;
    head.tableWord = QStringLiteral("MESA");
    head.tabKey = QStringLiteral("1000002");
    head.waiterCode = QStringLiteral("3");
    head.waiterName = QStringLiteral("JOAO");
    head.when = QDateTime(QDate(2026, 3, 14), QTime(20, 5, 9));
    const std::vector<KitchenItem> items = {
        {1, Decimal(2), QStringLiteral("PICANHA"), {QStringLiteral("ao ponto")}},
        {2, Decimal::fromThousandths(350), QStringLiteral("QUEIJO"), {}},
        {3, Decimal(1), QString(40, u'A') + QStringLiteral("BCD"), {}},
    };
    const QStringList lines = composeKitchenOrder(head, items, 2);
    const QStringList expected = {
        QStringLiteral("          PEDIDO       :12"), QString(37, u'-'), QStringLiteral("MESA.:1000002"),
        QStringLiteral("GARCOM :3 JOAO##"), QStringLiteral("14/03/26  -  20:05:09"),
        QStringLiteral("                    D E L I V E R Y"), QString(37, u'='), QStringLiteral("QTD  DESCRICAO   "),
        QString(37, u'='),
        QStringLiteral("002 PICANHA"), QStringLiteral(" > AO PONTO"), QStringLiteral("- - - - - - - - - - - - - - - - - - -"),
        QStringLiteral("0,350Kg QUEIJO"), QStringLiteral("- - - - - - - - - - - - - - - - - - -"),
        QStringLiteral("001 ") + QString(37, u'A'), QStringLiteral("AAABCD"), QStringLiteral("- - - - - - - - - - - - - - - - - - -"),
        QStringLiteral("."), QStringLiteral("."),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(kitchenOrderKey(QStringLiteral(" 7 ")), QStringLiteral("000007"));
    EXPECT_EQ(kitchenOrderKey(QStringLiteral("BALCAO")), QStringLiteral("BALCAO"));
    EXPECT_EQ(kitchenOrderKey(QStringLiteral("  ")), QString());

    ReprintRow r;
    r.produto = QStringLiteral("PICANHA");
    r.quant = Decimal::fromThousandths(350);
    r.complements = {QStringLiteral("farofa")};
    const QStringList again = composeKitchenReprint(head, {r}, 0);
    EXPECT_EQ(again.value(0), QStringLiteral("     PEDIDO       : REIMPRESSAO"));
    EXPECT_FALSE(again.contains(QStringLiteral("                    D E L I V E R Y")));
    EXPECT_EQ(again.mid(again.size() - 3), (QStringList{QStringLiteral("0,35 PICANHA"), QStringLiteral(" > FAROFA"),
                                                         QStringLiteral("- - - - - - - - - - - - - - - - - - -")}));
}

TEST(TableReportLines, FormatAndAggregation)
{
    const QString line = FormatReportItemLine(QStringLiteral("COCA COLA LATA"), QStringLiteral("2"), QStringLiteral("5,00"),
                                              QStringLiteral("10,00"));
    EXPECT_EQ(line, QStringLiteral("COCA COLA LATA     ") + QStringLiteral("  ") + QStringLiteral("2x5,00=   10,00"));
    EXPECT_EQ(line.size(), 36);
    EXPECT_EQ(FormatReportItemLine(QStringLiteral("X"), QStringLiteral("1,5"), QStringLiteral("2,00"), QStringLiteral("3,00")),
              QStringLiteral("X") + QString(16, u' ') + QStringLiteral("  1,5x2,00=    3,00"));
    EXPECT_TRUE(FormatReportItemLine(QStringLiteral("Y"), QStringLiteral("0,3333"), QStringLiteral("1,00"),
                                     QStringLiteral("0,33")).endsWith(QStringLiteral("0,333x1,00=    0,33")));
    const QString longName = FormatReportItemLine(QString(50, u'N'), QStringLiteral("2"), QStringLiteral("5,00"),
                                                  QStringLiteral("10,00"));
    EXPECT_EQ(longName.size(), 36);

    // a new key goes in front of the line handled just before
    PositionList list;
    list.add(QStringLiteral("A"), QStringLiteral("ALFA"), money(100), Decimal(1));
    list.add(QStringLiteral("B"), QStringLiteral("BETA"), money(200), Decimal(1));
    list.add(QStringLiteral("A"), QStringLiteral("ALFA"), money(100), Decimal(2));
    list.add(QStringLiteral("C"), QStringLiteral("GAMA"), money(300), Decimal(1));
    list.add(QStringLiteral("A"), QStringLiteral("ALFA"), money(150), Decimal(1));   // another price: another line
    QStringList order;
    for (const PositionLine& l : list.lines())
        order << l.nome + u' ' + QString::number(l.quant.truncToInt());
    EXPECT_EQ(order, (QStringList{QStringLiteral("BETA 1"), QStringLiteral("ALFA 1"), QStringLiteral("GAMA 1"),
                                  QStringLiteral("ALFA 3")}));
}

TEST(ScaleAnswers, ToledoAndFilizolaFrames)
{
    const ToledoProtocol toledo;
    const FilizolaProtocol filizola;
    using K = ScaleAnswer::Kind;
    struct Case { QByteArray bytes; K kind; std::int64_t grams; } cases[] = {
        {QByteArray("\x02" "01500" "\x03"), K::Weight, 1500},
        {QByteArray("\x02" "00250" "\x03"), K::Weight, 250},
        {QByteArray("\x02" "1.234" "\x03"), K::Weight, 1234},
        {QByteArray("\x02" "IIIII" "\x03"), K::Unstable, 0},
        {QByteArray("\x02" "NNNNN" "\x03"), K::Negative, 0},
        {QByteArray("\x02" "SSSSS" "\x03"), K::Overload, 0},
        {QByteArray("\x02" "01A00" "\x03"), K::Invalid, 0},
        {QByteArray("\x02" "0150"), K::Incomplete, 0},
        {QByteArray("noise\x02" "00100" "\x03"), K::Weight, 100},
    };
    for (const ScaleProtocol* p : {static_cast<const ScaleProtocol*>(&toledo), static_cast<const ScaleProtocol*>(&filizola)}) {
        EXPECT_EQ(p->request(), QByteArray(1, '\x05'));
        for (const Case& c : cases) {
            const ScaleAnswer a = p->parse(c.bytes);
            EXPECT_EQ(a.kind, c.kind) << p->model().toStdString() << " " << c.bytes.toStdString();
            if (c.kind == K::Weight) {
                EXPECT_EQ(a.weight, Decimal::fromThousandths(c.grams));
            }
        }
    }
    EXPECT_EQ(weightText(Decimal::fromThousandths(1500)), QStringLiteral("1,500"));
    EXPECT_EQ(weightText(Decimal::fromThousandths(250)), QStringLiteral("0,250"));
    EXPECT_EQ(weightText(Decimal::fromThousandths(1234567)), QStringLiteral("1234,567"));
    EXPECT_EQ(weightText(Decimal(0)), QStringLiteral("0"));
    EXPECT_EQ(weightText(Decimal(-1)), QStringLiteral("0"));
    EXPECT_TRUE(isScaleModelSupported(QStringLiteral("Toledo")));
    EXPECT_TRUE(isScaleModelSupported(QStringLiteral("Filizola")));
    EXPECT_FALSE(isScaleModelSupported(QStringLiteral("Urano")));
    EXPECT_EQ(scaleProtocolFor(QStringLiteral("Magna")), nullptr);
}

TEST(ComplementTextValue, WhatConfirmHandsOver)
{
    struct Case { const char* typed; const char* confirmed; } cases[] = {
        {"2,50", "2,50"}, {"abc", "0"}, {"1e20", "0"}, {"-3", "0"}, {"", "0"}, {"'; drop table mesa; --", "0"},
        {" 10 ", "10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(complementValueAtConfirm(QString::fromUtf8(c.typed)), QString::fromUtf8(c.confirmed)) << c.typed;
    EXPECT_EQ(complementValue(QStringLiteral("2,50")), Decimal::fromCents(250));
    EXPECT_EQ(complementValue(QStringLiteral("x")), std::nullopt);
    EXPECT_EQ(complementTextOf(QStringLiteral("bem passado 😀")), QStringLiteral("BEM PASSADO"));
    EXPECT_EQ(complementTextOf(QString(80, u'a')).size(), 35);
}
