// The rules of the customer, users, staff, payment-method and data-reset windows that need no database:
// amounts and dates, the data reset's fields.
#include "db/Schema.h"
#include "registers/DataReset.h"
#include "registers/PaymentMethodStore.h"
#include "registers/RegisterCommon.h"
#include "registers/UserRegister.h"

#include <gtest/gtest.h>

TEST(RightsMask, BoxesAndMaskAgree)
{
    struct Case { std::vector<int> bits; int mask; };
    const Case cases[] = {
        {{}, 0},
        {{1, 64, 32768}, 32833},
        {{1024, 2048}, 3072},
        {{1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384, 32768}, 65535},
    };
    for (const Case& c : cases) {
        rights::Boxes boxes{};
        for (int bit : c.bits)
            for (int i = 0; i < rights::kBits; ++i)
                if (bit == 1 << i)
                    boxes[size_t(i)] = true;
        EXPECT_EQ(rights::maskOf(boxes), c.mask);
        EXPECT_EQ(rights::boxesOf(c.mask), boxes);
    }
    EXPECT_EQ(rights::captions().size(), rights::kBits);
    EXPECT_EQ(rights::captions().at(15), QStringLiteral(" Somente Acesso ao Delivery"));
}

TEST(PaymentCodes, ShownWithTwoDigitsAndWrittenOnlyFrom1To99)
{
    struct Case { const char* typed; const char* shown; int written; bool refused; };
    const Case cases[] = {
        {"1", "01", 1, false},
        {"3", "03", 3, false},
        {" 7 ", "07", 7, false},
        {"99", "99", 99, false},
        {"123", "123", 0, true},
        {"0", "00", 0, false},
        {"-4", "-4", 0, false},   // no whole number: a code has no sign
        {"X", "X", 0, false},
        {"1e20", "1e20", 0, false},
        {"", "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(PaymentMethodStore::shownCode(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown));
        if (c.refused) {
            EXPECT_THROW(PaymentMethodStore::confirmedCode(QString::fromUtf8(c.typed)), EntryError);
        } else {
            EXPECT_EQ(PaymentMethodStore::confirmedCode(QString::fromUtf8(c.typed)), c.written);
        }
    }
}

TEST(RegisterEntries, AmountsAndDatesAsTypedOrRefused)
{
    EXPECT_EQ(registers::amountOf(QStringLiteral("1500,5"), QStringLiteral("X")), Decimal::fromCents(150050));
    EXPECT_EQ(registers::amountOf(QStringLiteral(""), QStringLiteral("X")), Decimal(0));
    EXPECT_EQ(registers::amountOf(QStringLiteral("-3"), QStringLiteral("X")), Decimal(-3));
    EXPECT_EQ(registers::amountOf(QStringLiteral("1.000,00"), QStringLiteral("X")), Decimal(1000));
    for (const char* bad : {"abc", "1e20", "1000000000000", "1.000", "1.0000,00"})
        EXPECT_THROW(registers::amountOf(QString::fromUtf8(bad), QStringLiteral("X")), EntryError) << bad;

    EXPECT_EQ(registers::dateOf(QStringLiteral("05/03/1980"), QStringLiteral("X")), QDate(1980, 3, 5));
    EXPECT_FALSE(registers::dateOf(QStringLiteral("  "), QStringLiteral("X")).isValid());
    for (const char* bad : {"31/02/2024", "ontem", "1980-03-05"})
        EXPECT_THROW(registers::dateOf(QString::fromUtf8(bad), QStringLiteral("X")), EntryError) << bad;

    EXPECT_EQ(registers::paddedCode(42, 6), QStringLiteral("000042"));
    EXPECT_EQ(registers::paddedCode(1234567, 6), QStringLiteral("1234567"));
    EXPECT_EQ(schema::textWidth(u"CLIENTES", u"NOME"), 40);
    EXPECT_EQ(schema::textWidth(u"CLIENTES", u"CODIGO"), 0);
}

TEST(DataResetFields, AnythingButSOrNReadsN)
{
    struct Case { const char* typed; const char* left; };
    const Case cases[] = {{"S", "S"}, {"N", "N"}, {" S ", " S "}, {"s", "N"}, {"X", "N"}, {"", "N"}, {"SIM", "N"}};
    for (const Case& c : cases)
        EXPECT_EQ(dataReset::fieldLeft(QString::fromUtf8(c.typed)), QString::fromUtf8(c.left)) << c.typed;
    EXPECT_EQ(dataReset::groups()[4].statements.size(), 11);
    EXPECT_EQ(dataReset::groups()[0].statements.first(), QStringLiteral("delete from produtos "));
}
