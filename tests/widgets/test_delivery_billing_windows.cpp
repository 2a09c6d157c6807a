// The delivery billing windows on screen (offscreen): F7 at the desk through the
// payment panel to a written sale, the discount behind the supervisor prompt, the
// delivery note and the order leaving for delivery, F5's tickets in the preview,
// the delivery reports on the roll and on A4 (read back with pdftotext), the
// settlement window, and one table of hostile values per entry window.
#include "WidgetSteps.h"
#include "DeliverySeeds.h"
#include "LoginFixtures.h"
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ShiftReportSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitEntCom.h"
#include "delivery/UnitPedDelivery.h"
#include "delivery/UnitPrestContasDelivere.h"
#include "delivery/UnitVenDiaDely.h"
#include "delivery/UnitVendaRapida.h"
#include "delivery/UnitVendaRapidaPre.h"
#include "reports/ReportExport.h"
#include "shell/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using seeds::D;
namespace dt = deliverytext;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const char* sql, const Params& p = {}) { return integerOf(l.scalar(S(sql), p)); }


void showOn(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    settle();
}

// Types a text into a field and leaves it for the next one, as a cashier does.
void typeAndLeave(QLineEdit* field, const QString& text, QWidget* next)
{
    field->setFocus(Qt::TabFocusReason);
    settle();
    field->setText(text);
    next->setFocus(Qt::TabFocusReason);
    settle();
}

class DeliveryBillingWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(5);
        seeds::addProduct(l(), S("000012"), S("CALABRESA"), D("30"), D("12"));
        seeds::addProduct(l(), S("000034"), S("MUSSARELA"), D("28"), D("10"));
        seeds::addPaymentMethod(l(), 2, S("Cartao"), S("S"));
        seeds::addPaymentMethod(l(), 5, S("Fiado"), S("N"));
        seeds::addCustomer(l(), 33334444, S("MARIA DELIVERY"), S("RUA B, 20"));
        l().run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));
        RowSet m = l().run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'JOAO MOTO') "
                             "returning ID"));
        m.next();
        man = m.integer(u"ID");
        st.addUser(S("CHEFE"), S("1"), S("S"), 65535 - 256 - 32768);
        st.addUser(S("CAIXA"), S("1"), S("N"), 32);   // no bit 1: no discount
        ctx::op().OperatorName = S("ANA");
        seeds::setup(st, {{12, S("Visualizar")}});
    }
    TLogon& l() { return st.logon(); }
    qint64 order(qint64 phone = 33334444)
    {
        seeds::OrderItem pizza;
        pizza.code = S("/000012/000034/");
        pizza.name = S("1/2-CALABRESA 1/2-MUSSARELA");
        pizza.quantity = D("1");
        pizza.price = D("29");
        pizza.kitchen = S("1");
        seeds::OrderItem plain;
        plain.code = S("000012");
        plain.name = S("CALABRESA");
        plain.quantity = D("1");
        plain.price = D("21");
        plain.kitchen = S("3");
        const qint64 area = integerOf(l().scalar(S("select max(ID) from ENTREGA")));
        return seeds::deliveryOrder(l(), phone, S("MARIA DELIVERY"), {pizza, plain}, area, man);
    }

    TestStation st;
    ScriptedDialogs script;
    qint64 man = 0;
};

} // namespace

TEST_F(DeliveryBillingWindows, F7InvoicesThroughThePanelWithADiscountBehindTheSupervisor)
{
    const qint64 o = order();
    TFormPedDelivery desk(l());
    showOn(desk);
    ASSERT_EQ(desk.shownOrder()->id, o);
    EXPECT_EQ(desk.labelText("totalLabel"), S("55,00"));

    answerSupervisorPrompt(script, S("CHEFE"), S("1"));
    bool seen = false;
    script.onWindow(S("TFormVenRapida"), [&](QDialog& d) {
        auto& w = static_cast<TFormVenRapida&>(d);
        showOn(w);
        seen = true;
        // The panel as it opens: the fee out of the total, the whole in the first method.
        EXPECT_EQ(w.labelText("headerLabel"), S("VENDA RÁPIDA"));
        EXPECT_EQ(w.labelText("saleValueLabel"), S("50,00"));
        EXPECT_EQ(w.feeField()->text(), S("5,00"));
        EXPECT_EQ(w.labelText("subtotalLabel"), S("55,00"));
        EXPECT_EQ(w.amountField(0)->text(), S("55,00"));
        EXPECT_EQ(w.methodCaption(0), S("   01S - Dinheiro"));
        EXPECT_TRUE(w.methodGrey(2));
        EXPECT_TRUE(w.methodShown(2));
        EXPECT_FALSE(w.methodShown(3));
        EXPECT_FALSE(w.discountField()->isEnabled());
        // F5: 10 % of the sale value, confirmed by a supervisor.
        QTest::keyClick(&w, Qt::Key_F5);
        EXPECT_TRUE(w.percentField()->isEnabled());
        typeAndLeave(w.percentField(), S("10"), w.discountField());
        EXPECT_EQ(w.discountField()->text(), S("5,00"));
        w.amountField(0)->setFocus(Qt::TabFocusReason);
        settle();
        EXPECT_FALSE(w.discountField()->isEnabled());
        EXPECT_EQ(w.amountField(0)->text(), S("50,00"));
        EXPECT_EQ(w.labelText("balanceCaption"), S("   TROCO"));
        // Cash 20 and card 40: 10,00 of change out of the cash.
        typeAndLeave(w.amountField(0), S("20"), w.amountField(1));
        typeAndLeave(w.amountField(1), S("40"), w.amountField(2));
        EXPECT_EQ(w.labelText("balanceLabel"), S("10,00"));
        script.answerMessages({S("N")});   // no receipt
        QTest::keyClick(&w, Qt::Key_F3);
        return w.result();
    });
    QTest::keyClick(&desk, Qt::Key_F7);
    ASSERT_TRUE(seen);
    EXPECT_EQ(script.messageTexts(), QStringList{dt::panel::printQuestion});
    EXPECT_FALSE(desk.shownOrder());
    EXPECT_EQ(count(l(), "select count(*) from FATURA where TIPO = 3 and VALOR = 50 and FRETE = 5"), 1);
    EXPECT_EQ(count(l(), "select count(*) from DESPLOJA where VALOR = 5"), 1);
    EXPECT_EQ(decimalOf(l().scalar(S("select sum(VALOR) from RECARQ"))), D("50"));
    EXPECT_EQ(count(l(), "select count(*) from DELIVERE"), 0);
}

TEST_F(DeliveryBillingWindows, TheDiscountNeedsTheRightAndTheChecksStopThePrintAction)
{
    const qint64 o = order();
    TFormVenRapida w(l());
    w.setOrder(seeds::deskHandOver(l(), o));
    showOn(w);
    // A user without the right: nothing opens, the focus goes to the first method.
    answerSupervisorPrompt(script, S("CAIXA"), S("1"));
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_FALSE(w.discountField()->isEnabled());
    EXPECT_TRUE(script.messageTexts().isEmpty());

    // Too little: "Faltando informar valores"; change above the cash: refused too.
    typeAndLeave(w.amountField(0), S("30"), w.amountField(1));
    EXPECT_EQ(w.labelText("balanceCaption"), S("   FALTA"));
    w.print();
    EXPECT_EQ(script.messageTexts().last(), dt::panel::missing);
    typeAndLeave(w.amountField(0), S("20"), w.amountField(1));
    typeAndLeave(w.amountField(1), S("80"), w.amountField(2));
    w.print();
    EXPECT_EQ(script.messageTexts().last(), dt::panel::changeAboveCash);
    // A field changed and F3 pressed in it: the totals run first.
    w.amountField(1)->setText(S("35"));
    w.amountField(1)->setFocus();
    script.answerMessages({S("N")});
    QTest::keyClick(w.amountField(1), Qt::Key_F3);
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(count(l(), "select count(*) from FATURA"), 1);
    // The desk's order is gone: a second window on it writes nothing.
    TFormVenRapida again(l());
    again.setOrder(seeds::deskHandOver(l(), order(44445555)));
    l().run(S("delete from DELIVERE where FONE = '44445555'"));
    showOn(again);
    again.print();
    EXPECT_EQ(script.messageTexts().last(), dt::panel::alreadyInvoiced);
    EXPECT_EQ(count(l(), "select count(*) from FATURA"), 1);
}

TEST_F(DeliveryBillingWindows, HostileValuesInThePanelAreRefusedAndNothingIsWritten)
{
    const qint64 o = order();
    answerSupervisorPrompt(script, S("CHEFE"), S("1"));
    const char* hostile[] = {"abc", "'; delete from FATURA; --", "1e20", "-5", "99999999999999", "12,5,3", "😀",
                             "1 000", "0x10", "55,001a"};
    for (const char* text : hostile) {
        SCOPED_TRACE(text);
        TFormVenRapida w(l());
        w.setOrder(seeds::deskHandOver(l(), o));
        showOn(w);
        QTest::keyClick(&w, Qt::Key_F4);   // the discount field open
        for (QLineEdit* field : {w.amountField(1), w.feeField(), w.discountField()}) {
            script.messages.clear();
            field->setEnabled(true);
            typeAndLeave(field, S(text), w.messageField());
            EXPECT_EQ(script.messageTexts(), QStringList{dt::panel::invalidAmount}) << field->objectName().toStdString();
            EXPECT_EQ(field->text(), S(text).left(field->maxLength())) << "kept as typed, not taken as 0";
            w.print();
            EXPECT_NE(w.result(), int(QDialog::Accepted));
            field->setText(S("0"));
        }
        // The free text takes letters in capitals, 39 at most.
        w.messageField()->clear();
        QTest::sendKeyEvent(QTest::Click, w.messageField(), Qt::Key_unknown, S("tocar a campainha ") + S(text),
                            Qt::NoModifier);
        EXPECT_EQ(w.messageField()->text(), (S("TOCAR A CAMPAINHA ") + S(text).toUpper()).left(39));
    }
    EXPECT_EQ(count(l(), "select count(*) from FATURA"), 0);
    EXPECT_EQ(count(l(), "select count(*) from RECARQ"), 0);
    EXPECT_EQ(count(l(), "select count(*) from DELIVERE"), 1);
}

TEST_F(DeliveryBillingWindows, F6PrintsTheNoteAndTheOrderLeavesForDeliveryEvenUnprinted)
{
    const qint64 o = order();
    TFormPedDelivery desk(l());
    showOn(desk);
    PreviewCapture shown(script);
    script.onWindow(S("TFormVenRapidaPre"), [&](QDialog& d) {
        auto& w = static_cast<TFormVenRapidaPre&>(d);
        showOn(w);
        EXPECT_EQ(w.labelText("headerLabel"), S("CUPOM PARA ENTREGA"));
        EXPECT_FALSE(w.discountRow()->isVisible());
        QTest::keyClick(&w, Qt::Key_F4);   // the note takes no discount: no prompt
        QTest::keyClick(&w, Qt::Key_F5);
        typeAndLeave(w.amountField(0), S("100"), w.amountField(1));
        EXPECT_EQ(w.labelText("balanceLabel"), S("45,00"));
        QTest::keyClick(&w, Qt::Key_F3);
        return w.result();
    });
    QTest::keyClick(&desk, Qt::Key_F6);
    EXPECT_FALSE(script.windowsShown.contains(S("TFormAcessos")));
    ASSERT_EQ(shown.rolls.size(), 1u);
    EXPECT_EQ(shown.rolls[0].value(0), S("          NOTA DE ENTREGA "));
    EXPECT_TRUE(shown.rolls[0].contains(S("Entrega:JOAO MOTO")));
    EXPECT_EQ(desk.shownOrder()->pagamento, S("Dinheiro"));
    EXPECT_EQ(desk.shownOrder()->troco, D("45"));
    EXPECT_EQ(desk.shownOrder()->status, S("SAIU P/ENTREGA"));

    // F5: one ticket per kitchen printer, each in the preview; the order is in production.
    QTest::keyClick(&desk, Qt::Key_F5);
    ASSERT_EQ(shown.rolls.size(), 3u);
    EXPECT_EQ(shown.rolls[1].value(0), S("***  Controle Producao Imp:01 ***"));
    EXPECT_EQ(shown.rolls[2].value(0), S("***  Controle Producao Imp:03 ***"));
    EXPECT_EQ(desk.shownOrder()->status, S("PRUDUCAO"));

    // Closed with "(ESC)": nothing written, and the order leaves for delivery all the same.
    script.onWindow(S("TFormVenRapidaPre"), [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    QTest::keyClick(&desk, Qt::Key_F6);
    EXPECT_EQ(desk.shownOrder()->status, S("SAIU P/ENTREGA"));
    EXPECT_EQ(desk.shownOrder()->pagamento, S("Dinheiro"));
    EXPECT_EQ(count(l(), "select count(*) from DELIVERE where ID = ?", {o}), 1);
}

TEST_F(DeliveryBillingWindows, TheDeliveryReportsOnTheRollAndOnA4)
{
    seeds::setCompany(st, S("BAR DO ZE"), S("RUA A, 10"), S("RECIFE"), S("PE"), S("12.345.678/0001-90"));
    // Shift 4 (yesterday) and 5 (today): two delivery invoices in 5, one in 4, a tab
    // sale with a delivery man's code, a counter sale that is no delivery.
    l().run(S("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (GEN_ID(CONTCAIXA,1), 4, '2026-03-13', 0)"));
    auto fatura = [&](int nota, int caixa, const char* cliente, const char* valor, const char* taxa, qint64 who,
                      const char* delivery) {
        l().run(S("insert into FATURA (NOTA, TIPO, DATA, CLIENTE, VALOR, DELYTAXA, DELYENTREGA, DELIVERY, CAIXA, "
                  "TERMINAL) values (?, 3, '2026-03-14', ?, ?, ?, ?, ?, ?, 1)"),
              {nota, S(cliente), D(valor), D(taxa), who, S(delivery), caixa});
    };
    fatura(50001, 5, "MARIA DELIVERY", "50", "5", man, "S");
    fatura(50002, 5, "CLIENTE DE NOME MUITO LONGO", "120,5", "7,5", man, "S");
    fatura(40001, 4, "JOSE", "30", "4", man, "S");
    fatura(123, 5, "MESA 12", "80", "6", 7, "N");      // a tab: the delivery man's code
    fatura(124, 5, "BALCAO", "15", "0", 0, "N");       // not a delivery
    fatura(60001, 5, "OUTRO", "10", "3", man + 1, "S"); // another delivery man
    PreviewCapture shown(script);

    TFormEntCom commission(l());
    ASSERT_EQ(commission.manList()->currentText(), S("JOAO MOTO"));
    ASSERT_EQ(commission.firstShiftList()->currentText(), S("000005 - ") + QDate::currentDate().toString(S("dd/MM/yy")));
    commission.lastShiftList()->setCurrentIndex(0);
    commission.firstShiftList()->setCurrentIndex(1);   // shifts 4 to 5
    commission.confirm();
    ASSERT_EQ(shown.rolls.size(), 1u);
    const QString rule = QString(37, '='), centre(13, ' ');   // 18 minus half of 9, halves up
    const QStringList roll = {
        S("  Relatorio de Comissão de Entrega"), S("           Delivery"), centre + S("BAR DO ZE"),
        centre + S("RUA A, 10"), centre + S("RECIFE PE"), S("Entregador:JOAO MOTO"), rule,
        S("DATA      NOTA      CAIXA     VALOR"), rule,
        S("14/03/26   40001      4         4,00    "), S("14/03/26   50001      5         5,00    "),
        S("14/03/26   50002      5         7,50    "), rule,
        FormatItemLine(S("Total"), S("16,50")), S(""), S(""), S(""), S(""), S(""), S(""), S(""), S("")};
    EXPECT_EQ(shown.rolls[0], roll);
    commission.choosePageReport(true);
    commission.confirm();
    const QString page = shown.lastReport().join('\n');
    EXPECT_TRUE(page.contains(S("Relatorio de Comissão de Entrega"))) << page.toStdString();
    EXPECT_TRUE(QString(page).remove(QLatin1Char(' ')).contains(S("PERIODODE4A5"))) << page.toStdString();
    EXPECT_TRUE(page.contains(S("Codigo/Nome ") + QString::number(man) + S(" JOAO MOTO")));
    EXPECT_TRUE(page.contains(S("50002")));
    EXPECT_TRUE(page.contains(S("Total 16,50")));

    TFormVenDiaDely sales(l());
    ASSERT_EQ(sales.shiftList()->currentIndex(), 0);   // the newest shift
    sales.print();
    ASSERT_EQ(shown.rolls.size(), 2u);
    const QStringList& s = shown.rolls[1];
    EXPECT_EQ(s.value(0), S("  RELATÓRIO DE VENDA  - DELIVERY"));
    EXPECT_EQ(s.value(4), S("Caixa n.5  ") + QDate::currentDate().toString(S("dd/MM/yy")));
    // The sale number in 6 columns, the customer, cut at 27; the value in 8.
    auto row = [](const char* left, const char* amount) {
        return S(left).leftJustified(27, ' ', true) + QLatin1Char(' ') + S(amount).rightJustified(8);
    };
    EXPECT_EQ(s.value(8), row("   123 MESA 12", "80,00"));
    EXPECT_EQ(s.value(9), row(" 50001 MARIA DELIVERY", "50,00"));
    EXPECT_EQ(s.value(10), row(" 50002 CLIENTE DE NOME MUITO LONGO", "120,50"));
    EXPECT_EQ(s.value(11), row(" 60001 OUTRO", "10,00"));
    EXPECT_EQ(s.value(13), row("SUB-TOTAL", "260,50"));
    EXPECT_EQ(s.value(14), row("VALOR ENTREGAS", "21,50"));
    EXPECT_EQ(s.value(15), row("TOTAL", "282,00"));
    sales.choosePageReport(true);
    sales.print();
    const QString a4 = shown.lastReport().join('\n');
    EXPECT_TRUE(a4.contains(S("RELATÓRIO DE VENDA - DELIVERY"))) << a4.toStdString();
    EXPECT_TRUE(a4.contains(S("Caixa de Numero.:5")));
    EXPECT_TRUE(a4.contains(S("JOAO MOTO")));   // the tab's delivery man, named by his code 7
    EXPECT_TRUE(a4.contains(S("Total 260,50 21,50")));
    EXPECT_FALSE(a4.contains(S("BALCAO")));

    // The roll on the conference printer's port: the lines, no control byte, no drawer.
    const QString port = seeds::portToFile(st, S("LPT1"), S("relatorio.txt"));
    seeds::setup(st, {{12, S("Informa porta")}, {8, S("1")}, {16, S("S")}});
    sales.choosePageReport(false);
    sales.choosePrinting(true);
    sales.print();
    QByteArray expected;
    for (const QString& line : s)
        expected += line.toLatin1() + "\r\n";
    EXPECT_EQ(bytesOf(port), expected);

    // The database away: " Erro ao abrir o arquivo  ", nothing shown.
    l().close();
    script.messages.clear();
    sales.print();
    commission.confirm();
    EXPECT_EQ(script.messageTexts(), (QStringList{dt::reports::openError, dt::reports::openError}));
    EXPECT_EQ(shown.rolls.size(), 2u);
}

TEST_F(DeliveryBillingWindows, TheSettlementWindowWithHostileAmounts)
{
    l().run(S("insert into DELIVERE (ID, CODIGO, DATA, HORA, VALOR, MOTOBOY, CLIENTE) "
              "values (GEN_ID(DELIVERE,1), 3, current_date, '20:00:00', 25, 30, 'MESA 12')"));
    order();   // a desk order: not listed
    TFormPCEDelivere w(l());
    showOn(w);
    ASSERT_EQ(w.grid()->rowCount(), 1);
    // "&Confirmar" with no row chosen does nothing.
    w.confirm();
    EXPECT_EQ(count(l(), "select count(*) from DELIFIC"), 0);

    w.grid()->setFocus();
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->visualItemRect(w.grid()->item(0, 1)).center());
    settle();
    EXPECT_EQ(w.customerText(), S("MESA 12"));
    EXPECT_EQ(w.orderValueText(), S("       25,00"));
    EXPECT_EQ(w.handedOverField()->text(), S("25,00"));

    // Not an amount: "0", and the shortage question.
    const char* hostile[] = {"abc", "'; delete from DELIVERE; --", "1e20", "-5", "😀", "99999999999999"};
    for (const char* text : hostile) {
        SCOPED_TRACE(text);
        script.messages.clear();
        script.answerMessages({S("N")});
        w.handedOverField()->setFocus();
        settle();
        w.handedOverField()->setText(S(text));
        EXPECT_FALSE(w.handedOverLeft());
        EXPECT_EQ(w.handedOverField()->text(), S("0"));
        EXPECT_EQ(script.messageTexts(), QStringList{dt::reports::shortageQuestion});
    }
    // "Não" at the confirmation too: nothing moves.
    script.answerMessages({S("N")});
    w.confirm();
    EXPECT_EQ(count(l(), "select count(*) from DELIFIC"), 0);
    // The shortage confirmed: the delivery moves into the settlements.
    w.handedOverField()->setText(S("20"));
    script.answerMessages({S("S")});
    w.confirm();
    EXPECT_EQ(count(l(), "select count(*) from DELIFIC where CODIGO = 3 and VALORENTREGA = 25 and COMISSAO = 30"), 1);
    EXPECT_EQ(w.grid()->rowCount(), 0);
    EXPECT_EQ(count(l(), "select count(*) from DELIVERE"), 1);   // the desk order stays
}

TEST_F(DeliveryBillingWindows, TheReportsAndTheSettlementAreRegisteredAndTheDesksRibbonOpensTheReports)
{
    registerProgramWindows();
    for (const char* name : {"TFormEntCom", "TFormVenDiaDely", "TFormPCEDelivere"})
        EXPECT_TRUE(windows::isRegistered(S(name))) << name;
    TFormPedDelivery desk(l());
    showOn(desk);
    for (const char* name : {"TFormEntCom", "TFormVenDiaDely"})
        script.onWindow(S(name), [](QDialog&) { return int(QDialog::Rejected); });
    desk.ribbonAction(dt::desk::commissionButton);
    desk.ribbonAction(dt::desk::salesButton);
    EXPECT_TRUE(script.windowsShown.contains(S("TFormEntCom")));
    EXPECT_TRUE(script.windowsShown.contains(S("TFormVenDiaDely")));
}
