// Login and the supervisor prompt against the users table.
#include "OlderDatabase.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "shell/Credentials.h"
#include "core/Globals.h"
#include "shell/UnSenha.h"
#include "shell/UnitAcessos.h"
#include "shell/Startup.h"
#include "sales/ItemEntry.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(Login, AcceptedUserBecomesOperatorAndIsRecorded)
{
    TestStation st;
    st.addUser(QStringLiteral("Maria"), QStringLiteral("abc"), QStringLiteral("N"), 1 + 32);
    st.setCompanyName(QStringLiteral("BAR DO ZÉ"));
    st.writeFile(QStringLiteral("estacao.ini"), {QString(), QStringLiteral("SIM")});
    LoginSession login(st.logon());
    EXPECT_EQ(login.confirm(QStringLiteral("maria "), QStringLiteral("ABC")), LoginSession::Outcome::Accepted);
    EXPECT_EQ(login.acceptedName(), QStringLiteral("Maria"));
    EXPECT_EQ(ctx::op().LoginRights, 33);
    EXPECT_EQ(ctx::op().CurrentRights, 33);
    EXPECT_EQ(ctx::company().CompanyName, QStringLiteral("BAR DO ZÉ"));
    EXPECT_EQ(ctx::station().OutsideErpLink, QStringLiteral("SIM"));
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT OPERADOR FROM HISTORICO WHERE ACAO = 'Entrou Programa'")).toString(),
              QStringLiteral("Maria"));
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT CHAR_LENGTH(HORA) FROM HISTORICO")).toInt(), 17);  // dd/mm/yy hh:mm:ss
}

TEST(Login, BlankNameNeverLogsInEvenWithABlankUsersRow)
{
    TestStation st;
    st.addUser(QString(), QString(), QStringLiteral("S"), 65535);
    LoginSession login(st.logon());
    EXPECT_EQ(login.confirm(QString(), QString()), LoginSession::Outcome::Wrong);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO")), 0);
}

TEST(Login, FourthWrongAttemptEndsAndThreeThenRightIsAccepted)
{
    TestStation st;
    {
        LoginSession login(st.logon());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(login.confirm(QStringLiteral("SUPERVISOR"), QStringLiteral("x")), LoginSession::Outcome::Wrong);
        EXPECT_EQ(login.confirm(QStringLiteral("SUPERVISOR"), QStringLiteral("1234")), LoginSession::Outcome::Accepted);
    }
    LoginSession login(st.logon());
    for (int i = 0; i < 3; ++i)
        login.confirm(QStringLiteral("X"), QStringLiteral("x"));
    EXPECT_EQ(login.confirm(QStringLiteral("X"), QStringLiteral("x")), LoginSession::Outcome::Exhausted);
}

TEST(Login, WindowShowsMessagesAndEndsOnTheFourthFailure)
{
    TestStation st;
    ScriptedDialogs dialogs;
    LoginSession session(st.logon());
    TFormProtecao window(session);
    window.setName(QStringLiteral("NINGUEM"));
    window.setPassword(QStringLiteral("0"));
    for (int i = 0; i < 4; ++i)
        window.confirm();
    EXPECT_EQ(window.result(), TFormProtecao::Exhausted);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{loginText::wrong, loginText::wrong, loginText::wrong,
                                                   loginText::wrong, loginText::exhausted}));
    EXPECT_EQ(dialogs.messages.back().kind, QStringLiteral("alerta"));
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(window.acceptedName().isEmpty());
}

TEST(Login, TwoUsersWithTheSameCredentialsEachWriteALogin)
{
    TestStation st;
    st.addUser(QStringLiteral("ANA"), QStringLiteral("1"), QStringLiteral("N"), 1);
    st.addUser(QStringLiteral("ana"), QStringLiteral("1"), QStringLiteral("N"), 2);
    LoginSession login(st.logon());
    ASSERT_EQ(login.confirm(QStringLiteral("ANA"), QStringLiteral("1")), LoginSession::Outcome::Accepted);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO WHERE ACAO = 'Entrou Programa'")), 2);
}

TEST(SupervisorPrompt, ConfirmsFirstInNameOrderAndCancelLeavesNoRights)
{
    TestStation st;
    st.addUser(QStringLiteral("ZECA"), QStringLiteral("9"), QStringLiteral("N"), 8);
    st.addUser(QStringLiteral("BETO"), QStringLiteral("9"), QStringLiteral("S"), 16);
    st.addUser(QString(), QString(), QStringLiteral("S"), 65535);
    ctx::op().CurrentRights = 99;

    EXPECT_TRUE(confirmSupervisor(st.logon(), QStringLiteral("beto"), QStringLiteral("9")));
    EXPECT_EQ(ctx::op().CurrentRights, 16);
    EXPECT_EQ(ctx::op().AuthoriserIsMaster, QStringLiteral("S"));
    EXPECT_EQ(ctx::op().AccessUserName, QStringLiteral("BETO"));

    EXPECT_FALSE(confirmSupervisor(st.logon(), QString(), QString()));   // the blank row never answers
    EXPECT_EQ(ctx::op().CurrentRights, 0);
    EXPECT_TRUE(ctx::op().AuthoriserName.isEmpty());

    // The window: a wrong answer keeps it open with the message; "Cancela" leaves 0.
    ScriptedDialogs dialogs;
    ctx::op().CurrentRights = 5;
    dialogs.onWindow(QStringLiteral("TFormAcessos"), [](QDialog& d) {
        auto& prompt = static_cast<TFormAcessos&>(d);
        prompt.setName(QStringLiteral("ZECA"));
        prompt.setPassword(QStringLiteral("errada"));
        prompt.confirm();
        prompt.cancel();
        return d.result();
    });
    askSupervisor(st.logon());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{loginText::wrong});
    EXPECT_EQ(ctx::op().CurrentRights, 0);
    EXPECT_TRUE(ctx::op().AuthoriserName.isEmpty());
}

TEST(Passwords, AnOlderDatabasesPasswordsBecomeDigestsOnceAndStillLetTheirOwnersIn)
{
    TestStation st;
    st.logon().close();
    QFile::remove(st.databasePath());
    createOlderDatabase(st.databasePath());
    ASSERT_TRUE(st.logon().connectTo(st.databasePath()));
    TLogon& l = st.logon();
    for (const char* row : {"1, 'ANA', 'abc12', 'N', 1", "2, 'ZECA', '9', 'S', 16", "3, 'BIA', '9', 'N', 2",
                            "4, 'SEM', NULL, 'N', 4"})
        l.run(QStringLiteral("INSERT INTO MILTREX (ID, NOME, SENHA, MASTER, SISTEMA) VALUES (%1)").arg(QLatin1String(row)));
    l.run(QStringLiteral("INSERT INTO VENDEDOR (ID, CODIGO, NOME, CEP) VALUES (1, 3, 'JOAO', '4321')"));
    l.run(QStringLiteral("INSERT INTO VENDEDOR (ID, CODIGO, NOME, CEP) VALUES (1, 4, 'ZE', NULL)"));

    startup::bringDatabaseUpToDate(l);

    RowSet users = l.run(QStringLiteral("SELECT NOME, SENHA FROM MILTREX ORDER BY ID"));
    QStringList stored;
    while (users.next())
        stored << users.text(u"SENHA");
    ASSERT_EQ(stored.size(), 4);
    EXPECT_TRUE(passwords::isDigest(stored[0]) && passwords::isDigest(stored[1]) && passwords::isDigest(stored[2]));
    EXPECT_NE(stored[1], stored[2]);          // one password, two salts
    EXPECT_TRUE(stored[3].isEmpty());         // no password stays none
    const QString waiter = l.scalar(QStringLiteral("SELECT CEP FROM VENDEDOR WHERE CODIGO = 3")).toString();
    EXPECT_TRUE(passwords::isDigest(waiter));

    // Login, supervisor prompt and waiter password compare digests.
    LoginSession login(l);
    EXPECT_EQ(login.confirm(QStringLiteral("ana"), QStringLiteral("abc13")), LoginSession::Outcome::Wrong);
    EXPECT_EQ(login.confirm(QStringLiteral("ana"), QStringLiteral("ABC12")), LoginSession::Outcome::Accepted);
    EXPECT_TRUE(confirmSupervisor(l, QStringLiteral("zeca"), QStringLiteral("9")));
    EXPECT_FALSE(confirmSupervisor(l, QStringLiteral("zeca"), QStringLiteral("8")));
    ItemEntry entry(l);
    EXPECT_EQ(entry.checkWaiterPassword(QStringLiteral("3"), QStringLiteral("4321")), 3);
    EXPECT_FALSE(entry.checkWaiterPassword(QStringLiteral("3"), QStringLiteral("4322")).has_value());
    EXPECT_FALSE(entry.checkWaiterPassword(QStringLiteral("3"), QString()).has_value());
    EXPECT_EQ(entry.checkWaiterPassword(QStringLiteral("4"), QString()), 4);   // no password: empty only
    EXPECT_FALSE(entry.checkWaiterPassword(QStringLiteral("4"), QStringLiteral("1")).has_value());

    // The next start leaves the digests as they are.
    EXPECT_EQ(passwords::convertStored(l), 0);
    EXPECT_EQ(l.scalar(QStringLiteral("SELECT SENHA FROM MILTREX WHERE ID = 1")).toString(), stored[0]);
}

TEST(Passwords, AColumnTheUpgradeCouldNotWidenKeepsItsPasswordsAndTheStartGoesOn)
{
    TestStation st;
    TLogon& l = st.logon();
    // as an older database holds it
    l.run(QStringLiteral("ALTER TABLE VENDEDOR DROP CEP"));
    l.run(QStringLiteral("ALTER TABLE VENDEDOR ADD CEP VARCHAR(10)"));
    l.run(QStringLiteral("INSERT INTO VENDEDOR (ID, CODIGO, NOME, CEP) VALUES (1, 3, 'JOAO', '4321')"));
    l.run(QStringLiteral("UPDATE MILTREX SET SENHA = '1234'"));
    EXPECT_EQ(passwords::convertStored(l), 1);   // the users' column is wide enough
    EXPECT_EQ(l.scalar(QStringLiteral("SELECT CEP FROM VENDEDOR")).toString(), QStringLiteral("4321"));
    EXPECT_EQ(ItemEntry(l).checkWaiterPassword(QStringLiteral("3"), QStringLiteral("4321")), 3);
}
