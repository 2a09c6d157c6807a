// The delivery desk's rules that need no database: the telephone typed, the
// amounts typed, the codes of the item entry, the hand-over list of an order, the
// labels of the shown order, the fee and delivery man read back from the delivery
// data's list texts, and the payment panel of the note and the invoicing.
#include "SeedValues.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryPaymentPanel.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/SingleOrderPrintouts.h"
#include "delivery/TabDelivery.h"
#include "registers/ScaleLabel.h"

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
        {"999999999", "999999999"}, {"1000000000", nullptr}, {"999999999999", nullptr}, {"1000000000000", nullptr}, {"1e20", nullptr}, {"1e400", nullptr},
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

// ---- the payment panel of the note and the invoicing ----------------------------------

namespace {

std::vector<PanelMethod> methods()
{
    return {{1, S("S"), S("DINHEIRO")}, {2, S("S"), S("CARTAO")}, {5, S("N"), S("FIADO")}};
}

// A panel opened on an order of 50,00 of items and the area's fee of 5,00.
DeliveryPaymentPanel opened(const char* fee = "5")
{
    std::vector<HandOverLine> lines(2);
    lines[0].linha = 1;
    lines[0].codigo = S("000012");
    lines[0].nome = S("PIZZA");
    lines[0].quantidade = D("1");
    lines[0].valor = D("50");
    lines[1].linha = 2;
    lines[1].codigo = S("7");
    lines[1].nome = S("Taxa de Entrega");
    lines[1].quantidade = D("1");
    lines[1].valor = D(fee);
    DeliveryPaymentPanel p;
    p.open(methods(), panelText(D("50") + D(fee)), lines);
    EXPECT_EQ(lines.size(), 1u) << "the fee line leaves the hand-over list";
    return p;
}

} // namespace

TEST(DeliveryPanel, OpeningTakesTheFeeOutAndTheFirstMethodHoldsTheWhole)
{
    const DeliveryPaymentPanel p = opened();
    EXPECT_EQ(p.saleValue, S("50,00"));
    EXPECT_EQ(p.fee, S("5,00"));
    EXPECT_EQ(p.subtotal, S("55,00"));
    EXPECT_EQ(p.amounts[0], S("55,00"));
    EXPECT_EQ(p.amounts[1], S("0,00"));
    EXPECT_EQ(p.deliveryFee, D("5"));
    EXPECT_EQ(p.deliveryManCode, S("7"));
    EXPECT_EQ(p.balanceCaption, S("   TROCO"));
    EXPECT_EQ(p.balance, S("0,00"));
    EXPECT_EQ(p.methods[0].caption(), S("   01S - DINHEIRO"));
    EXPECT_FALSE(p.methods[0].grey());
    EXPECT_TRUE(p.methods[2].grey());
    EXPECT_FALSE(p.methods[2].settled());

    // Twelve methods: the first ten by code get a row.
    std::vector<PanelMethod> twelve;
    for (int c = 1; c <= 12; ++c)
        twelve.push_back({c, S("S"), QStringLiteral("M%1").arg(c)});
    std::vector<HandOverLine> none;
    DeliveryPaymentPanel q;
    q.open(twelve, S("10,00"), none);
    EXPECT_EQ(q.methods.size(), 10u);
    EXPECT_EQ(q.deliveryManCode, S("0"));
    EXPECT_EQ(q.fee, S("0,00"));
    EXPECT_EQ(q.subtotal, S("10,00"));
}

TEST(DeliveryPanel, TotalsDiscountsAndTheTwoChecksInCents)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> amounts;   // field, text
        const char* discount;
        const char* percent;                                 // leaving the percentage first
        const char* caption;
        const char* balance;
        const char* first;
        std::optional<QString> refused;
    };
    const Case cases[] = {
        {"the whole in cash", {}, "", nullptr, "   TROCO", "0,00", "55,00", std::nullopt},
        {"10 % of the sale value, not of the fee", {}, "", "10", "   TROCO", "0,00", "50,00", std::nullopt},
        {"5,00 off the first method", {}, "5", nullptr, "   TROCO", "0,00", "50,00", std::nullopt},
        {"30,00 of 55,00", {{0, "30"}}, "", nullptr, "   FALTA", "25,00", "30,00", S("Faltando informar valores")},
        {"cash 100,00", {{0, "100"}}, "", nullptr, "   TROCO", "45,00", "100,00", std::nullopt},
        {"cash 20 and card 80", {{0, "20"}, {1, "80"}}, "", nullptr, "   TROCO", "45,00", "20,00",
         S("Valor informado para Dinheiro inferior ao troco")},
        {"a point typed for the comma", {{0, "55.5"}}, "", nullptr, "   TROCO", "0,50", "55,50", std::nullopt},
        {"a cent short", {{0, "54,99"}}, "", nullptr, "   FALTA", "0,01", "54,99", S("Faltando informar valores")},
        {"thousands grouped", {{0, "1.000,00"}}, "", nullptr, "   TROCO", "945,00", "1000,00", std::nullopt},
        {"an emptied field is 0", {{0, ""}, {1, "55"}}, "", nullptr, "   TROCO", "0,00", "0,00", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeliveryPaymentPanel p = opened();
        for (const auto& [field, text] : c.amounts)
            p.amounts[size_t(field)] = S(text);
        if (c.percent) {
            p.percent = S(c.percent);
            ASSERT_TRUE(p.percentToMoney());
            EXPECT_EQ(p.discount, S("5,00"));
        } else {
            p.discount = S(c.discount);
        }
        EXPECT_EQ(p.check(), c.refused);
        EXPECT_EQ(p.balanceCaption, S(c.caption));
        EXPECT_EQ(p.balance, S(c.balance));
        EXPECT_EQ(p.amounts[0], S(c.first));
    }
}

TEST(DeliveryPanel, AFieldThatHoldsNoNumberIsRefusedAndKeptAsTyped)
{
    const char* hostile[] = {"abc", "1e20", "-5", "'; delete from fatura; --", "12,5,3", "😀", "99999999999999",
                             "1 2", "0x10"};
    for (const char* text : hostile) {
        SCOPED_TRACE(text);
        for (int field = 0; field < 4; ++field) {   // an amount, the fee, the discount, the percentage
            DeliveryPaymentPanel p = opened();
            QString* target = field == 0 ? &p.amounts[1] : field == 1 ? &p.fee : field == 2 ? &p.discount : &p.percent;
            *target = S(text);
            if (field == 3) {
                EXPECT_FALSE(p.percentToMoney());
                EXPECT_EQ(p.invalidField(), DeliveryPaymentPanel::Field::Percent);
            } else {
                EXPECT_EQ(p.check(), std::optional<QString>(S("  Valor Invalido  ")));
                EXPECT_NE(p.invalidField(), DeliveryPaymentPanel::Field::None);
            }
            EXPECT_EQ(*target, S(text)) << "not taken as 0";
            EXPECT_EQ(p.amounts[0], S("55,00"));
        }
    }
    // A discount beyond the sub-total, or a percentage above 100, is no discount either.
    DeliveryPaymentPanel p = opened();
    p.discount = S("55,01");
    EXPECT_TRUE(p.check().has_value());
    EXPECT_EQ(p.invalidField(), DeliveryPaymentPanel::Field::Discount);
    p.percent = S("100,01");
    EXPECT_FALSE(p.percentToMoney());
    p.discount = S("");
    p.percent = S("100");
    ASSERT_TRUE(p.percentToMoney());
    EXPECT_EQ(p.discount, S("50,00"));
    EXPECT_EQ(p.check(), std::nullopt);
    EXPECT_EQ(p.amounts[0], S("5,00"));
}

TEST(DeliveryPanel, TheExpectedPaymentIsTheLastMethodWithAnAmount)
{
    DeliveryPaymentPanel p = opened();
    EXPECT_EQ(p.paymentName(), S("DINHEIRO"));
    p.amounts[0] = S("5");
    p.amounts[2] = S("50");
    ASSERT_EQ(p.check(), std::nullopt);
    EXPECT_EQ(p.paymentName(), S("FIADO"));
    p.amounts[0] = S("0");
    p.amounts[2] = S("0");
    p.check();
    EXPECT_EQ(p.paymentName(), QString());
}

TEST(DeliveryPanel, SaleNumbersAndLabelsKeepTheirFormat)
{
    EXPECT_EQ(DeliveryInvoicing::saleNumberText(5, 345), S("050345"));
    EXPECT_EQ(DeliveryInvoicing::saleLabel(5, 345), S("Cx:05 Num:00345"));
    EXPECT_EQ(DeliveryInvoicing::saleNumberText(123, 100001), S("123100001"));
    EXPECT_EQ(DeliveryInvoicing::saleNumberText(5, 1), S("050001"));
    // The receipt's company lines centred on 40 columns; a name of 40 gets no blanks.
    InvoiceReceiptData d;
    d.company.empresa = QString(40, 'X');
    d.company.cnpj = S("12.345.678/0001-90");
    const Printout r = composeInvoiceReceipt(d);
    EXPECT_EQ(r.lines.value(0), QString(40, 'X'));
    EXPECT_EQ(r.lines.value(3), S("        CNPJ 12.345.678/0001-90"));   // 20 - 12 (11,5 halves up)
}

TEST(SingleOrderRules, PriceLabelsObservationsAndTheShortfallToTheCent)
{
    // "2", the product in 2-5, the amount in hundredths in 8-12.
    const std::optional<PriceLabel> label = parsePriceLabel(QStringLiteral("2001200015000"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->code, QStringLiteral("000012"));
    EXPECT_EQ(label->amount, Decimal::fromCents(1500));
    EXPECT_EQ(priceLabelQuantity(label->amount, Decimal(30)), Decimal::fromThousandths(500));
    EXPECT_EQ(priceLabelQuantity(Decimal::fromCents(1000), Decimal(3)), Decimal::fromThousandths(3333));
    EXPECT_FALSE(priceLabelQuantity(label->amount, Decimal())) << "no price to weigh by";
    for (const char* bad : {"200120001500", "3001200015000", "20012000150X0", "2001200-15000"})
        EXPECT_FALSE(parsePriceLabel(QString::fromUtf8(bad))) << bad;

    // Lines of at most 38, broken between words; a word longer than a line is cut.
    EXPECT_EQ(wrapWords(QStringLiteral("  TOCAR A CAMPAINHA DUAS VEZES E AGUARDAR NO PORTAO  "), 38),
              (QStringList{QStringLiteral("TOCAR A CAMPAINHA DUAS VEZES E"), QStringLiteral("AGUARDAR NO PORTAO")}));
    EXPECT_EQ(wrapWords(QString(45, QLatin1Char('A')) + QStringLiteral(" B"), 38),
              (QStringList{QString(38, QLatin1Char('A')), QStringLiteral("AAAAAAA B")}));
    EXPECT_TRUE(wrapWords(QStringLiteral("   "), 38).isEmpty());

    // Received short of the total: compared to the cent; nothing received is no shortfall.
    EXPECT_TRUE(receivedShort(Decimal::fromCents(4199), Decimal(42)));
    EXPECT_FALSE(receivedShort(Decimal(42), Decimal(42)));
    EXPECT_FALSE(receivedShort(Decimal(), Decimal(42)));
    EXPECT_FALSE(receivedShort(Decimal(50), Decimal(42)));
}
