// The product register's rules and the rules the registers share.
#include "registers/KitStore.h"
#include "registers/ProductRules.h"
#include "registers/RegisterRules.h"

#include <gtest/gtest.h>

using product::CodeEntry;

TEST(ProductCode, TypedCodesAndWhatTheyBecome)
{
    struct Case { const char* typed; CodeEntry::Kind kind; const char* code; };
    const Case cases[] = {
        {"42", CodeEntry::Code, "000042"},
        {"  7 ", CodeEntry::Code, "000007"},
        {"0", CodeEntry::Refused, "000000"},
        {"000", CodeEntry::Refused, "000000"},
        {"PRATO1", CodeEntry::Reserved, ""},
        {"PRATO", CodeEntry::Reserved, ""},
        {"PRA", CodeEntry::Code, "PRA"},
        {"", CodeEntry::Empty, ""},
        {"   ", CodeEntry::Empty, ""},
        {"AÇAÍ", CodeEntry::Code, "ACAI"},
        {"X'1", CodeEntry::Code, "X.1"},
    };
    for (const Case& c : cases) {
        const CodeEntry e = product::readCode(QString::fromUtf8(c.typed));
        EXPECT_EQ(e.kind, c.kind) << c.typed;
        EXPECT_EQ(e.code, QString::fromUtf8(c.code)) << c.typed;
    }
}

TEST(ProductCode, NewProposesTheHighestPlusOne)
{
    EXPECT_EQ(product::nextCode(QStringLiteral("000041")), QStringLiteral("000042"));
    EXPECT_EQ(product::nextCode(QStringLiteral("999999")), QStringLiteral("1000000"));
    EXPECT_EQ(product::nextCode(QStringLiteral("ABC")), QString());
    EXPECT_EQ(product::nextCode(QString()), QString());
}

TEST(ProductSave, OnlyFilledPartsAndAlwaysTheKeepApartFlag)
{
    product::Fields f;
    f.code = QStringLiteral("000042");
    f.price = QStringLiteral("12,50");
    f.cost = QStringLiteral("abc");           // not a number: left out
    f.unit = QStringLiteral("unid");
    f.keepApart = true;
    const product::Update u = product::composeUpdate(f);
    EXPECT_TRUE(u.refusal.isEmpty());
    // An empty name is left out instead of breaking the statement.
    EXPECT_EQ(u.sql, QStringLiteral("update produtos set Unidade = ?,JUNTAR = ?,valor = ?  where codigo = ?"));
    ASSERT_EQ(u.params.size(), 4);
    EXPECT_EQ(u.params[0].toString(), QStringLiteral("UN"));
    EXPECT_EQ(u.params[1].toString(), QStringLiteral("S"));
    EXPECT_EQ(u.params[3].toString(), QStringLiteral("000042"));
}

TEST(ProductSave, NameIsCutAndPlain)
{
    product::Fields f;
    f.name = QStringLiteral("pão de queijo ") + QString(60, QLatin1Char('x'));
    const product::Update u = product::composeUpdate(f);
    ASSERT_TRUE(u.sql.startsWith(QStringLiteral("update produtos set nome = ?,")));
    EXPECT_EQ(u.params[0].toString(), (QStringLiteral("PAO DE QUEIJO ") + QString(60, QLatin1Char('X'))).left(40));
}

TEST(ProductSave, RefusesNumbersNoColumnCanMean)
{
    struct Case { const char* field; const char* typed; bool refused; };
    const Case cases[] = {
        {"price", "-1", true}, {"price", "99999999999999", true}, {"price", "1,5", false}, {"price", "x", false},
        {"price", "1e20", false} /* no exponents: not a number, left out like "x" */, {"price", "1.500,5", false},
        {"cost", "-0,01", true}, {"minimum", "-3", true}, {"kitchen", "6", true}, {"kitchen", "-1", true},
        {"kitchen", "2,5", true}, {"kitchen", "5", false}, {"kitchen", "0", false}, {"size5", "99999999999999", true},
    };
    for (const Case& c : cases) {
        product::Fields f;
        const QString t = QString::fromLatin1(c.typed);
        const std::string field = c.field;
        if (field == "price") f.price = t;
        if (field == "cost") f.cost = t;
        if (field == "minimum") f.minimum = t;
        if (field == "kitchen") f.kitchen = t;
        if (field == "size5") f.sizePrices[4] = t;
        EXPECT_EQ(!product::composeUpdate(f).refusal.isEmpty(), c.refused) << c.field << " " << c.typed;
    }
}

TEST(ButtonPicture, ScaledToFortySevenHighByAWholeFactor)
{
    struct Case { QSize in, out; };
    const Case cases[] = {
        {{470, 470}, {47, 47}},
        {{800, 600}, {62, 47}},    // factor 13
        {{100, 47}, {100, 47}},
        {{30, 20}, {30, 47}},      // smaller than the scaling expects: factor 1, no division by zero
        {{1, 1}, {1, 47}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(registers::buttonPictureSize(c.in), c.out) << c.in.width() << "x" << c.in.height();
}

TEST(PictureFile, CodesThatCannotNameAFile)
{
    EXPECT_EQ(product::pictureFileName(QStringLiteral("CP"), QStringLiteral("000007")),
              QStringLiteral("c:\\Miltrex\\vavoz\\imagens\\CP000007.jpg"));
    for (const char* bad : {"", "../X", "A\\B", "C:X", ".."})
        EXPECT_EQ(product::pictureFileName(QString(), QString::fromLatin1(bad)), QString()) << bad;
}

TEST(KitCost, QuantityTimesCostMissingProductsCountZero)
{
    const QStringList cols{QStringLiteral("QUANT"), QStringLiteral("CUSTOPROD")};
    registers::Rows rows(cols, {{QStringLiteral("2.000"), QStringLiteral("1.500")},
                          {QStringLiteral("1.000"), QStringLiteral("4.000")},
                          {QStringLiteral("3.000"), QVariant()}});
    EXPECT_EQ(kit::cost(rows), Decimal(7));
}

TEST(Numbers, ReadWithTheDecimalComma)
{
    EXPECT_EQ(registers::readNumber(QStringLiteral("12,5")).value, Decimal::fromThousandths(12500));
    EXPECT_EQ(registers::readNumber(QStringLiteral("")).kind, registers::Number::Empty);
    EXPECT_EQ(registers::readNumber(QStringLiteral("12.5")).kind, registers::Number::NotNumber);
    EXPECT_EQ(registers::readNumber(QStringLiteral("1e20")).kind, registers::Number::NotNumber) << "no exponents";
    EXPECT_EQ(registers::readNumber(QStringLiteral("1.000.000.000.000")).kind, registers::Number::NotNumber);
    EXPECT_EQ(registers::readNumber(QStringLiteral("1.000.000.000.000,00")).kind, registers::Number::TooLarge);
    EXPECT_EQ(registers::readNumber(QStringLiteral("1.234,5")).value, Decimal::fromThousandths(1234500));
    EXPECT_EQ(registers::readNumber(QStringLiteral("'; DELETE FROM PRODUTOS; --")).kind, registers::Number::NotNumber);
    EXPECT_EQ(registers::readNumber(QStringLiteral("999.999.999,99")).kind, registers::Number::Ok);
    EXPECT_EQ(registers::readNumber(QStringLiteral("1.000.000.000,00")).kind, registers::Number::TooLarge);
    // a code has no sign: "-5" is no whole number and stays as typed
    EXPECT_EQ(registers::sixDigitCode(QStringLiteral("-5")), QStringLiteral("-5"));
    EXPECT_EQ(registers::sixDigitCode(QStringLiteral("0x10")), QStringLiteral("0x10"));
}
