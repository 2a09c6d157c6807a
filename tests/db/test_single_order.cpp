// The single-screen delivery order on a real database: a new order numbered by its
// own insert (two stations starting orders at once never share one), items and
// their extras taken back by the item's own id, the closing's every row to the cent
// through the one sale writer, its refusals and a failure injected half-way
// (nothing written), two stations closing one order, and the kitchen ticket, the
// delivery ticket and the receipt read back from port files byte for byte.
#include "DeviceBytes.h"
#include "ClosingSeeds.h"
#include "DeliverySeeds.h"
#include "PrintFixtures.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "StationPair.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/DbError.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryText.h"
#include "delivery/SingleOrder.h"
#include "delivery/SingleOrderClosing.h"
#include "delivery/SingleOrderPrintouts.h"
#include "platform/Win1252.h"
#include "printing/RawPrinterPort.h"
#include "printing/RoutePrintout.h"
#include "sales/KitchenMonitor.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using seeds::D;
namespace dt = deliverytext;

namespace {

qint64 count(TLogon& l, const QString& sql, const Params& p = {}) { return integerOf(l.scalar(sql, p)); }

const QString kName = S("MARIA APARECIDA DOS SANTOS OLIVEIRA");   // 35 characters
constexpr qint64 kPhone = 33334444;
constexpr qint64 kMan = 7;   // DELICAD.CODIGO
const QDateTime kNow(QDate(2026, 3, 14), QTime(20, 15, 0));

// The menu, the methods, the delivery man and the area; returns the area's id.
qint64 seedMenu(TLogon& l)
{
    seeds::addProduct(l, S("000012"), S("CALABRESA"), D("30"), D("12"));
    seeds::addProduct(l, S("000034"), S("MUSSARELA"), D("28"), D("10"));
    seeds::addProduct(l, S("000020"), S("REFRIGERANTE"), D("6"), D("2,5"));
    seeds::addProduct(l, S("000050"), S("QUEIJO"), D("40"), D("20"));
    seeds::addProduct(l, S("K1"), S("COMBO"), D("20"), Decimal(), true);
    seeds::addKitComponent(l, S("K1"), S("000020"), D("1"));
    seeds::addKitComponent(l, S("K1"), S("000012"), D("0,5"));
    seeds::addPaymentMethod(l, 2, S("Cartao"), S("S"));
    seeds::addPaymentMethod(l, 5, S("Fiado"), S("N"));
    l.run(S("update EMPRESA set EMPRESA = 'BAR DO ZE', ENDERECO = 'RUA A, 10', CIDADE = 'RECIFE', ESTADO = 'PE', "
            "CNPJ = '12.345.678/0001-90', FAX = '3222-1000'"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), ?, 'JOAO MOTO')"), {kMan});
    RowSet area = l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5) returning ID"));
    area.next();
    return area.integer(u"ID");
}

// 97,00 of items: a product, a two-flavour item, a composed product, drinks with an extra.
std::vector<seeds::OrderItem> richOrder()
{
    return {seeds::orderItem("000012", "CALABRESA", "1", "30"),
            seeds::orderItem("/000012/000034/", "1/2-CALABRESA 1/2-MUSSARELA", "1", "29"),
            seeds::orderItem("K1", "COMBO", "1", "20"),
            seeds::orderItem("000020", "REFRIGERANTE", "3", "6", "1", {S("GELO E LIMAO")})};
}

SingleClosingResult closeIt(TLogon& l, qint64 order)
{
    SingleOrderClosing c(l);
    c.setClock([] { return kNow; });
    return c.close(order, S("JOAO MOTO"));
}

qint64 saleRows(TLogon& l)
{
    return count(l, S("select count(*) from FATURA")) + count(l, S("select count(*) from RECARQ"))
        + count(l, S("select count(*) from ESTFIC")) + count(l, S("select count(*) from SERVICO"))
        + count(l, S("select count(*) from DELIFIC"));
}

QByteArray bytes(const Printout& p) { return deviceBytes(p.lines); }

QByteArray fileBytes(const QString& path)
{
    ClosePrinterPort();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SingleOrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        area = seedMenu(l());
        seeds::openShift(l(), 5, kNow.date());
        ctx::station().TerminalNumber = S("03");
    }
    TLogon& l() { return st.logon(); }
    qint64 anOrder(const std::vector<seeds::OrderItem>& items = richOrder(), bool withArea = true, bool withMan = true)
    {
        return seeds::singleOrder(l(), kPhone, kName, items, withArea ? area : 0, withMan ? kMan : 0);
    }

    TestStation st;
    ScriptedDialogs script;
    qint64 area = 0;
};

} // namespace

TEST_F(SingleOrderTest, ANewOrderIsNumberedByItsOwnInsertAndItemsAreTakenBackByTheirOwnId)
{
    SingleOrders orders(l());
    const qint64 first = orders.create(kNow);
    const qint64 second = orders.create(kNow);
    EXPECT_EQ(second, first + 1) << "one number drawn per order";
    const SingleOrderRow row = *orders.read(first);
    EXPECT_EQ(row.status, S("PEDIDO"));
    EXPECT_EQ(row.methods, (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(row.hora, QTime(20, 15, 0));
    EXPECT_EQ(count(l(), S("select count(*) from DELIPED where NOME = 'MTXRDSA'")), 0);

    // Two equal items in the same second: each extra goes with its own item.
    SingleOrderHeader h;
    h.phone = S("33334444");
    SingleOrderNewItem a;
    a.code = S("000020");
    a.name = S("REFRIGERANTE");
    a.quantity = D("1");
    a.price = D("6");
    a.extras = {{true, S("GELO"), D("0,5")}, {false, S("LIMAO"), D("1")}};
    SingleOrderNewItem b = a;
    b.extras = {{true, S("SEM GELO"), Decimal()}};
    const qint64 ia = orders.addItem(first, h, a, Decimal(), kNow);
    const qint64 ib = orders.addItem(first, h, b, Decimal(), kNow);
    ASSERT_NE(ia, ib);
    EXPECT_EQ(l().scalar(S("select PRODUTOS2 from ACOMPMESA where IDMESA = ?"), {ia}).toString(), S("GELO"));
    EXPECT_EQ(l().scalar(S("select PRODUTOS2 from ACOMPMESA where IDMESA = ?"), {ib}).toString(), S("SEM GELO"));
    EXPECT_EQ(count(l(), S("select count(*) from ACOMPMESA")), 2) << "an extra not chosen is not written";
    RowSet m = l().run(S("select MESA, VALOR, COMPL, COZINHA, VEND, COMPLEMENTO from MESA where ID = ?"), {ia});
    ASSERT_TRUE(m.next());
    EXPECT_EQ(m.text(u"MESA"), S("D") + QString::number(first));
    EXPECT_EQ(m.decimal(u"VALOR"), D("6,5")) << "the price and the chosen extras";
    EXPECT_EQ(m.text(u"COMPL"), QString::number(ia));
    EXPECT_EQ(m.text(u"COZINHA"), S("0"));
    EXPECT_EQ(m.text(u"COMPLEMENTO"), S("33334444000020") + S("1500"));
    EXPECT_EQ(orders.read(first)->valor, D("12,5"));

    // The item goes; its extras stay, as they always did.
    orders.deleteItem(first, ia);
    EXPECT_EQ(orders.items(first).size(), 1u);
    EXPECT_EQ(count(l(), S("select count(*) from ACOMPMESA")), 2);

    // An order another station closed is refused, not written into.
    l().run(S("delete from DELIPED where ID = ?"), {second});
    try {
        orders.addItem(second, h, a, Decimal(), kNow);
        ADD_FAILURE() << "written into a closed order";
    } catch (const DeliveryRefused& e) {
        EXPECT_EQ(e.message(), dt::desk::orderGone);
    }
    EXPECT_EQ(count(l(), S("select count(*) from MESA where MESA = ?"), {S("D") + QString::number(second)}), 0);
}

TEST_F(SingleOrderTest, TheTelephoneIsDigitsWithinTheCustomerCodeAndFractionsOfUnpricedFlavoursCostNothing)
{
    EXPECT_EQ(SingleOrders::phoneText(S("12345")), S("012345"));
    EXPECT_EQ(SingleOrders::phoneText(S(" 33334444 ")), S("33334444"));
    for (const char* bad : {"3333-4444", "abc", "-5", "0", "2147483648", "1e5", "12,5", "😀", "'; drop table MESA; --"})
        EXPECT_FALSE(SingleOrders::phoneText(S(bad))) << bad;

    // Every flavour at 0,00: the fraction costs 0,00, by the average and by the highest.
    seeds::addProduct(l(), S("000071"), S("SABOR A"), Decimal());
    seeds::addProduct(l(), S("000072"), S("SABOR B"), Decimal());
    for (const int options : {0, 64}) {
        DeliveryItemEntry entry(l(), options);
        const DeliveryItemEntry::Loaded f = entry.flavours(S("/000071/000072/"), S("2 MEDIA"));
        ASSERT_TRUE(f.item);
        EXPECT_EQ(f.item->price, Decimal()) << options;
        EXPECT_TRUE(f.messages.isEmpty());
    }
}

TEST_F(SingleOrderTest, TheClosingWritesEveryRowOfTheSaleToTheCentAndRemovesTheOrder)
{
    const qint64 order = anOrder();
    // Cash 30, card 50, on account 30 for 102,00: the change of 8,00 comes off the cash.
    seeds::singleOrderPayments(l(), order, {{1, D("30")}, {2, D("50")}, {5, D("30")}});
    const QString key = S("D") + QString::number(order);
    l().run(S("insert into COZINHA2 (ID, MESA, PRODUTO, QUANT) values (GEN_ID(COZINHA2,1), ?, 'CALABRESA', 1)"), {key});
    l().run(S("insert into COZINHA2 (ID, MESA, PRODUTO, QUANT) values (GEN_ID(COZINHA2,1), 'D99999', 'OUTRO', 1)"));

    const SingleClosingResult r = closeIt(l(), order);
    EXPECT_EQ(r.itemsTotal, D("97"));
    EXPECT_EQ(r.fee, D("5"));
    EXPECT_EQ(r.cashShift, 5);
    EXPECT_EQ(r.saleText, QStringLiteral("%1").arg(r.saleNumber, 6, 10, QLatin1Char('0')));

    // The payments: by method "-" the sale number, the first less the change, settled when BX is "S".
    RowSet p = l().run(S("select DUPLICATA, CODIGO, NOME, EMISSAO, VENCIMENTO, BAIXA, VALOR, VENDEDOR, TERMINAL, CAIXA, "
                         "NFISCAL from RECARQ order by ID"));
    ASSERT_EQ(p.size(), 3);
    const char* codes[] = {"01", "02", "05"};
    const char* values[] = {"22", "50", "30"};
    for (int k = 0; k < 3; ++k) {
        p.next();
        EXPECT_EQ(p.text(u"DUPLICATA"), S(codes[k]) + S("-") + r.saleText);
        EXPECT_EQ(p.integer(u"CODIGO"), kPhone);
        EXPECT_EQ(p.text(u"NOME"), kName.left(30));
        EXPECT_EQ(p.date(u"EMISSAO"), kNow.date());
        EXPECT_EQ(p.date(u"VENCIMENTO"), kNow.date());
        EXPECT_EQ(p.isNull(u"BAIXA"), k == 2) << "only the receivable stays open";
        EXPECT_EQ(p.decimal(u"VALOR"), D(values[k]));
        EXPECT_EQ(p.integer(u"VENDEDOR"), 0);
        EXPECT_EQ(p.integer(u"TERMINAL"), 3);
        EXPECT_EQ(p.integer(u"CAIXA"), 5);
        EXPECT_EQ(p.integer(u"NFISCAL"), r.saleNumber);
    }

    // The delivery fee's row, the sale and the delivery man's settlement.
    RowSet s = l().run(S("select TIPO, VALOR, CODIGO, CONTROLE, CAIXA, TERMINAL, DATA from SERVICO"));
    ASSERT_EQ(s.size(), 1);
    s.next();
    EXPECT_EQ(s.integer(u"TIPO"), 9);
    EXPECT_EQ(s.decimal(u"VALOR"), D("5"));
    EXPECT_EQ(s.integer(u"CODIGO"), kMan);
    EXPECT_EQ(s.integer(u"CONTROLE"), r.saleNumber);
    EXPECT_EQ(s.integer(u"TERMINAL"), 3);
    RowSet f = l().run(S("select NOTA, TIPO, CAIXA, DATA, CLIENTE, VALOR, VENDEDOR, COMANDA, DELYENTREGA, DELYTAXA, "
                         "TERMINAL, FRETE, DELIVERY, HORA from FATURA"));
    ASSERT_EQ(f.size(), 1);
    f.next();
    EXPECT_EQ(f.integer(u"NOTA"), r.saleNumber);
    EXPECT_EQ(f.integer(u"TIPO"), 3);
    EXPECT_EQ(f.integer(u"CAIXA"), 5);
    EXPECT_EQ(f.date(u"DATA"), kNow.date());
    EXPECT_EQ(f.text(u"CLIENTE"), kName.left(24));
    EXPECT_EQ(f.decimal(u"VALOR"), D("97"));
    EXPECT_EQ(f.integer(u"VENDEDOR"), kMan);
    EXPECT_EQ(f.integer(u"COMANDA"), r.saleNumber);
    EXPECT_EQ(f.integer(u"DELYENTREGA"), kMan);
    EXPECT_EQ(f.decimal(u"DELYTAXA"), D("5"));
    EXPECT_EQ(f.integer(u"TERMINAL"), 3);
    EXPECT_TRUE(f.isNull(u"FRETE"));
    RowSet d = l().run(S("select CODIGO, DATA, VALORENTREGA, COMISSAO from DELIFIC"));
    ASSERT_TRUE(d.next());
    EXPECT_EQ(d.integer(u"CODIGO"), kMan);
    EXPECT_EQ(d.date(u"DATA"), kNow.date());
    EXPECT_EQ(d.decimal(u"VALORENTREGA"), D("97"));
    EXPECT_EQ(d.decimal(u"COMISSAO"), D("102"));
    // The books: the sale and its fee are the payments.
    EXPECT_EQ(decimalOf(l().scalar(S("select sum(VALOR) from RECARQ"))), D("102"));

    // The stock-out: the composed product exploded, the flavours split, the item's waiter (0) and the telephone.
    struct Row { const char* code; QString history; const char* out; const char* value; bool invoice; };
    const QString valued = S("Cli: 33334444   Valor: ");
    const std::vector<Row> expected = {
        {"000012", (valued + S("30")).left(29), "1", "30", true},
        {"/000012/000034", S("1/2-CALABRESA 1/2-MUSSARELA"), "1", "29", true},
        {"000012", S("#DELIvery 1/2-CALABRESA 1/2-M"), "0,5", "29", false},
        {"000034", S("#DELIvery 1/2-CALABRESA 1/2-M"), "0,5", "29", false},
        {"000020", (valued + S("20")).left(29), "1", "20", false},
        {"000012", (valued + S("20")).left(29), "0,5", "20", false},
        {"K1", S("COMBO"), "1", "20", true},
        {"000020", (valued + S("6")).left(29), "3", "6", true},
    };
    RowSet e = l().run(S("select CODIGO, HISTORICO, SAIDA, VALOR, NFISCAL, PEDIDO, VENDEDOR, CLIENTE, CAIXA, TERMINAL, "
                         "DATA from ESTFIC order by ID"));
    ASSERT_EQ(e.size(), int(expected.size()));
    for (const Row& x : expected) {
        e.next();
        SCOPED_TRACE(x.code);
        EXPECT_EQ(e.text(u"CODIGO"), S(x.code));
        EXPECT_EQ(e.text(u"HISTORICO"), x.history);
        EXPECT_EQ(e.decimal(u"SAIDA"), D(x.out));
        EXPECT_EQ(e.decimal(u"VALOR"), D(x.value));
        EXPECT_EQ(e.isNull(u"NFISCAL"), !x.invoice);
        EXPECT_EQ(e.integer(u"PEDIDO"), r.saleNumber);
        EXPECT_EQ(e.integer(u"VENDEDOR"), 0);
        EXPECT_EQ(e.integer(u"CLIENTE"), kPhone);
        EXPECT_EQ(e.integer(u"CAIXA"), 5);
        EXPECT_EQ(e.integer(u"TERMINAL"), 3);
    }

    // The order is gone with its items and kitchen-monitor rows; another order's rows stay.
    EXPECT_EQ(count(l(), S("select count(*) from DELIPED")), 0);
    EXPECT_EQ(count(l(), S("select count(*) from MESA")), 0);
    EXPECT_EQ(count(l(), S("select count(*) from COZINHA2")), 1);

    // The receipt, composed before the commit.
    const QStringList& t = r.receipt.lines;
    EXPECT_EQ(t.value(0), S("        FECHAMENTO DA CONTA"));
    EXPECT_EQ(t.value(3), S("             BAR DO ZE"));
    EXPECT_TRUE(t.contains(S("Pedido:") + QString::number(order) + S("  Fone:33334444 Cupom:") + r.saleText));
    EXPECT_TRUE(t.contains(S("Cliente:") + kName));
    EXPECT_TRUE(t.contains(S("14/03/26  -  20:15:00")));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Total"), S("    97,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Tx de Entrega"), S("5,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Dinheiro"), S("30,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Fiado"), S("30,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Recebido"), S("110,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Troco"), S("8,00"))));
    EXPECT_EQ(t.filter(QRegularExpression(S("^\\.$"))).size(), 7);
}

TEST_F(SingleOrderTest, RefusalsAndAFailureInjectedHalfWayWriteNothingAndLeaveTheOrder)
{
    const qint64 order = anOrder();
    const QString key = S("D") + QString::number(order);
    l().run(S("insert into COZINHA2 (ID, MESA, PRODUTO, QUANT) values (GEN_ID(COZINHA2,1), ?, 'CALABRESA', 1)"), {key});
    auto untouched = [&] {
        EXPECT_EQ(saleRows(l()), 0);
        EXPECT_EQ(count(l(), S("select count(*) from DELIPED where ID = ?"), {order}), 1);
        EXPECT_EQ(count(l(), S("select count(*) from MESA where MESA = ?"), {key}), 4);
        EXPECT_EQ(count(l(), S("select count(*) from COZINHA2")), 1);
    };
    auto refused = [&](const QString& message) {
        try {
            closeIt(l(), order);
            ADD_FAILURE() << "closed";
        } catch (const DeliveryRefused& e) {
            EXPECT_EQ(e.message(), message);
        }
        untouched();
    };
    // One cent short of 102,00.
    seeds::singleOrderPayments(l(), order, {{1, D("101,99")}});
    refused(dt::single::underpaid);
    // Change beyond the cash: a card of 105 and 1 of cash.
    seeds::singleOrderPayments(l(), order, {{1, D("1")}, {2, D("105")}});
    refused(dt::panel::changeAboveCash);
    // A method that is not registered.
    seeds::singleOrderPayments(l(), order, {{1, D("2")}, {9, D("100")}});
    refused(dt::single::unknownMethod);
    seeds::singleOrderPayments(l(), order, {{1, D("102")}});
    // No area, no delivery man.
    l().run(S("update DELIPED set TAXA = 0 where ID = ?"), {order});
    refused(dt::single::noArea);
    l().run(S("update DELIPED set TAXA = ?, VENDEDOR = 0 where ID = ?"), {area, order});
    refused(dt::single::noMan);
    l().run(S("update DELIPED set VENDEDOR = ? where ID = ?"), {kMan, order});
    // The cash closed by another station meanwhile.
    l().run(S("update CONTCAIXA set CAIXA = 0"));
    refused(dt::single::cashClosed);
    l().run(S("update CONTCAIXA set CAIXA = 5"));

    // A payment the database refuses fails the whole closing.
    l().run(S("alter table RECARQ add constraint CK_TEST_SINGLE check (VALOR < 0)"));
    EXPECT_THROW(closeIt(l(), order), DbError);
    untouched();
    l().run(S("alter table RECARQ drop constraint CK_TEST_SINGLE"));
    // So does a stock row refused after the payments and the sale are written.
    l().run(S("alter table ESTFIC add constraint CK_TEST_SINGLE check (SAIDA < 0)"));
    EXPECT_THROW(closeIt(l(), order), DbError);
    untouched();
    l().run(S("alter table ESTFIC drop constraint CK_TEST_SINGLE"));

    // Nothing received: paid in full with method 1.
    seeds::singleOrderPayments(l(), order, {});
    const SingleClosingResult r = closeIt(l(), order);
    EXPECT_EQ(count(l(), S("select count(*) from RECARQ")), 1);
    EXPECT_EQ(l().scalar(S("select DUPLICATA from RECARQ")).toString(), S("01-") + r.saleText);
    EXPECT_EQ(decimalOf(l().scalar(S("select VALOR from RECARQ"))), D("102"));
    EXPECT_EQ(count(l(), S("select count(*) from FATURA")), 1);
    EXPECT_TRUE(r.receipt.lines.contains(FormatItemLine(S("Recebido"), S("102,00"))));
    EXPECT_TRUE(r.receipt.lines.filter(S("Troco")).isEmpty());
}

TEST_F(SingleOrderTest, AFeeOfNothingStillWritesTheDeliveryRowAndAReceivableIsDueOnTheDay)
{
    l().run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'RETIRADA', 0)"));
    const qint64 pickUp = integerOf(l().scalar(S("select ID from ENTREGA where BAIRRO = 'RETIRADA'")));
    const qint64 order =
        seeds::singleOrder(l(), kPhone, kName, {seeds::orderItem("000012", "CALABRESA", "2", "30")}, pickUp, kMan);
    seeds::singleOrderPayments(l(), order, {{5, D("60")}});
    closeIt(l(), order);
    EXPECT_EQ(count(l(), S("select count(*) from SERVICO where TIPO = 9 and VALOR = 0")), 1);
    RowSet p = l().run(S("select BAIXA, VENCIMENTO, VALOR from RECARQ"));
    ASSERT_TRUE(p.next());
    EXPECT_TRUE(p.isNull(u"BAIXA"));
    EXPECT_EQ(p.date(u"VENCIMENTO"), kNow.date());
    EXPECT_EQ(p.decimal(u"VALOR"), D("60"));
}

TEST_F(SingleOrderTest, WeighedItemsAreChargedTheTotalTheirReceiptPrints)
{
    l().run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'RETIRADA', 0)"));
    const qint64 pickUp = integerOf(l().scalar(S("select ID from ENTREGA where BAIRRO = 'RETIRADA'")));
    const qint64 order = seeds::singleOrder(l(), kPhone, kName,
                                            {seeds::orderItem("000012", "PICANHA KG", "0,437", "59,9"),
                                             seeds::orderItem("000012", "PICANHA KG", "0,613", "59,9"),
                                             seeds::orderItem("000034", "MEIA PORCAO", "0,5", "25,99")},
                                            pickUp, kMan);
    // The whole total received in cash.
    seeds::singleOrderPayments(l(), order, {{1, D("75,9")}});
    const SingleClosingResult r = closeIt(l(), order);
    EXPECT_EQ(r.itemsTotal, D("75,9"));
    const QStringList& t = r.receipt.lines;
    for (const char* amount : {"26,18", "36,72", "13,00"})
        EXPECT_EQ(t.filter(QRegularExpression(S(" ") + S(amount) + S("$"))).size(), 1) << amount;
    EXPECT_TRUE(t.contains(FormatItemLine(S("Total"), S("    75,90")))) << t.join('\n').toStdString();
    EXPECT_TRUE(t.contains(FormatItemLine(S("Recebido"), S("75,90"))));
    EXPECT_TRUE(t.filter(S("Troco")).isEmpty());
    // What is charged and booked is what the receipt prints.
    EXPECT_EQ(decimalOf(l().scalar(S("select VALOR from FATURA"))), D("75,9"));
    EXPECT_EQ(count(l(), S("select count(*) from RECARQ")), 1);
    EXPECT_EQ(decimalOf(l().scalar(S("select VALOR from RECARQ"))), D("75,9"));
    EXPECT_EQ(decimalOf(l().scalar(S("select VALORENTREGA from DELIFIC"))), D("75,9"));
}

TEST_F(SingleOrderTest, WhatIsHandedOverBeyondTheTotalIsChangeNeverABookedAmount)
{
    // 102,00 due. Each case: the amounts handed over with methods 1, 2, 5 and what is booked.
    struct Case {
        const char* what;
        std::vector<std::pair<int, Decimal>> handed;
        std::vector<std::pair<QString, Decimal>> booked;   // by DUPLICATA's method
    };
    const Case cases[] = {
        {"exactly, in two", {{1, D("72")}, {2, D("30")}}, {{S("01"), D("72")}, {S("02"), D("30")}}},
        {"cash beyond the card", {{1, D("100")}, {2, D("30")}}, {{S("01"), D("72")}, {S("02"), D("30")}}},
        {"all in cash with a note of 150", {{1, D("150")}}, {{S("01"), D("102")}}},
        {"three ways, change out of the first", {{1, D("50")}, {2, D("40")}, {5, D("20")}},
         {{S("01"), D("42")}, {S("02"), D("40")}, {S("05"), D("20")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qint64 order = anOrder();
        seeds::singleOrderPayments(l(), order, c.handed);
        const SingleClosingResult r = closeIt(l(), order);
        RowSet p = l().run(S("select DUPLICATA, VALOR from RECARQ where NFISCAL = ? order by ID"), {r.saleNumber});
        std::vector<std::pair<QString, Decimal>> booked;
        Decimal sum;
        while (p.next()) {
            booked.push_back({p.text(u"DUPLICATA").left(2), p.decimal(u"VALOR")});
            sum += p.decimal(u"VALOR");
        }
        EXPECT_EQ(booked, c.booked);
        EXPECT_EQ(sum, r.itemsTotal + r.fee);
    }
    // More change than the first amount holds: refused, nothing written.
    const qint64 order = anOrder();
    seeds::singleOrderPayments(l(), order, {{1, D("10")}, {2, D("110")}});
    const qint64 before = saleRows(l());
    EXPECT_THROW(closeIt(l(), order), DeliveryRefused);
    EXPECT_EQ(saleRows(l()), before);
}

TEST_F(SingleOrderTest, TheKitchenTicketOnAPortFileByteForByteAndOnTheKitchenMonitor)
{
    const qint64 order = seeds::singleOrder(
        l(), kPhone, S("MARIA"),
        {seeds::orderItem("000020", "REFRIGERANTE", "2", "6", "1", {S("gelo e limao")}), seeds::orderItem("000050", "QUEIJO", "0,5", "40")}, area, kMan);
    const QString port = seeds::portToFile(st, S("LPT2"), S("cozinha.txt"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT1"), S("LPT2")});
    seeds::setup(st, {{9, S("2")}, {12, S("Visualizar")}, {13, S("Informa porta")}});
    SingleOrderPrintouts printouts(l());
    printouts.setClock([] { return kNow; });
    const SingleOrderPrintouts::KitchenResult k = printouts.kitchenTicket(order, false, S("JOAO MOTO"));
    EXPECT_TRUE(k.printed);
    EXPECT_EQ(k.items, 2);
    const QString rule = S("- - - - - - - - - - - - - - - - - - -");
    const QByteArray expected = deviceBytes(
         {S("*******  Controle Cozinha  ********"), S("             BAR DO ZE"), QString(37, '-'),
          S("PEDIDO       :") + QString::number(order), S("Telefone    .:33334444"), S("MARIA"),
          S("14/03/26  -  20:15:00"), S("                    D E L I V E R Y"), QString(37, '='),
          S("QTD  COD  DESCRICAO   "), QString(37, '='), S("002 000020"), S("REFRIGERANTE"), S(" +GELO E LIMAO"), rule,
          S("0,500Kg 000050"), S("QUEIJO"), rule, S("."), S(".")});
    EXPECT_EQ(fileBytes(port), expected);
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), QString::number(order + 1));
    EXPECT_EQ(SingleOrders(l()).read(order)->status, S("MONTANDO"));

    // The cashier's printer, when the box is ticked: its slot, the kitchen's port.
    seeds::portToFile(st, S("LPT2"), S("cozinha2.txt"));
    seeds::setup(st, {{12, S("Informa porta")}, {13, S("Nao Imprimir")}});
    printouts.kitchenTicket(order, true, S("JOAO MOTO"));
    EXPECT_TRUE(fileBytes(QDir(st.root()).filePath(S("cozinha2.txt"))).startsWith("*******  Controle Cozinha"));

    // "Monitor Cozinha": no ticket, one row per item, read by the kitchen monitor.
    seeds::setup(st, {{13, S("Monitor Cozinha")}});
    l().run(S("update DELIPED set STATUS = 'PEDIDO' where ID = ?"), {order});
    const SingleOrderPrintouts::KitchenResult m = printouts.kitchenTicket(order, false, S("JOAO MOTO"));
    EXPECT_FALSE(m.printed);
    EXPECT_EQ(m.monitorRows, 2);
    EXPECT_EQ(SingleOrders(l()).read(order)->status, S("MONTANDO"));
    const std::vector<MonitorRow> rows = KitchenMonitor(l()).list();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].mesa, S("D") + QString::number(order));
    EXPECT_EQ(rows[0].produto, S("REFRIGERANTE"));
    EXPECT_EQ(rows[0].quant, D("2"));
    EXPECT_EQ(rows[0].complement, S("(GELO E LIMAO/)"));
    EXPECT_EQ(rows[0].garcom, S("7"));
    EXPECT_EQ(rows[1].quant, D("0,5"));
    EXPECT_EQ(rows[1].complement, QString());
    // The closing takes the order's rows off the monitor.
    seeds::singleOrderPayments(l(), order, {{1, D("37")}});
    closeIt(l(), order);
    EXPECT_TRUE(KitchenMonitor(l()).list().empty());

    // An order without items: no ticket, pedido.INI untouched, the status all the same.
    const qint64 empty = seeds::singleOrder(l(), kPhone, S("MARIA"), {}, area, kMan);
    st.writeFile(S("c:\\Miltrex\\vavoz\\pedido.INI"), {S("41")});
    seeds::setup(st, {{13, S("Informa porta")}});
    EXPECT_FALSE(printouts.kitchenTicket(empty, false, S("JOAO MOTO")).printed);
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), S("41"));
    EXPECT_EQ(SingleOrders(l()).read(empty)->status, S("MONTANDO"));
}

TEST_F(SingleOrderTest, TheDeliveryTicketAndTheReceiptOnPortFilesByteForByte)
{
    seeds::options(l(), 512 | 128, 0);
    const qint64 order = seeds::singleOrder(
        l(), kPhone, kName,
        {seeds::orderItem("000020", "REFRIGERANTE", "2", "6"), seeds::orderItem("000050", "QUEIJO MINAS FRESCAL COM OREGANO E AZEITE DE OLIVA "
                                                            "EXTRA VIRGEM", "0,5", "40")},
        area, kMan);
    l().run(S("update CLIENTES set ENDERECO = 'RUA DAS PALMEIRAS, 120', CENDERECO = 'CENTRO', CIDADE = 'RECIFE', "
              "ESTADO = 'PE', REF = 'PORTAO AZUL' where CODIGO = ?"), {kPhone});
    l().run(S("update DELIPED set OBS = 'TOCAR A CAMPAINHA DUAS VEZES E AGUARDAR NO PORTAO DA FRENTE' where ID = ?"),
            {order});
    // One cent short: refused, nothing printed, the status stays.
    seeds::singleOrderPayments(l(), order, {{1, D("36,99")}});
    SingleOrderPrintouts printouts(l());
    printouts.setClock([] { return kNow; });
    EXPECT_THROW(printouts.deliveryTicket(order, S("JOAO MOTO")), DeliveryRefused);
    EXPECT_EQ(SingleOrders(l()).read(order)->status, S("PEDIDO"));

    seeds::singleOrderPayments(l(), order, {{1, D("50")}});
    const QString port = seeds::portToFile(st, S("LPT3"), S("entrega.txt"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT3"), S("LPT3")});
    seeds::setup(st, {{12, S("Informa porta")}, {15, S("Informa porta")}});
    printouts.deliveryTicket(order, S("JOAO MOTO"));
    SingleTicketData d = printouts.read(order, S("JOAO MOTO"));
    const Printout ticket = composeSingleDeliveryTicket(d);
    EXPECT_EQ(fileBytes(port), bytes(ticket)) << "no control byte, no trailing bytes";
    EXPECT_EQ(SingleOrders(l()).read(order)->status, S("SAIU P/ENTREGA"));
    const QStringList& t = ticket.lines;
    const QStringList head = t.mid(0, 8);
    EXPECT_EQ(head, (QStringList{S("    SIMPLES CONFERENCIA DA CONTA"), S("           Delivery"),
                                 S("             BAR DO ZE"), S("             RUA A, 10"), S("             RECIFE PE"),
                                 S("      CNPJ: 12.345.678/0001-90"), S("        Telefone : 3222-1000"),
                                 QString(37, '-')}));
    EXPECT_TRUE(t.contains(S("Entrega.: JOAO MOTO")));
    EXPECT_TRUE(t.contains(S("Entrega.: 14/03/26 Pedido: ") + d.order.hora.toString(S("hh:mm:ss"))));
    EXPECT_TRUE(t.contains(S("Bairro..: CENTRO")));
    EXPECT_TRUE(t.contains(S("Cidade..: RECIFE - PE")));
    EXPECT_TRUE(t.contains(S("  PORTAO AZUL")));
    const qsizetype obs = t.indexOf(S("Observacao:"));
    ASSERT_GE(obs, 0);
    EXPECT_EQ(t.value(obs + 1), S("TOCAR A CAMPAINHA DUAS VEZES E"));
    EXPECT_EQ(t.value(obs + 2), S("AGUARDAR NO PORTAO DA FRENTE"));
    // A long name on lines of 37, nothing of it repeated.
    const QString longName = S("QUEIJO MINAS FRESCAL COM OREGANO E AZEITE DE OLIVA EXTRA VIRGEM");
    EXPECT_TRUE(t.contains(longName.left(37)));
    EXPECT_TRUE(t.contains(longName.mid(37)));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Sub-Total"), S("37,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Recebido"), S("50,00"))));
    EXPECT_TRUE(t.contains(FormatItemLine(S("Troco"), S("13,00"))));
    EXPECT_EQ(t.value(t.size() - 5), S("JOAO MOTO"));

    // The receipt of the closing: its slot and port, the end of receipt after it.
    const SingleClosingResult r = closeIt(l(), order);
    seeds::portToFile(st, S("LPT3"), S("entrega.txt"));
    SingleOrderClosing::printReceipt(r);
    EXPECT_EQ(fileBytes(port), bytes(r.receipt) + kEndOfReceipt);
}

TEST(SingleOrderStations, TwoStationsStartingOrdersAtOnceNeverShareOne)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("single-order-start"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        std::vector<qint64> mine, theirs;
        auto start = [](TLogon& l, std::vector<qint64>& got) {
            SingleOrders orders(l);
            for (int k = 0; k < 25; ++k)
                got.push_back(orders.create());
        };
        atOnce([&] { start(*a, mine); }, [&] { start(*b, theirs); });
        QSet<qint64> all;
        for (qint64 id : mine)
            all.insert(id);
        for (qint64 id : theirs)
            all.insert(id);
        EXPECT_EQ(all.size(), 50);
        EXPECT_EQ(count(*a, S("select count(*) from DELIPED")), 50);
        EXPECT_EQ(count(*a, S("select count(distinct ID) from DELIPED")), 50);
    }
}

TEST(SingleOrderStations, TwoStationsRegisteringOneNewTelephoneMakeOneCustomer)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("single-order-customer"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        auto take = [](TLogon& l) {
            SingleOrders orders(l);
            for (qint64 phone = 40000001; phone <= 40000030; ++phone)
                orders.customer(phone);
        };
        atOnce([&] { take(*a); }, [&] { take(*b); });
        EXPECT_EQ(count(*a, S("select count(*) from CLIENTES where CODIGO between 40000001 and 40000030")), 30);
    }
}

TEST(SingleOrderStations, TwoStationsClosingOneOrderWriteOneSale)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, S("single-order-close"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        const qint64 area = seedMenu(*a);
        seeds::openShift(*a, 5, kNow.date());
        const qint64 order = seeds::singleOrder(*a, kPhone, kName, richOrder(), area, kMan);
        std::thread other;
        QString refusedB;
        // A holds the order inside its closing; B's closing waits, then finds it gone.
        a->action([&] {
            SingleOrders(*a).holdOrder(order);
            other = std::thread([&] {
                try {
                    closeIt(*b, order);
                } catch (const DeliveryRefused& e) {
                    refusedB = e.message();
                } catch (const std::exception& e) {
                    refusedB = QString::fromUtf8(e.what());
                }
            });
            QThread::msleep(300);
            // A closes it (the same action takes the order off)
            a->run(S("delete from DELIPED where ID = ?"), {order});
        });
        other.join();
        EXPECT_EQ(refusedB, dt::desk::orderGone);
        EXPECT_EQ(count(*a, S("select count(*) from FATURA")), 0);

        const qint64 second = seeds::singleOrder(*a, kPhone, kName, richOrder(), area, kMan);
        QStringList outcomes;
        std::mutex m;
        auto run = [&](TLogon& l) {
            QString o = S("closed");
            try {
                closeIt(l, second);
            } catch (const std::exception& e) {
                o = QString::fromUtf8(e.what());
            }
            const std::lock_guard<std::mutex> lock(m);
            outcomes << o;
        };
        atOnce([&] { run(*a); }, [&] { run(*b); });
        EXPECT_EQ(outcomes.count(S("closed")), 1) << outcomes.join('|').toStdString();
        EXPECT_TRUE(outcomes.contains(dt::desk::orderGone)) << outcomes.join('|').toStdString();
        EXPECT_EQ(count(*a, S("select count(*) from FATURA")), 1);
        EXPECT_EQ(count(*a, S("select count(*) from RECARQ")), 1);
        EXPECT_EQ(count(*a, S("select count(*) from ESTFIC")), 8);
    }
}
