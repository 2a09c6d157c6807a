// Confirming items of a tab: the rows stored, the kitchen ticket on a port file
// or as kitchen-monitor rows, items held for the kitchen order, closed or
// missing tabs, and two stations confirming on one tab.
#include "SalesSeeds.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RawPrinterPort.h"
#include "sales/ItemConfirmation.h"
#include "sales/TabOpening.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Sale {
    TestStation st;
    Sale()
    {
        st.openCashShift(4);
        seeds::product(st.logon(), {QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal::fromCents(4990),
                                    QStringLiteral("1"), 2});
        seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
        TabOpening(st.logon()).open(QStringLiteral("000007"));
    }
    ~Sale() { ClosePrinterPort(); }
    ItemDraft draft(const char* kitchen = "1")
    {
        ItemDraft d;
        d.tabKey = QStringLiteral("7");
        d.waiter = QStringLiteral("3");
        d.code = QStringLiteral("10");
        d.quantity = QStringLiteral("2");
        d.kitchen = QString::fromLatin1(kitchen);
        d.complements = {{QString(), QStringLiteral("AO PONTO"), Decimal::fromCents(0), 5},
                         {QString(), QStringLiteral("FAROFA 2,50"), Decimal::fromCents(250), 0},
                         {QStringLiteral("X"), QStringLiteral("SEM SAL"), Decimal(0), 0}};
        return d;
    }
    ConfirmResult confirm(const ItemDraft& d, TLogon* logon = nullptr)
    {
        return ItemConfirmation(logon ? *logon : st.logon(), 0, 4).confirm(d);
    }
    QByteArray read(const QString& path)
    {
        ClosePrinterPort();
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST(ItemConfirmation, StoresTheItemWithItsComplementsAndPrintsItsTicketOnThePort)
{
    Sale s;
    seeds::setup(s.st, {{4, QStringLiteral("S")}, {5, QStringLiteral("S")}, {9, QStringLiteral("1")},
                        {13, QStringLiteral("Informa porta")}});
    s.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\portas.INI"), {QStringLiteral("LPT1"), QStringLiteral("LPT1"),
                                                                      QStringLiteral("LPT2")});
    const QString port = seeds::portToFile(s.st, QStringLiteral("LPT2"), QStringLiteral("cozinha1.txt"));
    s.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI"), {QStringLiteral("41")});

    const ConfirmResult r = s.confirm(s.draft());
    ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
    EXPECT_EQ(r.ticketJobs, 1);
    EXPECT_TRUE(r.printError.isEmpty()) << r.printError.toStdString();
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where mesa = '000007' and codigo = '000010' "
                                        "and quant = 2 and valor = 52.4 and cozinha = '0' and impressora = '1' "
                                        "and vend = 3 and nomep = 'PICANHA' and idmesa = ? and complemento = ?"),
                         {r.itemKey, QString::number(r.itemKey)}), 1);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from acompmesa where idmesa = ? and codigo = ?"),
                         {r.itemId, QString::number(r.itemId)}), 2);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from acompmesa where produto = 'AO PONTO' and cod = 5")), 1);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from cabmesa where vendedor = 3 and hora2 is not null")), 1);
    const QByteArray ticket = s.read(port);
    EXPECT_TRUE(ticket.contains("PEDIDO       :41\r\n")) << ticket.constData();
    EXPECT_TRUE(ticket.contains("MESA.:000007\r\n"));
    EXPECT_TRUE(ticket.contains("GARCOM :3 JOAO##\r\n"));
    EXPECT_TRUE(ticket.contains("002 PICANHA\r\n > AO PONTO\r\n > FAROFA 2,50\r\n\r\n"));
    EXPECT_FALSE(ticket.contains("SEM SAL"));
    EXPECT_TRUE(ticket.endsWith("-------------------------------------\r\n.\r\n"));
    EXPECT_EQ(s.st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), QStringLiteral("42"));
}

TEST(ItemConfirmation, KitchenFiveOnTheMonitorWritesTwoRowsAndMarksTheItemSent)
{
    Sale s;
    seeds::setup(s.st, {{4, QStringLiteral("S")}, {5, QStringLiteral("S")}, {13, QStringLiteral("Monitor Cozinha")},
                        {14, QStringLiteral("Monitor Cozinha")}});
    const ConfirmResult r = s.confirm(s.draft("5"));
    ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
    EXPECT_EQ(r.monitorRows, 2);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from cozinha2 where idmesa = ? and grupo = 2 and mesa = '000007' "
                                        "and garcom = '3' and caixa = 4 and produto = 'PICANHA' and quant = 2 "
                                        "and compl = '(AO PONTO/FAROFA 2,50/)'"), {r.itemKey}), 2);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where cozinha = '0'")), 1);
}

TEST(ItemConfirmation, ItemsWaitForTheKitchenOrderWhenTicketsAreNotOneByOne)
{
    const std::map<int, QString> setups[] = {
        {{4, QStringLiteral("S")}, {5, QStringLiteral("N")}, {13, QStringLiteral("Informa porta")}},
        {{4, QStringLiteral("N")}, {5, QStringLiteral("S")}, {13, QStringLiteral("Informa porta")}},
    };
    for (const auto& setup : setups) {
        Sale s;
        seeds::setup(s.st, setup);
        ItemDraft d = s.draft("3");
        const ConfirmResult r = s.confirm(d);
        ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
        EXPECT_TRUE(r.pending);
        EXPECT_EQ(r.ticketJobs, 0);
        EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where cozinha = '3'")), 1);
        EXPECT_FALSE(QFile::exists(station::path(u"c:\\Miltrex\\vavoz\\pedido.INI")));
    }
}

TEST(ItemConfirmation, StopsThatKeepTheEntry)
{
    Sale s;
    s.st.logon().run(QStringLiteral("insert into cabmesa (mesa, status) values ('000008', 1)"));
    struct Case { const char* tab; const char* waiter; const char* code; int cash; ConfirmResult::Status status; } cases[] = {
        {"7", "3", "10", 0, ConfirmResult::Status::CashClosed},
        {"0", "3", "10", 4, ConfirmResult::Status::NoTab},
        {"7", " ", "10", 4, ConfirmResult::Status::NoWaiter},
        {"7", "3", "", 4, ConfirmResult::Status::NoProduct},
        {"7", "3", "999", 4, ConfirmResult::Status::ProductNotFound},
        {"8", "3", "10", 4, ConfirmResult::Status::TabClosed},
        {"55", "3", "10", 4, ConfirmResult::Status::TabNotFound},
    };
    for (const Case& c : cases) {
        ItemDraft d = s.draft("0");
        d.tabKey = QString::fromLatin1(c.tab);
        d.waiter = QString::fromLatin1(c.waiter);
        d.code = QString::fromLatin1(c.code);
        EXPECT_EQ(ItemConfirmation(s.st.logon(), 0, c.cash).confirm(d).status, c.status) << c.tab << c.code;
    }
    EXPECT_EQ(confirmMessage(ConfirmResult::Status::TabClosed), QStringLiteral("|           Comanda Fechada           |"));
    EXPECT_EQ(confirmMessage(ConfirmResult::Status::TabNotFound), QStringLiteral("|     Comanda não Localizada      |"));
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa")), 0);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from acompmesa")), 0);
}

TEST(ItemConfirmation, ATicketMarksOnlyItsOwnItemAsPrinted)
{
    Sale s;
    seeds::setup(s.st, {{4, QStringLiteral("S")}, {5, QStringLiteral("S")}, {13, QStringLiteral("Informa porta")}});
    seeds::portToFile(s.st, QStringLiteral("LPT1"), QStringLiteral("cozinha.txt"));
    std::vector<QString> dbs{s.st.databasePath()};
    if (!TestServer::address().isEmpty())
        dbs.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(QStringLiteral("cozinha")));
    for (const QString& db : dbs) {
        auto mine = std::make_unique<TLogon>();
        auto other = std::make_unique<TLogon>();
        ASSERT_TRUE(mine->connectTo(db) && other->connectTo(db)) << db.toStdString();
        if (db != s.st.databasePath()) {
            seeds::product(*mine, {QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal::fromCents(4990),
                                   QStringLiteral("1"), 2});
            seeds::waiter(*mine, 3, QStringLiteral("JOAO"));
            TabOpening(*mine).open(QStringLiteral("000007"));
        }
        // another station adds an item held for the kitchen order, then this one prints its own
        ASSERT_EQ(ItemConfirmation(*other, 0, 4).confirm(s.draft("2")).status, ConfirmResult::Status::Stored);
        const ConfirmResult r = ItemConfirmation(*mine, 0, 4).confirm(s.draft("1"));
        ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
        EXPECT_EQ(r.ticketJobs, 1);
        EXPECT_EQ(integerOf(mine->scalar(QStringLiteral("select count(*) from mesa where cozinha = '2'"))), 1) << db.toStdString();
        EXPECT_EQ(integerOf(mine->scalar(QStringLiteral("select cozinha from mesa where id = ?"), {r.itemId})), 0);
    }
}

// An item whose ticket goes out now is stored as sent, so no kitchen order sends
// it again; when its ticket does not print (with kitchen 5, the monitor rows
// written with it go too) it is pending again, and the user is told.
TEST(ItemConfirmation, AnItemWhoseTicketDoesNotPrintWaitsForTheKitchenOrder)
{
    Sale s;
    seeds::setup(s.st, {{4, QStringLiteral("S")}, {5, QStringLiteral("S")}, {13, QStringLiteral("Informa porta")},
                        {14, QStringLiteral("Monitor Cozinha")}});
    s.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\portas.INI"), {QStringLiteral("LPT1"), QStringLiteral("LPT1"),
                                                                      QStringLiteral("LPT2")});
    s.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"), {QStringLiteral("LPT2=/nonexistent/sabrel22/lp9")});
    const ConfirmResult r = s.confirm(s.draft("5"));
    ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
    EXPECT_EQ(r.ticketJobs, 0);
    EXPECT_TRUE(r.pending);
    EXPECT_TRUE(r.printError.startsWith(QStringLiteral("O pedido da cozinha 5 não foi impresso; os itens voltaram a ficar "
                                                       "pendentes para o pedido da cozinha.\n"))) << r.printError.toStdString();
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where id = ? and cozinha = '5'"), {r.itemId}), 1);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from cozinha2")), 0) << "its monitor row went with it";

    // A ticket that prints leaves its item sent.
    const QString port = seeds::portToFile(s.st, QStringLiteral("LPT2"), QStringLiteral("cozinha1.txt"));
    const ConfirmResult ok = s.confirm(s.draft("5"));
    EXPECT_EQ(ok.ticketJobs, 1);
    EXPECT_FALSE(ok.pending);
    EXPECT_TRUE(ok.printError.isEmpty()) << ok.printError.toStdString();
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where id = ? and cozinha = '0'"), {ok.itemId}), 1);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from cozinha2")), 1);
    EXPECT_TRUE(s.read(port).contains("PICANHA"));
}

TEST(ItemConfirmation, HostileEntryIsRefusedOrStoredWhole)
{
    Sale s;
    struct Case { const char* quantity; const char* price; const char* code; bool stored; } cases[] = {
        {"1e20", "10,00", "10", true},     // a quantity that is no number counts as 1
        {"-3", "10,00", "10", true},
        {"2", "abc", "10", false},
        {"2", "1e20", "10", false},
        {"2", "-5", "10", false},
        {"2", "99999999999999", "10", false},
        {"2", "10,00", "'; delete from mesa; --", false},
        {"2", "10,00", "😀", false},
    };
    for (const Case& c : cases) {
        ItemDraft d = s.draft("0");
        d.quantity = QString::fromUtf8(c.quantity);
        d.price = QString::fromUtf8(c.price);
        d.name = QStringLiteral("PICANHA");
        d.code = QString::fromUtf8(c.code);
        const qint64 before = s.st.count(QStringLiteral("select count(*) from mesa"));
        ConfirmResult r;
        try {
            r = s.confirm(d);
        } catch (const DbError&) {
            r.status = ConfirmResult::Status::InvalidPrice;
        }
        EXPECT_EQ(r.status == ConfirmResult::Status::Stored, c.stored) << c.quantity << " " << c.price << " " << c.code;
        EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa")), before + (c.stored ? 1 : 0)) << c.code;
    }
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where quant <> 1")), 0);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from acompmesa")), 4);
}
