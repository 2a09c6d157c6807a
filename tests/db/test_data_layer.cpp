// The data layer under two stations: lock waits and reruns, lost updates, lost
// connections, rollbacks, exact values and hostile parameters.
#include "TestStation.h"

#include <QDate>
#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

qint64 clientCount(TLogon& l, int code)
{
    return integerOf(l.scalar(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = ?"), {code}));
}

} // namespace

TEST(TwoStations, AHeldRowMakesTheOtherWaitTheLockTimeoutThenFailWithNothingWritten)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("camada"))) {
        auto a = attachStation(db, 5);
        auto b = attachStation(db, 1);
        bool refused = false;
        a->action([&] {
            a->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'ESTACAO A'"));
            // b meets the row a holds: it waits its lock timeout on each try, then gives up.
            try {
                b->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'ESTACAO B'"));
            } catch (const DbError& e) {
                refused = e.isConflict();
                EXPECT_EQ(e.message(), conflictMessage()) << db.toStdString();
            }
        });
        EXPECT_TRUE(refused) << db.toStdString();
        EXPECT_EQ(b->scalar(QStringLiteral("SELECT EMPRESA FROM EMPRESA")).toString(), QStringLiteral("ESTACAO A"));
        // Once a has committed, b's next action goes through.
        b->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'ESTACAO B'"));
        EXPECT_EQ(a->scalar(QStringLiteral("SELECT EMPRESA FROM EMPRESA")).toString(), QStringLiteral("ESTACAO B"));
    }
}

TEST(TwoStations, TheRerunsOfAnActionShareOneLockWait)
{
    // Firebird ends its own lock wait a little early; a rerun then waits only for what
    // is left of the setting, so a station never waits for another much longer than
    // its lock timeout in all (half a second aside), where it used to wait it twice.
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("camada"))) {
        auto holder = attachStation(db, 5);
        auto waiter = attachStation(db, 2);
        holder->action([&] {
            holder->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'ESTACAO A'"));
            QElapsedTimer clock;
            clock.start();
            try {
                waiter->action([&] { waiter->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'ESTACAO B'")); });
                ADD_FAILURE() << "wrote over a held row";
            } catch (const DbError& e) {
                EXPECT_TRUE(e.isConflict()) << e.message().toStdString();
            }
            const qint64 waited = clock.elapsed();
            EXPECT_GE(waited, 1000) << db.toStdString();
            EXPECT_LE(waited, 2000 + TLogon::kLastWaitMs + 200) << db.toStdString();
        });
    }
}

TEST(TwoStations, ConcurrentAdditionsToOneRowLoseNone)
{
    // Two ways an action adds to a row: the addition done by the database, and a
    // read of the row taken WITH LOCK followed by the write of what was read.
    const char* const ways[] = {"atomic", "read with lock"};
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("camada"))) {
        for (const char* way : ways) {
            const bool atomic = QByteArray(way) == "atomic";
            auto setup = attachStation(db);
            setup->run(QStringLiteral("UPDATE EMPRESA SET SCC1 = 0"));
            std::atomic<int> failures{0};
            auto work = [&] {
                auto l = attachStation(db, 5);
                for (int i = 0; i < 100; ++i) {
                    try {
                        l->action([&] {
                            if (atomic) {
                                l->run(QStringLiteral("UPDATE EMPRESA SET SCC1 = SCC1 + 1"));
                            } else {
                                const qint64 v = integerOf(l->scalar(QStringLiteral("SELECT SCC1 FROM EMPRESA WITH LOCK")));
                                l->run(QStringLiteral("UPDATE EMPRESA SET SCC1 = ?"), {v + 1});
                            }
                        });
                    } catch (const DbError&) {
                        ++failures;
                    }
                }
            };
            std::thread one(work), two(work);
            one.join();
            two.join();
            EXPECT_EQ(failures.load(), 0) << way << " " << db.toStdString();
            EXPECT_EQ(integerOf(setup->scalar(QStringLiteral("SELECT SCC1 FROM EMPRESA"))), 200) << way << " " << db.toStdString();
        }
    }
}

TEST(TwoStations, ALostConnectionFailsOneActionAndTheNextOneWorks)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("camada"))) {
        auto station = attachStation(db);
        auto admin = attachStation(db);
        const qint64 id = integerOf(station->scalar(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")));
        // The database's own way of cutting a client off, as a server restart does.
        admin->action([&] {
            admin->run(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = ?"), {id});
        });
        try {
            station->action([&] { station->run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (41, 'X')")); });
            FAIL() << "an action on a cut connection reported success";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.isConnectionLost()) << e.databaseText().toStdString();
            EXPECT_EQ(e.message(), connectionLostMessage());
        }
        EXPECT_EQ(clientCount(*admin, 41), 0);
        station->action([&] { station->run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (42, 'Y')")); });
        EXPECT_EQ(clientCount(*admin, 42), 1) << db.toStdString();
    }
}

TEST(TwoStations, RowsReadAndKeptDoNotHoldBackTheOldestActiveTransaction)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("camada"))) {
        auto reader = attachStation(db);
        auto writer = attachStation(db);
        RowSet kept = reader->run(QStringLiteral("SELECT CODIGO, NOME FROM CLIENTES"));
        const qint64 readerTx = integerOf(reader->scalar(QStringLiteral("SELECT CURRENT_TRANSACTION FROM RDB$DATABASE")));
        for (int i = 0; i < 3; ++i)
            writer->run(QStringLiteral("UPDATE EMPRESA SET SCC2 = ?"), {i});
        // A write transaction of its own takes a fresh look at the monitoring tables.
        const qint64 oldestActive = writer->action([&] {
            return integerOf(writer->scalar(QStringLiteral("SELECT MON$OLDEST_ACTIVE FROM MON$DATABASE")));
        });
        EXPECT_GT(oldestActive, readerTx) << db.toStdString();
        EXPECT_EQ(kept.size(), 1);
    }
}

TEST(Actions, AFailureAnywhereInsideRollsEverythingBack)
{
    TestStation st;
    TLogon& l = st.logon();
    const QString insert = QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (?, ?)");
    l.run(insert, {50, QStringLiteral("PREPARADO ANTES")});   // prepared outside, reused inside
    EXPECT_THROW(l.action([&] {
        l.run(insert, {51, QStringLiteral("A")});
        l.action([&] { l.run(insert, {52, QStringLiteral("B")}); });   // joins the outer action
        throw std::runtime_error("falha no meio");
    }), std::runtime_error);
    EXPECT_THROW(l.action([&] {
        l.run(insert, {53, QStringLiteral("C")});
        l.run(insert, {54, QStringLiteral("texto longo demais para a coluna de quarenta letras")});
    }), DbError);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO BETWEEN 51 AND 54")), 0);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = 50")), 1);
    // A value computed inside comes back after the commit.
    const qint64 n = l.action([&] {
        l.run(insert, {55, QStringLiteral("D")});
        return integerOf(l.scalar(QStringLiteral("SELECT COUNT(*) FROM CLIENTES")));
    });
    EXPECT_EQ(n, 3);
}

TEST(Statements, ReturningGivesItsValuesAndCommitsAtOnce)
{
    TestStation st;
    RowSet r = st.logon().run(QStringLiteral("INSERT INTO HISTORICO (ID, HORA, OPERADOR, ACAO) "
                                             "VALUES (GEN_ID(HISTORICO,1), '01/01/26 10:00:00', 'A', 'B') RETURNING ID"));
    ASSERT_TRUE(r.next());
    const qint64 id = r.integer(u"ID");
    EXPECT_GT(id, 0);
    auto other = attachStation(st.databasePath());
    EXPECT_EQ(integerOf(other->scalar(QStringLiteral("SELECT COUNT(*) FROM HISTORICO WHERE ID = ?"), {id})), 1);
    EXPECT_EQ(st.logon().exec(QStringLiteral("UPDATE HISTORICO SET ACAO = 'C' WHERE ID <= ?"), {id}), 1);
    // Every row of a longer result, read after its transaction is gone.
    for (int i = 0; i < 5; ++i)
        st.logon().run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (?, 'N')"), {100 + i});
    RowSet all = st.logon().run(QStringLiteral("SELECT CODIGO FROM CLIENTES WHERE CODIGO >= 100 ORDER BY CODIGO"));
    EXPECT_EQ(all.size(), 5);
    int expected = 100;
    while (all.next())
        EXPECT_EQ(all.integer(u"CODIGO"), expected++);
    EXPECT_EQ(expected, 105);
}

TEST(Values, ExactAmountsDatesAndFloatsComeBackAsStored)
{
    TestStation st;
    TLogon& l = st.logon();
    const Decimal big = *Decimal::parseSql(u"123456789012.345");
    l.run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR, VGRANDE, VALIDADE) VALUES (1, '1', 'P', ?, ?, ?)"),
          {big, *Decimal::parseSql(u"1234.56"), QDate(2026, 2, 28)});
    RowSet r = l.run(QStringLiteral("SELECT VALOR, VGRANDE, VALIDADE FROM PRODUTOS WHERE ID = 1"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.decimal(u"VALOR"), big);
    EXPECT_EQ(r.decimal(u"VGRANDE"), *Decimal::parseSql(u"1234.56"));   // an amount older databases hold as FLOAT
    // A column that stays FLOAT (loyalty points) reads back the decimal it was given.
    l.run(QStringLiteral("UPDATE CLIENTES SET FIDELIDADE = ? WHERE CODIGO = 1"), {*Decimal::parseSql(u"1234.56")});
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT FIDELIDADE FROM CLIENTES WHERE CODIGO = 1"))),
              *Decimal::parseSql(u"1234.56"));
    EXPECT_EQ(r.date(u"VALIDADE"), QDate(2026, 2, 28));
    // A whole Decimal goes into an INTEGER column as itself.
    l.run(QStringLiteral("UPDATE EMPRESA SET SCC3 = ?"), {Decimal(3)});
    EXPECT_EQ(integerOf(l.scalar(QStringLiteral("SELECT SCC3 FROM EMPRESA"))), 3);
}

TEST(Values, AmountsAreRoundedToTheCentHalfAwayFromZeroBeforeTheyAreWritten)
{
    // An amount column holds cents: a Decimal with more decimals is rounded once, by
    // the rule the program rounds money with, whatever the statement does with it.
    TestStation st;
    TLogon& l = st.logon();
    struct Case { const char* given; const char* stored; };
    const Case cases[] = {
        {"10.005", "10.01"}, {"-10.005", "-10.01"}, {"0.004", "0"}, {"-0.005", "-0.01"},
        {"150000.01", "150000.01"}, {"9999999999.995", "10000000000"}, {"2.675", "2.68"},
    };
    int id = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const Decimal given = *Decimal::parseSql(QString::fromLatin1(c.given));
        const Decimal stored = *Decimal::parseSql(QString::fromLatin1(c.stored));
        l.run(QStringLiteral("INSERT INTO SANGRIA (ID, VALOR) VALUES (?, ?)"), {++id, given});
        EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA WHERE ID = ?"), {id})), stored);
        l.run(QStringLiteral("UPDATE SANGRIA SET VALOR = VALOR + ? WHERE ID = ?"), {given, id});
        EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA WHERE ID = ?"), {id})), stored + stored);
    }
    // A quantity keeps its three decimals, rounded the same way past them.
    l.run(QStringLiteral("INSERT INTO COZINHA2 (ID, QUANT) VALUES (1, ?)"), {*Decimal::parseSql(u"0.3475")});
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT QUANT FROM COZINHA2"))), *Decimal::parseSql(u"0.348"));
}

TEST(Values, HostileParametersAreRefusedByNameAndNothingIsStored)
{
    TestStation st;
    TLogon& l = st.logon();
    struct Case { const char* sql; SqlValue value; };
    const Case cases[] = {
        {"UPDATE EMPRESA SET SCC3 = ?", QStringLiteral("abc")},               // letters in a whole number
        {"UPDATE EMPRESA SET SCC3 = ?", Decimal::fromCents(350)},             // 3.5 in a whole number
        {"UPDATE EMPRESA SET SCC3 = ?", Decimal(qint64(1) << 40)},            // past INTEGER
        {"UPDATE EMPRESA SET SCC3 = ?", QStringLiteral("1e20")},
        {"UPDATE PRODUTOS SET VALOR = ?", QStringLiteral("12,50")},            // comma is not a database number
        {"UPDATE PRODUTOS SET VALOR = ?", QStringLiteral("'; DELETE FROM PRODUTOS; --")},
        {"UPDATE PRODUTOS SET VALOR = ?", QVariant(12.5)},                      // binary floating point
        {"UPDATE PRODUTOS SET VALIDADE = ?", QStringLiteral("31/02/2026")},
        {"UPDATE PRODUTOS SET NOME = ?", QString(200, QLatin1Char('x'))},       // 200 characters in 40
    };
    l.run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR) VALUES (1, '1', 'PRATO', 10)"));
    for (const Case& c : cases) {
        try {
            l.run(QString::fromLatin1(c.sql), {c.value});
            ADD_FAILURE() << c.sql << " took " << textOf(c.value.value).toStdString();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("parâmetro 1"))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(integerOf(l.scalar(QStringLiteral("SELECT SCC3 FROM EMPRESA"))), 0);
    RowSet p = l.run(QStringLiteral("SELECT NOME, VALOR, VALIDADE FROM PRODUTOS"));
    ASSERT_EQ(p.size(), 1);
    p.next();
    EXPECT_EQ(p.text(u"NOME"), QStringLiteral("PRATO"));
    EXPECT_EQ(p.decimal(u"VALOR"), Decimal(10));
    EXPECT_TRUE(p.isNull(u"VALIDADE"));
    // Quotes are plain text in a bound value.
    l.run(QStringLiteral("UPDATE PRODUTOS SET NOME = ?"), {QStringLiteral("Pão d'Açúcar \"Especial\"")});
    EXPECT_EQ(l.scalar(QStringLiteral("SELECT NOME FROM PRODUTOS")).toString(), QStringLiteral("Pão d'Açúcar \"Especial\""));
    // Reading a column the query does not have is an error, not an empty value.
    EXPECT_THROW(p.value(u"NAO_EXISTE"), DbError);
}
