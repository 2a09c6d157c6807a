// The delivery desk's rules that need no database: the telephone typed, the
// amounts typed, the codes of the item entry, the hand-over list of an order, the
// labels of the shown order, and the fee and delivery man read back from the
// delivery data's list texts.
#include "SeedValues.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/TabDelivery.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TEST(DeliveryRules, ATelephoneIsDigitsWithinTheCustomerCode)
{
    const struct { const char* typed; qint64 phone; } cases[] = {
        {"991234567", 991234567}, {" 33334444 ", 33334444}, {"0123", 123}, {"2147483647", 2147483647},
        {"", 0}, {"0", 0}, {"00", 0}, {"2147483648", 0}, {"9999999999", 0}, {"12345678901", 0},
        {"12a4", 0}, {"12 34", 0}, {"-5", 0}, {"+5", 0}, {"1e5", 0}, {"12,5", 0}, {"'; drop table delivere; --", 0},
        {"😀", 0}, {"١٢٣", 0},
    };
    for (const auto& c : cases) {
        const std::optional<qint64> p = DeliveryOrders::readPhone(S(c.typed));
        EXPECT_EQ(p.value_or(0), c.phone) << c.typed;
    }
}

TEST(DeliveryRules, AmountsAreReadWithTheCommaAndFitTheColumns)
{
    const struct { const char* typed; const char* value; } cases[] = {
        {"12,50", "12,5"}, {"0", "0"}, {" 7 ", "7"}, {"-3,25", "-3,25"}, {"1,2345", "1,235"},
        {"999999999999", "999999999999"}, {"1000000000000", nullptr}, {"1e20", nullptr}, {"1e400", nullptr},
        {"abc", nullptr}, {"", nullptr}, {"12.50", nullptr}, {"1,2,3", nullptr}, {"'; delete from entrega; --", nullptr},
        {"😀", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<Decimal> a = delivery::readAmount(S(c.typed));
        if (c.value) {
            EXPECT_EQ(a, std::optional<Decimal>(D(c.value))) << c.typed;
        } else {
            EXPECT_FALSE(a) << c.typed;
        }
    }
    EXPECT_EQ(delivery::amountText(D("12,5")), S("12,50"));
    EXPECT_EQ(delivery::amountText(D("18,525")), S("18,53"));
}

TEST(DeliveryRules, CodesOfTheItemEntry)
{
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S("12")), S("000012"));
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S(" 0 ")), S("000000"));
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S("1234567")), S("1234567"));
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S(" *3 ")), S("*3"));
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S("/12/15/")), S("/12/15/"));
    EXPECT_EQ(DeliveryItemEntry::normaliseCode(S("ABC")), S("ABC"));
}

TEST(DeliveryRules, TheHandOverListEndsWithTheFeeOfTheArea)
{
    DeskOrder o;
    o.id = 9;
    std::vector<DeskItem> items = {{1, S("000012"), S("PIZZA"), S(""), S("1"), D("2"), D("30")},
                                   {2, S("/12/15/"), S("CALABRESA/MUSSARELA"), S(""), S("2"), D("1,5"), D("35")}};
    // no area: the items alone
    std::vector<HandOverLine> l = DeliveryOrders::handOver(o, items);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].linha, 2);
    EXPECT_EQ(l[1].codigo, S("/12/15/"));
    EXPECT_EQ(l[1].quantidade, D("1,5"));
    EXPECT_EQ(l[1].vendedor, 1);
    // an area without a delivery man: the fee line with the code 0
    o.bairro = S("CENTRO");
    o.taxa = D("5");
    l = DeliveryOrders::handOver(o, items);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[2].linha, 3);
    EXPECT_EQ(l[2].nome, S("Taxa de Entrega"));
    EXPECT_EQ(l[2].codigo, S("0"));
    EXPECT_EQ(l[2].quantidade, D("1"));
    EXPECT_EQ(l[2].valor, D("5"));
    // with a delivery man: his id
    o.motoboy = 4;
    EXPECT_EQ(DeliveryOrders::handOver(o, {}).at(0).codigo, S("4"));
}

TEST(DeliveryRules, LabelsOfTheShownOrder)
{
    DeskOrder o;
    EXPECT_EQ(o.deliveryManLabel(), S("Selecione um Entregador"));
    EXPECT_EQ(o.areaLabel(), S("Selecione Local Entrega"));
    o.deliveryMan = S("JOAO");
    o.bairro = S("CENTRO");
    o.taxa = D("12,5");
    EXPECT_EQ(o.deliveryManLabel(), S("JOAO"));
    EXPECT_EQ(o.areaLabel(), S("CENTRO R$ 12,50"));
    EXPECT_EQ((DeskItem{1, S("1"), S("X"), S(""), S("1"), D("1,5"), D("12,35")}).total(), D("18,53"));
}

TEST(DeliveryRules, FeeAndDeliveryManFromTheListTexts)
{
    const struct { const char* text; const char* fee; } fees[] = {
        {"Retira Balcao   ", "0"}, {"CENTRO  R$ 5,00", "5"}, {"JARDIM R$12,5", "12,5"}, {"R$ 7", "7"},
        {"X  R$ abc", nullptr}, {"X  R$ -5,00", nullptr}, {"X  R$ 1e20", nullptr}, {"X  R$ ", nullptr},
        {"A  R$ 3,00 R$ 4,00", nullptr},
    };
    for (const auto& f : fees) {
        const std::optional<Decimal> fee = TabDelivery::feeOf(S(f.text));
        if (f.fee) {
            EXPECT_EQ(fee, std::optional<Decimal>(D(f.fee))) << f.text;
        } else {
            EXPECT_FALSE(fee) << f.text;
        }
    }
    const struct { const char* text; qint64 code; bool ok; } men[] = {
        {"00003 - JOAO", 3, true}, {"", 0, true}, {"     ", 0, true}, {"123456 - PEDRO", 123456, true},
        {"7", 7, true}, {"ABCDE - X", 0, false}, {"-0003 - X", 0, false}, {"12 34 - X", 0, false},
    };
    for (const auto& m : men) {
        const std::optional<qint64> code = TabDelivery::manCodeOf(S(m.text));
        EXPECT_EQ(code.has_value(), m.ok) << m.text;
        if (m.ok) {
            EXPECT_EQ(*code, m.code) << m.text;
        }
    }
}
