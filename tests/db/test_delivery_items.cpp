// The delivery item entry on a real database: products with their accompaniments
// and complements ticked, size prices, flavour lists priced by the average or the
// highest flavour (none priced: 0,00), kits as one item, what "Confirmar" writes.
#include "SalesSeeds.h"
#include "SeedValues.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryText.h"
#include "registers/MultiFlavour.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const QString& sql, const Params& p = {}) { return integerOf(l.scalar(sql, p)); }

} // namespace

TEST(DeliveryItems, AProductOffersItsAccompanimentsThenItsGroupsComplementsTicked)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::product(l, seeds::Product(S("000012"), S("PIZZA CALABRESA"), D("30"), S(" "), 3));
    seeds::accompaniment(l, S("000012"), S("OREGANO"));
    seeds::complement(l, 3, S("BORDA RECHEADA"), D("2,5"));
    seeds::complement(l, 4, S("GELO"), D("0"));
    DeliveryItemEntry entry(l, 0);
    const DeliveryItemEntry::Loaded r = entry.load(S(" 12 "));
    ASSERT_TRUE(r.item);
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_FALSE(r.showSizes);
    EXPECT_EQ(r.item->code, S("000012"));
    EXPECT_EQ(r.item->name, S("PIZZA CALABRESA"));
    EXPECT_EQ(r.item->price, D("30"));
    EXPECT_EQ(r.item->kitchen, S("1"));   // a blank printer class prints on 1
    ASSERT_EQ(r.item->extras.size(), 2u);
    EXPECT_EQ(r.item->extras[0].produto, S("OREGANO"));
    EXPECT_EQ(r.item->extras[0].valor, D("0"));
    EXPECT_EQ(r.item->extras[1].produto, S("BORDA RECHEADA 2,50"));
    EXPECT_EQ(r.item->extras[1].valor, D("2,5"));
    EXPECT_TRUE(r.item->extras[0].ticked && r.item->extras[1].ticked);

    // codes that are no product's
    for (const char* code : {"99", "*12", "ABC", "'; delete from produtos; --", "123456789012345678", "😀", "-5"}) {
        const DeliveryItemEntry::Loaded none = entry.load(S(code));
        EXPECT_FALSE(none.item) << code;
        EXPECT_EQ(none.messages, QStringList{deliverytext::items::productNotFound}) << code;
    }
    EXPECT_EQ(count(l, S("select count(*) from PRODUTOS")), 1);
}

TEST(DeliveryItems, SizesPickThePriceColumn)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::sizes(l, {S("FAMILIA"), S("MEDIA"), S("GRANDE"), S("PEQUENA"), S("BROTO")});
    seeds::sizedProduct(l, S("000030"), S("PIZZA MUSSARELA"), D("0"), D("32"), D("40"), D("25"), D("18"));
    DeliveryItemEntry entry(l, 0);
    EXPECT_EQ(entry.sizeEntries(), (QStringList{S("1 FAMILIA"), S("2 MEDIA"), S("3 GRANDE"), S("4 PEQUENA"), S("5 BROTO")}));
    DeliveryItemEntry::Loaded r = entry.load(S("30"));
    ASSERT_TRUE(r.item);
    EXPECT_TRUE(r.showSizes);
    const struct { const char* entry; const char* price; } cases[] = {
        {"3 GRANDE", "40"}, {"4 PEQUENA", "25"}, {"1 FAMILIA", "0"}, {"2 MEDIA", "32"}, {"5 BROTO", "18"}, {"9 X", "32"},
    };
    for (const auto& c : cases) {
        entry.chooseSize(*r.item, S(c.entry));
        EXPECT_EQ(r.item->price, D(c.price)) << c.entry;
    }
}

TEST(DeliveryItems, AFlavourListCostsTheAverageOrTheHighestAndNothingWhenNoneIsPriced)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::product(l, seeds::Product(S("000012"), S("CALABRESA"), D("30"), S("2")));
    seeds::product(l, seeds::Product(S("000015"), S("MUSSARELA"), D("40"), S("3")));
    seeds::product(l, seeds::Product(S("000016"), S("ALHO"), D("0")));
    seeds::product(l, seeds::Product(S("000017"), S("CEBOLA"), D("0")));
    seeds::kit(l, S("5"), S("COMBO FAMILIA"), D("50"), S("4"));
    const struct { const char* list; int options; const char* price; const char* name; QStringList messages; } cases[] = {
        {"/12/15/", 0, "35", "CALABRESA/MUSSARELA", {}},
        {"/12/15/", 64, "40", "CALABRESA/MUSSARELA", {}},
        {"/12/16/", 0, "30", "CALABRESA/ALHO", {}},
        {"/12/16/", 64, "30", "CALABRESA/ALHO", {}},
        {"/16/17/", 0, "0", "ALHO/CEBOLA", {}},
        {"/16/17/", 64, "0", "ALHO/CEBOLA", {}},
        {"/12/99/", 0, "30", "CALABRESA", {S("|    Codigo não Localizado / Codigo =000099    |")}},
        {"/12/15/16/*5/", 0, "40", "CALABRESA/MUSSARELA/ALHO/COMBO FAMILIA", {}},   // a kit at any position
        {"/12/*8/", 0, "30", "CALABRESA", {S("|    Kit não Localizado / Codigo =*8    |")}},
    };
    for (const auto& c : cases) {
        DeliveryItemEntry entry(l, c.options);
        const DeliveryItemEntry::Loaded r = entry.flavours(S(c.list), QString());
        ASSERT_TRUE(r.item) << c.list;
        EXPECT_EQ(r.item->price, D(c.price)) << c.list << " " << c.options;
        EXPECT_EQ(r.item->name, S(c.name)) << c.list;
        EXPECT_EQ(r.messages, c.messages) << c.list;
        EXPECT_TRUE(r.item->flavourList);
        EXPECT_TRUE(r.item->extras.empty());
    }
    // the kitchen printer of the last flavour found
    EXPECT_EQ(DeliveryItemEntry(l, 0).flavours(S("/12/15/"), QString()).item->kitchen, S("3"));
}

TEST(DeliveryItems, AFlavourListWithSizesIsPricedAgainAtTheChosenSize)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::sizes(l, {S("FAMILIA"), S("MEDIA"), S("GRANDE")});
    seeds::sizedProduct(l, S("000030"), S("MUSSARELA"), D("0"), D("32"), D("40"), D("0"), D("0"));
    seeds::sizedProduct(l, S("000031"), S("PORTUGUESA"), D("0"), D("36"), D("50"), D("0"), D("0"));
    DeliveryItemEntry entry(l, 0);
    DeliveryItemEntry::Loaded r = entry.flavours(S("/30/31/"), S("2 MEDIA"));
    ASSERT_TRUE(r.item);
    EXPECT_TRUE(r.showSizes);
    entry.chooseSize(*r.item, S("3 GRANDE"));
    EXPECT_EQ(r.item->price, D("45"));
    EXPECT_EQ(r.item->name, S("MUSSARELA/PORTUGUESA"));
}

TEST(DeliveryItems, AKitIsOneItemAtItsOwnPrice)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::kit(l, S("5"), S("COMBO FAMILIA"), D("50"), S("4"));
    l.run(S("update KITMASTER set CLASSE = 3"));
    seeds::complement(l, 3, S("BORDA"), D("2"));
    DeliveryItemEntry entry(l, 0);
    const DeliveryItemEntry::Loaded r = entry.load(S("*5"));
    ASSERT_TRUE(r.item);
    EXPECT_EQ(r.item->code, S("*5"));
    EXPECT_EQ(r.item->name, S("COMBO FAMILIA"));
    EXPECT_EQ(r.item->price, D("50"));
    EXPECT_EQ(r.item->kitchen, S("4"));
    ASSERT_EQ(r.item->extras.size(), 1u);
    EXPECT_EQ(r.item->extras[0].produto, S("BORDA 2,00"));
}

TEST(DeliveryItems, ConfirmingWritesTheItemAndItsTickedExtras)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::product(l, seeds::Product(S("000012"), S("PIZZA CALABRESA"), D("30"), S("2"), 3));
    seeds::accompaniment(l, S("000012"), S("OREGANO"));
    seeds::complement(l, 3, S("BORDA RECHEADA"), D("2,5"));
    const qint64 order = DeliveryOrders(l).start(33334444).orderId;
    DeliveryItemEntry entry(l, 0);
    ItemInHand item = *entry.load(S("12")).item;
    item.extras[0].ticked = false;                       // no oregano
    item.extras.push_back({false, S("SEM CEBOLA"), {}});   // typed, not ticked: not written
    item.extras.push_back({true, S("BEM ASSADA"), {}});    // typed and ticked
    const qint64 id = entry.confirm(order, item, S("2"), S("PORTAO AZUL"), QDateTime(QDate(2026, 3, 5), QTime(19, 5, 7)));
    RowSet r = l.run(S("select PEDIDO, NOME, CODIGO, QUANT, VALOR, OBS, BUSCA, IMPRESSORA from DELIITEM where ID = ?"), {id});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(u"PEDIDO"), QString::number(order));
    EXPECT_EQ(r.text(u"NOME"), S("PIZZA CALABRESA"));
    EXPECT_EQ(r.text(u"CODIGO"), S("000012"));
    EXPECT_EQ(r.decimal(u"QUANT"), D("2"));
    EXPECT_EQ(r.decimal(u"VALOR"), D("32,5"));
    EXPECT_EQ(r.text(u"OBS"), S("PORTAO AZUL"));
    EXPECT_EQ(r.text(u"BUSCA"), S("C000012Q2V30,0019:05:07"));
    EXPECT_EQ(r.text(u"IMPRESSORA"), S("2"));
    RowSet extras = l.run(S("select PRODUTO, CODIGO, IDMESA, QUANT from ACOMPDELI order by ID"));
    ASSERT_EQ(extras.size(), 2);
    extras.next();
    EXPECT_EQ(extras.text(u"PRODUTO"), S("BORDA RECHEADA 2,50"));
    EXPECT_EQ(extras.text(u"CODIGO"), QString::number(id));
    EXPECT_EQ(extras.integer(u"IDMESA"), id);
    EXPECT_EQ(extras.decimal(u"QUANT"), D("3"));   // 2,50 by the mask "0"
    extras.next();
    EXPECT_EQ(extras.text(u"PRODUTO"), S("BEM ASSADA"));
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("65"));

    // quantities that are not a number above zero, and a flavour list longer than
    // the item's code column: nothing is written
    for (const char* q : {"0", "-1", "abc", "", "1e20", "100000", "'; delete from deliitem; --"}) {
        EXPECT_THROW(entry.confirm(order, item, S(q), S("")), DeliveryRefused) << q;
    }
    ItemInHand tooLong = *entry.flavours(S("/123/456/789/012/"), QString()).item;
    EXPECT_THROW(entry.confirm(order, tooLong, S("1"), S("")), DbError);
    ItemInHand emoji = item;
    EXPECT_THROW(entry.confirm(order, emoji, S("1"), S("😀")), DbError);
    EXPECT_EQ(count(l, S("select count(*) from DELIITEM")), 1);
    EXPECT_EQ(count(l, S("select count(*) from ACOMPDELI")), 2);
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("65"));
}
