// What a user sees: the ribbon on screens from 1024 pixels wide, its pictures,
// tabs that stay put, captions and texts that are not cut, and Qt's own words in
// Portuguese. With SABREL22_SCREENSHOTS naming a folder, the windows seen here
// are also saved there as pictures.
#include "WidgetSteps.h"
#include "LoginFixtures.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/Program.h"
#include "core/uMensagemWindow.h"
#include "platform/Style.h"
#include "shell/Credentials.h"
#include "shell/Ribbon.h"
#include "shell/RibbonBar.h"
#include "shell/UnSenha.h"
#include "shell/UnitAcessos.h"
#include "shell/UnitPrincipal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// The program's look for the length of a test.
class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_sheet = qApp->styleSheet();
        applyProgramStyle(*qApp);
    }
    void TearDown() override { qApp->setStyleSheet(m_sheet); }

private:
    QString m_sheet;
};

void saveScreenshot(QWidget& w, const QString& name)
{
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}


QScrollArea* rowOf(QToolButton* button)
{
    for (QWidget* p = button->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p))
            return area;
    return nullptr;
}

// The part of the window where the button's row shows.
QRect rowInWindow(QToolButton* button, QWidget& window)
{
    QWidget* vp = rowOf(button)->viewport();
    return QRect(vp->mapTo(&window, QPoint(0, 0)), vp->size()) & window.rect();
}

bool wholeInView(QToolButton* button, QWidget& window)
{
    const QRect r(button->mapTo(&window, QPoint(0, 0)), button->size());
    return rowInWindow(button, window).contains(r);
}

// The main window shown on a 1024x768 screen; its ribbon.
RibbonBar* shownAt1024(TPrincipal& w)
{
    w.resize(1024, 768);
    w.show();
    settle();
    return w.findChild<RibbonBar*>(QStringLiteral("ribbonTabs"));
}

void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    settle();
}

} // namespace

TEST_F(Look, EveryRibbonPictureIsInTheIconTheme)
{
    for (ribbon::Picture p : ribbon::allPictures()) {
        const QString name = ribbon::pictureName(p);
        EXPECT_TRUE(QIcon::hasThemeIcon(name)) << name.toStdString();
        EXPECT_FALSE(ribbon::icon(p).pixmap(32, 32).isNull()) << name.toStdString();
    }
    for (const ribbon::Button& b : ribbon::buttons())
        EXPECT_NE(b.picture, ribbon::Picture::None) << b.caption;
}

// On each screen, every tab is chosen by clicking it, and every button of it is
// scrolled into view with the arrows (as a user would), found under the mouse and
// clicked.
TEST_F(Look, EveryRibbonButtonCanBeBroughtIntoViewAndClicked)
{
    const QSize screens[] = {{1024, 768}, {1366, 768}, {1920, 1080}};
    for (const QSize screen : screens) {
        SCOPED_TRACE(screen.width());
        TestStation st;
        ScriptedDialogs d;
        st.setCompanyName(QStringLiteral("CANTINA DO PORTO"));
        TPrincipal w(st.logon());
        ASSERT_TRUE(madeBySupervisor(d, w));
        w.FormShow();
        ASSERT_LE(w.minimumSizeHint().width(), screen.width());
        ASSERT_LE(w.minimumSizeHint().height(), screen.height());
        w.resize(screen);
        w.show();
        settle();
        ASSERT_EQ(w.size(), screen);

        auto* bar = w.findChild<RibbonBar*>(QStringLiteral("ribbonTabs"));
        ASSERT_NE(bar, nullptr);
        QTabBar* tabs = bar->tabBar();
        ASSERT_EQ(bar->count(), 9);
        for (int t = 0; t < bar->count(); ++t) {
            SCOPED_TRACE(bar->tabText(t).toStdString());
            const QRect tabRect(tabs->mapTo(&w, tabs->tabRect(t).topLeft()), tabs->tabRect(t).size());
            ASSERT_TRUE(w.rect().contains(tabRect));
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(t).center());
            settle();
            ASSERT_EQ(bar->currentIndex(), t);
            saveScreenshot(w, QStringLiteral("principal-%1x%2-%3").arg(screen.width()).arg(screen.height()).arg(t + 1));

            QToolButton* back = bar->scrollBackButton(t);
            QToolButton* on = bar->scrollOnButton(t);
            for (QToolButton* button : bar->buttons(t)) {
                const QString caption = button->accessibleName();
                SCOPED_TRACE(caption.toStdString());
                for (int i = 0; i < 20 && back->isVisible() && back->isEnabled(); ++i)
                    click(back);
                for (int i = 0; i < 20 && !wholeInView(button, w) && on->isVisible() && on->isEnabled(); ++i)
                    click(on);
                ASSERT_TRUE(wholeInView(button, w));
                const QPoint centre = button->mapTo(&w, button->rect().center());
                QWidget* hit = w.childAt(centre);
                ASSERT_TRUE(hit == button || button->isAncestorOf(hit));

                QSignalSpy clicked(button, &QToolButton::clicked);
                const qsizetype before = d.windowsShown.size() + qsizetype(d.messages.size()) + d.inputPrompts.size();
                click(button);
                EXPECT_EQ(clicked.count(), 1);
                if (caption.startsWith(QLatin1String("Sair"))) {
                    EXPECT_FALSE(w.isVisible());   // the exit buttons close the window
                    w.show();
                    settle();
                } else if (caption != QLatin1String("Altera Imagem Central do Sistema")) {
                    EXPECT_GT(d.windowsShown.size() + qsizetype(d.messages.size()) + d.inputPrompts.size(), before);
                }
            }
            if (on->isVisible())
                saveScreenshot(w, QStringLiteral("principal-%1x%2-%3-fim").arg(screen.width()).arg(screen.height()).arg(t + 1));
        }
        // Where the buttons fit, no arrows take room.
        if (screen.width() >= 1920) {
            for (int t = 0; t < bar->count(); ++t)
                EXPECT_TRUE(bar->scrollOnButton(t)->isHidden()) << bar->tabText(t).toStdString();
        }
    }
}

// The mouse wheel moves a row that does not fit, either way, and the arrows
// follow: at the start only the one onwards works, at the end only the one back.
TEST_F(Look, WheelMovesARowThatDoesNotFit)
{
    TestStation st(false);
    TPrincipal w(st.logon());
    RibbonBar* bar = shownAt1024(w);
    const int reports = ribbon::tabs().indexOf(QStringLiteral("Relatórios 1"));
    bar->setCurrentIndex(reports);
    settle();
    QToolButton* back = bar->scrollBackButton(reports);
    QToolButton* on = bar->scrollOnButton(reports);
    ASSERT_TRUE(on->isVisible());
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(on->isEnabled());
    QToolButton* last = bar->buttons(reports).back();
    ASSERT_FALSE(wholeInView(last, w));

    QWidget* viewport = rowOf(last)->viewport();
    for (int i = 0; i < 40 && on->isEnabled(); ++i) {
        QWheelEvent down(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &down);
        settle();
    }
    EXPECT_FALSE(on->isEnabled());   // the end of the row came
    EXPECT_TRUE(back->isEnabled());
    EXPECT_TRUE(wholeInView(last, w));
    QToolButton* first = bar->buttons(reports).front();
    EXPECT_FALSE(wholeInView(first, w));
    bar->bringIntoView(first);
    settle();
    EXPECT_TRUE(wholeInView(first, w));
}

// A caption shows whole: every word of it, on lines no wider than its button.
TEST_F(Look, RibbonCaptionsAreNotCut)
{
    TestStation st(false);
    TPrincipal w(st.logon());
    RibbonBar* bar = shownAt1024(w);
    for (int t = 0; t < bar->count(); ++t) {
        bar->setCurrentIndex(t);
        settle();
        for (QToolButton* button : bar->buttons(t)) {
            const QString caption = button->accessibleName();
            EXPECT_EQ(button->text().split(QLatin1Char('\n')).join(QLatin1Char(' ')),
                      caption.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
            const QFontMetrics fm(button->font());
            for (const QString& line : button->text().split(QLatin1Char('\n')))
                EXPECT_LE(fm.horizontalAdvance(line) + 12, button->width()) << caption.toStdString();
            EXPECT_GE(button->height(), button->iconSize().height() + fm.lineSpacing() * int(button->text().count(QLatin1Char('\n')) + 1))
                << caption.toStdString();
        }
    }
}

// Choosing another tab moves none of the tabs, and none is cut.
TEST_F(Look, TabsStayPutWhenChosen)
{
    TestStation st(false);
    TPrincipal w(st.logon());
    RibbonBar* bar = shownAt1024(w);
    QTabBar* tabs = bar->tabBar();
    bar->setCurrentIndex(0);
    settle();
    QList<QRect> first;
    for (int t = 0; t < tabs->count(); ++t)
        first << tabs->tabRect(t);
    for (int current = 1; current < tabs->count(); ++current) {
        bar->setCurrentIndex(current);
        settle();
        for (int t = 0; t < tabs->count(); ++t)
            EXPECT_EQ(tabs->tabRect(t), first[t]) << "tab " << t << " with tab " << current << " chosen";
    }
    const QFontMetrics fm(tabs->font());
    for (int t = 0; t < tabs->count(); ++t)
        EXPECT_LE(fm.horizontalAdvance(tabs->tabText(t)) + 16, tabs->tabRect(t).width()) << t;
}

// The login window's version text keeps off the right edge.
TEST_F(Look, LoginVersionTextStandsOffTheEdge)
{
    TestStation st(false);
    LoginSession session(st.logon());
    TFormProtecao login(session);
    login.show();
    settle();
    saveScreenshot(login, QStringLiteral("login"));
    auto* version = login.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    const QImage picture = version->grab().toImage();
    const QRgb background = picture.pixel(picture.width() - 1, picture.height() / 2);
    int rightmostInk = -1;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (picture.pixel(x, y) != background)
                rightmostInk = std::max(rightmostInk, x);
    ASSERT_GE(rightmostInk, 0);   // the text is there
    const int fromEdge = login.width() - (version->mapTo(&login, QPoint(rightmostInk, 0)).x() + 1);
    EXPECT_GE(fromEdge, 12);
}

TEST_F(Look, MessageWindow)
{
    TFormMensagem window(QStringLiteral("ATENÇÃO"), QStringLiteral("     Usuario não autorizado      "),
                         QStringLiteral("1"), QString());
    window.show();
    settle();
    saveScreenshot(window, QStringLiteral("mensagem"));
    TFormMensagem question(QStringLiteral("ATENÇÃO"), QStringLiteral("A saída não pôde ser registrada.\nDeseja sair assim mesmo?"),
                           QStringLiteral("2"), QStringLiteral("alerta"));
    question.show();
    settle();
    saveScreenshot(question, QStringLiteral("mensagem-pergunta"));
    EXPECT_TRUE(window.isVisible());
}

// Qt's standard buttons and dialogs speak Portuguese: the station-number input box
// offers "Cancelar", not "Cancel".
TEST(QtTexts, StandardButtonsInPortuguese)
{
    ASSERT_TRUE(loadQtTranslations(*qApp));
    QInputDialog box;
    box.setLabelText(QStringLiteral("Entre com o numero desse terminal"));
    box.show();
    settle();
    QStringList texts;
    for (QPushButton* b : box.findChildren<QPushButton*>())
        texts << b->text().remove(QLatin1Char('&'));
    EXPECT_TRUE(texts.contains(QStringLiteral("Cancelar"))) << texts.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("OK"))) << texts.join(QLatin1Char(',')).toStdString();
    QDialogButtonBox answers(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Close);
    EXPECT_EQ(answers.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sim"));
    EXPECT_EQ(answers.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Não"));
    EXPECT_EQ(answers.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')), QStringLiteral("Fechar"));
}
