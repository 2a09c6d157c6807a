#include "core/uMensagem.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }
QString blanks(int n) { return QString(n, u' '); }
Decimal D(const char* sqlText) { return *Decimal::parseSql(S(sqlText)); }

TEST(PaddingHelpers, PadRightCutsOrPadsWithAtMost150Blanks)
{
    const QString forty = S("0123456789012345678901234567890123456789");
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        {"abc", 5, "abc  "},
        {forty, 34, forty.left(34)},
        {"abc", 3, "abc"},
        {"abc", 0, ""},
        {"abc", -4, ""},
        {"x", 200, "x" + blanks(150)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadRight(c.text, c.width), c.expected) << c.text.toStdString() << " / " << c.width;
}

TEST(PaddingHelpers, LeftPaddedNumbersAreNeverCut)
{
    EXPECT_EQ(FormatFloatLeftPadded("0.00", 7, D("1234567.89")), "1234567,89");
    EXPECT_EQ(FormatFloatLeftPadded("0.00", 8, D("70")), "   70,00");
    EXPECT_EQ(FormatFloatLeftPadded("0.00", 5, D("-1")), "-1,00");
    EXPECT_EQ(FormatFloatLeftPadded("0", 30, D("5")), blanks(19) + "5"); // 19 blanks at most
}

TEST(PaddingHelpers, RepeatText)
{
    EXPECT_EQ(RepeatText("ab", 3), "ababab");
    EXPECT_EQ(RepeatText("ab", 0), "");
    EXPECT_EQ(RepeatText("ab", -2), "");
}

TEST(LineComposers, ItemLineGivesTheValueRoomFirst)
{
    const QString value35 = QString(35, u'9');
    EXPECT_EQ(FormatItemLine("Total", "12,50"), "Total" + blanks(24) + "  12,50");
    EXPECT_EQ(FormatItemLine("  Total  ", " 12,50 ").size(), 36);
    EXPECT_EQ(FormatItemLine("Total", value35), "  " + value35);
    EXPECT_EQ(FormatItemLine(QString(50, u'D'), "1,00"), QString(30, u'D') + "  1,00");
}

TEST(LineComposers, QuantityItemLineExample)
{
    // 12-character description, quantity 2, unit price 35, total 70.
    const QString line = FormatQuantityItemLine(" Picanha 300g ", " 2 ", "35", "70");
    EXPECT_EQ(line, "Picanha 300g" + blanks(6) + "  2  35,00   70,00");
    EXPECT_EQ(line.size(), 36);
}

TEST(LineComposers, QuantityDropsTrailingZeros)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1,5", "1,5"}, {"2,000", "2"}, {"0,125", "0,125"}, {"0,1235", "0,124"}, {"-1", "-1"},
    };
    for (const auto& [qty, printed] : cases) {
        const QString tail = S(printed) + "   1,00    1,50";
        EXPECT_TRUE(FormatQuantityItemLine("Item", qty, "1", "1,5").endsWith("  " + tail)) << qty;
        EXPECT_TRUE(FormatQuantityItemLine2("Item", qty, "ignorado", "1,5").endsWith("  " + S(printed) + "    1,50"))
            << qty;
    }
}

TEST(LineComposers, QuantityItemLine2IgnoresItsThirdArgument)
{
    EXPECT_EQ(FormatQuantityItemLine2("Suco", "3", "xyz", "15"), "Suco" + blanks(21) + "  3   15,00");
}

TEST(LineComposers, KitchenLine)
{
    // M = 5 + 2 + 6 = 13, so the name keeps 17 columns.
    const QString body = "Picanha" + blanks(10) + "  45,00";
    EXPECT_EQ(FormatKitchenLine(" Picanha ", "3", "45,00", "135,00"), "00003 " + body + "  135,00");
    EXPECT_EQ(FormatKitchenLine("Picanha", "2,5", "45,00", "135,00"), "2,500 " + body + "  135,00");
    EXPECT_EQ(FormatKitchenLine("Picanha", "4321", "45,00", "135,00"), "ADIC  " + body);
    EXPECT_EQ(FormatKitchenLine(QString(40, u'N'), "1", "1,00", "1,00"), "00001 " + QString(20, u'N') + "  1,00  1,00");
}

TEST(LineComposers, QuantityPriceLineIs38Wide)
{
    const QString line = FormatQuantityPriceLine(" Cerveja ", " 2 ", " 5,00 ", " 10,00 ");
    EXPECT_EQ(line, "Cerveja" + blanks(17) + "  2x5,00=10,00");
    EXPECT_EQ(line.size(), 38);
    EXPECT_TRUE(FormatQuantityPriceLine("Chopp", "1,25", "8,00", "10,00").endsWith("  1,3x8,00=10,00"));
    EXPECT_EQ(FormatQuantityPriceLine(QString(40, u'C'), "1", "1", "1"), QString(30, u'C') + " " + "  1x1=1");
}

TEST(LineComposers, NumberTextsThatAreNotNumbersRaise)
{
    try {
        FormatQuantityItemLine("Item", "abc", "1", "1");
        FAIL() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), S("'abc' não é um valor numérico válido"));
    }
    EXPECT_THROW(FormatQuantityItemLine("Item", "1", "1.50", "1"), ConversionError);
    EXPECT_THROW(FormatQuantityItemLine("Item", "1", "1", ""), ConversionError);
    EXPECT_THROW(FormatQuantityItemLine2("Item", "1", "", "x"), ConversionError);
    EXPECT_THROW(FormatKitchenLine("Item", "dois", "1", "1"), ConversionError);
    EXPECT_THROW(FormatQuantityPriceLine("Item", "", "1", "1"), ConversionError);
}

TEST(Validation, IsValidNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12,5", "S"}, {" 3 ", "S"}, {"-0,25", "S"}, {"1,5E2", "S"},
        {"abc", "N"},  {"12.5", "N"}, {"", "N"},     {"1.234,50", "N"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsValidNumber(S(text)), S(expected)) << '"' << text << '"';
    // A number too large to compute with is still a number, and nothing is thrown:
    // a settings box that checks its text never lets an error out.
    EXPECT_EQ(IsValidNumber("1E20"), S("S"));
    EXPECT_EQ(IsValidNumber(QString(40, u'9')), S("S"));
    EXPECT_THROW(FormatQuantityItemLine2("Item", "1", "", "1E20"), ConversionError);
}

TEST(DatesAndTimes, DatePart)
{
    const QDate d(2024, 3, 5);
    EXPECT_EQ(DatePart(1, d), 5);
    EXPECT_EQ(DatePart(2, d), 3);
    EXPECT_EQ(DatePart(3, d), 2024);
    EXPECT_EQ(DatePart(0, d), -1);
    EXPECT_EQ(DatePart(4, d), -1);
}

TEST(DatesAndTimes, TimeToMinutesReadsFixedColumns)
{
    const std::pair<const char*, int> cases[] = {
        {"10:15:00", 615}, {"9:05:00", 0}, {"", 0},     {"00:00", 0}, {"23:59", 1439},
        {"10:xx", 0},      {"10:5", 605},  {" 9:05", 545}, {"10", 0},  {"ab:15", 0},
    };
    for (const auto& [text, minutes] : cases)
        EXPECT_EQ(TimeToMinutes(S(text)), minutes) << '"' << text << '"';
}

TEST(DatesAndTimes, OpenDurationText)
{
    const std::pair<int, const char*> cases[] = {
        {60, "Aberta a 1 horas e 0 minutos"},   {59, "Aberta a 0 horas e 59 minutos"},
        {125, "Aberta a 2 horas e 5 minutos"},  {0, "Aberta a 0 horas e 0 minutos"},
        {-65, "Aberta a 0 horas e -65 minutos"},
    };
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(OpenDurationText(minutes), S(text)) << minutes;
}

TEST(DatesAndTimes, NowAsText)
{
    EXPECT_EQ(NowAsText(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 42))), "05.03.2024 09:07");
    EXPECT_TRUE(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$").match(NowAsText()).hasMatch());
}

TEST(Rights, SpecialCases)
{
    EXPECT_EQ(RightsBitSet(33, 1), "S");
    EXPECT_EQ(RightsBitSet(33, 32), "S");
    EXPECT_EQ(RightsBitSet(33, 2), "N");
    EXPECT_EQ(RightsBitSet(33, 3), "N");
    EXPECT_EQ(RightsBitSet(33, 0), "N");
    EXPECT_EQ(RightsBitSet(65535, 32768), "S");
    for (int bit = 1; bit <= 65536; bit *= 2)
        EXPECT_EQ(RightsBitSet(-1, bit), "N") << bit;
}

TEST(Rights, EqualsTheSingleBitTestForEveryStoredMask)
{
    const int bits[] = {-1, 0, 1, 2, 3, 4, 6, 8, 16, 32, 64, 128, 256, 512, 1024,
                        2048, 4096, 8192, 16384, 32768, 65535, 65536};
    for (int mask = 0; mask <= 65535; ++mask) {
        for (int bit : bits) {
            const bool single = bit > 0 && bit <= 32768 && (bit & (bit - 1)) == 0 && (mask & bit) != 0;
            ASSERT_EQ(RightsBitSet(mask, bit), single ? "S" : "N") << mask << " " << bit;
        }
    }
}

TEST(PrinterCodes, ComparedExactly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "VI"},  {"12", "VI"}, {"1", "SM1"}, {"2", "SM2"}, {"13", "SM3"}, {"14", "SM4"},
        {"3", "S1"},  {"7", "S5"},  {"9", "S7"},  {"10", "JT"}, {"11", "JT"},  {"15", "MSP"},
        {" 7", "VI"}, {"16", "VI"}, {"", "VI"},   {"07", "VI"}, {"7 ", "VI"},
    };
    for (const auto& [choice, code] : cases)
        EXPECT_EQ(PrinterChoiceCode(S(choice)), S(code)) << '"' << choice << '"';
}

TEST(Texts, StripAccents)
{
    EXPECT_EQ(StripAccents(S("Pão's Café")), "Pao.s Cafe");
    EXPECT_EQ(StripAccents(S("àáâãäåçèéêëìíîïñòóôõöùüúÿ")), "aaaaaaceeeeiiiinooooouuuy");
    EXPECT_EQ(StripAccents(S("ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÜÚ")), "AAAAAACEEEEIIIINOOOOOUUU");
    EXPECT_EQ(StripAccents(S("ûÛýÝæŸ -x1")), S("ûÛýÝæŸ -x1"));
}

TEST(Texts, UpperAZLeavesAccentedLettersAlone)
{
    EXPECT_EQ(UpperAZ(S("josé ação ñ 1a")), S("JOSé AçãO ñ 1A"));
}

TEST(GridColumns, FreeWidthGoesToTextColumnsInProportion)
{
    QList<int> widths{40, 60, 50};
    DistributeGridColumns(100, 40, {10, 0, 30}, widths, 0, 0);
    EXPECT_EQ(widths, (QList<int>{65, 60, 125}));

    widths = {40, 60, 50};
    DistributeGridColumns(-10, 40, {10, 0, 30}, widths, 0, 0); // -2.5 and -7.5 truncate toward zero
    EXPECT_EQ(widths, (QList<int>{38, 60, 43}));
}

TEST(GridColumns, WithoutTextColumnsAllGetAnEqualShare)
{
    QList<int> widths{40, 60, 50};
    DistributeGridColumns(100, 0, {0, 0, 0}, widths, 500, 52);
    EXPECT_EQ(widths, (QList<int>{149, 149, 149}));
}

} // namespace
