// The data module: a new installation's rows, character set, shared queries,
// transactions, and connecting embedded and to a server.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/UnitErro.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(NewInstallation, HoldsTheRowsAnInstallationNeedsAndNothingMore)
{
    TestStation st;
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM GERAID")), 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), 1);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT NOME FROM MILTREX WHERE MASTER = 'S'")).toString(), QStringLiteral("SUPERVISOR"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM MILTREX")), 1);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT NOME FROM FORMAPAGA WHERE CD = 1")).toString(), QStringLiteral("Dinheiro"));
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT NOME FROM CLIENTES WHERE CODIGO = 1")).toString(), QStringLiteral("CLIENTE CONSUMIDOR"));
    for (const char* table : {"PRODUTOS", "CABMESA", "MESA", "FATURA", "RECARQ", "ESTFIC", "HISTORICO"})
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))), 0) << table;
    // the cash shift's one row, closed and with nothing issued: the first opening has a row to hold
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA WHERE CAIXA = 0 AND NUMEDADOR = 0")), 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA")), 1);
}

TEST(NewInstallation, TextIsOneBytePerCharacterAndForeignCharactersGetAPlainMessage)
{
    TestStation st;
    EXPECT_EQ(st.count(QStringLiteral(
        "SELECT f.RDB$FIELD_LENGTH FROM RDB$RELATION_FIELDS r JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME "
        "WHERE r.RDB$RELATION_NAME = 'MESA' AND r.RDB$FIELD_NAME = 'NOMEP'")), 120);
    const QString name = QStringLiteral("Pão d'Açúcar coração");
    st.logon().run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = ?"), {name});
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT EMPRESA FROM EMPRESA")).toString(), name);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT UPPER(EMPRESA) FROM EMPRESA")).toString(), QStringLiteral("PÃO D'AÇÚCAR CORAÇÃO"));
    try {
        st.logon().run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = ?"), {QStringLiteral("Bar 🍺")});
        FAIL() << "the database stored a character it cannot hold";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isCharacterSetError());
        EXPECT_EQ(e.message(), characterSetMessage());
    }
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT EMPRESA FROM EMPRESA")).toString(), name);
}

TEST(SharedQueries, ExecSqlOnDatasetModesAndFreshSnapshots)
{
    TestStation st;
    TLogon& l = st.logon();
    RowSet q = l.ExecSqlOnDataset(QStringLiteral("pesquisa"), QStringLiteral("select nome from clientes"), QStringLiteral("Open"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("CLIENTE CONSUMIDOR"));

    // Another station's committed row is seen by the next open of the same query.
    TLogon other;
    ASSERT_TRUE(other.connectTo(st.databasePath()));
    other.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (2, 'OUTRA ESTACAO')"));
    RowSet count = l.ExecSqlOnDataset(QStringLiteral("PESQUISA"), QStringLiteral("select count(*) from clientes"),
                                      QStringLiteral("OPEN"));
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 2);
    // The rows first read are the caller's own and stay as they were.
    EXPECT_EQ(q.size(), 1);

    // A mode other than open/exec runs nothing.
    l.ExecSqlOnDataset(QStringLiteral("atualiza"), QStringLiteral("delete from clientes"), QStringLiteral("show"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES")), 2);
    l.ExecSqlOnDataset(QStringLiteral("formapaga"), QStringLiteral("delete from clientes where codigo = ?"), QStringLiteral("exec"), {2});
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES")), 1);

    EXPECT_THROW(l.ExecSqlOnDataset(QStringLiteral("Atualiza"), QStringLiteral("select * from nao_existe"), QStringLiteral("OPEN")), DbError);
    EXPECT_NO_THROW(l.CloseSharedDatasets());
    EXPECT_NO_THROW(l.CloseSharedDatasets());
}

TEST(ExactNumbers, AmountsGoInAndComeBackToTheLastDigit)
{
    TestStation st;
    const char* const values[] = {"0.125", "1234567.891", "-0.250", "0.001", "999999999999.999", "33.330"};
    int code = 100;
    for (const char* v : values) {
        const Decimal d = *Decimal::parseSql(QString::fromLatin1(v));
        const QString c = QString::number(++code);
        st.addProduct(c, QStringLiteral("P"), d);
        EXPECT_EQ(decimalOf(st.scalar(QStringLiteral("SELECT VALOR FROM PRODUTOS WHERE CODIGO = ?"), {c})), d) << v;
    }
    // Sums stay exact in the database too.
    EXPECT_EQ(decimalOf(st.scalar(QStringLiteral("SELECT SUM(VALOR) FROM PRODUTOS WHERE CODIGO IN ('101','106')"))),
              *Decimal::parseSql(u"33.455"));
    st.openCashShift(12);
    EXPECT_EQ(st.count(QStringLiteral("SELECT CAIXA FROM CONTCAIXA")), 12);
}

TEST(SharedQueries, TableQueriesOpenWithTheirTextAndCalculatedFields)
{
    TestStation st;
    RowSet clientes = st.logon().run(QStringLiteral("Select * from Clientes"));
    ASSERT_TRUE(clientes.next());
    EXPECT_EQ(clientes.value(QStringLiteral("NOME")).toString(), QStringLiteral("CLIENTE CONSUMIDOR"));
    const std::pair<QVariant, const char*> estados[] = {{QVariant(0), "A"}, {QVariant(), "A"}, {QVariant(1), "F"}, {QVariant(2), "F"}};
    for (const auto& [status, estado] : estados)
        EXPECT_EQ(CabMesaEstado(status), QString::fromLatin1(estado));
    const std::pair<const char*, const char*> tps[] = {{"1", "CZ"}, {"2", "CZ"}, {"3", ""}, {"0", ""}};
    for (const auto& [cozinha, tp] : tps)
        EXPECT_EQ(MesaTP(QString::fromLatin1(cozinha)), QString::fromLatin1(tp));
    EXPECT_EQ(CabMesaEDelivery(QStringLiteral("0.000")), QString());
    EXPECT_EQ(CabMesaEDelivery(QStringLiteral("1.000")), QStringLiteral("Delivery"));
}

TEST(SharedQueries, GeneratorReadsAdvanceOncePerRead)
{
    TestStation st;
    const qint64 a = st.logon().GenId(QStringLiteral("BORDA"));
    const qint64 b = st.logon().GenId(QStringLiteral("BORDA"));
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(st.logon().GenId(QStringLiteral("BORDA"), 0), b);
}

TEST(Transactions, AnActionThatFailsLeavesNothingHalfWritten)
{
    TestStation st;
    EXPECT_THROW(st.logon().action([&] {
        st.logon().run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (7, 'PRIMEIRA')"));
        st.logon().run(QStringLiteral("INSERT INTO TABELA_QUE_NAO_EXISTE VALUES (1)"));
    }), DbError);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = 7")), 0);

    st.logon().action([&] {
        st.logon().run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (8, 'SEGUNDA')"));
    });
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = 8")), 1);
}

TEST(Connecting, NoServerOpensTheLocalFile)
{
    TestStation st(false);
    ScriptedDialogs dialogs;
    st.writeFile(QStringLiteral("estacao.ini"), {QStringLiteral("nil")});
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\SetupRede.Ini"), {QStringLiteral("127.0.0.9")});
    EXPECT_EQ(st.logon().DataModuleCreate(), TLogon::StartResult::Connected);
    EXPECT_TRUE(st.logon().ServerAddress.isEmpty());
    EXPECT_TRUE(dialogs.windowsShown.isEmpty());
}

TEST(Connecting, FailedServerOffersTheLocalFileOrAborts)
{
    // 127.0.0.9 is on this machine and nothing listens there.
    struct Case { int choice; TLogon::StartResult expected; };
    for (const Case c : {Case{TFormErro::Connect, TLogon::StartResult::Connected},
                         Case{TFormErro::Abort, TLogon::StartResult::Aborted}}) {
        TestStation st(false);
        ScriptedDialogs dialogs;
        st.writeFile(QStringLiteral("estacao.ini"), {QStringLiteral("127.0.0.9")});
        QString shownAddress;
        dialogs.onWindow(QStringLiteral("TFormErro"), [&](QDialog& w) {
            for (QLabel* l : w.findChildren<QLabel*>())
                if (l->text().startsWith(QLatin1String("IP do servidor : ")))
                    shownAddress = l->text();
            return c.choice;
        });
        EXPECT_EQ(st.logon().DataModuleCreate(), c.expected);
        EXPECT_EQ(shownAddress, QStringLiteral("IP do servidor : 127.0.0.9"));
        EXPECT_EQ(st.logon().isOpen(), c.expected == TLogon::StartResult::Connected);
    }
}

TEST(Connecting, ServerOnTheNetwork)
{
    if (TestServer::address().isEmpty())
        GTEST_SKIP() << "No Firebird server here: scripts/test.sh starts one on 127.0.0.1 (needs root).";
    const QString path = TestServer::createDatabase(QStringLiteral("conecta"));
    TestStation st(false);
    ScriptedDialogs dialogs;
    st.writeFile(QStringLiteral("estacao.ini"), {TestServer::address(), QString(), path});
    ASSERT_EQ(st.logon().DataModuleCreate(), TLogon::StartResult::Connected) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(st.logon().ServerAddress, TestServer::address());
    EXPECT_TRUE(dialogs.windowsShown.isEmpty());
    // The server's database, not the local file: mark it and read the mark back
    // through another connection to the server.
    st.logon().run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = 'NO SERVIDOR'"));
    TLogon check;
    ASSERT_TRUE(check.connectTo(TestServer::address() + QLatin1Char(':') + path));
    EXPECT_EQ(check.scalar(QStringLiteral("SELECT EMPRESA FROM EMPRESA")).toString(), QStringLiteral("NO SERVIDOR"));
}
