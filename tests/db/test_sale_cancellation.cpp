// Cancelling closed sales written by the real closings: every row of the sale
// goes and the stock comes back (kit components and flavours included), the log
// names who authorised it and what it was worth; refusals before any write; a
// failure half-way leaves the sale whole; two stations cancelling one sale make
// one cancellation.
#include "CashOfficeSeeds.h"
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "StationPair.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "db/DbError.h"
#include "cashoffice/CashMovementReport.h"
#include "cashoffice/SaleCancellation.h"

#include <atomic>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class SaleCancellationTest : public ::testing::Test {
protected:
    void SetUp() override { shift = seeds::sellAShift(st); }
    TLogon& l() { return st.logon(); }
    int count(const char* sql, const Params& p = {}) { return st.count(S(sql), p); }
    Decimal stock(const char* code)
    {
        return decimalOf(st.scalar(S("select coalesce(sum(entrada), 0) - coalesce(sum(saida), 0) from estfic "
                                     "where codigo = ?"),
                                   {S(code)}));
    }
    // Every row a sale left in the tables the cancellation empties.
    int rowsOf(qint64 nota)
    {
        return count("select count(*) from fatura where nota = ?", {nota})
            + count("select count(*) from recarq where nfiscal = ?", {nota})
            + count("select count(*) from servico where controle = ?", {nota})
            + count("select count(*) from estfic where nfiscal = ? or pedido = ?", {nota, nota});
    }
    CancelRequest request(qint64 nota, const char* terminal = "1", const char* cash = "")
    {
        return CancelRequest{S(cash), QString::number(nota), S("14/03/26"), S(terminal), S("CHEFE")};
    }

    TestStation st;
    ScriptedDialogs ui;
    seeds::ShiftOfSales shift;
};

} // namespace

TEST_F(SaleCancellationTest, EveryRowOfATabGoesAndTheStockComesBack)
{
    // Tab 000011: a kit (its components carry the sale only in PEDIDO), a two-flavour
    // pizza (its flavours too), two beers, cover, a discount, a card and a receivable.
    const Decimal beer = stock("000001"), pastel = stock("000002"), calabresa = stock("000012"),
                  mussarela = stock("000034"), kit = stock("K1");
    const int others = rowsOf(shift.tabA) + rowsOf(shift.counter) + rowsOf(shift.delivery);
    ASSERT_EQ(count("select count(*) from estfic where pedido = ? and nfiscal is null", {shift.tabB}), 4);

    const QStringList products = SaleCancellation(l()).products(QString::number(shift.tabB));
    EXPECT_EQ(products.size(), 1 + 7) << "the heading, the kit and its two components, the pizza and its two "
                                         "flavours, the beers";

    const ClosedSaleRow sale = SaleCancellation(l()).cancel(request(shift.tabB));
    EXPECT_EQ(sale.valor, D("70,5"));
    EXPECT_EQ(rowsOf(shift.tabB), 0);
    EXPECT_EQ(rowsOf(shift.tabA) + rowsOf(shift.counter) + rowsOf(shift.delivery), others);
    EXPECT_EQ(stock("000001"), beer + D("3")) << "two sold and one in the kit";
    EXPECT_EQ(stock("000002"), pastel + D("0,5"));
    EXPECT_EQ(stock("000012"), calabresa + D("0,5"));
    EXPECT_EQ(stock("000034"), mussarela + D("0,5"));
    EXPECT_EQ(stock("K1"), kit + D("1"));

    RowSet log = l().run(S("select data, usuario, cupom, valor from excluidos"));
    ASSERT_EQ(log.size(), 1);
    log.next();
    EXPECT_EQ(log.date(u"DATA"), QDate(2026, 3, 14));
    EXPECT_EQ(log.text(u"USUARIO"), S("CHEFE"));
    EXPECT_EQ(log.text(u"CUPOM"), S("CP:2 CX:1 Term:1"));
    EXPECT_EQ(log.decimal(u"VALOR"), D("70,5"));

    // The shift's report no longer counts it.
    CashMovementReport report(l());
    const CashMovementFigures f = report.gather(QString::number(shift.cash), S("01"), {});
    EXPECT_EQ(f.tabs.count, 1);
    EXPECT_EQ(f.cover, Decimal());
    EXPECT_EQ(f.discounts.size(), 1u);

    // The latest sales: by number first, by date after a cancellation.
    const std::vector<ClosedSaleRow> byNumber = SaleCancellation(l()).latest(false);
    ASSERT_EQ(byNumber.size(), 3u);
    EXPECT_EQ(byNumber.front().nota, shift.delivery);
    EXPECT_EQ(SaleCancellation(l()).latest(true).size(), 3u);
}

TEST_F(SaleCancellationTest, ADeliveryTakesItsFlavoursAndItsDiscountWithIt)
{
    ASSERT_EQ(count("select count(*) from desploja where historico = 'Desconto Cupom010001'"), 1);
    const Decimal calabresa = stock("000012");
    SaleCancellation(l()).cancel(request(shift.delivery));
    EXPECT_EQ(rowsOf(shift.delivery), 0);
    EXPECT_EQ(stock("000012"), calabresa + D("1,5"));
    EXPECT_EQ(count("select count(*) from desploja where historico = 'Desconto Cupom010001'"), 0);
    EXPECT_EQ(count("select count(*) from desploja where historico = 'GELO'"), 1);
    const CashMovementFigures f =
        CashMovementReport(l()).gather(QString::number(shift.cash), S("01"), {});
    EXPECT_EQ(f.deliveryFees, Decimal());
    EXPECT_EQ(f.cashReceived, D("64"));
}

TEST_F(SaleCancellationTest, FieldsAreCheckedBeforeAnythingIsWritten)
{
    // Sale 2 again, at station 1, in another shift: the number alone names two sales.
    l().run(S("insert into fatura (nota, tipo, caixa, terminal, data, valor) values (2, 1, 9, 1, '2026-03-15', 12)"));
    struct Case { const char* cash; const char* sale; const char* date; const char* terminal; QString message; };
    const Case cases[] = {
        {"", "0", "14/03/26", "1", cancelmsg::notFound},
        {"", "abc", "14/03/26", "1", cancelmsg::notFound},
        {"", "-3", "14/03/26", "1", cancelmsg::notFound},
        {"", "1e20", "14/03/26", "1", cancelmsg::notFound},
        {"", "2'; delete from fatura; --", "14/03/26", "1", cancelmsg::notFound},
        {"", "99", "14/03/26", "1", cancelmsg::notFound},
        {"", "1", "14/03/26", "2", cancelmsg::notFound},
        {"", "1", "31/02/26", "1", cancelmsg::invalidDate},
        {"", "1", "  /  /  ", "1", cancelmsg::invalidDate},
        {"", "1", "14/03/26", "", cancelmsg::invalidTerminal},
        {"", "1", "14/03/26", "um", cancelmsg::invalidTerminal},
        {"", "1", "14/03/26", "1.5", cancelmsg::invalidTerminal},
        {"", "2", "14/03/26", "1", cancelmsg::whichCash},
        {"x", "2", "14/03/26", "1", cancelmsg::whichCash},
        {"4", "2", "14/03/26", "1", cancelmsg::notFound},
    };
    const int before = count("select count(*) from fatura") + count("select count(*) from recarq")
                     + count("select count(*) from estfic") + count("select count(*) from servico");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sale) + " / " + c.date + " / " + c.terminal + " / " + c.cash);
        try {
            SaleCancellation(l()).cancel({S(c.cash), S(c.sale), S(c.date), S(c.terminal), S("CHEFE")});
            ADD_FAILURE() << "cancelled";
        } catch (const CancelRefused& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
    EXPECT_EQ(count("select count(*) from fatura") + count("select count(*) from recarq")
                  + count("select count(*) from estfic") + count("select count(*) from servico"),
              before);
    EXPECT_EQ(count("select count(*) from excluidos"), 0);

    // Narrowed by its cash number, each of the two goes alone; a fraction is rounded.
    SaleCancellation(l()).cancel({S("9"), S("1,6"), S("15/03/26"), S("1"), S("CHEFE")});
    EXPECT_EQ(count("select count(*) from fatura where nota = 2 and caixa = 9"), 0);
    EXPECT_EQ(count("select count(*) from fatura where nota = 2 and caixa = ?", {shift.cash}), 1);
    EXPECT_EQ(count("select count(*) from recarq where nfiscal = 2"), 2) << "the other sale's payments stay";
    SaleCancellation(l()).cancel({QString::number(shift.cash), S("2"), S("14/03/26"), S("1"), S("CHEFE")});
    EXPECT_EQ(rowsOf(2), 0);
    EXPECT_EQ(count("select count(*) from excluidos"), 2);
}

TEST_F(SaleCancellationTest, AFailureHalfWayLeavesTheSaleWhole)
{
    l().run(S("create exception E_TESTE_SERVICO 'servico bloqueado'"));
    l().run(S("create trigger T_TESTE_SERVICO for servico before delete as begin exception E_TESTE_SERVICO; end"));
    const int before = rowsOf(shift.tabB);
    const Decimal beer = stock("000001");
    EXPECT_THROW(SaleCancellation(l()).cancel(request(shift.tabB)), DbError);
    EXPECT_EQ(rowsOf(shift.tabB), before);
    EXPECT_EQ(stock("000001"), beer);
    EXPECT_EQ(count("select count(*) from excluidos"), 0);
}

TEST(SaleCancellationStations, TwoStationsCancellingOneSaleMakeOneCancellation)
{
    TestStation st;
    ScriptedDialogs ui;
    ctx::station().TerminalNumber = S("01");
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(S("cancelamento")));
    for (const QString& db : databases) {
        SCOPED_TRACE(db.toStdString());
        auto a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        int cash = 0;
        ASSERT_EQ(CashShift(*a).open(QDate(2026, 3, 14), D("0"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);
        seeds::openTab(*a, S("000005"), 1);
        for (int i = 0; i < 20; ++i)
            seeds::addItem(*a, S("000005"), QString::number(i), S("X"), D("1"), D("2"));
        ClosingRequest rq;
        rq.tab = S("000005");
        rq.joinedTabs = {rq.tab};
        rq.persons = 1;
        rq.payments = {SalePayment{1, S("Dinheiro"), D("40"), true, false}};
        rq.customerName = S("CLIENTE CONSUMIDOR");
        rq.tabCaption = S("000005 - CLIENTE CONSUMIDOR");
        const qint64 nota = TabClosing(*a).close(rq).saleNumber;

        std::atomic<int> done{0}, notFound{0}, other{0};
        auto station = [&](TLogon* logon) {
            try {
                SaleCancellation(*logon).cancel({QString(), QString::number(nota), S("14/03/26"), S("1"), S("CHEFE")});
                ++done;
            } catch (const CancelRefused& e) {
                (e.message() == cancelmsg::notFound ? notFound : other)++;
            } catch (...) {
                ++other;
            }
        };
        atOnce([&] { station(a.get()); }, [&] { station(b.get()); });
        EXPECT_EQ(done, 1);
        EXPECT_EQ(notFound, 1);
        EXPECT_EQ(other, 0);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from excluidos"))), 1);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from fatura"))), 0);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from estfic"))), 0);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from recarq"))), 0);
    }
}
