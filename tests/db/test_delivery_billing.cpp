// Delivery invoicing, the production tickets and the delivery note on a real
// database: every row of the sale in its shape and to the cent, the order off the
// desk, the invoice counter across its wrap, two stations invoicing one order and
// across the wrap, the closed cash, a failure in the middle, an order changed
// meanwhile, and the printouts read back from port files byte for byte.
#include "DeviceBytes.h"
#include "ClosingSeeds.h"
#include "CupsSandbox.h"
#include "DeliverySeeds.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "ShiftReportSeeds.h"
#include "StationPair.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/DbError.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryPrintouts.h"
#include "delivery/DeliverySettlement.h"
#include "delivery/DeliveryText.h"
#include "platform/Win1252.h"
#include "printing/RawPrinterPort.h"
#include "printing/RoutePrintout.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using seeds::D;
namespace dt = deliverytext;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const QString& sql, const Params& p = {}) { return integerOf(l.scalar(sql, p)); }

const QString kName35 = S("MARIA APARECIDA DOS SANTOS OLIVEIRA");   // 35 characters
constexpr qint64 kPhone = 33334444;
const QDateTime kNow(QDate(2026, 3, 14), QTime(20, 15, 0));

// The menu, the methods, a delivery man and an area, the customer, on any station.
qint64 seedMenu(TLogon& l)
{
    seeds::addProduct(l, S("000012"), S("CALABRESA"), D("30"), D("12"));
    seeds::addProduct(l, S("000034"), S("MUSSARELA"), D("28"), D("10"));
    seeds::addProduct(l, S("000020"), S("REFRIGERANTE"), D("6"), D("2,5"));
    seeds::addProduct(l, S("K1"), S("COMBO"), D("20"), Decimal(), true);
    seeds::addKitComponent(l, S("K1"), S("000020"), D("1"));
    seeds::addKitComponent(l, S("K1"), S("000012"), D("0,5"));
    seeds::addPaymentMethod(l, 2, S("Cartao"), S("S"));
    seeds::addPaymentMethod(l, 5, S("Fiado"), S("N"));
    seeds::addCustomer(l, int(kPhone), kName35, S("RUA DAS PALMEIRAS, 120"), S("3333-4444"));
    l.run(S("update CLIENTES set CENDERECO = 'CENTRO', CIDADE = 'RECIFE', ESTADO = 'PE' where CODIGO = ?"), {kPhone});
    l.run(S("update EMPRESA set EMPRESA = 'BAR DO ZE', ENDERECO = 'RUA A, 10', CIDADE = 'RECIFE', ESTADO = 'PE', "
            "CNPJ = '12.345.678/0001-90'"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));
    RowSet man = l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'JOAO MOTO') returning ID"));
    man.next();
    return man.integer(u"ID");
}

// The order of the main case: 145,00 of items (a flavour item, a kit, a flavour
// item with a kit among its flavours) and the area's 5,00.
std::vector<seeds::OrderItem> richOrder()
{
    return {seeds::orderItem("000012", "CALABRESA", "1", "30"),
            seeds::orderItem("/000012/000034/", "1/2-CALABRESA 1/2-MUSSARELA", "1", "29"),
            seeds::orderItem("K1", "COMBO", "1", "20", "2"),
            seeds::orderItem("/000034/K1/", "1/2-MUSSARELA 1/2-COMBO", "2", "24"),
            seeds::orderItem("000020", "REFRIGERANTE", "3", "6", "2", {S("GELO E LIMAO")})};
}

qint64 anOrder(TLogon& l, qint64 man, const std::vector<seeds::OrderItem>& items = richOrder(), qint64 phone = kPhone)
{
    const qint64 area = integerOf(l.scalar(S("select max(ID) from ENTREGA")));
    return seeds::deliveryOrder(l, phone, kName35, items, area, man);
}

InvoiceRequest request(TLogon& l, qint64 order, const std::vector<std::pair<int, Decimal>>& amounts,
                       const Decimal& discount = Decimal())
{
    DeskHandOver h = seeds::deskHandOver(l, order);
    InvoiceRequest r;
    r.orderId = order;
    r.phone = h.order.fone;
    r.customerName = h.order.cliente;
    r.panel = seeds::filledPanel(l, h, amounts, discount);
    r.lines = h.lines;
    return r;
}

InvoiceResult invoice(TLogon& l, const InvoiceRequest& r)
{
    DeliveryInvoicing inv(l);
    inv.setClock([] { return kNow; });
    return inv.invoice(r);
}

qint64 saleRows(TLogon& l)
{
    return count(l, S("select count(*) from FATURA")) + count(l, S("select count(*) from RECARQ"))
        + count(l, S("select count(*) from ESTFIC")) + count(l, S("select count(*) from DESPLOJA"))
        + count(l, S("select count(*) from SERVICO"));
}

QByteArray bytes(const Printout& p) { return deviceBytes(p.lines); }

const QByteArray kDrawer("\x1B\x76\x8C\r\n", 5);

// A label padded to 26 and an amount in 12 columns, as the receipts and the note print them.
QString line26(const QString& label, const char* amount)
{
    return label.leftJustified(26, ' ', true) + S(amount).rightJustified(12);
}

// Station A does `hold` in an action and, before it commits, station B does `other`
// on a thread of its own: B waits for what A holds, then goes on.
void whileAHolds(TLogon& a, const std::function<void()>& hold, const std::function<void()>& other)
{
    std::thread b;
    a.action([&] {
        hold();
        b = std::thread(other);
        QThread::msleep(400);
    });
    b.join();
}

// Two stations on the station's own file and on the test server, with the menu
// seeded and shift 5 open; `test` gets both and the delivery man's key.
void onTwoStations(const char* name, const std::function<void(TLogon&, TLogon&, qint64)>& test)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QString::fromLatin1(name))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 5);
        const qint64 man = seedMenu(*a);
        seeds::openShift(*a, 5, kNow.date());
        test(*a, *b, man);
    }
}

class DeliveryBillingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        man = seedMenu(l());
        seeds::openShift(l(), 5, kNow.date());
        ctx::op().OperatorName = S("ANA");
    }
    TLogon& l() { return st.logon(); }

    TestStation st;
    ScriptedDialogs script;
    qint64 man = 0;
};

} // namespace

TEST_F(DeliveryBillingTest, AnInvoiceWritesEveryRowOfTheSaleToTheCentAndTakesTheOrderOffTheDesk)
{
    const qint64 order = anOrder(l(), man);
    // Cash 30, card 80, on account 50 with a discount of 10: the change of 20 comes off the cash.
    const InvoiceResult r = invoice(l(), request(l(), order, {{1, D("30")}, {2, D("80")}, {5, D("50")}}, D("10")));

    const QString number = QStringLiteral("05%1").arg(r.counter, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(r.numberText, number);
    EXPECT_EQ(r.saleNumber, number.toLongLong());
    EXPECT_TRUE(r.creditSale);

    // The payments: one row per method with an amount, the first less the change,
    // numbered by method "." a receivable number, settled when the method settles.
    RowSet p = l().run(S("select DUPLICATA, CODIGO, NOME, EMISSAO, VENCIMENTO, BAIXA, VALOR, VENDEDOR, TERMINAL, CAIXA, "
                         "NFISCAL, HORA from RECARQ order by ID"));
    ASSERT_EQ(p.size(), 3);
    const QRegularExpression title(S("^(\\d\\d)\\.\\d{9}$"));
    const char* codes[] = {"01", "02", "05"};
    const char* values[] = {"10", "80", "50"};
    for (int k = 0; k < 3; ++k) {
        p.next();
        const auto m = title.match(p.text(u"DUPLICATA"));
        ASSERT_TRUE(m.hasMatch()) << p.text(u"DUPLICATA").toStdString();
        EXPECT_EQ(m.captured(1), S(codes[k]));
        EXPECT_EQ(p.integer(u"CODIGO"), kPhone);
        EXPECT_EQ(p.text(u"NOME"), kName35.left(30));
        EXPECT_EQ(p.date(u"EMISSAO"), kNow.date());
        EXPECT_EQ(p.date(u"VENCIMENTO"), kNow.date().addDays(30));
        EXPECT_EQ(p.isNull(u"BAIXA"), k == 2) << "only the receivable stays open";
        EXPECT_EQ(p.decimal(u"VALOR"), D(values[k]));
        EXPECT_EQ(p.integer(u"VENDEDOR"), 1);
        EXPECT_EQ(p.integer(u"TERMINAL"), 1);
        EXPECT_EQ(p.integer(u"CAIXA"), 5);
        EXPECT_EQ(p.integer(u"NFISCAL"), r.saleNumber);
        EXPECT_EQ(p.text(u"HORA"), S("14/03/26 20:15:00"));
    }

    // The discount as an expense row of the shift.
    RowSet x = l().run(S("select DATA, CAIXA, TERMINAL, HISTORICO, VALOR from DESPLOJA"));
    ASSERT_TRUE(x.next());
    EXPECT_EQ(x.text(u"HISTORICO"), S("Desconto Cupom") + number);
    EXPECT_EQ(x.decimal(u"VALOR"), D("10"));
    EXPECT_EQ(x.integer(u"CAIXA"), 5);
    EXPECT_EQ(x.integer(u"TERMINAL"), 1);
    EXPECT_EQ(count(l(), S("select count(*) from SERVICO")), 0);

    // The sale: the items' value, the fee as freight, the delivery man's key.
    RowSet f = l().run(S("select NOTA, TIPO, DATA, CLIENTE, VALOR, VENDEDOR, TERMINAL, HORA, FRETE, DELYENTREGA, "
                         "DELYTAXA, DELIVERY, CAIXA from FATURA"));
    ASSERT_TRUE(f.next());
    EXPECT_EQ(f.integer(u"NOTA"), r.saleNumber);
    EXPECT_EQ(f.integer(u"TIPO"), 3);
    EXPECT_EQ(f.date(u"DATA"), kNow.date());
    EXPECT_EQ(f.text(u"CLIENTE"), kName35.left(30));
    EXPECT_EQ(f.decimal(u"VALOR"), D("145"));
    EXPECT_EQ(f.decimal(u"FRETE"), D("5"));
    EXPECT_EQ(f.decimal(u"DELYTAXA"), D("5"));
    EXPECT_EQ(f.integer(u"DELYENTREGA"), man);
    EXPECT_EQ(f.text(u"DELIVERY"), S("S"));
    EXPECT_EQ(f.integer(u"TERMINAL"), 1);
    EXPECT_EQ(f.integer(u"CAIXA"), 5);
    // The books: items and freight are the payments and the discount.
    EXPECT_EQ(decimalOf(l().scalar(S("select sum(VALOR) from RECARQ"))) + D("10"), D("145") + D("5"));

    // The stock-out, in the desk's order (by kitchen printer): plain items named
    // after the customer with their cost, the kit whole, the flavours split (the 15-character flavour code cut to its column),
    // a kit among the flavours exploded into its components.
    struct Row { QString code, history; Decimal out, value; QVariant cost; bool invoice, order; };
    const QString cli = S("Cli:") + kName35;   // 39 characters
    const std::vector<Row> expected = {
        {S("000012"), cli, D("1"), D("30"), QVariant::fromValue(D("12")), true, false},
        {S("/000012/000034"), S("1/2-CALABRESA 1/2-MUSSARELA"), D("1"), D("29"), QVariant(), true, true},
        {S("000012"), S("#DELIvery 1/2-CALABRESA 1/2-M"), D("0,5"), D("29"), QVariant::fromValue(D("12")), false, true},
        {S("000034"), S("#DELIvery 1/2-CALABRESA 1/2-M"), D("0,5"), D("29"), QVariant::fromValue(D("10")), false, true},
        {S("/000034/K1/"), S("1/2-MUSSARELA 1/2-COMBO"), D("2"), D("24"), QVariant(), true, true},
        {S("000034"), S("#DELIvery 1/2-MUSSARELA 1/2-C"), D("1"), D("24"), QVariant::fromValue(D("10")), false, true},
        {S("000020"), S("Cli: 33334444Cx:5 Valor:24"), D("1"), D("6"), QVariant::fromValue(D("2,5")), false, true},
        {S("000012"), S("Cli: 33334444Cx:5 Valor:24"), D("0,5"), D("30"), QVariant::fromValue(D("12")), false, true},
        {S("K1"), cli, D("1"), D("20"), QVariant::fromValue(Decimal()), true, false},
        {S("000020"), cli, D("3"), D("6"), QVariant::fromValue(D("2,5")), true, false},
    };
    RowSet s = l().run(S("select CODIGO, HISTORICO, SAIDA, VALOR, CUSTO, NFISCAL, PEDIDO, VENDEDOR, CLIENTE, CAIXA, "
                         "TERMINAL, DATA from ESTFIC order by ID"));
    ASSERT_EQ(s.size(), int(expected.size()));
    for (const Row& e : expected) {
        s.next();
        SCOPED_TRACE(e.code.toStdString() + " " + e.history.toStdString());
        EXPECT_EQ(s.text(u"CODIGO"), e.code);
        EXPECT_EQ(s.text(u"HISTORICO"), e.history);
        EXPECT_EQ(s.decimal(u"SAIDA"), e.out);
        EXPECT_EQ(s.decimal(u"VALOR"), e.value);
        EXPECT_EQ(s.isNull(u"CUSTO"), e.cost.isNull());
        if (!e.cost.isNull()) {
            EXPECT_EQ(s.decimal(u"CUSTO"), decimalOf(e.cost));
        }
        EXPECT_EQ(s.isNull(u"NFISCAL"), !e.invoice);
        EXPECT_EQ(s.isNull(u"PEDIDO"), !e.order);
        EXPECT_EQ(s.integer(u"VENDEDOR"), 0);
        EXPECT_EQ(s.integer(u"CLIENTE"), kPhone);
        EXPECT_EQ(s.integer(u"CAIXA"), 5);
        EXPECT_EQ(s.integer(u"TERMINAL"), 1);
        EXPECT_EQ(s.date(u"DATA"), kNow.date());
    }

    // The order is gone from the desk, items and complements with it.
    EXPECT_EQ(count(l(), S("select count(*) from DELIVERE")), 0);
    EXPECT_EQ(count(l(), S("select count(*) from DELIITEM")), 0);
    EXPECT_EQ(count(l(), S("select count(*) from ACOMPDELI")), 0);

    // The receipt, composed before the commit.
    const QStringList& t = r.receipt.lines;
    EXPECT_EQ(t.value(0), S("               BAR DO ZE"));
    EXPECT_TRUE(t.contains(S("Codigo :33334444"))) << t.join('\n').toStdString();
    EXPECT_TRUE(t.contains(S("Cliente:") + kName35));
    EXPECT_TRUE(t.contains(S("Bairro :CENTRO")));
    EXPECT_TRUE(t.contains(S("Term:  1 Cx:05 Num:") + QStringLiteral("%1").arg(r.counter, 5, 10, QLatin1Char('0'))));
    EXPECT_TRUE(t.contains(S("14/03/26 - 20:15:00")));
    EXPECT_TRUE(t.contains(S("/000012/000034/ 1/2-CALABRESA 1/2-MUSSARELA").left(38)));
    EXPECT_TRUE(t.contains(S("        2,0x       24,00=        48,00")));
    EXPECT_TRUE(t.contains(line26(S("Total"), "145,00")));
    EXPECT_TRUE(t.contains(S("Itens.:8")));
    EXPECT_TRUE(t.contains(line26(S("DESCONTO"), "10,00")));
    EXPECT_TRUE(t.contains(line26(S("TAXA DE ENTREGA"), "5,00")));
    EXPECT_TRUE(t.contains(line26(S("   01S - Dinheiro"), "30,00")));
    EXPECT_TRUE(t.contains(line26(S("   05N - Fiado"), "50,00")));
    EXPECT_TRUE(t.contains(line26(S("TROCO"), "20,00")));
    const qsizetype signature = t.indexOf(QString(31, '-'));
    ASSERT_GE(signature, 0);
    EXPECT_EQ(t.value(signature + 1), kName35);
    EXPECT_EQ(t.value(t.size() - 3), S("Op.: ANA"));
}

TEST_F(DeliveryBillingTest, TheInvoiceCounterWrapsOnlyOnTheDrawOf100001)
{
    // The draw of 100001 is used, and sets the counter back: the next invoice takes 1.
    l().run(S("SET GENERATOR TIPBAIXA TO 100000"));
    const InvoiceResult wrap = invoice(l(), request(l(), anOrder(l(), man), {{1, D("150")}}));
    EXPECT_EQ(wrap.numberText, S("05100001"));
    EXPECT_EQ(integerOf(l().scalar(S("select NOTA from FATURA"))), 5100001);
    EXPECT_EQ(invoice(l(), request(l(), anOrder(l(), man), {{1, D("150")}})).numberText, S("050001"));

    // A draw above it (another station's, at the same moment) keeps its value and the counter.
    l().run(S("SET GENERATOR TIPBAIXA TO 100001"));
    EXPECT_EQ(invoice(l(), request(l(), anOrder(l(), man), {{1, D("150")}})).numberText, S("05100002"));
    EXPECT_EQ(l().GenId(S("TIPBAIXA"), 0), 100002);
}

TEST_F(DeliveryBillingTest, RefusalsAndAFailureInTheMiddleWriteNothingAndLeaveTheOrderOnTheDesk)
{
    const qint64 order = anOrder(l(), man);
    auto untouched = [&] {
        EXPECT_EQ(saleRows(l()), 0);
        EXPECT_EQ(count(l(), S("select count(*) from DELIVERE where ID = ?"), {order}), 1);
        EXPECT_EQ(count(l(), S("select count(*) from DELIITEM where PEDIDO = ?"), {QString::number(order)}), 5);
        EXPECT_EQ(count(l(), S("select count(*) from ACOMPDELI")), 1);
    };
    auto refused = [&](const InvoiceRequest& r, const QString& message) {
        try {
            invoice(l(), r);
            ADD_FAILURE() << "invoiced";
        } catch (const DeliveryRefused& e) {
            EXPECT_EQ(e.message(), message);
        }
        untouched();
    };
    // The panel's checks, run again on what the fields hold.
    refused(request(l(), order, {{1, D("100")}}), dt::panel::missing);
    refused(request(l(), order, {{1, D("20")}, {2, D("160")}}), dt::panel::changeAboveCash);
    InvoiceRequest typed = request(l(), order, {{1, D("150")}});
    typed.panel.amounts[1] = S("1e20");
    refused(typed, dt::panel::invalidAmount);

    // The cash closed by another station meanwhile.
    l().run(S("update CONTCAIXA set CAIXA = 0"));
    refused(request(l(), order, {{1, D("150")}}), dt::desk::cashClosed);
    l().run(S("update CONTCAIXA set CAIXA = 5"));

    // An item added by another station after the panel opened.
    const InvoiceRequest stale = request(l(), order, {{1, D("150")}});
    l().run(S("insert into DELIITEM (ID, PEDIDO, NOME, CODIGO, QUANT, VALOR, IMPRESSORA) "
              "values (GEN_ID(DELIITEM,1), ?, 'REFRIGERANTE', '000020', 1, 6, '1')"), {QString::number(order)});
    try {
        invoice(l(), stale);
        ADD_FAILURE() << "invoiced a stale order";
    } catch (const DeliveryRefused& e) {
        EXPECT_EQ(e.message(), dt::panel::orderChanged);
    }
    EXPECT_EQ(saleRows(l()), 0);
    l().run(S("delete from DELIITEM where PEDIDO = ? and QUANT = 1 and CODIGO = '000020'"), {QString::number(order)});

    // The database refuses the sale row half-way: nothing of the sale, the order stays.
    l().run(S("alter table FATURA add constraint CK_TEST_DELIVERY check (VALOR < 0)"));
    EXPECT_THROW(invoice(l(), request(l(), order, {{1, D("150")}})), DbError);
    untouched();
    l().run(S("alter table FATURA drop constraint CK_TEST_DELIVERY"));

    // The next try writes the one sale.
    invoice(l(), request(l(), order, {{1, D("150")}}));
    EXPECT_EQ(count(l(), S("select count(*) from FATURA")), 1);
    EXPECT_EQ(count(l(), S("select count(*) from RECARQ")), 1);
    EXPECT_EQ(count(l(), S("select count(*) from DELIVERE")), 0);
}

TEST_F(DeliveryBillingTest, AnEmptyDiscountIsNoneAndAnAmountThatIsNoNumberIsRefused)
{
    const qint64 order = anOrder(l(), man);
    InvoiceRequest r = request(l(), order, {{1, D("150")}});
    r.panel.discount = S("   ");
    const InvoiceResult done = invoice(l(), r);
    EXPECT_EQ(count(l(), S("select count(*) from DESPLOJA")), 0);
    EXPECT_TRUE(done.receipt.lines.filter(S("DESCONTO")).isEmpty());
}

TEST_F(DeliveryBillingTest, TheReceiptGoesToThePortAndTheDrawerFollowsAsASecondJob)
{
    const InvoiceResult r = invoice(l(), request(l(), anOrder(l(), man), {{1, D("200")}}));
    const QString port = seeds::portToFile(st, S("LPT4"), S("recibo.txt"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT4")});
    seeds::setup(st, {{12, S("Informa porta")}});
    script.answerMessages({S("S")});
    DeliveryInvoicing::offerReceipt(r);
    ClosePrinterPort();
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes(r.receipt) + kDrawer);
    EXPECT_EQ(script.messageTexts(), QStringList{dt::panel::printQuestion});

    // "Não": nothing printed.
    f.close();
    seeds::portToFile(st, S("LPT4"), S("recibo.txt"));
    script.answerMessages({S("N")});
    DeliveryInvoicing::offerReceipt(r);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().isEmpty());

    // A port that cannot be found: the message, then the preview.
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT4=") + st.root() + S("/sem-pasta/recibo.txt")});
    script.messages.clear();
    script.answerMessages({S("S")});
    DeliveryInvoicing::offerReceipt(r);
    EXPECT_EQ(script.messageTexts(), (QStringList{dt::panel::printQuestion, S(" Impressora nao localizada  ")}));
    EXPECT_EQ(script.windowsShown, QStringList{S("TFormVisao")});
}

TEST_F(DeliveryBillingTest, AStoppedPrinterQueueShowsTheReceiptInThePreviewAndTheSaleStays)
{
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    RawPrinterListener printer;
    ASSERT_TRUE(printer.listening());
    ASSERT_EQ(cups.addRawQueue(S("DeliveryParada"), printer.uri()), S(""));
    ASSERT_EQ(cups.stopQueue(S("DeliveryParada")), S(""));
    seeds::setup(st, {{12, S("DeliveryParada")}});
    const InvoiceResult r = invoice(l(), request(l(), anOrder(l(), man), {{1, D("150")}}));
    script.answerMessages({S("S")});
    DeliveryInvoicing::offerReceipt(r);
    EXPECT_EQ(script.messageTexts(), (QStringList{dt::panel::printQuestion, S(" Impressora nao localizada  ")}));
    EXPECT_EQ(script.windowsShown, QStringList{S("TFormVisao")});
    EXPECT_EQ(cups.pendingJobs(S("DeliveryParada")), 0) << "no job left to come out later";
    EXPECT_EQ(count(l(), S("select count(*) from FATURA")), 1);

    // Started again: the receipt with the control byte of setup.INI line 8 first, no drawer job.
    ASSERT_EQ(cups.startQueue(S("DeliveryParada")), S(""));
    seeds::setup(st, {{12, S("DeliveryParada")}, {8, S("3")}});
    script.answerMessages({S("S")});
    DeliveryInvoicing::offerReceipt(r);
    const std::optional<QByteArray> job = printer.nextJob();
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->startsWith(QByteArray("\x12\r\n")));
    EXPECT_TRUE(job->contains(toWin1252(r.receipt.lines.value(0))));
    cups.waitUntilIdle();
    cups.removeQueue(S("DeliveryParada"));
}

TEST_F(DeliveryBillingTest, ProductionTicketsOnePerKitchenPrinterOnThePortWithTheDrawerAfterEach)
{
    const qint64 order = anOrder(l(), man, {seeds::orderItem("000012", "CALABRESA", "1,5", "30", "1"),
                                            seeds::orderItem("000034", "PIZZA DE MUSSARELA COM BORDA RECHEADA E OREGANO", "2",
                                                 "28", "5", {S("BORDA CATUPIRY")}),
                                            seeds::orderItem("000020", "REFRIGERANTE", "1", "6", ""),
                                            seeds::orderItem("000020", "REFRIGERANTE ZERO", "1", "6", "0"),
                                            seeds::orderItem("000020", "AGUA", "1", "3", "7")});
    l().run(S("update DELIITEM set OBS = 'SEM CEBOLA' where NOME = 'CALABRESA'"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\fonte.INI"), {S("7"), S("12"), S(""), S(""), S(""), S(""), S(""), S(""),
                                                       S(""), S(""), S(""), S(""), S(""), S(""), S(""), S("2")});
    DeliveryPrintouts printouts(l());
    printouts.setClock([] { return kNow; });
    const std::vector<Printout> tickets = printouts.productionTickets(order);
    ASSERT_EQ(tickets.size(), 2u);
    const QString rule = QString(37, '='), dash = QString(37, '-');
    const QStringList first = {
        S("***  Controle Producao Imp:01 ***"), S("          PEDIDO   N.:") + QString::number(order), dash,
        S("Cliente :") + kName35.left(33), S("Telefone:33334444"), S("14/03/26  -  20:15:00"),
        S("                    D E L I V E R Y"), rule, S("QTD PRODUTO"), rule,
        S("001,5 CALABRESA"), S(" > SEM CEBOLA"), S("-"),
        S("001 REFRIGERANTE"), S("-"),
        S("001 REFRIGERANTE ZERO"), S("-"),
        rule, S("              Qtd Total ") + S("4").rightJustified(11), S("."), S(".")};
    EXPECT_EQ(tickets[0].lines, first);
    EXPECT_EQ(tickets[0].fontSize, 12);
    const QStringList& fifth = tickets[1].lines;
    EXPECT_EQ(fifth.value(0), S("***  Controle Producao Imp:05 ***"));
    // A long text: 37 characters, then five blanks and the rest
    const QString pizza = S("002 PIZZA DE MUSSARELA COM BORDA RECHEADA E OREGANO");
    EXPECT_TRUE(fifth.contains(pizza.left(37))) << fifth.join('\n').toStdString();
    EXPECT_TRUE(fifth.contains(S("     ") + pizza.mid(37)));
    EXPECT_TRUE(fifth.contains(S(" > BORDA CATUPIRY")));
    EXPECT_FALSE(fifth.join('\n').contains(S("AGUA")));
    // Items without a number take the first; the order is in production.
    EXPECT_EQ(count(l(), S("select count(*) from DELIITEM where IMPRESSORA = '1'")), 3);
    EXPECT_EQ(l().scalar(S("select STATUS from DELIVERE where ID = ?"), {order}).toString(), S("PRUDUCAO"));

    // On the port: each ticket, then the drawer pulse.
    const QString port = seeds::portToFile(st, S("LPT1"), S("producao.txt"));
    seeds::setup(st, {{12, S("Informa porta")}});
    DeliveryPrintouts::print(tickets);
    ClosePrinterPort();
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes(tickets[0]) + kDrawer + bytes(tickets[1]) + kDrawer);

    // An order without items prints nothing and is in production all the same.
    const qint64 empty = anOrder(l(), man, {}, 44445555);
    EXPECT_TRUE(printouts.productionTickets(empty).empty());
    EXPECT_EQ(l().scalar(S("select STATUS from DELIVERE where ID = ?"), {empty}).toString(), S("PRUDUCAO"));
    // An order another station invoiced meanwhile.
    l().run(S("delete from DELIVERE where ID = ?"), {empty});
    EXPECT_THROW(printouts.productionTickets(empty), DeliveryRefused);
}

TEST_F(DeliveryBillingTest, ProductionTicketsGiveTheFirstKitchenPrinterToTheItemsOfEveryOrder)
{
    const qint64 shown = anOrder(l(), man, {seeds::orderItem("000012", "CALABRESA", "1", "30", ""),
                                            seeds::orderItem("000020", "REFRIGERANTE", "1", "6", "0")});
    const qint64 other = anOrder(l(), man, {seeds::orderItem("000012", "CALABRESA", "1", "30", ""),
                                            seeds::orderItem("000020", "REFRIGERANTE", "1", "6", "0"),
                                            seeds::orderItem("000034", "MUSSARELA", "1", "28", "3")},
                                 44445555);
    DeliveryPrintouts printouts(l());
    printouts.setClock([] { return kNow; });
    EXPECT_EQ(printouts.productionTickets(shown).size(), 1u);
    auto printer = [&](qint64 order, const char* number) {
        return count(l(), S("select count(*) from DELIITEM where PEDIDO = ? and IMPRESSORA = ?"),
                     {QString::number(order), S(number)});
    };
    EXPECT_EQ(printer(shown, "1"), 2);
    EXPECT_EQ(printer(other, "1"), 2) << "the other order's items without a number take the first too";
    EXPECT_EQ(printer(other, "3"), 1);
    EXPECT_EQ(count(l(), S("select count(*) from DELIITEM where IMPRESSORA = '' or IMPRESSORA = '0'")), 0);
    // Only the shown order is in production.
    EXPECT_TRUE(l().scalar(S("select STATUS from DELIVERE where ID = ?"), {other}).isNull());
}

TEST_F(DeliveryBillingTest, WeighedItemsAreChargedTheTotalTheirReceiptPrints)
{
    seeds::addProduct(l(), S("000060"), S("PICANHA KG"), D("59,9"), D("30"));
    seeds::addProduct(l(), S("000061"), S("MEIA PORCAO"), D("25,99"), D("10"));
    const qint64 order = anOrder(l(), man, {seeds::orderItem("000060", "PICANHA KG", "0,437", "59,9"),
                                            seeds::orderItem("000060", "PICANHA KG", "0,613", "59,9"),
                                            seeds::orderItem("000061", "MEIA PORCAO", "0,5", "25,99")});
    // The desk's total: 26,18 + 36,72 + 13,00 and the area's 5,00, as the single-screen order prices them.
    EXPECT_EQ(decimalOf(l().scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("80,9"));
    const InvoiceResult r = invoice(l(), request(l(), order, {{1, D("100")}}));
    const QStringList& t = r.receipt.lines;
    for (const char* amount : {"26,18", "36,72", "13,00"})
        EXPECT_EQ(t.filter(QRegularExpression(S("= +") + S(amount) + S("$"))).size(), 1) << amount << "\n"
                                                                                        << t.join('\n').toStdString();
    EXPECT_TRUE(t.contains(line26(S("Total"), "75,90"))) << t.join('\n').toStdString();
    EXPECT_TRUE(t.contains(line26(S("TAXA DE ENTREGA"), "5,00")));
    EXPECT_TRUE(t.contains(line26(S("TROCO"), "19,10")));
    // The sale is charged what the receipt prints, and the payment booked is that and the fee.
    EXPECT_EQ(decimalOf(l().scalar(S("select VALOR from FATURA"))), D("75,9"));
    EXPECT_EQ(decimalOf(l().scalar(S("select FRETE from FATURA"))), D("5"));
    EXPECT_EQ(decimalOf(l().scalar(S("select sum(VALOR) from RECARQ"))), D("80,9"));
}

TEST_F(DeliveryBillingTest, TheDeliveryNoteRecordsTheExpectedPaymentAndChange)
{
    const qint64 order = anOrder(l(), man, {seeds::orderItem("000012", "PIZZA GRANDE DE CALABRESA COM CATUPIRY", "1", "50", "1",
                                                 {S("BORDA RECHEADA"), S("OREGANO")})});
    auto panel = [&](const std::vector<std::pair<int, Decimal>>& amounts) {
        DeskHandOver h = seeds::deskHandOver(l(), order);
        return seeds::filledPanel(l(), h, amounts);
    };
    const DeskHandOver h = seeds::deskHandOver(l(), order);
    NoteRequest r;
    r.orderId = order;
    r.phone = h.order.fone;
    r.deliveryManLabel = h.order.deliveryManLabel();
    r.items = h.items;
    r.panel = panel({{1, D("100")}});
    r.panel.message = S("TOCAR A CAMPAINHA");
    DeliveryPrintouts printouts(l());
    printouts.setClock([] { return kNow; });
    const Printout note = printouts.deliveryNote(r);
    const QStringList& t = note.lines;
    const QString rule = QString(37, '='), dash = QString(37, '-');
    const QStringList expected = {
        S("          NOTA DE ENTREGA "), S("BAR DO ZE"), S("RUA A, 10"), S("RECIFE PE"), dash,
        S("Pedido..:") + QString::number(order), S("Data/Hora :14/03/26 20:15:00"), S("Cliente.:") + kName35,
        S("Telefone:33334444"), S(":RUA DAS PALMEIRAS, 120"), S(":CENTRO"), S(":RECIFE - PE"), S(":"), S("Referenc:"),
        rule, S("PRODUTO"), S("CODIGO            QTD  VALOR  TOTAL"), rule,
        S("PIZZA GRANDE DE CALABRESA COM CATUPIR"), S("     Y"),
        FormatQuantityItemLine(S("000012"), S("1"), S("   50,00"), S("    50,00")),
        S("   BORDA RECHEADA"), S("   OREGANO"),
        rule, FormatItemLine(S("Total"), S("50,00")),
        line26(S("TAXA DE ENTREGA"), "5,00"), line26(S("   01S - Dinheiro"), "100,00"), line26(S("TROCO"), "45,00"),
        S("Entrega:JOAO MOTO"), S("Obs:"), S("TOCAR A CAMPAINHA"), QString(), dash, QString(), dash, QString()};
    EXPECT_EQ(t, expected);
    EXPECT_EQ(l().scalar(S("select PAGAMENTO from DELIVERE where ID = ?"), {order}).toString(), S("Dinheiro"));
    EXPECT_EQ(decimalOf(l().scalar(S("select TROCO from DELIVERE where ID = ?"), {order})), D("45"));

    // Printed again: the values of the second; then the order leaves for delivery.
    r.panel = panel({{1, D("5")}, {2, D("50")}});
    printouts.deliveryNote(r);
    EXPECT_EQ(l().scalar(S("select PAGAMENTO from DELIVERE where ID = ?"), {order}).toString(), S("Cartao"));
    EXPECT_EQ(decimalOf(l().scalar(S("select TROCO from DELIVERE where ID = ?"), {order})), Decimal());
    printouts.markOutForDelivery(order);
    EXPECT_EQ(l().scalar(S("select STATUS from DELIVERE where ID = ?"), {order}).toString(), S("SAIU P/ENTREGA"));
    // Refused before anything is written: the missing amount.
    r.panel = panel({{1, D("30")}});
    EXPECT_THROW(printouts.deliveryNote(r), DeliveryRefused);
    EXPECT_EQ(l().scalar(S("select PAGAMENTO from DELIVERE where ID = ?"), {order}).toString(), S("Cartao"));
}

TEST(DeliveryBillingStations, TwoStationsInvoicingOneOrderWriteOneSale)
{
    onTwoStations("delivery-billing", [](TLogon& a, TLogon& b, qint64 man) {
        const qint64 order = anOrder(a, man);
        const InvoiceRequest ra = request(a, order, {{1, D("150")}});
        const InvoiceRequest rb = request(b, order, {{2, D("150")}});
        QString refusedB;
        // B waits on the order A took off the desk.
        whileAHolds(a, [&] { invoice(a, ra); }, [&] {
            try {
                invoice(b, rb);
            } catch (const DeliveryRefused& e) {
                refusedB = e.message();
            } catch (const std::exception& e) {
                refusedB = QString::fromUtf8(e.what());
            }
        });
        EXPECT_EQ(refusedB, dt::panel::alreadyInvoiced);
        EXPECT_EQ(count(a, S("select count(*) from FATURA")), 1);
        EXPECT_EQ(count(a, S("select count(*) from RECARQ")), 1);
        EXPECT_EQ(a.scalar(S("select DUPLICATA from RECARQ")).toString().left(3), S("01."));
        EXPECT_EQ(count(a, S("select count(*) from ESTFIC")), 10);
    });
}

TEST(DeliveryBillingStations, TwoStationsInvoicingAcrossTheWrapNeverShareASaleNumber)
{
    onTwoStations("delivery-wrap", [](TLogon& a, TLogon& b, qint64 man) {
        std::vector<InvoiceRequest> forA, forB;
        for (int k = 0; k < 4; ++k) {
            forA.push_back(request(a, anOrder(a, man, {seeds::orderItem("000012", "CALABRESA", "1", "30")}, 50000000 + k),
                                   {{1, D("35")}}));
            forB.push_back(request(b, anOrder(b, man, {seeds::orderItem("000012", "CALABRESA", "1", "30")}, 60000000 + k),
                                   {{1, D("35")}}));
        }
        a.run(S("SET GENERATOR TIPBAIXA TO 99998"));
        QStringList numbers;
        std::mutex m;
        auto run = [&](TLogon& l, const std::vector<InvoiceRequest>& list) {
            for (const InvoiceRequest& r : list) {
                const QString n = invoice(l, r).numberText;
                const std::lock_guard<std::mutex> lock(m);
                numbers << n;
            }
        };
        atOnce([&] { run(a, forA); }, [&] { run(b, forB); });
        ASSERT_EQ(numbers.size(), 8);
        EXPECT_EQ(QSet<QString>(numbers.begin(), numbers.end()).size(), 8) << numbers.join(' ').toStdString();
        EXPECT_TRUE(numbers.contains(S("05100001")));
        EXPECT_TRUE(numbers.contains(S("050001")));
        EXPECT_EQ(count(a, S("select count(distinct NOTA) from FATURA")), 8);
    });
}

TEST(DeliverySettlementStations, ASettledDeliveryMovesOnceIntoTheSettlements)
{
    onTwoStations("delivery-settlement", [](TLogon& a, TLogon& b, qint64) {
        // A tab's delivery data: the delivery man's code, the order value, the value with the fee.
        a.run(S("insert into DELIVERE (ID, CODIGO, DATA, HORA, VALOR, MOTOBOY, CLIENTE) "
                "values (GEN_ID(DELIVERE,1), 1234, current_date, '20:00:00', 25, 30.5, 'MESA 12')"));
        const qint64 desk = seeds::deliveryOrder(a, kPhone, S("DO BALCAO"), {});   // a desk order: not listed
        const std::vector<PendingDelivery> pending = DeliverySettlement(b).pending();
        ASSERT_EQ(pending.size(), 1u);
        EXPECT_EQ(pending[0].codigo, 1234);
        bool settledB = true;
        whileAHolds(a, [&] { EXPECT_TRUE(DeliverySettlement(a).settle(pending[0].id, kNow.date())); },
                    [&] { settledB = DeliverySettlement(b).settle(pending[0].id, kNow.date()); });
        EXPECT_FALSE(settledB);
        RowSet s = a.run(S("select CODIGO, DATA, VALORENTREGA, COMISSAO from DELIFIC"));
        ASSERT_EQ(s.size(), 1);
        s.next();
        EXPECT_EQ(s.integer(u"CODIGO"), 1234);   // a plain integer, no thousands separator
        EXPECT_EQ(s.date(u"DATA"), kNow.date());
        EXPECT_EQ(s.decimal(u"VALORENTREGA"), D("25"));
        EXPECT_EQ(s.decimal(u"COMISSAO"), D("30,5"));
        EXPECT_EQ(count(a, S("select count(*) from DELIVERE")), 1);
        EXPECT_EQ(count(a, S("select count(*) from DELIVERE where ID = ?"), {desk}), 1);
    });
}
