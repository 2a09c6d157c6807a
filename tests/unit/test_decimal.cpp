#include "core/Decimal.h"

#include <gtest/gtest.h>

namespace {

// Test values are written as database text: D("12.5").
Decimal D(const char* sqlText)
{
    const auto d = Decimal::parseSql(QString::fromUtf8(sqlText));
    if (!d)
        throw std::invalid_argument(sqlText);
    return *d;
}

struct ParseCase {
    const char* text;
    std::optional<std::int64_t> raw; // millionths; nullopt = not a number
};

TEST(DecimalParse, AcceptsWhatStrToFloatAccepts)
{
    const ParseCase cases[] = {
        {"0", 0},
        {"12,5", 12'500'000},
        {"  -3,25  ", -3'250'000},
        {"+7", 7'000'000},
        {"00012,50", 12'500'000},
        {",5", 500'000},
        {"5,", 5'000'000},
        {"-0", 0},
        {"1,5E2", 150'000'000},
        {"1,5e-2", 15'000},
        {"-2E+3", -2'000'000'000},
        {"125E-3", 125'000},
        {"1E-20", 0},
        {"0E999999999", 0},
        // beyond six decimals: half away from zero
        {"1,0000005", 1'000'001},
        {"-1,0000005", -1'000'001},
        {"1,00000049999", 1'000'000},
        {"0,0000005", 1},
        {"0,00000049", 0},
        {"9223372036854,775807", INT64_MAX},
        // not numbers
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {",", std::nullopt},
        {"-", std::nullopt},
        {"1.000", std::nullopt},
        {"1.000,50", std::nullopt},
        {"1,2,3", std::nullopt},
        {"--1", std::nullopt},
        {"1 2", std::nullopt},
        {"1E", std::nullopt},
        {"1E+", std::nullopt},
        {"E5", std::nullopt},
        {"12,5x", std::nullopt},
        {"\t12", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto d = Decimal::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(d.has_value(), c.raw.has_value()) << '"' << c.text << '"';
        if (d) {
            EXPECT_EQ(d->raw(), *c.raw) << '"' << c.text << '"';
        }
    }
}

TEST(DecimalParse, SqlTextUsesThePoint)
{
    EXPECT_EQ(Decimal::parseSql(u"12.500"), Decimal::fromThousandths(12'500));
    EXPECT_EQ(Decimal::parseSql(u"-0.250"), Decimal::fromThousandths(-250));
    EXPECT_EQ(Decimal::parseSql(u"0.000"), Decimal());
    EXPECT_EQ(Decimal::parseSql(u"42"), Decimal(42));
    EXPECT_FALSE(Decimal::parseSql(u"12,5"));
}

TEST(DecimalParse, NumbersOutOfRangeThrow)
{
    for (const char* text : {"1E13", "-1E13", "9223372036854,7758075", "99999999999999999999"})
        EXPECT_THROW(Decimal::parse(QString::fromUtf8(text)), std::overflow_error) << text;
}

TEST(DecimalArithmetic, DecimalFractionsAreExact)
{
    EXPECT_EQ(D("0.1") + D("0.2"), D("0.3"));
    EXPECT_EQ(Decimal(3) * D("33.33"), D("99.99"));
    EXPECT_EQ(D("100") - D("99.99"), D("0.01"));
    Decimal sum;
    for (int i = 0; i < 10; ++i)
        sum += D("0.1");
    EXPECT_EQ(sum, Decimal(1));
    EXPECT_EQ(Decimal::fromCents(1999) * Decimal(3), Decimal::fromCents(5997));
}

struct BinaryCase {
    const char* a;
    const char* b;
    const char* expected;
};

TEST(DecimalArithmetic, MultiplyRoundsHalfAwayFromZeroAtSixPlaces)
{
    const BinaryCase cases[] = {
        {"1.5", "1.5", "2.25"},
        {"2.5", "-4", "-10"},
        {"12.345678", "1000", "12345.678"},
        {"0.000001", "0.5", "0.000001"},
        {"-0.000001", "0.5", "-0.000001"},
        {"0.000001", "0.4", "0"},
        {"0.333333", "0.333333", "0.111111"}, // 0.111110888889
        {"1234567.89", "0.001", "1234.56789"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(D(c.a) * D(c.b), D(c.expected)) << c.a << " * " << c.b;
}

TEST(DecimalArithmetic, DivideRoundsHalfAwayFromZeroAtSixPlaces)
{
    const BinaryCase cases[] = {
        {"10", "3", "3.333333"},
        {"20", "3", "6.666667"},
        {"-20", "3", "-6.666667"},
        {"20", "-3", "-6.666667"},
        {"1", "8", "0.125"},
        {"0.000001", "2", "0.000001"},
        {"-0.000001", "2", "-0.000001"},
        {"99.99", "3", "33.33"},
        {"1", "0.000003", "333333.333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(D(c.a) / D(c.b), D(c.expected)) << c.a << " / " << c.b;
    EXPECT_THROW(D("1") / Decimal(), std::domain_error);
}

TEST(DecimalArithmetic, OverflowIsNeverSilent)
{
    const Decimal max = Decimal::fromRaw(INT64_MAX);
    const Decimal min = Decimal::fromRaw(INT64_MIN);
    EXPECT_THROW(max + Decimal::fromRaw(1), std::overflow_error);
    EXPECT_THROW(min - Decimal::fromRaw(1), std::overflow_error);
    EXPECT_THROW(-min, std::overflow_error);
    EXPECT_THROW(min.abs(), std::overflow_error);
    EXPECT_THROW(Decimal(4'000'000) * Decimal(4'000'000), std::overflow_error);
    EXPECT_THROW(Decimal(1'000'000'000) / D("0.0001"), std::overflow_error);
    EXPECT_THROW(Decimal(10'000'000'000'000LL), std::overflow_error);
    EXPECT_THROW(Decimal(static_cast<unsigned long long>(UINT64_MAX)), std::overflow_error);
    EXPECT_THROW(Decimal::fromCents(INT64_MAX), std::overflow_error);
    EXPECT_THROW(max.roundTo(0), std::overflow_error);
}

struct RoundCase {
    const char* value;
    int places;
    const char* expected;
};

TEST(DecimalRounding, RoundToIsHalfAwayFromZero)
{
    const RoundCase cases[] = {
        {"2.345", 2, "2.35"},   {"-2.345", 2, "-2.35"}, {"2.3449", 2, "2.34"},
        {"0.5", 0, "1"},        {"-0.5", 0, "-1"},      {"0.4999", 0, "0"},
        {"1250", -2, "1300"},   {"-1249", -2, "-1200"}, {"1.234567", 6, "1.234567"},
        {"1.234567", 9, "1.234567"}, {"123", -15, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(D(c.value).roundTo(c.places), D(c.expected)) << c.value << " to " << c.places;
}

TEST(DecimalRounding, CentsThousandthsAndWholeParts)
{
    EXPECT_EQ(D("1.005").cents(), 101);
    EXPECT_EQ(D("-1.005").cents(), -101);
    EXPECT_EQ(D("1.00499").cents(), 100);
    EXPECT_EQ(D("0.0005").thousandths(), 1);
    EXPECT_EQ(D("-2.0004").thousandths(), -2000);
    EXPECT_EQ(D("-2.7").truncToInt(), -2);
    EXPECT_EQ(D("2.7").truncToInt(), 2);
    EXPECT_TRUE(D("-3").isWhole());
    EXPECT_FALSE(D("3.000001").isWhole());
    EXPECT_EQ(Decimal::fromCents(-25), D("-0.25"));
    EXPECT_EQ(Decimal::fromThousandths(1), D("0.001"));
}

TEST(DecimalText, SqlTextHasThreeDecimalsAndAPoint)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1234.5", "1234.500"}, {"-0.25", "-0.250"},   {"0", "0.000"},
        {"-0.0004", "0.000"},   {"0.0005", "0.001"},   {"-0.0005", "-0.001"},
        {"1234567.8915", "1234567.892"},              {"-7", "-7.000"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(D(value).toSqlText(), QString::fromUtf8(expected)) << value;
}

TEST(DecimalText, ToStringKeepsOnlySignificantDecimals)
{
    EXPECT_EQ(D("-12.05").toString(), u"-12.05");
    EXPECT_EQ(D("3").toString(), u"3");
    EXPECT_EQ(D("-0.000001").toString(), u"-0.000001");
    EXPECT_EQ(Decimal::fromRaw(INT64_MIN).toString(), u"-9223372036854.775808");
}

TEST(DecimalCompare, OrdersByValue)
{
    EXPECT_LT(D("-1"), D("-0.5"));
    EXPECT_LT(D("0.999999"), Decimal(1));
    EXPECT_GT(D("10"), D("9.99"));
    EXPECT_EQ(D("1.50"), D("1.5"));
    EXPECT_NE(D("1.5"), D("1.500001"));
}

} // namespace
