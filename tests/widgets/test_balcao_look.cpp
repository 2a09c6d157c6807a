// The sales screen on a 1366x768 touch screen: everything a waiter needs is on
// screen without scrolling the window, buttons are finger-sized, and the sales
// ribbon takes its pictures from the one table of every ribbon. With
// SABREL22_SCREENSHOTS naming a folder, the screen is saved there as a picture.
#include "ProgramStyle.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "platform/Style.h"
#include "sales/SalesRibbon.h"
#include "sales/UnitBalcao.h"
#include "shell/RibbonBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The sales screen shown on a 1366x768 touch screen.
void showOnTouchScreen(TFormBalcao& w)
{
    w.setWindowState(Qt::WindowNoState);
    w.resize(1366, 768);
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

TEST(BalcaoLook, EverythingOfTheTabPageFitsA1366x768TouchScreen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    st.openCashShift(1);
    st.logon().run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (1, 2, 'CARNES E GRELHADOS', 'S')"));
    st.logon().run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (2, 4, 'BEBIDAS', 'S')"));
    for (int t = 1; t <= 30; ++t)
        st.logon().run(QStringLiteral("insert into cabmesa (mesa, status, fechado) values (?, ?, '21:05:10')"),
                       {QStringLiteral("%1").arg(t, 6, 10, QLatin1Char('0')), t % 7 == 0 ? 1 : 0});
    {
        TFormBalcao w(st.logon());
        showOnTouchScreen(w);
        EXPECT_LE(w.height(), 768);
        EXPECT_LE(w.width(), 1366);
        for (const char* name : {"tabNumberEdit", "waiterEdit", "productCodeEdit", "quantityEdit", "kitchenEdit",
                                 "priceEdit", "complementEdit", "confirmButton", "plusButton", "minusButton",
                                 "deleteItemButton", "kitchenOrderButton", "preBillButton", "paymentButton",
                                 "waiterSearchButton", "itemList", "tablesArea"}) {
            QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_TRUE(c) << name;
            const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
            EXPECT_TRUE(w.rect().contains(r)) << name << " at " << r.y() << "+" << r.height();
            if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)) {
                EXPECT_GE(c->height(), 36) << name;
            }
        }
        EXPECT_EQ(w.tableButton(0)->size(), QSize(65, 65));
        EXPECT_EQ(w.tableButton(0)->text(), QStringLiteral("000001"));
        EXPECT_EQ(w.tableButton(6)->text(), QStringLiteral("000007\n21:05:10"));
        const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            w.grab().save(dir + QStringLiteral("/balcao-1366x768.png"));
            w.findChild<QTabWidget*>(QStringLiteral("innerPages"))->setCurrentIndex(1);
            QTest::keyClick(&w, Qt::Key_F3);   // with the on-screen keyboard
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            w.grab().save(dir + QStringLiteral("/balcao-touch-1366x768.png"));
        }
    }
}

TEST(BalcaoLook, SalesRibbonPicturesComeFromTheSharedTable)
{
    const ProgramStyle style;   // the program's icon theme
    const std::vector<ribbon::Picture>& all = ribbon::allPictures();
    for (const salesribbon::Button& b : salesribbon::buttons()) {
        EXPECT_NE(b.picture, ribbon::Picture::None) << b.caption;
        EXPECT_NE(std::find(all.begin(), all.end(), b.picture), all.end()) << b.caption;
        EXPECT_FALSE(ribbon::icon(b.picture).isNull()) << b.caption;
    }
    EXPECT_EQ(salesribbon::tabs(), QStringList({QStringLiteral("Comandas"), QStringLiteral("Caixa"),
                                                QStringLiteral("Cardapio"), QStringLiteral("Configuração")}));
}

// "Numeração Pedido Cozinha" shows its panel over the sales screen, on a 1366x768
// screen: the heading, the two notes, the number and "Fechar" show whole, in the
// program's look (SABREL22_SCREENSHOTS saves the screen with the panel over it).
TEST(BalcaoLook, TheKitchenNumberPanelShowsWholeOverTheScreen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    st.openCashShift(1);
    TFormBalcao w(st.logon());
    showOnTouchScreen(w);
    bool seen = false;
    script.onWindow(QStringLiteral("KitchenNumberPanel"), [&](QDialog& panel) {
        seen = true;
        panel.setParent(&w, panel.windowFlags());   // over the screen, as the program shows it
        showsWhole(panel, QSize(1366, 768), QStringLiteral("pedido-cozinha"));
        for (const char* name : {"heading", "noteTitle", "note", "numberCaption"}) {
            auto* l = panel.findChild<QLabel*>(QString::fromLatin1(name));
            EXPECT_TRUE(l && !l->text().isEmpty()) << name;
        }
        EXPECT_GE(panel.findChild<QWidget*>(QStringLiteral("closeButton"))->height(), 44);
        const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
        if (!dir.isEmpty()) {
            panel.show();
            panel.move(w.mapToGlobal(w.rect().center()) - panel.rect().center());
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            QImage screen = w.grab().toImage();
            QPainter paint(&screen);
            paint.drawPixmap(w.mapFromGlobal(panel.mapToGlobal(QPoint(0, 0))), panel.grab());
            paint.end();
            screen.save(dir + QStringLiteral("/balcao-pedido-cozinha-1366x768.png"));
            panel.hide();
        }
        return int(QDialog::Rejected);
    });
    salesribbon::Context context;
    context.logon = &st.logon();
    salesribbon::run(QStringLiteral("Numeração Pedido Cozinha"), context);
    EXPECT_TRUE(seen);
}
