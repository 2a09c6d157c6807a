// One tab from the first key to the receipt, as a new cashier goes through it on
// the sales screen: the cash shift opened from the ribbon, table 7 opened, a waiter
// and an item confirmed, the pre-bill (F5), the payment (F9) in cash and F11.
#include "LoginFixtures.h"
#include "WidgetSteps.h"
#include "ClosingSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "cash/UnitAbrFec.h"
#include "closing/UnitFecCom.h"
#include "closing/UnitFecSimples.h"
#include "closing/UnitRecDin.h"
#include "core/Globals.h"
#include "platform/Win1252.h"
#include "printing/RawPrinterPort.h"
#include "sales/SalesMessages.h"
#include "sales/UnitBalcao.h"
#include "shell/RibbonBar.h"
#include "shell/UnitAcessos.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

QByteArray bytesOf(const QString& path)
{
    ClosePrinterPort();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(TabWalkthrough, OpenTheCashOpenTable7TakeAnItemPreBillPayInCashAndClose)
{
    TestStation st;
    ScriptedDialogs script;
    registerProgramWindows();
    TLogon& l = st.logon();
    // the pre-bill on LPT1 (conference printer), the receipt on LPT2 (closing printer)
    const QString preBillPort = QDir(st.root()).filePath(S("conferencia.txt"));
    const QString receiptPort = QDir(st.root()).filePath(S("recibo.txt"));
    for (const QString& p : {preBillPort, receiptPort})
        QFile(p).open(QIODevice::WriteOnly | QIODevice::Truncate);
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT1=") + preBillPort, S("LPT2=") + receiptPort});
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT2")});
    seeds::setup(st, {{3, S("S")}, {6, S("S")}, {9, S("2")}, {12, S("Informa porta")}, {15, S("Informa porta")}});
    seeds::product(l, {S("000010"), S("PICANHA"), Decimal::fromCents(4990), S("0"), 2});
    seeds::waiter(l, 3, S("JOAO"));
    st.addUser(S("CHEFE"), S("1"), S("S"), 16 | 32 | 8192);
    ctx::op().OperatorName = S("CHEFE");
    ctx::op().OperatorIsMaster = S("S");
    ctx::op().LoginRights = 16 | 32 | 8192;

    answerSupervisorPrompt(script, S("CHEFE"), S("1"));
    script.onWindow(S("TFormAbrFec"), [](QDialog& d) {
        auto& w = static_cast<TFormAbrFec&>(d);
        w.prepareOpening();
        w.confirmOpening();
        return int(QDialog::Accepted);
    });
    script.onWindow(S("TFormFecSimples"), [](QDialog& d) {
        static_cast<TFormFecSimples&>(d).printPreBill();
        return d.result();
    });
    script.onWindow(S("TFormRecDin"), [](QDialog& d) {
        static_cast<TFormRecDin&>(d).confirm();
        return d.result();
    });
    script.onWindow(S("TFormFecCom"), [](QDialog& d) {
        auto& w = static_cast<TFormFecCom&>(d);
        w.findChild<QComboBox*>(S("paymentMethodCombo"))->setCurrentText(S("Dinheiro"));
        edit(w, "paymentAmountEdit")->setText(S("100,00"));
        w.confirmPayment();
        w.payAndClose();   // "F11- Pagamento Comanda"
        return w.result();
    });

    TFormBalcao w(l);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    // the cash shift, from the ribbon
    ribbonButton(*w.ribbon(), S("Abrir/Fechar Mov. do Caixa"))->click();
    ASSERT_EQ(w.cashStateText(), salesmsg::cashOpenLabel);

    // table 7, waiter 3, two PICANHA, F2
    script.answerMessages({S("S")});
    type(edit(w, "tabNumberEdit"), S("7"));
    ASSERT_EQ(w.tabNumber(), S("000007"));
    type(edit(w, "waiterEdit"), S("3"));
    type(edit(w, "productCodeEdit"), S("10"));
    type(edit(w, "quantityEdit"), S("2"));
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_EQ(st.count(S("select count(*) from mesa where mesa = '000007' and quant = 2 and valor = 49.9")), 1);
    EXPECT_EQ(w.dueText().trimmed(), S("99,80"));

    // F5: the pre-bill prints and marks the tab; the table field is emptied
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_TRUE(w.tabNumber().isEmpty());
    EXPECT_EQ(st.count(S("select count(*) from cabmesa where mesa = '000007' and status = 1")), 1);
    const QString preBill = fromWin1252(bytesOf(preBillPort));
    EXPECT_TRUE(preBill.contains(S("PRE – FECHAMENTO DA CONTA"))) << preBill.toStdString();
    EXPECT_TRUE(preBill.contains(S("PICANHA"))) << preBill.toStdString();

    // the table button takes the tab up again; F9, the first step, cash, F11
    QTest::mouseClick(w.tableButton(0), Qt::LeftButton);
    ASSERT_EQ(w.tabNumber(), S("000007"));
    QTest::keyClick(&w, Qt::Key_F9);
    EXPECT_EQ(script.windowsShown.filter(QRegularExpression(S("^TForm(RecDin|FecCom)$"))),
              QStringList({S("TFormRecDin"), S("TFormFecCom")}));
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join(u' ').toStdString();
    // no message after the opening of table 7: the pre-bill and the payment went through
    ASSERT_FALSE(script.messageTexts().isEmpty());
    EXPECT_EQ(script.messageTexts().last(), salesmsg::openTabQuestion) << script.messageTexts().join(u'|').toStdString();

    // the sale: one FATURA of 99,80, cash 100 and the change, the stock-out; the tab gone
    EXPECT_EQ(st.count(S("select count(*) from fatura where valor = 99.8 and comanda = 7")), 1);
    EXPECT_EQ(st.count(S("select count(*) from recarq where duplicata starting with '01-' and valor = 100")), 1);
    EXPECT_EQ(st.count(S("select count(*) from recarq where duplicata starting with '01-' and valor = -0.2")), 1);
    EXPECT_EQ(st.count(S("select count(*) from estfic where saida = 2")), 1);
    EXPECT_EQ(st.count(S("select count(*) from cabmesa")), 0);
    EXPECT_EQ(st.count(S("select count(*) from mesa")), 0);
    // the screen shows no tab
    EXPECT_TRUE(w.tabNumber().isEmpty());
    EXPECT_EQ(w.itemLines(), 0);
    EXPECT_EQ(w.tableButton(0)->text(), S("."));
    // the receipt on the closing printer's port, ending with the drawer's ESC 'v' 'd'
    const QByteArray receipt = bytesOf(receiptPort);
    EXPECT_TRUE(fromWin1252(receipt).contains(S("FECHAMENTO DA CONTA"))) << receipt.constData();
    EXPECT_TRUE(receipt.contains("PICANHA")) << receipt.constData();
    EXPECT_TRUE(receipt.contains("\x1bvd")) << receipt.constData();
}
