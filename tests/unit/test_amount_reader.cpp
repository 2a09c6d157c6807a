// The one reader of typed numbers: what it takes, what it refuses and why, and
// that nothing typed makes it throw.
#include "core/AmountReader.h"

#include <gtest/gtest.h>

namespace {

Decimal D(const char* sqlText) { return *Decimal::parseSql(QString::fromLatin1(sqlText)); }

struct Case {
    const char* typed;
    const char* value;   // point-separated; nullptr = refused
    AmountProblem problem = AmountProblem::None;
};

void check(const AmountRules& rules, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        const std::optional<Decimal> v = readAmount(typed, rules);
        if (c.value) {
            ASSERT_TRUE(v.has_value()) << '"' << c.typed << '"';
            EXPECT_EQ(*v, D(c.value)) << '"' << c.typed << '"';
            EXPECT_EQ(amountProblem(typed, rules), AmountProblem::None) << '"' << c.typed << '"';
        } else {
            EXPECT_FALSE(v.has_value()) << '"' << c.typed << "\" read as " << *v;
            EXPECT_EQ(int(amountProblem(typed, rules)), int(c.problem)) << '"' << c.typed << '"';
        }
    }
}

constexpr auto Empty = AmountProblem::Empty;
constexpr auto NaN = AmountProblem::NotANumber;
constexpr auto Negative = AmountProblem::Negative;
constexpr auto TooLarge = AmountProblem::TooLarge;

} // namespace

TEST(AmountReader, BrazilianAmounts)
{
    check(AmountRules::money(), {
        {"1.234,56", "1234.56"}, {"12,5", "12.5"}, {"  7  ", "7"}, {"-3,25", "-3.25"}, {"+4", "4"},
        {",5", "0.5"}, {"5,", "5"}, {"0", "0"}, {"-0", "0"}, {"1.234.567,8", "1234567.8"}, {"1.234", nullptr, NaN}, {"1.234.567", nullptr, NaN},
        {"00012,50", "12.5"}, {"999.999.999,99", "999999999.99"}, {"-999999999,99", "-999999999.99"},
        {"1,0000005", "1.000001"},
        {"", nullptr, Empty}, {"   ", nullptr, Empty},
        {"abc", nullptr, NaN}, {"12.5", nullptr, NaN}, {"12.5.1", nullptr, NaN}, {"1,2,3", nullptr, NaN},
        {"1.23,4", nullptr, NaN}, {"1234.567,8", nullptr, NaN}, {".5", nullptr, NaN}, {"1.,5", nullptr, NaN},
        {"1E30", nullptr, NaN}, {"1e20", nullptr, NaN}, {"1,5E2", nullptr, NaN}, {"1 2", nullptr, NaN},
        {"--1", nullptr, NaN}, {"-", nullptr, NaN}, {",", nullptr, NaN}, {"R$ 5", nullptr, NaN},
        {"10%", nullptr, NaN}, {"'; delete from MESA; --", nullptr, NaN}, {"😀", nullptr, NaN},
        {"1,2.3", nullptr, NaN}, {"1١", nullptr, NaN},
        {"1.000.000.000,00", nullptr, TooLarge}, {"1.000.000.000", nullptr, NaN}, {"12345678901234", nullptr, TooLarge},
        {"99999999999999999999999999", nullptr, TooLarge}, {"-1000000000", nullptr, TooLarge},
    });
}

TEST(AmountReader, APointStandsForTheCommaOnlyWhereTheFieldTakesIt)
{
    check(AmountRules::money().pointAsComma(), {
        {"12.5", "12.5"}, {".5", "0.5"}, {"5.", "5"}, {"1.234", "1.234"}, {"1.234,56", "1234.56"},
        {"12,5", "12.5"}, {"-0.25", "-0.25"},
        {"12.5.1", nullptr, NaN}, {"1.2,3.4", nullptr, NaN}, {"1.234.5", nullptr, NaN}, {".", nullptr, NaN},
        {"1.000.000.000,00", nullptr, TooLarge}, {"1.000.000.000", nullptr, NaN},
    });
}

TEST(AmountReader, RulesBoundSignAndSize)
{
    check(AmountRules::quantity().notNegative(), {
        {"0,347", "0.347"}, {"999.999,999", "999999.999"}, {"-1", nullptr, Negative}, {"-0", "0"},
        {"1.000.000,0", nullptr, TooLarge},
    });
    check(AmountRules::percent(), {{"10", "10"}, {"999,99", "999.99"}, {"1000", nullptr, TooLarge}});
    check(AmountRules::money().upTo(Decimal(100)), {{"100", "100"}, {"100,01", nullptr, TooLarge}});
}

TEST(AmountReader, NothingTypedMakesItThrow)
{
    const QString texts[] = {QString(400, u'9'), QString(400, u'.'), QStringLiteral("9") + QString(200, u'0') + ",5",
                             QStringLiteral("0,") + QString(400, u'9'), QStringLiteral("1E999999999999"),
                             QStringLiteral("-") + QString(30, u'9')};
    for (const QString& t : texts) {
        EXPECT_NO_THROW(readAmount(t)) << t.left(20).toStdString();
        EXPECT_NO_THROW(readAmount(t, AmountRules::quantity().pointAsComma()));
    }
    EXPECT_EQ(readAmount(QStringLiteral("0,") + QString(400, u'9')), Decimal(1)) << "rounded like any long fraction";
}

TEST(AmountReader, TheAreasFieldsAreRulesOfTheOneReader)
{
    const AmountRules money2 = AmountRules::column().asStrToFloat().pointAsComma().atMostDecimals(2);
    const AmountRules plain = AmountRules::column().asStrToFloat();
    struct Case { const char* text; std::optional<const char*> money2, plain; };
    const Case cases[] = {
        {"12,50", "12,5", "12,5"},       {"12.5", "12,5", std::nullopt},  {"12,505", std::nullopt, "12,505"},
        {"1e2", "100", "100"},           {"1,5E2", "150", "150"},         {"1E", std::nullopt, std::nullopt},
        {"1E+", std::nullopt, std::nullopt}, {"1E2,5", std::nullopt, std::nullopt},
        {"1.234,50", std::nullopt, std::nullopt}, {"1e20", std::nullopt, std::nullopt},
        // below a billion: what the columns' sums still hold
        {"999999999,99", "999999999,99", "999999999,99"}, {"1000000000", std::nullopt, std::nullopt},
        {"999999999999,99", std::nullopt, std::nullopt}, {"1000000000000", std::nullopt, std::nullopt},
        {"-4", "-4", "-4"},              {"'; drop table x", std::nullopt, std::nullopt}, {"", std::nullopt, std::nullopt},
    };
    auto expected = [](std::optional<const char*> t) {
        return t ? Decimal::parse(QString::fromLatin1(*t)) : std::nullopt;
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readAmount(QString::fromLatin1(c.text), money2), expected(c.money2)) << c.text;
        EXPECT_EQ(readAmount(QString::fromLatin1(c.text), plain), expected(c.plain)) << c.text;
    }
    EXPECT_EQ(amountProblem(u"12,505", money2), AmountProblem::NotANumber);
}
