// Payment methods: two-digit codes, insert or update by code, cash kept.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "registers/UnitFPaga.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct PaymentMethodsTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    int methods() { return st.count(QStringLiteral("select count(*) from FORMAPAGA")); }
    QString name(int cd) { return st.scalar(QStringLiteral("select NOME from FORMAPAGA where CD = ?"), {cd}).toString(); }
};
}

TEST_F(PaymentMethodsTest, ANewCodeShowsTwoDigitsAndIsInsertedWithItsOwnId)
{
    TFormFPaga w(st.logon());
    EXPECT_EQ(w.nameField()->text(), QStringLiteral("Dinheiro"));
    w.codeField()->setText(QStringLiteral("3"));
    w.leaveCode();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("03"));
    EXPECT_TRUE(w.nameField()->text().isEmpty());
    w.nameField()->setText(QStringLiteral("CARTAO"));
    w.bxField()->setText(QStringLiteral("S"));
    w.davField()->setText(QStringLiteral("N"));
    ASSERT_TRUE(w.confirmMethod());
    EXPECT_EQ(name(3), QStringLiteral("CARTAO"));
    EXPECT_EQ(st.count(QStringLiteral("select count(distinct ID) from FORMAPAGA")), 2);
    EXPECT_EQ(w.listedCount(), 2);
}

TEST_F(PaymentMethodsTest, NovoProposesTheNextCodeAndAnExistingCodeIsUpdated)
{
    seeds::addPaymentMethod(st.logon(), 9, QStringLiteral("PIX"));
    TFormFPaga w(st.logon());
    w.newMethod();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("10"));
    w.chooseRow(1);
    EXPECT_EQ(w.nameField()->text(), QStringLiteral("PIX"));
    ASSERT_TRUE(w.confirmMethod());
    EXPECT_EQ(name(9), QStringLiteral("PIX"));
    w.nameField()->setText(QStringLiteral("PIX QR"));
    ASSERT_TRUE(w.confirmMethod());
    EXPECT_EQ(name(9), QStringLiteral("PIX QR"));
    EXPECT_EQ(methods(), 2);
}

TEST_F(PaymentMethodsTest, DeletingAsksAndKeepsCash)
{
    seeds::addPaymentMethod(st.logon(), 2, QStringLiteral("CHEQUE"));
    TFormFPaga w(st.logon());
    d.answerMessages({QStringLiteral("S")});
    w.deleteMethod();     // the first listed: 01
    EXPECT_EQ(methods(), 2);
    EXPECT_EQ(d.messageTexts(), (QStringList{paymentText::askDelete, paymentText::cashKept}));
    w.chooseRow(1);
    d.answerMessages({QStringLiteral("N")});
    w.deleteMethod();
    EXPECT_EQ(methods(), 2);
    w.chooseRow(1);
    d.answerMessages({QStringLiteral("S")});
    w.deleteMethod();
    EXPECT_EQ(methods(), 1);
    EXPECT_EQ(name(1), QStringLiteral("Dinheiro"));
}

TEST_F(PaymentMethodsTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    struct Case { const char* label; QString code, name; int storedAs; QString message; bool error; };
    const Case cases[] = {
        {"apostrophes and quotes", QStringLiteral("4"), QStringLiteral("VALE D'OURO \"X\""), 4, {}, false},
        {"sql fragment", QStringLiteral("5"), QStringLiteral("'); DELETE FROM FORMAPAGA;--"), 5, {}, false},
        {"over-long name is cut by the field", QStringLiteral("6"), QStringLiteral("CARTAO DE CREDITO PARCELADO"), 6, {}, false},
        {"three digits would spill into the receivable's number", QStringLiteral("123"), QStringLiteral("X"), 0, paymentText::codeTooLong, false},
        {"zero", QStringLiteral("0"), QStringLiteral("X"), 0, {}, false},
        {"letters", QStringLiteral("X"), QStringLiteral("X"), 0, {}, false},
        {"1e20", QStringLiteral("1e20"), QStringLiteral("X"), 0, {}, false},
        {"too big for the column", QStringLiteral("99999999999"), QStringLiteral("X"), 0, {}, false},
        {"negative", QStringLiteral("-7"), QStringLiteral("X"), 0, {}, false},
        {"characters the database cannot store", QStringLiteral("8"), QStringLiteral("PIX \U0001F600"), 0, characterSetMessage(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const int before = methods();
        TFormFPaga w(st.logon());
        w.codeField()->setText(c.code);
        w.leaveCode();
        w.nameField()->setText(c.name);
        w.bxField()->setText(QStringLiteral("N"));
        w.davField()->setText(QStringLiteral("N"));
        w.confirmMethod();
        EXPECT_EQ(methods(), before + (c.storedAs ? 1 : 0));
        if (c.storedAs) {
            EXPECT_EQ(name(c.storedAs), c.name.left(20));
        }
        const QStringList shown = c.error ? script.errors : script.messageTexts();
        EXPECT_EQ(shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
    EXPECT_EQ(name(1), QStringLiteral("Dinheiro"));
}
