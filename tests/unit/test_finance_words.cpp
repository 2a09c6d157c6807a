// The amount written out on a staff-voucher receipt, its wrapping into roll lines,
// and the money and date fields of the payables, the account book and the vouchers.
#include "finance/AmountInWords.h"
#include "reports/TypedValues.h"

#include <gtest/gtest.h>

namespace {
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }
QString S(const char* text) { return QString::fromUtf8(text); }
}

TEST(AmountInWords, ReaisAndCentavosAsAReceiptWritesThem)
{
    struct Case { const char* amount; const char* words; };
    const Case cases[] = {
        {"0,01", "um centavo"},
        {"1,00", "um real"},
        {"21,50", "vinte e um reais e cinquenta centavos"},
        {"100,00", "cem reais"},
        {"1001,10", "mil e um reais e dez centavos"},
        {"1000000,00", "um milhão de reais"},
        {"999999999,99", "novecentos e noventa e nove milhões novecentos e noventa e nove mil novecentos e noventa "
                         "e nove reais e noventa e nove centavos"},
        {"0,00", "zero reais"},
        {"2,00", "dois reais"},
        {"0,99", "noventa e nove centavos"},
        {"101,00", "cento e um reais"},
        {"115,00", "cento e quinze reais"},
        {"1100,00", "mil e cem reais"},
        {"1150,00", "mil cento e cinquenta reais"},
        {"2000,00", "dois mil reais"},
        {"2300,05", "dois mil e trezentos reais e cinco centavos"},
        {"14614,00", "quatorze mil seiscentos e quatorze reais"},
        {"1000001,00", "um milhão e um reais"},
        {"2000000,01", "dois milhões de reais e um centavo"},
        {"1200000,00", "um milhão e duzentos mil reais"},
        {"1234567,89", "um milhão duzentos e trinta e quatro mil quinhentos e sessenta e sete reais e oitenta e "
                       "nove centavos"},
        {"-3,00", "menos três reais"},
        {"0,005", "um centavo"},   // taken to the cent, half away from zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(words::amountInWords(D(c.amount)).toStdString(), std::string(c.words)) << c.amount;
}

TEST(AmountInWords, WrapsAtBlanksIntoLinesOfTheRollsWidth)
{
    const QString text = S("(") + words::amountInWords(D("999999999,99")) + S(")");
    const QStringList lines = words::wrapWords(text, 38);
    EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
    for (const QString& l : lines) {
        EXPECT_LE(l.size(), 38) << l.toStdString();
        EXPECT_FALSE(l.startsWith(QLatin1Char(' ')) || l.endsWith(QLatin1Char(' ')));
    }
    EXPECT_EQ(lines.first(), S("(novecentos e noventa e nove milhões"));
    EXPECT_EQ(words::wrapWords(S("(um real)"), 38), QStringList{S("(um real)")});
    EXPECT_EQ(words::wrapWords(QString(45, QLatin1Char('x')), 38),
              (QStringList{QString(38, QLatin1Char('x')), QString(7, QLatin1Char('x'))}));
    EXPECT_TRUE(words::wrapWords(QString(), 38).isEmpty());
}

TEST(TypedValues, AmountsAreReadWithTheCommaOrRefused)
{
    struct Case { const char* typed; const char* value; };   // value nullptr: refused
    const Case cases[] = {
        {"12,50", "12,50"}, {"12.50", "12,50"}, {" 7 ", "7"}, {"0", "0"}, {"200000,01", "200000,01"},
        {"999999999,99", "999999999,99"}, {"999999999999,99", nullptr}, {"1000000000", nullptr},
        {"", nullptr}, {"abc", nullptr}, {"12,5a", nullptr}, {"1.000,50", nullptr}, {"1e20", nullptr},
        {"1000000000000", nullptr}, {"-5", nullptr}, {"12,555", nullptr}, {"'; delete from CAIXA; --", nullptr},
        {"1,2,3", nullptr}, {"😀", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<Decimal> a = typed::amount(S(c.typed));
        if (c.value) {
            ASSERT_TRUE(a.has_value()) << c.typed;
            EXPECT_EQ(*a, D(c.value)) << c.typed;
        } else {
            EXPECT_FALSE(a.has_value()) << c.typed;
        }
    }
    EXPECT_EQ(typed::amountText(D("200000,01")), S("200000,01"));
    EXPECT_EQ(typed::amountText(D("0")), S("0,00"));
}

TEST(TypedValues, DatesAreShownDdMmYy)
{
    // (they are read by the one date reader: tests/unit/test_readers.cpp)
    EXPECT_EQ(typed::dateText(QDate(2024, 3, 5)), S("05/03/24"));
    EXPECT_EQ(typed::dateText(QDate()), QString());
}
