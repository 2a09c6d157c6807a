// The test server stopped and started again under a connected station: one action
// fails with the plain message, nothing is half-written, the next action works.
// Runs alone (it takes the shared test server away for a moment).
#include "TestStation.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
bool serverCommand(const QString& script, const char* what)
{
    QProcess p;
    p.start(QStringLiteral("bash"), {script, QString::fromLatin1(what)});
    return p.waitForFinished(60000) && p.exitCode() == 0;
}
}

TEST(ServerRestart, OneActionFailsPlainlyAndTheNextOneWorks)
{
    const QString script = qEnvironmentVariable("SABREL22_TEST_SERVER_SCRIPT");
    if (TestServer::address().isEmpty() || script.isEmpty())
        GTEST_SKIP() << "No test server this test may restart: scripts/test.sh starts one (needs root).";
    TestStation st(false);
    const QString path = TestServer::createDatabase(QStringLiteral("reinicio"));
    TLogon station;
    ASSERT_TRUE(station.connectTo(TestServer::address() + QLatin1Char(':') + path));
    station.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (1001, 'ANTES')"));

    ASSERT_TRUE(serverCommand(script, "kill"));
    try {
        station.action([&] {
            station.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (1002, 'DURANTE')"));
            station.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (1003, 'DURANTE')"));
        });
        ADD_FAILURE() << "an action with the server down reported success";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), connectionLostMessage()) << e.databaseText().toStdString();
    }
    ASSERT_TRUE(serverCommand(script, "start"));

    station.action([&] { station.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (1004, 'DEPOIS')")); });
    EXPECT_EQ(integerOf(station.scalar(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO >= 1001"))), 2);
    EXPECT_EQ(integerOf(station.scalar(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE NOME = 'DURANTE'"))), 0);
}
