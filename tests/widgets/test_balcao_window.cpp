// The sales screen as a waiter uses it: opening a table, the waiter, an item with
// its complements, the confirmation and its kitchen ticket; hostile values.
#include "WidgetSteps.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "printing/RawPrinterPort.h"
#include "sales/SalesMessages.h"
#include "sales/UnitBalcao.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {




struct Screen {
    TestStation st;
    ScriptedDialogs script;
    QString port;
    Screen()
    {
        st.openCashShift(1);
        seeds::product(st.logon(), {QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal::fromCents(4990),
                                    QStringLiteral("1"), 2});
        seeds::complement(st.logon(), 2, QStringLiteral("FAROFA"), Decimal::fromCents(250), 7);
        seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
        seeds::setup(st, {{4, QStringLiteral("S")}, {5, QStringLiteral("S")}, {13, QStringLiteral("Informa porta")}});
        port = seeds::portToFile(st, QStringLiteral("LPT1"), QStringLiteral("cozinha.txt"));
    }
    ~Screen() { ClosePrinterPort(); }
};

} // namespace

TEST(BalcaoWindow, AWaiterOpensATableAndSendsAnItemToTheKitchen)
{
    Screen s;
    TFormBalcao w(s.st.logon());
    showActive(w);
    EXPECT_EQ(w.cashStateText(), QStringLiteral("-- >  Caixa Aberto  <--"));

    s.script.answerMessages({QStringLiteral("S")});
    type(edit(w, "tabNumberEdit"), QStringLiteral("7"));
    EXPECT_EQ(s.script.messageTexts().last(), salesmsg::openTabQuestion);
    EXPECT_EQ(w.tabNumber(), QStringLiteral("000007"));
    EXPECT_EQ(w.tableButton(0)->text(), QStringLiteral("000007"));
    EXPECT_TRUE(edit(w, "waiterEdit")->hasFocus());

    type(edit(w, "waiterEdit"), QStringLiteral("3"));
    EXPECT_TRUE(edit(w, "productCodeEdit")->hasFocus());
    type(edit(w, "productCodeEdit"), QStringLiteral("10"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("productNameLabel"))->text(), QStringLiteral("PICANHA"));
    EXPECT_EQ(edit(w, "kitchenEdit")->text(), QStringLiteral("1"));
    EXPECT_TRUE(edit(w, "quantityEdit")->hasFocus());
    type(edit(w, "quantityEdit"), QStringLiteral("2"));
    QTest::keyClick(edit(w, "kitchenEdit"), Qt::Key_Return);
    // the group's complement is offered flagged; a double click keeps it
    auto* grid = w.findChild<QTableWidget*>(QStringLiteral("complementsGrid"));
    ASSERT_EQ(grid->rowCount(), 1);
    emit grid->cellDoubleClicked(0, 0);
    type(edit(w, "complementEdit"), QStringLiteral("BEM PASSADA"));
    EXPECT_EQ(grid->rowCount(), 2);
    QTest::keyClick(&w, Qt::Key_F2);

    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where mesa = '000007' and quant = 2 and valor = 52.4 "
                                        "and cozinha = '0'")), 1);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from acompmesa")), 2);
    EXPECT_EQ(w.itemLines(), 1);
    EXPECT_EQ(w.dueText().trimmed(), QStringLiteral("104,80"));
    EXPECT_TRUE(edit(w, "productCodeEdit")->text().isEmpty());
    ClosePrinterPort();
    QFile ticket(s.port);
    ASSERT_TRUE(ticket.open(QIODevice::ReadOnly));
    const QByteArray bytes = ticket.readAll();
    EXPECT_TRUE(bytes.contains("002 PICANHA\r\n > FAROFA 2,50\r\n > BEM PASSADA\r\n")) << bytes.constData();

    // a table button takes the tab up again
    edit(w, "tabNumberEdit")->clear();
    QTest::mouseClick(w.tableButton(0), Qt::LeftButton);
    EXPECT_EQ(w.tabNumber(), QStringLiteral("000007"));
    EXPECT_EQ(w.itemLines(), 1);
}

TEST(BalcaoWindow, AScaleLabelShowsItsWeightPaddedToEightAndSellsIt)
{
    Screen s;
    TFormBalcao w(s.st.logon());
    showActive(w);
    s.script.answerMessages({QStringLiteral("S")});
    type(edit(w, "tabNumberEdit"), QStringLiteral("7"));
    type(edit(w, "waiterEdit"), QStringLiteral("3"));
    type(edit(w, "productCodeEdit"), QStringLiteral("2000010012347"));   // product 000010, 1,234 kg
    EXPECT_EQ(edit(w, "productCodeEdit")->text(), QStringLiteral("000010"));
    EXPECT_EQ(edit(w, "quantityEdit")->text(), QStringLiteral("   1,234"));
    QTest::keyClick(edit(w, "quantityEdit"), Qt::Key_Return);
    EXPECT_EQ(edit(w, "quantityEdit")->text(), QStringLiteral("   1,234")) << "a number stays as shown";
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa where mesa = '000007' and quant = 1.234")), 1);
    ClosePrinterPort();
}

TEST(BalcaoWindow, HostileValuesGetAMessageAndWriteNothingHalfWay)
{
    struct Case { const char* field; const char* text; const char* message; int tabs; } cases[] = {
        {"tabNumberEdit", "'; drop table cabmesa; --", "  nome da mesa não é valido. ", 0},
        {"tabNumberEdit", "😀", "  nome da mesa não é valido. ", 0},
        {"tabNumberEdit", "123456789012345678901234567890", "  nome da mesa não é valido. ", 0},
        {"tabNumberEdit", "999999", "|       Caixa Fechado...  Favor Abrir primeiro o Caixa.       |", 0},
        {"tabNumberEdit", "1e20", "Mesa não foi aberta, dejesa abrir?", 0},
        {"tabNumberEdit", "-5", "Mesa não foi aberta, dejesa abrir?", 0},
        {"waiterEdit", "abc", "informar um Garcom", 1},
        {"waiterEdit", "99999999999", " Atendente não localizado....   ", 1},
        {"waiterEdit", "-1", "informar um Garcom", 1},   // a code has no sign
        {"productCodeEdit", "'; delete from mesa; --", nullptr, 1},
        {"productCodeEdit", "😀", nullptr, 1},
        {"productCodeEdit", "1e20", nullptr, 1},
    };
    for (const Case& c : cases) {
        Screen s;
        TFormBalcao w(s.st.logon());
        showActive(w);
        const QString field = QString::fromLatin1(c.field);
        if (field != QLatin1String("tabNumberEdit")) {
            s.script.answerMessages({QStringLiteral("S")});
            type(edit(w, "tabNumberEdit"), QStringLiteral("7"));
            if (field == QLatin1String("productCodeEdit"))
                type(edit(w, "waiterEdit"), QStringLiteral("3"));
        }
        s.script.answerMessages({QStringLiteral("N")});
        type(edit(w, c.field), QString::fromUtf8(c.text));
        ASSERT_FALSE(s.script.messageTexts().isEmpty()) << c.text;
        // the table-name message names what was typed after it
        EXPECT_TRUE(s.script.messageTexts().last().startsWith(c.message ? QString::fromUtf8(c.message) : salesmsg::productNotFound))
            << c.text << " -> " << s.script.messageTexts().last().toStdString();
        EXPECT_TRUE(s.script.errors.isEmpty()) << c.text << " " << s.script.errors.join(u' ').toStdString();
        EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from cabmesa")), c.tabs) << c.text;
        EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa")), 0) << c.text;
        QTest::keyClick(&w, Qt::Key_F2);
        EXPECT_EQ(s.st.count(QStringLiteral("select count(*) from mesa")), 0) << c.text;
    }
}
