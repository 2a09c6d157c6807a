// The delivery data of a tab on a real database: the lists it offers, the station's
// control number, the DELIVERE row and the tab's delivery columns written as one
// action (the settings files only after it), one row per tab however often and from
// however many stations it is confirmed, kept by the delivery desk, and those data
// reaching the tab's closing: the sale row's delivery man and fee and the
// delivery-fee service row.
#include "ClosingSeeds.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "StationPair.h"
#include "TestStation.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliverySettlement.h"
#include "delivery/DeliveryText.h"
#include "delivery/TabDelivery.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kTab = QStringLiteral("1000001");
const char* kControl = "c:\\Miltrex\\Vavoz\\contdeli.INI";
const char* kFee = "c:\\Miltrex\\Vavoz\\Entregador.INI";

// The delivery tab with its customer and item, two delivery men, an area, a card.
void seedTab(TLogon& l)
{
    seeds::addSaleCustomer(l, 50, S("ANA ENTREGA"));
    seeds::openTab(l, kTab, 4, 50);
    seeds::addItem(l, kTab, S("000001"), S("PIZZA"), D("2"), D("10"), 4);
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 1, 'PEDRO')"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (1, 'CENTRO', 5)"));
    seeds::addPaymentMethod(l, 2, S("CARTAO CREDITO PARC."));
}

class TabDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(7);
        seedTab(st.logon());
    }
    TabDelivery::Confirmation confirmation(const char* area, const char* amount)
    {
        TabDelivery::Confirmation c;
        c.tab = kTab;
        c.manText = S("00003 - JOAO");
        c.areaText = S(area);
        c.paymentText = S("01-Dinheiro");
        c.amountText = S(amount);
        c.timeText = S("20:15");
        c.firstNote = S("PORTAO AZUL DO LADO DA PADARIA");
        c.customerText = S("50 ANA ENTREGA");
        c.controlNumber = TabDelivery::nextControlNumber();
        c.orderValue = D("20");
        return c;
    }
    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(TabDeliveryTest, TheListsTheWindowOffers)
{
    TabDelivery d(st.logon());
    EXPECT_EQ(d.deliveryMen(), (QStringList{S("00001 - PEDRO"), S("00003 - JOAO")}));
    EXPECT_EQ(d.areas(), (QStringList{S("Retira Balcao   "), S("CENTRO  R$ 5,00")}));
    EXPECT_EQ(d.paymentMethods(), (QStringList{S("01-Dinheiro"), S("02-CARTAO CREDITO PARC.")}));
    EXPECT_EQ(d.customerText(kTab), S("50 ANA ENTREGA"));
    EXPECT_EQ(d.customerText(S("999")), QString());
}

TEST_F(TabDeliveryTest, ConfirmingWritesTheOrderRowAndTheTabAndAdvancesTheControlNumber)
{
    TLogon& l = st.logon();
    EXPECT_EQ(TabDelivery::nextControlNumber(), S("000001"));
    TabDelivery(l).confirm(confirmation("CENTRO  R$ 5,00", "30"), QDate(2026, 3, 5));

    RowSet o = l.run(S("select CODIGO, HORA, DATA, VALOR, MOTOBOY, CLIENTE, FONE from DELIVERE"));
    ASSERT_EQ(o.size(), 1);
    o.next();
    EXPECT_EQ(o.integer(u"CODIGO"), 3);
    EXPECT_EQ(o.text(u"HORA"), S("20:15"));
    EXPECT_EQ(o.date(u"DATA"), QDate(2026, 3, 5));
    EXPECT_EQ(o.decimal(u"VALOR"), D("20"));
    EXPECT_EQ(o.decimal(u"MOTOBOY"), D("25"));
    EXPECT_EQ(o.text(u"CLIENTE"), S("50 ANA ENTREGA"));
    EXPECT_TRUE(o.isNull(u"FONE"));
    RowSet t = l.run(S("select PAGADELIVARY, VALORDELIVERY, VENDEDOR, DELIVERY, OBS, DELYENTREGA, DELYTAXA, CLIENTE "
                       "from CABMESA where MESA = ?"), {kTab});
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.text(u"PAGADELIVARY"), S("01-Dinheiro"));
    EXPECT_EQ(t.decimal(u"VALORDELIVERY"), D("30"));
    EXPECT_EQ(t.integer(u"VENDEDOR"), 3);
    EXPECT_EQ(t.decimal(u"DELIVERY"), D("5"));
    EXPECT_EQ(t.text(u"OBS"), S("PORTAO AZUL DO LADO "));   // 20 characters
    EXPECT_EQ(t.integer(u"DELYENTREGA"), 3);
    EXPECT_EQ(t.decimal(u"DELYTAXA"), D("5"));
    EXPECT_EQ(t.integer(u"CLIENTE"), 50);
    EXPECT_EQ(st.readFile(S(kControl)), QStringList{S("000001")});
    EXPECT_EQ(st.readFile(S(kFee)), QStringList{S("5,00")});
    EXPECT_EQ(TabDelivery::nextControlNumber(), S("000002"));
}

TEST_F(TabDeliveryTest, PickUpAtTheCounterLongPaymentTextsAndAChosenCustomer)
{
    TLogon& l = st.logon();
    seeds::addSaleCustomer(l, 60, S("BRUNO"));
    TabDelivery::Confirmation c = confirmation("Retira Balcao   ", "abc");
    c.paymentText = S("02-CARTAO CREDITO PARC.");
    c.customer = 60;
    TabDelivery(l).confirm(c);
    EXPECT_EQ(decimalOf(l.scalar(S("select MOTOBOY from DELIVERE"))), D("20"));   // no fee
    RowSet t = l.run(S("select PAGADELIVARY, VALORDELIVERY, DELIVERY, DELYTAXA, CLIENTE from CABMESA"));
    t.next();
    EXPECT_EQ(t.text(u"PAGADELIVARY"), S("02-CARTAO CREDITO PA"));   // cut to its column
    EXPECT_EQ(t.decimal(u"VALORDELIVERY"), D("0"));                 // not a number: 0
    EXPECT_EQ(t.decimal(u"DELIVERY"), D("0"));
    EXPECT_EQ(t.decimal(u"DELYTAXA"), D("0"));
    EXPECT_EQ(t.integer(u"CLIENTE"), 60);
}

TEST_F(TabDeliveryTest, ARefusedConfirmationWritesNothingAndKeepsTheFiles)
{
    TLogon& l = st.logon();
    st.writeFile(S(kControl), {S("000041")});
    st.writeFile(S(kFee), {S("2,00")});
    struct Case { const char* what; std::function<void(TabDelivery::Confirmation&)> change; };
    const Case cases[] = {
        {"a tab that is gone", [](TabDelivery::Confirmation& c) { c.tab = S("1000099"); }},
        {"a fee that is no amount", [](TabDelivery::Confirmation& c) { c.areaText = S("X  R$ abc"); }},
        {"a delivery man that is no code", [](TabDelivery::Confirmation& c) { c.manText = S("JOAO"); }},
        {"a note the database cannot hold", [](TabDelivery::Confirmation& c) { c.firstNote = S("😀"); }},
        {"a customer text the database cannot hold", [](TabDelivery::Confirmation& c) { c.customerText = S("😀"); }},
    };
    for (const Case& k : cases) {
        TabDelivery::Confirmation c = confirmation("CENTRO  R$ 5,00", "30");
        k.change(c);
        EXPECT_ANY_THROW(TabDelivery(l).confirm(c)) << k.what;
        EXPECT_EQ(st.count(S("select count(*) from DELIVERE")), 0) << k.what;
        EXPECT_EQ(st.count(S("select count(*) from CABMESA where DELYENTREGA is not null or PAGADELIVARY is not null")), 0)
            << k.what;
        EXPECT_EQ(st.readFile(S(kControl)), QStringList{S("000041")}) << k.what;
        EXPECT_EQ(st.readFile(S(kFee)), QStringList{S("2,00")}) << k.what;
    }
    try {
        TabDelivery::Confirmation c = confirmation("CENTRO  R$ 5,00", "30");
        c.tab = S("1000099");
        TabDelivery(l).confirm(c);
    } catch (const DeliveryRefused& e) {
        EXPECT_EQ(e.message(), deliverytext::tab::fillError);
    }
    EXPECT_EQ(TabDelivery::nextControlNumber(), S("000042"));
    st.writeFile(S(kControl), {S("abc")});
    EXPECT_EQ(TabDelivery::nextControlNumber(), S("000001"));
}

TEST_F(TabDeliveryTest, TheDeliveryDataReachTheTabsClosing)
{
    TLogon& l = st.logon();
    TabDelivery(l).confirm(confirmation("CENTRO  R$ 5,00", "30"));
    ClosingRequest r;
    r.tab = kTab;
    r.joinedTabs = {kTab};
    r.payments = {SalePayment{1, S("Dinheiro"), D("30"), true, false}};
    r.customerField = S("50");
    r.customerName = S("ANA ENTREGA");
    r.tabCaption = kTab + S(" - ANA ENTREGA");
    r.dueDate = QDate::currentDate();
    const ClosingResult done = TabClosing(l).close(r);
    EXPECT_EQ(done.bill.deliveryFee, D("5"));
    RowSet f = l.run(S("select VALOR, DELYENTREGA, DELYTAXA, TIPO, CAIXA from FATURA"));
    ASSERT_EQ(f.size(), 1);
    f.next();
    EXPECT_EQ(f.decimal(u"VALOR"), D("25"));
    EXPECT_EQ(f.integer(u"DELYENTREGA"), 3);
    EXPECT_EQ(f.decimal(u"DELYTAXA"), D("5"));
    EXPECT_EQ(f.integer(u"TIPO"), 1);
    EXPECT_EQ(f.integer(u"CAIXA"), 7);
    RowSet s = l.run(S("select VALOR, CODIGO, CONTROLE from SERVICO where TIPO = 9"));
    ASSERT_EQ(s.size(), 1);
    s.next();
    EXPECT_EQ(s.decimal(u"VALOR"), D("5"));
    EXPECT_EQ(s.integer(u"CODIGO"), 3);   // the delivery man, the tab's waiter now
    EXPECT_EQ(s.integer(u"CONTROLE"), done.saleNumber);
    EXPECT_EQ(st.count(S("select count(*) from CABMESA")), 0);
}

TEST_F(TabDeliveryTest, ConfirmingAgainChangesTheTabsOneDeliveryAlsoFromTwoStationsAtOnce)
{
    for (const QString& db : twoStationDatabases(st, S("tab-delivery-again"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        if (db != st.databasePath())
            seedTab(*a);
        const qint64 tabRow = integerOf(a->scalar(S("select ID from CABMESA where MESA = ?"), {kTab}));
        auto deliveries = [&] { return integerOf(a->scalar(S("select count(*) from DELIVERE where FONE is null"))); };

        TabDelivery(*a).confirm(confirmation("CENTRO  R$ 5,00", "30"));
        TabDelivery::Confirmation pickUp = confirmation("Retira Balcao   ", "20");
        pickUp.manText = S("00001 - PEDRO");
        pickUp.timeText = S("21:00");
        TabDelivery(*b).confirm(pickUp);   // the pre-bill asked again, on another station
        EXPECT_EQ(deliveries(), 1);
        RowSet o = a->run(S("select CODIGO, HORA, VALOR, MOTOBOY, IDCABMESA from DELIVERE"));
        ASSERT_TRUE(o.next());
        EXPECT_EQ(o.integer(u"CODIGO"), 1);
        EXPECT_EQ(o.text(u"HORA"), S("21:00"));
        EXPECT_EQ(o.decimal(u"VALOR"), D("20"));
        EXPECT_EQ(o.decimal(u"MOTOBOY"), D("20"));   // no fee at the counter
        EXPECT_EQ(o.integer(u"IDCABMESA"), tabRow);

        // Both at once: one row still, and it is the one whose tab columns stayed.
        for (int round = 0; round < 3; ++round) {
            atOnce([&] { TabDelivery(*a).confirm(confirmation("CENTRO  R$ 5,00", "30")); },
                   [&] { TabDelivery(*b).confirm(pickUp); });
            EXPECT_EQ(deliveries(), 1);
            RowSet row = a->run(S("select d.CODIGO, d.MOTOBOY, d.VALOR, m.DELYENTREGA, m.DELYTAXA from DELIVERE d "
                                  "join CABMESA m on m.ID = d.IDCABMESA"));
            ASSERT_TRUE(row.next());
            EXPECT_EQ(row.integer(u"CODIGO"), row.integer(u"DELYENTREGA"));
            EXPECT_EQ(row.decimal(u"MOTOBOY"), row.decimal(u"VALOR") + row.decimal(u"DELYTAXA"));
        }

        // The delivery desk lists only its own orders and deletes nothing; the
        // delivery stays to be settled with the delivery man.
        DeliveryOrders desk(*a);
        desk.start(33334444);
        const std::vector<DeskOrder> orders = desk.orders();
        ASSERT_EQ(orders.size(), 1u);
        EXPECT_EQ(orders[0].fone, S("33334444"));
        EXPECT_EQ(deliveries(), 1);
        ASSERT_EQ(DeliverySettlement(*b).pending().size(), 1u);
    }
}
