// A connection lost around a commit, on the test server through a relay that cuts
// it at the chosen moment: after the commit request passed (the reply is lost) or
// before (the request is lost). The action's key tells the station which happened:
// a counter sale, an item confirmation and a tab closing go on as after a commit,
// printing their receipt or ticket, or say that nothing was written; never twice.
#include "ClosingSeeds.h"
#include "ConnectionRelay.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "printing/RawPrinterPort.h"
#include "sales/CounterClosing.h"
#include "sales/CounterSale.h"
#include "sales/ItemConfirmation.h"
#include "sales/TabOpening.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

using seeds::D;
using Cut = ConnectionRelay::Cut;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class LostCommitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (TestServer::address().isEmpty())
            GTEST_SKIP() << "no test server (SABREL22_TEST_SERVER): the relay stands between a station and a server";
        const QStringList server = TestServer::address().split(QLatin1Char('/'));
        path = TestServer::createDatabase(S("resposta"));
        relay = std::make_unique<ConnectionRelay>(server.value(0), server.size() > 1 ? server.value(1).toInt() : 3050);
        station = std::make_unique<TLogon>();
        ASSERT_TRUE(station->connectTo(relay->databaseName(path))) << station->lastError().toStdString();
        direct = std::make_unique<TLogon>();
        ASSERT_TRUE(direct->connectTo(TestServer::address() + QLatin1Char(':') + path)) << direct->lastError().toStdString();
        Logon = station.get();
        ctx::station().TerminalNumber = S("03");
        // Receipts and kitchen tickets go to files the station's ports point at.
        receiptPort = QDir(st.root()).filePath(S("recibo.prn"));
        kitchenPort = QDir(st.root()).filePath(S("cozinha.prn"));
        for (const QString& file : {receiptPort, kitchenPort})
            QFile(file).open(QIODevice::WriteOnly);
        st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT5=") + receiptPort, S("LPT6=") + kitchenPort});
        st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT5"), S("LPT6")});
        seeds::setup(st, {{4, S("S")}, {5, S("S")}, {6, S("S")}, {9, S("1")}, {13, S("Informa porta")},
                          {15, S("Informa porta")}});
        direct->action([&] {
            direct->run(S("update CONTCAIXA set CAIXA = 57, NUMEDADOR = 57"));
            direct->run(S("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (GEN_ID(CONTCAIXA,1), 57, CURRENT_DATE, 0)"));
        });
    }
    void TearDown() override
    {
        ClosePrinterPort();
        if (Logon == station.get())
            Logon = &st.logon();
    }
    // The station's next commit loses its request or its reply, once.
    void cutNextCommit(Cut how)
    {
        auto pending = std::make_shared<bool>(true);
        station->setBeforeCommit([this, how, pending] {
            if (*pending)
                relay->arm(how);
            *pending = false;
        });
    }
    int count(const char* sql, const Params& p = {})
    {
        return int(integerOf(direct->scalar(S(sql), p)));
    }
    static QByteArray printed(const QString& file)
    {
        ClosePrinterPort();
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The message the user sees for an action whose request was lost.
    template <class F>
    QString failure(F&& f)
    {
        try {
            f();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.isConnectionLost()) << e.message().toStdString();
            return e.message();
        }
        return QString();
    }

    TestStation st;
    ScriptedDialogs ui;
    QString path, receiptPort, kitchenPort;
    std::unique_ptr<ConnectionRelay> relay;
    std::unique_ptr<TLogon> station, direct;
};

} // namespace

TEST_F(LostCommitTest, TheActionsKeyTellsWhetherItWasWritten)
{
    const QString insert = S("insert into CLIENTES (CODIGO, NOME) values (?, 'CLIENTE')");
    auto add = [&](int code) { station->action([&] { station->run(insert, {code}); }); };

    // The reply is lost: the action was committed and returns as after any commit.
    cutNextCommit(Cut::ReplyLost);
    EXPECT_NO_THROW(add(71));
    EXPECT_EQ(relay->cuts(), 1);
    EXPECT_EQ(count("select count(*) from CLIENTES where CODIGO = 71"), 1);

    // The request is lost: nothing was written, the user is told so and may try again.
    cutNextCommit(Cut::RequestLost);
    EXPECT_EQ(failure([&] { add(72); }), commitLostNothingWrittenMessage());
    EXPECT_EQ(relay->cuts(), 2);
    EXPECT_EQ(count("select count(*) from CLIENTES where CODIGO = 72"), 0);
    add(72);
    EXPECT_EQ(count("select count(*) from CLIENTES where CODIGO = 72"), 1);

    // One key per committed action, none for the one that was not.
    EXPECT_EQ(count("select count(*) from DIARIOACOES where DATA = CURRENT_DATE"),
              count("select count(distinct CHAVE) from DIARIOACOES"));
}

TEST_F(LostCommitTest, AStatementAfterALostConnectionFailsItsActionAndCommitsNothing)
{
    // The work of an action catches the error of the lost connection and goes on:
    // nothing it runs next may commit on a new connection, and the action fails.
    const QString insert = S("insert into CLIENTES (CODIGO, NOME) values (?, 'CLIENTE')");
    for (const bool goesOn : {true, false}) {
        SCOPED_TRACE(goesOn ? "runs another statement" : "returns");
        const int code = goesOn ? 81 : 91;
        const QString message = failure([&] {
            station->action([&] {
                station->run(insert, {code});
                relay->arm(Cut::RequestLost);   // the next statement's request is cut
                try {
                    station->run(insert, {code + 1});
                } catch (const DbError&) {
                }
                if (goesOn)
                    station->run(insert, {code + 2});
            });
        });
        EXPECT_EQ(message, connectionLostMessage());
        EXPECT_EQ(count("select count(*) from CLIENTES where CODIGO between ? and ?", {code, code + 2}), 0);
    }
    // The next action attaches again and is written.
    station->action([&] { station->run(insert, {99}); });
    EXPECT_EQ(count("select count(*) from CLIENTES where CODIGO = 99"), 1);
}

TEST_F(LostCommitTest, ACounterSaleIsWrittenOnceAndPrintsItsReceiptWhenCommitted)
{
    seeds::addProduct(*direct, S("000001"), S("CERVEJA"), D("10"));
    auto request = [](const CounterSale& sale) {
        CounterClosingRequest r;
        r.sale = &sale;
        r.discount = S("0");
        r.customerCode = S("1");
        r.customerName = S("CLIENTE CONSUMI");
        r.queueNumber = S("0");
        return r;
    };
    auto saleOf = [](const char* quantity) {
        auto sale = std::make_unique<CounterSale>();
        sale->setMethods({{1, S("Dinheiro"), S("S"), {}}});
        CounterItem i;
        i.code = S("000001");
        i.name = S("CERVEJA");
        i.price = D("10");
        i.quantity = D(quantity);
        i.kitchen = S("0");
        sale->insertItem(i);
        sale->record(1, i.price * i.quantity);
        return sale;
    };

    // The reply to F7's commit is lost: the sale is there once, the receipt prints,
    // and the screen moves on to the next sale.
    auto first = saleOf("3");
    cutNextCommit(Cut::ReplyLost);
    const CounterClosingResult r = CounterClosing(*station).close(request(*first));
    CounterClosing::print(r);
    EXPECT_EQ(count("select count(*) from FATURA"), 1);
    EXPECT_EQ(count("select count(*) from FATURA where NOTA = ? and VALOR = 30", {r.saleNumber}), 1);
    EXPECT_EQ(count("select count(*) from RECARQ"), 1);
    const QByteArray receipt = printed(receiptPort);
    EXPECT_TRUE(receipt.contains("Cupom:" + QByteArray::number(r.saleNumber).rightJustified(6, '0'))) << receipt.toStdString();

    // The request is lost: nothing written, nothing printed, and F7 again makes one sale.
    auto second = saleOf("2");
    cutNextCommit(Cut::RequestLost);
    EXPECT_EQ(failure([&] { CounterClosing::print(CounterClosing(*station).close(request(*second))); }),
              commitLostNothingWrittenMessage());
    EXPECT_EQ(count("select count(*) from FATURA"), 1);
    EXPECT_EQ(printed(receiptPort), receipt);
    CounterClosing::print(CounterClosing(*station).close(request(*second)));
    EXPECT_EQ(count("select count(*) from FATURA"), 2);
    EXPECT_EQ(count("select count(*) from FATURA where VALOR = 20"), 1);
    EXPECT_EQ(count("select count(*) from ESTFIC"), 2);
}

TEST_F(LostCommitTest, AConfirmedItemIsOnTheTabOnceWithItsTicket)
{
    seeds::product(*direct, {S("000010"), S("PICANHA"), Decimal::fromCents(4990), S("1"), 2});
    seeds::waiter(*direct, 3, S("JOAO"));
    TabOpening(*direct).open(S("000007"));
    ItemDraft d;
    d.tabKey = S("7");
    d.waiter = S("3");
    d.code = S("10");
    d.quantity = S("2");
    d.kitchen = S("1");

    cutNextCommit(Cut::ReplyLost);
    const ConfirmResult r = ItemConfirmation(*station, 0, 57).confirm(d);
    EXPECT_EQ(r.status, ConfirmResult::Status::Stored);
    EXPECT_EQ(r.ticketJobs, 1);
    EXPECT_EQ(count("select count(*) from MESA where MESA = '000007'"), 1);
    EXPECT_EQ(printed(kitchenPort).count("PICANHA"), 1);

    cutNextCommit(Cut::RequestLost);
    EXPECT_EQ(failure([&] { ItemConfirmation(*station, 0, 57).confirm(d); }), commitLostNothingWrittenMessage());
    EXPECT_EQ(count("select count(*) from MESA where MESA = '000007'"), 1);
    EXPECT_EQ(printed(kitchenPort).count("PICANHA"), 1);
    EXPECT_EQ(ItemConfirmation(*station, 0, 57).confirm(d).status, ConfirmResult::Status::Stored);
    EXPECT_EQ(count("select count(*) from MESA where MESA = '000007'"), 2);
    EXPECT_EQ(printed(kitchenPort).count("PICANHA"), 2);
}

TEST_F(LostCommitTest, AClosedTabIsOneSaleAndItsReceiptPrints)
{
    seeds::addWaiter(*direct, 4, S("CARLOS"));
    for (const char* tab : {"000012", "000013"}) {
        seeds::openTab(*direct, S(tab), 4);
        seeds::addItem(*direct, S(tab), S("000001"), S("CERVEJA"), D("3"), D("10"), 4);
    }
    auto request = [](const char* tab) {
        return seeds::consumerClosing(S(tab), {SalePayment{1, S("Dinheiro"), D("30"), true, false}},
                                      QDate::currentDate());
    };

    // The cashier's closing was saved though its reply was lost: the receipt prints.
    cutNextCommit(Cut::ReplyLost);
    const ClosingResult r = TabClosing(*station).close(request("000012"));
    TabClosing::printReceipt(r);
    EXPECT_EQ(count("select count(*) from FATURA"), 1);
    EXPECT_EQ(count("select count(*) from CABMESA where MESA = '000012'"), 0);
    const QByteArray receipt = printed(receiptPort);
    EXPECT_TRUE(receipt.contains("MESA.:000012 Cupom:" + QByteArray::number(r.saleNumber).rightJustified(6, '0')))
        << receipt.toStdString();

    // Lost before it reached the server: the tab is still open, closing it again is one sale.
    cutNextCommit(Cut::RequestLost);
    EXPECT_EQ(failure([&] { TabClosing::printReceipt(TabClosing(*station).close(request("000013"))); }),
              commitLostNothingWrittenMessage());
    EXPECT_EQ(count("select count(*) from CABMESA where MESA = '000013'"), 1);
    EXPECT_EQ(printed(receiptPort), receipt);
    TabClosing::printReceipt(TabClosing(*station).close(request("000013")));
    EXPECT_EQ(count("select count(*) from FATURA"), 2);
    EXPECT_EQ(count("select count(*) from RECARQ"), 2);
    EXPECT_EQ(count("select count(*) from CABMESA"), 0);
}
