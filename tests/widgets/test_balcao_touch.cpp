// Taking an item by touch alone: a category, a product, a complement, confirm.
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "sales/UnitEscrever.h"
#include "sales/UnitBalcao.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
std::vector<QToolButton*> buttonsIn(QWidget& w, const char* area)
{
    std::vector<QToolButton*> out;
    auto* a = w.findChild<QScrollArea*>(QString::fromLatin1(area));
    for (QObject* o : a->widget()->children())
        if (auto* b = qobject_cast<QToolButton*>(o))
            out.push_back(b);
    return out;
}
QToolButton* captioned(QWidget& w, const char* area, const QString& caption)
{
    for (QToolButton* b : buttonsIn(w, area))
        if (b->text() == caption)
            return b;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}
}

TEST(BalcaoTouch, AnItemTakenByTouchAlone)
{
    TestStation st;
    ScriptedDialogs script;
    st.openCashShift(1);
    st.logon().run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (1, 2, 'CARNES', 'S')"));
    st.logon().run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (2, 3, 'INATIVO', 'N')"));
    st.logon().run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (3, 4, 'BEBIDAS', 'S')"));
    seeds::product(st.logon(), {QStringLiteral("000010"), QStringLiteral("PICANHA NA CHAPA"), Decimal::fromCents(4990),
                                QStringLiteral("0"), 2});
    for (int i = 0; i < 250; ++i)
        seeds::product(st.logon(), {QStringLiteral("9%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("REFRI %1").arg(i),
                                    Decimal(5), QStringLiteral("0"), 4});
    seeds::complement(st.logon(), 2, QStringLiteral("FAROFA"), Decimal::fromCents(250), 7);
    seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
    TFormBalcao w(st.logon());
    w.resize(1366, 768);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(buttonsIn(w, "categoriesArea").size(), 2u);

    QTest::mouseClick(captioned(w, "categoriesArea", QStringLiteral("BEBIDAS")), Qt::LeftButton);
    EXPECT_EQ(buttonsIn(w, "productsArea").size(), 200u);

    // the table and the waiter through the on-screen keyboard (F3)
    QTest::keyClick(&w, Qt::Key_F3);
    auto* keypad = w.findChild<QWidget*>(QStringLiteral("TouchKeyboard1"));
    ASSERT_TRUE(keypad && keypad->isVisible());
    auto key = [&](const QString& caption) {
        for (QPushButton* b : keypad->findChildren<QPushButton*>())
            if (b->text() == caption) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no key " << caption.toStdString();
    };
    script.answerMessages({QStringLiteral("S")});
    auto* tab = w.findChild<QLineEdit*>(QStringLiteral("tabNumberEdit"));
    QTest::mouseClick(tab, Qt::LeftButton);
    key(QStringLiteral("5"));
    key(QStringLiteral("Enter"));
    EXPECT_EQ(tab->text(), QStringLiteral("000005"));
    key(QStringLiteral("3"));
    key(QStringLiteral("Enter"));
    EXPECT_TRUE(w.findChild<QLineEdit*>(QStringLiteral("productCodeEdit"))->hasFocus());

    QTest::mouseClick(captioned(w, "categoriesArea", QStringLiteral("CARNES")), Qt::LeftButton);
    QTest::mouseClick(captioned(w, "productsArea", QStringLiteral("PICANHA NA\nCHAPA")), Qt::LeftButton);
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("productCodeEdit"))->text(), QStringLiteral("000010"));
    auto* grid = w.findChild<QTableWidget*>(QStringLiteral("complementsGrid"));
    EXPECT_EQ(grid->rowCount(), 1);   // the group's complement, offered flagged
    QTest::mouseClick(captioned(w, "complementButtonsArea", QStringLiteral("FAROFA")), Qt::LeftButton);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("kitchenEdit"))->text(), QStringLiteral("1"));
    script.onWindow(QStringLiteral("TFormEscrever"), [](QDialog& d) {
        auto& w = static_cast<TFormEscrever&>(d);
        w.textEdit()->setText(QStringLiteral("sem cebola"));
        w.confirm();
        return d.result();
    });
    QTest::mouseClick(captioned(w, "complementButtonsArea", QStringLiteral("ESCREVER")), Qt::LeftButton);
    EXPECT_EQ(grid->rowCount(), 3);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("confirmButton")), Qt::LeftButton);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from mesa where mesa = '000005' and valor = 52.4")), 1);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from acompmesa")), 2);

    auto* search = w.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
    QTest::keyClicks(search, QStringLiteral("REFRI 24"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(buttonsIn(w, "productsArea").size(), 11u);   // 24, 240..249
}
