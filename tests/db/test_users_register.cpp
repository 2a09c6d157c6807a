// The users register: the rights mask bit by bit, the supervisor kept, new users
// written only when confirmed, and the supervisor's password changed.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "registers/UnitManSen.h"
#include "shell/Credentials.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct UsersRegisterTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    int users() { return st.count(QStringLiteral("select count(*) from MILTREX")); }
    QVariant column(const char* col, const QString& name)
    {
        return st.scalar(QStringLiteral("select %1 from MILTREX where NOME = ?").arg(QLatin1String(col)), {name});
    }
};

} // namespace

TEST_F(UsersRegisterTest, TickedBoxesMakeTheMaskAndTheWindowThenShowsTheFirstUser)
{
    st.addUser(QStringLiteral("ANA"), QStringLiteral("11"), QStringLiteral("N"), 0);
    TFormManSen w(st.logon());
    w.chooseUser(QStringLiteral("ANA"));
    EXPECT_TRUE(w.passwordField()->text().isEmpty());   // a stored password is never shown
    for (int bit = 1; bit <= 32768; bit *= 2)
        w.rightsBox(bit)->setChecked(bit == 1 || bit == 64 || bit == 32768);
    ASSERT_TRUE(w.confirmUser());
    EXPECT_EQ(column("SISTEMA", QStringLiteral("ANA")).toLongLong(), 32833);
    EXPECT_EQ(w.nameField()->text(), QStringLiteral("SUPERVISOR"));
    // the blank password field kept her password
    EXPECT_TRUE(passwords::matches(QStringLiteral("11"), column("SENHA", QStringLiteral("ANA")).toString()));

    w.chooseUser(QStringLiteral("ANA"));
    EXPECT_TRUE(w.rightsBox(1)->isChecked());
    EXPECT_TRUE(w.rightsBox(64)->isChecked());
    EXPECT_TRUE(w.rightsBox(32768)->isChecked());
    EXPECT_FALSE(w.rightsBox(2)->isChecked());
    EXPECT_FALSE(w.rightsBox(1024)->isChecked());
}

TEST_F(UsersRegisterTest, AUserWithoutAMaskShowsNothingTickedAndSavesZero)
{
    st.logon().run(QStringLiteral("insert into MILTREX (ID, NOME, SENHA, MASTER) values (GEN_ID(SENHA,1), 'BETO', '2', 'N')"));
    TFormManSen w(st.logon());
    w.chooseUser(QStringLiteral("BETO"));
    for (int bit = 1; bit <= 32768; bit *= 2)
        EXPECT_FALSE(w.rightsBox(bit)->isChecked()) << bit;
    ASSERT_TRUE(w.confirmUser());
    EXPECT_EQ(column("SISTEMA", QStringLiteral("BETO")).toLongLong(), 0);
}

TEST_F(UsersRegisterTest, TheLastSupervisorCanNeitherGoNorStopBeingOne)
{
    TFormManSen w(st.logon());
    d.answerMessages({QStringLiteral("S")});
    w.deleteUser();
    EXPECT_EQ(users(), 1);
    EXPECT_EQ(d.messageTexts(), (QStringList{userText::askDelete, userText::supervisorRequired}));

    w.masterField()->setText(QStringLiteral("N"));
    EXPECT_FALSE(w.confirmUser());
    EXPECT_EQ(d.messageTexts().last(), userText::supervisorRequired);
    EXPECT_EQ(w.masterField()->text(), QStringLiteral("N"));   // the edit stays on screen
    EXPECT_EQ(column("MASTER", QStringLiteral("SUPERVISOR")).toString(), QStringLiteral("S"));

    // With a second supervisor the first may go.
    st.addUser(QStringLiteral("GERENTE"), QStringLiteral("9"), QStringLiteral("S"), 0);
    w.users().reload();
    d.answerMessages({QStringLiteral("S")});
    w.deleteUser();
    EXPECT_EQ(column("NOME", QStringLiteral("SUPERVISOR")), QVariant());
    EXPECT_EQ(users(), 1);
}

TEST_F(UsersRegisterTest, ReturnRefusesWhileNoUserIsASupervisor)
{
    st.logon().run(QStringLiteral("update MILTREX set MASTER = 'N'"));
    TFormManSen w(st.logon());
    w.returnToMenu();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(d.messageTexts(), QStringList{userText::supervisorRequired});
    w.masterField()->setText(QStringLiteral("S"));
    ASSERT_TRUE(w.confirmUser());
    w.returnToMenu();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(UsersRegisterTest, ANewUserIsWrittenOnlyWhenConfirmed)
{
    {
        TFormManSen w(st.logon());
        w.newUser();
        EXPECT_TRUE(w.nameField()->isEnabled());
        EXPECT_TRUE(w.nameField()->text().isEmpty());
        w.returnToMenu();
    }
    EXPECT_EQ(users(), 1);

    TFormManSen w(st.logon());
    w.newUser();
    w.nameField()->setText(QStringLiteral("D'AVILA"));
    w.passwordField()->setText(QStringLiteral("77"));
    w.masterField()->setText(QStringLiteral("N"));
    w.rightsBox(8)->setChecked(true);
    ASSERT_TRUE(w.confirmUser());
    EXPECT_EQ(users(), 2);
    const QString stored = column("SENHA", QStringLiteral("D'AVILA")).toString();
    EXPECT_TRUE(passwords::isDigest(stored)) << stored.toStdString();
    EXPECT_TRUE(passwords::matches(QStringLiteral("77"), stored));
    EXPECT_FALSE(passwords::matches(QStringLiteral("78"), stored));
    EXPECT_EQ(column("SISTEMA", QStringLiteral("D'AVILA")).toLongLong(), 8);
}

TEST_F(UsersRegisterTest, TheSupervisorsPasswordChangesAndTheNewOneLetsHimIn)
{
    TFormManSen w(st.logon());
    w.passwordField()->setText(QStringLiteral("SEGREDO"));
    ASSERT_TRUE(w.confirmUser());
    EXPECT_FALSE(confirmSupervisor(st.logon(), QStringLiteral("SUPERVISOR"), QStringLiteral("1234")));
    EXPECT_TRUE(confirmSupervisor(st.logon(), QStringLiteral("supervisor"), QStringLiteral("segredo")));
}

TEST_F(UsersRegisterTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    struct Case { const char* label; QString name, password, master; bool stored; QString message; };
    const QString emoji = QStringLiteral("ANA \U0001F600");
    const Case cases[] = {
        {"apostrophes and quotes", QStringLiteral("O'BRIEN \"X\""), QStringLiteral("A'B"), QStringLiteral("N"), true, {}},
        {"sql fragment", QStringLiteral("X'; DELETE FROM"), QStringLiteral("1' OR '1'='1"), QStringLiteral("N"), true, {}},
        {"over-long text is cut by the fields", QStringLiteral("NOME MUITO COMPRIDO DEMAIS"), QStringLiteral("12345678901234"), QStringLiteral("NN"), true, {}},
        {"blank name", QStringLiteral("   "), QStringLiteral("1"), QStringLiteral("N"), false, userText::nameRequired},
        {"characters the database cannot store", emoji, QStringLiteral("1"), QStringLiteral("N"), false, characterSetMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        TFormManSen w(st.logon());
        const int before = users();
        w.newUser();
        w.nameField()->setText(c.name);
        w.passwordField()->setText(c.password);
        w.masterField()->setText(c.master);
        EXPECT_EQ(w.confirmUser(), c.stored);
        EXPECT_EQ(users(), before + (c.stored ? 1 : 0));
        if (c.stored) {
            const QString name = c.name.left(15);
            const QString stored = column("SENHA", name).toString();
            EXPECT_TRUE(passwords::isDigest(stored));
            EXPECT_TRUE(passwords::matches(c.password.left(10), stored)) << stored.toStdString();
            EXPECT_EQ(column("MASTER", name).toString(), c.master.left(1));
        } else {
            QStringList shown = script.messageTexts() + script.errors;
            EXPECT_EQ(shown, QStringList{c.message});
            EXPECT_EQ(w.nameField()->text(), c.name);
        }
    }
    EXPECT_EQ(column("MASTER", QStringLiteral("SUPERVISOR")).toString(), QStringLiteral("S"));
}
