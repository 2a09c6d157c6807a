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

// A long message of the system shows on one line, its closing "|" with it, up to
// about seventy characters; a short one keeps the 451-pixel window; none is wider
// than a 1024-pixel screen.
TEST(MessageWindow, ALongMessageShowsOnOneLineWithinTheScreen)
{
    const QString closedCash = QStringLiteral("|       Caixa Fechado...  Favor Abrir primeiro o Caixa.       |");
    const QString seventy = QStringLiteral("|   Valor informado inferior ao montante da conta, confira o valor   |");
    ASSERT_GE(seventy.size(), 68);
    for (const QString& text : {closedCash, seventy}) {
        SCOPED_TRACE(text.toStdString());
        TFormMensagem w(QStringLiteral("ATENÇÃO"), text, QStringLiteral("1"), QString());
        w.show();
        auto* label = w.findChild<QLabel*>(QStringLiteral("messageText"));
        EXPECT_EQ(w.height(), 21 + 150) << "more than one line";
        const QRect drawn = label->fontMetrics().boundingRect(label->contentsRect(), Qt::AlignHCenter | Qt::TextWordWrap, text);
        EXPECT_LE(drawn.height(), label->fontMetrics().lineSpacing()) << "the label wraps it";
        EXPECT_LE(w.width(), 1024);
    }
    TFormMensagem shortOne(QStringLiteral("A"), QStringLiteral("Ok"), QStringLiteral("1"), QString());
    EXPECT_EQ(shortOne.width(), 451);
    TFormMensagem longest(QStringLiteral("A"), QString(400, QLatin1Char('W')).replace(QStringLiteral("WWWWW"), QStringLiteral("WWWW ")),
                          QStringLiteral("1"), QString());
    EXPECT_LE(longest.width(), 1024);
    EXPECT_GT(longest.height(), 2 * 21 + 150);
}

// The message stands centred on the window it came from.
TEST(MessageWindow, StandsCentredOnItsOpener)
{
    QWidget opener;
    opener.setGeometry(100, 80, 900, 600);
    opener.show();
    TFormMensagem w(QStringLiteral("ATENÇÃO"), QStringLiteral("Texto"), QStringLiteral("1"), QString(), &opener);
    w.show();
    EXPECT_EQ(w.frameGeometry().center(), opener.frameGeometry().center());
}
