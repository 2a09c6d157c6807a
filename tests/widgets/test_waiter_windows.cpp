// The waiter password window and the salesperson search, alone and from the sales screen.
#include "WidgetSteps.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "sales/SalesMessages.h"
#include "sales/UnitBalcao.h"
#include "sales/UnitBuscaVendedor.h"
#include "sales/UnitSenGarcom.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
}

TEST(WaiterWindows, PasswordWindowGivesTheCodeOnlyForTheRightPassword)
{
    TestStation st;
    ScriptedDialogs script;
    seeds::waiter(st.logon(), 3, QStringLiteral("JOAO DA SILVA SANTOS"), QStringLiteral("77"));
    struct Case { const char* code; const char* password; const char* lookup; const char* message; } cases[] = {
        {"3", "77", "3", nullptr},
        {"3", "78", "", nullptr},
        {"3", "", "", nullptr},
        {"9", "77", "", " Garcom não Localizado.. "},
        {"0", "77", "", nullptr},
        {"abc", "77", "", " Garcom não Localizado.. "},
        {"3", "' or '1'='1", "", nullptr},
        {"99999999999", "77", "", " Garcom não Localizado.. "},
    };
    for (const Case& c : cases) {
        ctx::lookup().LookupCode = QStringLiteral("antes");
        TFormSenGarcom w(st.logon());
        EXPECT_TRUE(ctx::lookup().LookupCode.isEmpty());
        const qsizetype before = script.messages.size();
        edit(w, "codeEdit")->setText(QString::fromLatin1(c.code));
        w.codeLeft();
        if (c.message) {
            ASSERT_EQ(script.messages.size(), size_t(before + 1)) << c.code;
            EXPECT_EQ(script.messageTexts().last(), QString::fromUtf8(c.message));
            EXPECT_TRUE(edit(w, "codeEdit")->text().isEmpty());
        } else {
            EXPECT_EQ(script.messages.size(), size_t(before)) << c.code;
        }
        if (QString::fromLatin1(c.code) == QLatin1String("3")) {
            EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("JOAO DA SILV"));
        }
        edit(w, "passwordEdit")->setText(QString::fromUtf8(c.password));
        w.confirm();
        EXPECT_EQ(ctx::lookup().LookupCode, QString::fromLatin1(c.lookup)) << c.code << " " << c.password;
    }
}

TEST(WaiterWindows, SearchListsByNameAndClosingGivesTheCurrentRow)
{
    TestStation st;
    ScriptedDialogs script;
    seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
    seeds::waiter(st.logon(), 4, QStringLiteral("ANA"));
    TFormBuscaVendedor w(st.logon());
    EXPECT_EQ(w.rows(), 2);
    w.reject();
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("4"));   // the first by name, not nothing
    TFormBuscaVendedor again(st.logon());
    edit(again, "searchEdit")->setText(QStringLiteral("jo"));
    EXPECT_EQ(again.rows(), 1);
    QTest::keyClick(edit(again, "searchEdit"), Qt::Key_Return);
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("3"));
    TFormBuscaVendedor none(st.logon());
    edit(none, "searchEdit")->setText(QStringLiteral("'%😀"));
    EXPECT_EQ(none.rows(), 0);
    none.accept();
    EXPECT_TRUE(ctx::lookup().LookupCode.isEmpty());
}

TEST(WaiterWindows, WithTheWaiterPasswordOptionTheCodeFieldAsksForIt)
{
    TestStation st;
    ScriptedDialogs script;
    registerProgramWindows();
    st.openCashShift(1);
    seeds::options(st.logon(), 1, 0);
    seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"), QStringLiteral("77"));
    script.onWindow(QStringLiteral("TFormSenGarcom"), [](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("codeEdit"))->setText(QStringLiteral("3"));
        d.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("77"));
        static_cast<TFormSenGarcom&>(d).confirm();
        return int(QDialog::Accepted);
    });
    TFormBalcao w(st.logon());
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_FALSE(edit(w, "waiterEdit")->isEnabled());
    script.answerMessages({QStringLiteral("S")});
    edit(w, "tabNumberEdit")->setFocus();
    QTest::keyClicks(edit(w, "tabNumberEdit"), QStringLiteral("12"));
    QTest::keyClick(edit(w, "tabNumberEdit"), Qt::Key_Return);
    EXPECT_TRUE(script.windowsShown.contains(QStringLiteral("TFormSenGarcom")));
    EXPECT_EQ(edit(w, "waiterEdit")->text(), QStringLiteral("3"));
    EXPECT_TRUE(edit(w, "productCodeEdit")->hasFocus());
}
