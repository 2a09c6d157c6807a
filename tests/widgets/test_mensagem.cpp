// The message window itself.
#include "QtPrinters.h"
#include "core/uMensagemWindow.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QPushButton* button(TFormMensagem& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }
}

TEST(MessageWindow, ButtonsAnswersAndTitleBand)
{
    {
        TFormMensagem w(QStringLiteral(" atenção "), QStringLiteral("Texto"), QStringLiteral("1"), QStringLiteral("alerta"));
        EXPECT_TRUE(button(w, "noButton")->isHidden());
        EXPECT_EQ(button(w, "yesButton")->text(), QStringLiteral("Ok"));
        // Upper-cased in a to z only; accented letters stay as typed.
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("titleBand"))->text(), QStringLiteral("ATENçãO"));
        button(w, "yesButton")->click();
        EXPECT_EQ(w.answer(), QStringLiteral("S"));
    }
    {
        TFormMensagem w(QStringLiteral("ATENÇÃO"), QStringLiteral("Deseja?"), QStringLiteral("2"), QString());
        EXPECT_FALSE(button(w, "noButton")->isHidden());
        EXPECT_EQ(button(w, "yesButton")->text(), QStringLiteral("Sim"));
        EXPECT_TRUE(button(w, "yesButton")->isDefault());   // Enter answers "S"
        button(w, "noButton")->click();
        EXPECT_EQ(w.answer(), QStringLiteral("N"));
    }
    const std::pair<const char*, bool> kinds[] = {{"alerta", true}, {"ALERTA", true}, {"1", true}, {"", false}, {"info", false}};
    for (const auto& [kind, alert] : kinds)
        EXPECT_EQ(TFormMensagem::isAlertKind(QString::fromLatin1(kind)), alert) << kind;
}

TEST(MessageWindow, GrowsWithTheText)
{
    TFormMensagem one(QStringLiteral("A"), QStringLiteral("uma linha"), QStringLiteral("1"), QString());
    TFormMensagem four(QStringLiteral("A"), QStringLiteral("a\r\nb\r\nc\r\nd"), QStringLiteral("1"), QString());
    EXPECT_EQ(one.height(), 21 + 150);
    EXPECT_EQ(four.height(), 4 * 21 + 150);
}
