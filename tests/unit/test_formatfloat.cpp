#include "core/FormatFloat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* mask;
    const char* value; // database text
    const char* expected;
};

void checkAll(std::initializer_list<FormatCase> cases)
{
    for (const auto& c : cases) {
        const Decimal v = *Decimal::parseSql(QString::fromUtf8(c.value));
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.mask), v), QString::fromUtf8(c.expected))
            << "mask " << c.mask << " value " << c.value;
    }
}

TEST(FormatFloat, DigitPlaceholders)
{
    checkAll({
        {"0.00", "1234567.891", "1234567,89"},
        {"##0.00", "5", "5,00"},
        {"000000", "123", "000123"},
        {"00", "3", "03"},
        {"00", "123", "123"},
        {"0.###", "1.5", "1,5"},
        {"0.###", "2", "2"},
        {"0.###", "0.125", "0,125"},
        {"0.###", "0.1235", "0,124"},
        {"0.#0", "1.5", "1,50"},
        {"#0", "0", "0"},
        {"#", "0", ""},
        {"#.##", "0.5", ",5"},
        {"0.00000000", "1.5", "1,50000000"},
        {"00000", "-2", "-00002"},
    });
}

TEST(FormatFloat, RoundsHalfAwayFromZero)
{
    checkAll({
        {"0.#", "2.25", "2,3"},
        {"0.#", "-2.25", "-2,3"},
        {"0.#", "2.24", "2,2"},
        {"0", "0.5", "1"},
        {"0", "2.5", "3"},
        {"0", "-0.5", "-1"},
        {"0.00", "0.005", "0,01"},
        {"0.00", "-0.005", "-0,01"},
        {"0.00", "9.995", "10,00"},
    });
}

TEST(FormatFloat, NoMinusWhenTheRoundedValueIsZero)
{
    checkAll({
        {"0", "-0.4", "0"},
        {"0.00", "-0.004", "0,00"},
        {"0.000", "-0.25", "-0,250"},
        {"0.000", "-0.0004", "0,000"},
    });
}

TEST(FormatFloat, ThousandsGrouping)
{
    checkAll({
        {"#,##0.00", "1234.5", "1.234,50"},
        {"#,##0.00", "1234567.5", "1.234.567,50"},
        {"#,##0.00", "-1234.5", "-1.234,50"},
        {"#,##0.00", "123", "123,00"},
        {"#,##0.00", "0.5", "0,50"},
        {"#,##0.00", "999.999", "1.000,00"},
        {"#,##0", "100000", "100.000"},
        {"#,##0", "1000000000", "1.000.000.000"},
    });
    EXPECT_EQ(FormatFloat(u"#,##0.00", *Decimal::parseSql(u"1234.5"), u'.', u','), u"1,234.50");
}

TEST(FormatFloat, LiteralsAndQuotes)
{
    checkAll({
        {"\"R$ \"0.00", "-5", "R$ -5,00"},
        {"0.00' kg'", "2.5", "2,50 kg"},
        {"0%", "15", "15%"},
        {"\"a;b\"0", "5", "a;b5"},
        {"'#0.'0", "7", "#0.7"},
    });
}

TEST(FormatFloat, SectionsForPositiveNegativeAndZero)
{
    checkAll({
        {"0.00;(0.00)", "-5", "(5,00)"},
        {"0.00;(0.00)", "5", "5,00"},
        {"0.00;(0.00)", "0", "0,00"},
        {"0.00;(0.00);\"nada\"", "0", "nada"},
        {"0.00;(0.00);\"nada\"", "-1", "(1,00)"},
        {"0.00;;\"nada\"", "-5", "-5,00"},
        {"0.00;-0.00;\"nada\";\"ignorado\"", "0", "nada"},
    });
}

TEST(FormatFloat, EmptyMaskPrintsEverySignificantDigit)
{
    checkAll({
        {"", "1234.5", "1234,5"},
        {"", "-0.000001", "-0,000001"},
        {"", "7", "7"},
    });
}

} // namespace
