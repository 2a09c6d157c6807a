// The staff register: a copy changed through the fields and written on
// confirmation, in one action, without overwriting another station's change.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "registers/UnitVendedor.h"
#include "shell/Credentials.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct StaffRegisterTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    int staff() { return st.count(QStringLiteral("select count(*) from VENDEDOR")); }
    QString column(const char* col, int code)
    {
        return st.scalar(QStringLiteral("select %1 from VENDEDOR where CODIGO = ?").arg(QLatin1String(col)), {code}).toString();
    }
    void type(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
    }
};
}

TEST_F(StaffRegisterTest, AnEmptyRegisterProposesTheFirstCodeAndWritesOnlyOnConfirmation)
{
    TFormVendedor w(st.logon());
    w.newStaff();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000001"));
    d.answerMessages({QStringLiteral("S")});
    w.leaveCode();
    EXPECT_EQ(d.messageTexts(), QStringList{staffText::notRegistered});
    type(w.field("NOME"), QStringLiteral("JOÃO GARÇOM"));
    type(w.field("CEP"), QStringLiteral("4321"));
    type(w.field("ADMISSAO"), QStringLiteral("02/01/2024"));
    EXPECT_EQ(staff(), 0);
    ASSERT_TRUE(w.confirmStaff());
    EXPECT_EQ(staff(), 1);
    EXPECT_EQ(column("NOME", 1), QStringLiteral("JOÃO GARÇOM"));
    EXPECT_TRUE(passwords::isDigest(column("CEP", 1)));
    EXPECT_TRUE(passwords::matches(QStringLiteral("4321"), column("CEP", 1)));
    EXPECT_EQ(st.scalar(QStringLiteral("select ADMISSAO from VENDEDOR")).toDate(), QDate(2024, 1, 2));
}

TEST_F(StaffRegisterTest, ACodeMovesToThatStaffMemberAndABlankOneClosesTheWindow)
{
    seeds::addStaff(st.logon(), 3, QStringLiteral("ANA"));
    seeds::addStaff(st.logon(), 7, QStringLiteral("BIA"));
    TFormVendedor w(st.logon());
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000003"));
    type(w.codeField(), QStringLiteral("7"));
    w.leaveCode();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("7"));
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("BIA"));
    d.answerMessages({QStringLiteral("N")});
    type(w.codeField(), QStringLiteral("8"));
    w.leaveCode();
    EXPECT_TRUE(w.codeField()->text().isEmpty());
    type(w.codeField(), QString());
    w.leaveCode();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(staff(), 2);
}

TEST_F(StaffRegisterTest, TwoEditsConfirmedOnceAreBothWrittenAndASecondConfirmationWritesNothing)
{
    seeds::addStaff(st.logon(), 3, QStringLiteral("ANA"));
    seeds::addStaff(st.logon(), 7, QStringLiteral("BIA"));
    TFormVendedor w(st.logon());
    type(w.field("NOME"), QStringLiteral("ANA MARIA"));
    w.chooseRow(1);
    type(w.field("FONE"), QStringLiteral("5555"));
    ASSERT_TRUE(w.confirmStaff());
    EXPECT_EQ(column("NOME", 3), QStringLiteral("ANA MARIA"));
    EXPECT_EQ(column("FONE", 7), QStringLiteral("5555"));
    EXPECT_FALSE(w.staff().hasPendingChanges());
    st.logon().run(QStringLiteral("update VENDEDOR set NOME = 'OUTRA' where CODIGO = 3"));
    ASSERT_TRUE(w.confirmStaff());
    EXPECT_EQ(column("NOME", 3), QStringLiteral("OUTRA"));
    EXPECT_EQ(st.count(QStringLiteral("select count(distinct ID) from VENDEDOR")), 2);
}

TEST_F(StaffRegisterTest, ARowAnotherStationChangedIsNotOverwrittenAndTheUserIsTold)
{
    seeds::addStaff(st.logon(), 3, QStringLiteral("ANA"));
    seeds::addStaff(st.logon(), 7, QStringLiteral("BIA"));
    TFormVendedor w(st.logon());
    type(w.field("NOME"), QStringLiteral("MINHA"));
    w.chooseRow(1);
    type(w.field("NOME"), QStringLiteral("BIANCA"));
    st.logon().run(QStringLiteral("update VENDEDOR set NOME = 'DA OUTRA' where CODIGO = 3"));
    EXPECT_FALSE(w.confirmStaff());
    EXPECT_EQ(d.messageTexts(), QStringList{staffText::changedElsewhere});
    EXPECT_EQ(column("NOME", 3), QStringLiteral("DA OUTRA"));
    EXPECT_EQ(column("NOME", 7), QStringLiteral("BIA"));   // one action: nothing half-written
    w.chooseRow(0);
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("DA OUTRA"));
}

TEST_F(StaffRegisterTest, DeletingAsksAndRemovesOnlyTheChosenStaffMember)
{
    seeds::addStaff(st.logon(), 3, QStringLiteral("ANA"));
    seeds::addStaff(st.logon(), 7, QStringLiteral("BIA"));
    TFormVendedor w(st.logon());
    w.chooseRow(1);
    d.answerMessages({QStringLiteral("N"), QStringLiteral("S")});
    w.deleteStaff();
    EXPECT_EQ(staff(), 2);
    w.deleteStaff();
    EXPECT_EQ(staff(), 1);
    EXPECT_EQ(column("NOME", 3), QStringLiteral("ANA"));
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("3"));
}

TEST_F(StaffRegisterTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    seeds::addStaff(st.logon(), 3, QStringLiteral("ANA"), QStringLiteral("11"));
    struct Case { const char* label; const char* column; QString value; bool stored; QString message; bool error; };
    const Case cases[] = {
        {"apostrophes and quotes", "NOME", QStringLiteral("D'ÁVILA \"ZÉ\""), true, {}, false},
        {"sql fragment", "CEP", QStringLiteral("1' OR '1"), true, {}, false},
        {"over-long text is cut by the field", "NOME", QStringLiteral("NOME COMPRIDO DEMAIS PARA A COLUNA DO CADASTRO"), true, {}, false},
        {"letters in a date", "ADMISSAO", QStringLiteral("ONTEM"), false, QStringLiteral("Admissao: data invalida"), false},
        {"impossible date", "AFASTA", QStringLiteral("31/02/2024"), false, QStringLiteral("Afastamento: data invalida"), false},
        {"characters the database cannot store", "CIDADE", QStringLiteral("RIO \U0001F600"), false, characterSetMessage(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const QString nameBefore = column("NOME", 3);
        TFormVendedor w(st.logon());
        type(w.field(c.column), c.value);
        EXPECT_EQ(w.confirmStaff(), c.stored);
        if (c.stored && QLatin1String(c.column) == QLatin1String("CEP")) {
            EXPECT_TRUE(passwords::matches(c.value.left(w.field(c.column)->maxLength()), column(c.column, 3)));
        } else if (c.stored) {
            EXPECT_EQ(column(c.column, 3), c.value.left(w.field(c.column)->maxLength()));
        } else {
            EXPECT_EQ(c.error ? script.errors : script.messageTexts(), QStringList{c.message});
            EXPECT_EQ(column("NOME", 3), nameBefore);
            EXPECT_TRUE(w.staff().hasPendingChanges());
            EXPECT_EQ(w.field(c.column)->text(), c.value);
        }
    }
    // Codes 0, negatives and numbers too big for a code are refused; nothing is added.
    for (const QString& code : {QStringLiteral("0"), QStringLiteral("-4"), QStringLiteral("1e20")}) {
        SCOPED_TRACE(code.toStdString());
        ScriptedDialogs script;
        TFormVendedor w(st.logon());
        type(w.codeField(), code);
        w.leaveCode();
        EXPECT_EQ(script.messageTexts(), QStringList{staffText::invalidCode});
        EXPECT_FALSE(w.staff().hasPendingChanges());
    }
    EXPECT_EQ(staff(), 1);
}
