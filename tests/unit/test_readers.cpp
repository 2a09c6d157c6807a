// The one reader of each kind of typed field, with hostile values: whole numbers,
// dates and texts; the one writer of a spreadsheet cell; the LIKE pattern a search
// builds from a column's width; and a NUMERIC read back past what Decimal computes.
#include "core/DateReader.h"
#include "core/Decimal.h"
#include "core/SpreadsheetCell.h"
#include "core/WholeNumber.h"
#include "core/uMensagem.h"
#include "db/Schema.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

TEST(WholeNumberReader, OnlyPlainDigitsWithinTheRules)
{
    struct Case { const char* typed; std::optional<qint64> value; };
    const Case codes[] = {
        {"42", 42}, {" 007 ", 7}, {"0", 0}, {"\t12\r\n", 12}, {"000000000000000000042", 42},
        {"2147483647", 2147483647},
        // hexadecimal, signs, separators, exponents, other digits, nothing
        {"0x10", std::nullopt}, {"0X10", std::nullopt}, {"$1F", std::nullopt}, {"1F", std::nullopt},
        {"-5", std::nullopt}, {"+5", std::nullopt}, {"- 5", std::nullopt}, {"--5", std::nullopt},
        {"1.000", std::nullopt}, {"12,0", std::nullopt}, {"1e3", std::nullopt}, {"1 2", std::nullopt},
        {"١٢", std::nullopt}, {"１２", std::nullopt}, {"²", std::nullopt}, {"12a", std::nullopt},
        {"", std::nullopt}, {"   ", std::nullopt}, {"-", std::nullopt}, {"1;2", std::nullopt},
        {"'; delete from MESA; --", std::nullopt}, {"😀", std::nullopt},
        // beyond an INTEGER column
        {"2147483648", std::nullopt}, {"99999999999999999999999999", std::nullopt},
    };
    for (const Case& c : codes) {
        EXPECT_EQ(readWhole(S(c.typed)), c.value) << '"' << c.typed << '"';
        EXPECT_EQ(readInt(S(c.typed)).has_value(), c.value.has_value()) << '"' << c.typed << '"';
    }

    // A field that takes a sign takes "-" and nothing else; its limits hold on both sides.
    const Case signedCases[] = {
        {"-5", -5}, {" -0 ", 0}, {"-2147483648", -2147483648LL}, {"-2147483649", std::nullopt},
        {"+5", std::nullopt}, {"-0x10", std::nullopt}, {"- 5", std::nullopt}, {"5-", std::nullopt},
    };
    for (const Case& c : signedCases)
        EXPECT_EQ(readWhole(S(c.typed), WholeRules::anySign()), c.value) << '"' << c.typed << '"';

    EXPECT_EQ(readWhole(S("-1"), WholeRules::code().from(-1)), -1);
    EXPECT_EQ(readWhole(S("-2"), WholeRules::code().from(-1)), std::nullopt);
    EXPECT_EQ(readWhole(S("255"), WholeRules::upTo(255)), 255);
    EXPECT_EQ(readWhole(S("256"), WholeRules::upTo(255)), std::nullopt);
    const WholeRules everything{std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()};
    EXPECT_EQ(readWhole(S("9223372036854775807"), everything), std::numeric_limits<qint64>::max());
    EXPECT_EQ(readWhole(S("-9223372036854775808"), everything), std::numeric_limits<qint64>::min());
    EXPECT_EQ(readWhole(S("9223372036854775808"), everything), std::nullopt);
    EXPECT_EQ(readWhole(S("18446744073709551626"), everything), std::nullopt);   // wraps to 10 in 64 bits
    // readInt keeps any rules within an int
    EXPECT_EQ(readInt(S("3000000000"), WholeRules::upTo(5'000'000'000)), std::nullopt);
}

TEST(DateReader, ADateThatIsNoDateIsRefusedNeverToday)
{
    using K = TypedDate::Kind;
    struct Case { const char* typed; K kind; QDate date; };
    const int year = QDate::currentDate().year();
    const Case cases[] = {
        {"05/03/24", K::Date, {2024, 3, 5}}, {" 5/3/2024 ", K::Date, {2024, 3, 5}}, {"29/02/24", K::Date, {2024, 2, 29}},
        {"05/03", K::Date, {year, 3, 5}}, {"01/01/50", K::Date, {1950, 1, 1}}, {"31/12/49", K::Date, {2049, 12, 31}},
        {"05 / 03 / 26", K::Date, {2026, 3, 5}}, {"\t09/03/26\n", K::Date, {2026, 3, 9}},
        // a masked field with nothing typed
        {"", K::Blank, {}}, {"  /  /  ", K::Blank, {}}, {"__/__/__", K::Blank, {}}, {"  /  /    ", K::Blank, {}},
        // impossible days, months and years, and texts that are no date
        {"31/02/26", K::NoDate, {}}, {"29/02/25", K::NoDate, {}}, {"15/13/26", K::NoDate, {}},
        {"00/03/26", K::NoDate, {}}, {"29/02/23", K::NoDate, {}}, {"32/01/24", K::NoDate, {}},
        {"01/00/24", K::NoDate, {}}, {"05/03/0000", K::NoDate, {}}, {"05/03/__", K::NoDate, {}},
        {"05-03-24", K::NoDate, {}}, {"05/03/", K::NoDate, {}}, {"05/03/124", K::NoDate, {}},
        {"005/03/24", K::NoDate, {}}, {"05/03/24x", K::NoDate, {}}, {"abc", K::NoDate, {}},
        {"05/03/24 10:00", K::NoDate, {}}, {"٠٥/٠٣/٢٤", K::NoDate, {}}, {"1e3", K::NoDate, {}},
        {"'; delete from ESTFIC; --", K::NoDate, {}}, {"05/03/99999", K::NoDate, {}},
        // the payables and account-book fields' cases
        {"//", K::Blank, {}}, {"31/12/1999", K::Date, {1999, 12, 31}}, {"31/02/24", K::NoDate, {}},
        {"12/  /  ", K::NoDate, {}}, {"ab/cd/ef", K::NoDate, {}}, {"' or 1=1", K::NoDate, {}},
    };
    for (const Case& c : cases) {
        const TypedDate d = readDate(S(c.typed));
        EXPECT_EQ(int(d.kind), int(c.kind)) << '"' << c.typed << '"';
        EXPECT_EQ(d.date, c.date) << '"' << c.typed << '"';
        EXPECT_EQ(d.isDate(), c.kind == K::Date);
        EXPECT_EQ(d.isBlank(), c.kind == K::Blank);
        EXPECT_EQ(d.isNoDate(), c.kind == K::NoDate);
    }
    EXPECT_EQ(notADateText(S("31/02/26")), S("'31/02/26' não é uma data válida"));
}

TEST(TextReader, PastedTabsAndLineEndsGo)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12.345.678/0001-90\n", "12.345.678/0001-90"}, {"\t(11) 5555-1234\r\n", "(11) 5555-1234"},
        {"  MARIA  ", "MARIA"}, {"RUA A\tNUMERO 5", "RUA A NUMERO 5"}, {"LINHA 1\nLINHA 2", "LINHA 1 LINHA 2"},
        {"\t\n\r ", ""}, {"", ""}, {"SEM\x7F" "DEL", "SEM DEL"}, {"CAFÉ", "CAFÉ"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(readText(S(typed)), S(stored)) << '"' << typed << '"';
}

TEST(SpreadsheetCell, AFormulaIsWrittenAsTextANumberStaysANumber)
{
    const std::pair<const char*, const char*> cases[] = {
        // what would run
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"}, {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+1+1", "'+1+1"}, {"@SUM(A1)", "'@SUM(A1)"}, {"-2+3+cmd|' /C calc'!A0", "'-2+3+cmd|' /C calc'!A0"},
        {"\t=1+1", "'\t=1+1"}, {"\r=1+1", "\"'\r=1+1\""}, {"-", "'-"}, {"-A", "'-A"}, {"+55 11 5555", "'+55 11 5555"},
        {"=1;2", "\"'=1;2\""}, {" =1+1", "' =1+1"}, {"   @SUM(A1)", "'   @SUM(A1)"},
        // numbers stay numbers, a negative one too
        {"-12,50", "-12,50"}, {"-7", "-7"}, {"-1.234,56", "-1.234,56"}, {"12,5", "12,5"}, {"0", "0"},
        {"-12,5,0", "'-12,5,0"}, {"-1e5", "'-1e5"},
        // plain texts as they are; separators still quoted
        {"MARIA DA SILVA", "MARIA DA SILVA"}, {"", ""}, {" -7", " -7"}, {"A=B", "A=B"},
        {"BAR; RESTAURANTE", "\"BAR; RESTAURANTE\""}, {"O \"REI\"", "\"O \"\"REI\"\"\""},
    };
    for (const auto& [value, cell] : cases)
        EXPECT_EQ(spreadsheetCell(S(value)), S(cell)) << '"' << value << '"';
}

TEST(SearchPatterns, ASearchIsCutToWhatItsColumnCanMatch)
{
    // FORNECEDOR.NOME is VARCHAR(40): the pattern never passes 40 characters
    const QString forty(40, u'A');
    EXPECT_EQ(schema::containingPattern(forty, u"FORNECEDOR", u"NOME"), u'%' + forty.left(38) + u'%');
    EXPECT_EQ(schema::containingPattern(forty.left(39), u"FORNECEDOR", u"NOME").size(), 40);
    EXPECT_EQ(schema::containingPattern(S("SUL"), u"FORNECEDOR", u"NOME"), S("%SUL%"));
    EXPECT_EQ(schema::containingPattern(QString(200, u'B'), u"PRODUTOS", u"NOME").size(), 40);
    EXPECT_EQ(schema::textWidth(u"ACOMPANHA", u"PRODUTO"), 120);
    EXPECT_EQ(schema::textWidth(u"PRODUTOS", u"VALOR"), 0);
    EXPECT_EQ(schema::textWidth(u"NOTABLE", u"NOME"), 0);
}

TEST(DecimalRange, ANumericReadBackPastTheRangeIsAnErrorNeverAnotherNumber)
{
    // NUMERIC(18,2) comes back as cents: 10 vouchers of 999.999.999.999,99
    const qint64 tenVouchers = 10 * 99'999'999'999'999LL;
    EXPECT_THROW(Decimal::fromScaled(tenVouchers, 2), std::overflow_error);
    EXPECT_THROW(Decimal::fromScaled(-tenVouchers, 2), std::overflow_error);
    EXPECT_EQ(Decimal::fromScaled(99'999'999'999'999LL, 2), *Decimal::parseSql(S("999999999999.99")));
    EXPECT_EQ(Decimal::fromScaled(-12345, 3), *Decimal::parseSql(S("-12.345")));
    EXPECT_EQ(Decimal::fromScaled(7, 0), Decimal(7));
    EXPECT_EQ(Decimal::fromScaled(1'234'567'895, 9), *Decimal::parseSql(S("1.234568")));   // rounded to six places
    EXPECT_EQ(Decimal::fromScaled(std::numeric_limits<qint64>::max(), 18), *Decimal::parseSql(S("9.223372")));
    EXPECT_THROW(Decimal::fromScaled(1, 19), std::domain_error);
}
