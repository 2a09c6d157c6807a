// The cash-shift window as a supervisor uses it: typed values, messages, rows.
#include "WidgetSteps.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "cash/UnitAbrFec.h"
#include "core/Globals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QPushButton* button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }
}

TEST(AbrFecWindow, OpeningFloatHostileValuesAreRefusedAndWriteNothing)
{
    const char* hostile[] = {"abc", "1e20", "-50", "'; delete from contcaixa; --", "12,3,4",
                             "99999999999999999999999", "😀"};
    for (const char* text : hostile) {
        TestStation st;
        ScriptedDialogs script;
        ctx::op().OperatorName = QStringLiteral("MARIA");
        ctx::op().AccessUserName = QStringLiteral("SUPERVISOR");
        TFormAbrFec w(st.logon());
        w.prepareOpening();
        edit(w, "floatEdit")->setText(QString::fromUtf8(text));
        w.confirmOpening();
        ASSERT_FALSE(script.messageTexts().isEmpty()) << text;
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::fillFields) << text;
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CONTCAIXA WHERE CAIXA <> 0 OR NUMEDADOR <> 0")), 0) << text;
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO")), 0) << text;
    }
}

TEST(AbrFecWindow, TypingOpensClosesAndReopens)
{
    TestStation st;
    ScriptedDialogs script;
    ctx::op().OperatorName = QStringLiteral("MARIA");
    ctx::op().AccessUserName = QStringLiteral("SUPERVISOR");
    {
        TFormAbrFec w(st.logon());
        EXPECT_EQ(w.stateText(), QStringLiteral("Caixa Fechado"));
        QTest::mouseClick(button(w, "newShiftButton"), Qt::LeftButton);
        QLineEdit* amount = edit(w, "floatEdit");
        amount->clear();
        QTest::keyClicks(amount, QStringLiteral("100.5"));
        EXPECT_EQ(amount->text(), QStringLiteral("100,5"));
        QTest::keyClick(amount, 'x');     // refused with its message, the text stays
        EXPECT_EQ(amount->text(), QStringLiteral("100,5"));
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::floatEntryError(QStringLiteral("100,5x")));
        QTest::mouseClick(button(w, "confirmOpenButton"), Qt::LeftButton);
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::opened);
        EXPECT_EQ(w.stateText(), QStringLiteral("Caixa Aberto"));
        EXPECT_EQ(w.numberText(), QStringLiteral("0000001"));
    }
    st.logon().run(QStringLiteral("insert into cabmesa (mesa) values ('000001')"));
    st.logon().run(QStringLiteral("insert into cabmesa (mesa) values ('000002')"));
    {
        TFormAbrFec w(st.logon());
        script.answerMessages({QStringLiteral("N")});
        QTest::mouseClick(button(w, "closeShiftButton"), Qt::LeftButton);
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::openTabsQuestion(2));
        EXPECT_EQ(w.stateText(), QStringLiteral("Caixa Aberto"));
        script.answerMessages({QStringLiteral("S")});
        QTest::mouseClick(button(w, "closeShiftButton"), Qt::LeftButton);
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::closed);
        EXPECT_EQ(w.stateText(), QStringLiteral("Caixa Fechado"));
        QTest::mouseClick(button(w, "reopenButton"), Qt::LeftButton);
        QLineEdit* number = edit(w, "reopenEdit");
        number->clear();
        QTest::keyClicks(number, QStringLiteral("abc"));
        QTest::keyClick(number, Qt::Key_Return);
        EXPECT_EQ(script.messageTexts().last(), cashshift::msg::noSuchShift);
        QTest::mouseClick(button(w, "reopenButton"), Qt::LeftButton);
        number->clear();
        QTest::keyClicks(number, QStringLiteral("1"));
        QTest::keyClick(number, Qt::Key_Return);
        EXPECT_EQ(w.numberText(), QStringLiteral("0000001"));
    }
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO WHERE OPERADOR = 'SUPERVISOR'")), 3);
}
