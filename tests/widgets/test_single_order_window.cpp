// The single-screen delivery order on screen (offscreen): opened by its class name,
// an order taken from the telephone to its closing (a new customer, an item with an
// extra, a fraction, the kitchen ticket read back by the sales screen's kitchen
// monitor page, the payments, the delivery ticket, the closing); resuming an order
// and deleting an item under the supervisor's rights; one table of hostile values.
#include "ClosingSeeds.h"
#include "KeyboardUse.h"
#include "MessagesOnScreen.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowAnswers.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "db/DbError.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitCadPedDeli.h"
#include "registers/Fracao.h"
#include "sales/KitchenMonitorPage.h"
#include "shell/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using seeds::D;
namespace dt = deliverytext;
using F = TFormCadPedDeli::Field;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const char* sql, const Params& p = {}) { return integerOf(l.scalar(S(sql), p)); }

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void showOn(QWidget& w)
{
    w.setWindowState(Qt::WindowNoState);
    w.resize(1364, 743);
    w.show();
    QApplication::setActiveWindow(&w);
    settle();
}

// The menu: two pizzas of group 1 with a complement and an accompaniment, a
// delivery man (code 3), an area with its fee, a card.
void seedMenu(TestStation& st)
{
    TLogon& l = st.logon();
    st.openCashShift(3);
    seeds::product(l, seeds::Product(S("000012"), S("CALABRESA"), D("30"), S("1"), 1));
    seeds::product(l, seeds::Product(S("000015"), S("MUSSARELA"), D("40"), S("1"), 1));
    seeds::complement(l, 1, S("BORDA RECHEADA"), D("2,5"));
    seeds::accompaniment(l, S("000012"), S("OREGANO"));
    seeds::addPaymentMethod(l, 2, S("Cartao"), S("S"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));
    seeds::setup(st, {{12, S("Nao Imprimir")}, {13, S("Monitor Cozinha")}, {15, S("Nao Imprimir")}});
}

std::unique_ptr<TFormCadPedDeli> openByName()
{
    registerProgramWindows();
    std::unique_ptr<QDialog> d = windows::create(S("TFormCadPedDeli"));
    auto* w = dynamic_cast<TFormCadPedDeli*>(d.get());
    if (!w)
        return nullptr;
    d.release();
    return std::unique_ptr<TFormCadPedDeli>(w);
}

} // namespace

TEST(SingleOrderWindow, AnOrderFromTheTelephoneToTheClosing)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(st);
    const qint64 customers = count(l, "select count(*) from CLIENTES");

    std::unique_ptr<TFormCadPedDeli> w = openByName();
    ASSERT_TRUE(w) << "TFormCadPedDeli is registered by its class name";
    showOn(*w);
    EXPECT_EQ(w->windowTitle(), S("FormCadPedDeli"));
    const qint64 order = w->orderId();
    ASSERT_GT(order, 0);
    EXPECT_EQ(w->labelText("orderNumberLabel"), QString::number(order));
    EXPECT_EQ(w->labelText("statusLabel"), S("PEDIDO"));
    EXPECT_EQ(count(l, "select count(*) from DELIPED"), 1);

    // A new telephone: its customer is registered, the fields take his data.
    w->field(F::Phone)->setText(S("33334444"));
    w->phoneLeft();
    EXPECT_EQ(count(l, "select count(*) from CLIENTES"), customers + 1);
    QTest::keyClicks(w->field(F::Name), S("maria das dores"));
    QTest::keyClicks(w->field(F::Address), S("rua a, 10"));
    QTest::keyClicks(w->field(F::District), S("centro"));
    w->field(F::Ddd)->setText(S("81"));
    w->deliveryManBox()->setCurrentIndex(1);
    w->areaBox()->setCurrentIndex(1);

    // An item with its extras offered unchosen; one chosen. Typed, and Enter.
    w->field(F::Code)->setFocus();
    QTest::keyClicks(w->field(F::Code), S("12"));
    QTest::keyClick(w->field(F::Code), Qt::Key_Return);
    EXPECT_TRUE(w->extrasGrid()->hasFocus());
    EXPECT_EQ(w->field(F::Code)->text(), S("000012"));
    EXPECT_EQ(w->field(F::Product)->text(), S("CALABRESA"));
    EXPECT_EQ(w->field(F::Price)->text(), S("30,00"));
    ASSERT_TRUE(w->extrasPanel()->isVisible());
    ASSERT_EQ(w->extrasGrid()->rowCount(), 2);
    const int border = w->extrasGrid()->item(0, 1)->text().startsWith(S("BORDA")) ? 0 : 1;
    EXPECT_EQ(w->extrasGrid()->item(border, 1)->text(), S("BORDA RECHEADA 2,50"));
    EXPECT_EQ(w->extrasGrid()->item(0, 0)->text(), S("X"));
    EXPECT_EQ(w->extrasGrid()->item(1, 0)->text(), S("X"));
    w->toggleExtra(border);
    EXPECT_EQ(w->extrasGrid()->item(border, 0)->text(), QString());
    w->extrasDone();
    EXPECT_FALSE(w->extrasPanel()->isVisible());
    w->field(F::Quantity)->setText(S("2"));
    ASSERT_TRUE(w->confirmItem());
    EXPECT_EQ(count(l, "select count(*) from MESA where MESA = ? and QUANT = 2 and VALOR = 32.5", {S("D") + QString::number(order)}), 1);
    EXPECT_EQ(count(l, "select count(*) from ACOMPMESA"), 1);
    EXPECT_EQ(l.scalar(S("select NOME from CLIENTES where CODIGO = 33334444")).toString(), S("MARIA DAS DORES"));
    EXPECT_EQ(count(l, "select count(*) from CLIENTES where CODIGO = 33334444 and DDD = 81"), 1);

    // A fraction of two flavours, at their average.
    answerFractions(script, {S("12"), S("15")});
    w->field(F::Code)->setText(S("/"));
    w->codeLeft();
    EXPECT_EQ(w->field(F::Code)->text(), S("/12/15/"));
    EXPECT_EQ(w->field(F::Product)->text(), S("1/2-CALABRESA 1/2-MUSSARELA"));
    EXPECT_EQ(w->field(F::Price)->text(), S("35,00"));
    ASSERT_TRUE(w->confirmItem());
    ASSERT_EQ(w->items().size(), 2u);
    EXPECT_EQ(w->itemGrid()->rowCount(), 2);
    EXPECT_EQ(w->labelText("totalLabel"), S("105,00"));

    // The kitchen reads the monitor: the rows show on the sales screen's monitor page.
    w->kitchenTicket();
    EXPECT_EQ(w->labelText("statusLabel"), S("MONTANDO"));
    KitchenMonitorPage page(l);
    page.reload();
    ASSERT_EQ(page.grid()->rowCount(), 2);
    EXPECT_EQ(page.grid()->item(0, 0)->text(), S("D") + QString::number(order));
    EXPECT_EQ(page.grid()->item(0, 3)->text(), S("CALABRESA (BORDA RECHEADA 2,50/)"));
    EXPECT_EQ(page.grid()->item(0, 4)->text(), S("2"));
    EXPECT_EQ(page.grid()->item(1, 3)->text(), S("1/2-CALABRESA 1/2-MUSSARELA"));

    // The payments: the whole total on the first method until changed.
    w->openPayments();
    ASSERT_TRUE(w->paymentPanel()->isVisible());
    EXPECT_EQ(w->field(F::Amount1)->text(), S("105,00"));
    EXPECT_EQ(w->labelText("changeCaption"), S("Troco"));
    w->field(F::Amount1)->setText(S("60"));
    w->amountLeft(0);
    EXPECT_EQ(w->field(F::Amount2)->text(), S("45,00")) << "the rest goes to the second method";
    w->methodBox(1)->setCurrentIndex(w->methodBox(1)->findText(S("Cartao")));
    w->field(F::Amount1)->setText(S("70"));
    w->amountLeft(1);
    EXPECT_EQ(w->labelText("changeCaption"), S("Troco"));
    EXPECT_EQ(w->labelText("changeLabel"), S("10,00"));
    ASSERT_TRUE(w->confirmPayments());
    EXPECT_FALSE(w->paymentPanel()->isVisible());
    EXPECT_TRUE(w->labelText("paymentsLabel").contains(S("Cartao  45,00"))) << w->labelText("paymentsLabel").toStdString();

    // The delivery ticket, then the closing when the delivery man is back.
    w->deliveryTicket();
    EXPECT_EQ(w->labelText("statusLabel"), S("SAIU P/ENTREGA"));
    ASSERT_TRUE(w->closeOrder()) << script.messageTexts().join('|').toStdString() << script.errors.join('|').toStdString();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(count(l, "select count(*) from FATURA where TIPO = 3 and VALOR = 100 and DELYENTREGA = 3 and DELYTAXA = 5"), 1);
    EXPECT_EQ(count(l, "select count(*) from RECARQ"), 2);
    EXPECT_EQ(decimalOf(l.scalar(S("select sum(VALOR) from RECARQ"))), D("105"));
    EXPECT_EQ(count(l, "select count(*) from SERVICO where TIPO = 9 and VALOR = 5"), 1);
    EXPECT_EQ(count(l, "select count(*) from DELIFIC where CODIGO = 3 and VALORENTREGA = 100 and COMISSAO = 105"), 1);
    EXPECT_EQ(count(l, "select count(*) from DELIPED"), 0);
    EXPECT_EQ(count(l, "select count(*) from MESA"), 0);
    EXPECT_EQ(count(l, "select count(*) from COZINHA2"), 0);
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join('\n').toStdString();
}

TEST(SingleOrderWindow, TheWholeTotalTypedOverASplitTakesTheSecondAmountAwayAndIsBookedOnce)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(st);
    seeds::product(l, seeds::Product(S("000020"), S("PICANHA KG"), D("59,9"), S("1"), 1));
    seeds::product(l, seeds::Product(S("000021"), S("MEIA PORCAO"), D("25,99"), S("1"), 1));
    l.run(S("update ENTREGA set TAXA = 0"));
    TFormCadPedDeli w(l);
    showOn(w);
    w.field(F::Phone)->setText(S("33334444"));
    w.phoneLeft();
    w.deliveryManBox()->setCurrentIndex(1);
    w.areaBox()->setCurrentIndex(1);
    const std::pair<const char*, const char*> weighed[] = {{"20", "0,437"}, {"20", "0,613"}, {"21", "0,5"}};
    for (const auto& [code, quantity] : weighed) {
        w.field(F::Code)->setText(S(code));
        w.codeLeft();
        w.field(F::Quantity)->setText(S(quantity));
        ASSERT_TRUE(w.confirmItem()) << code << quantity;
    }
    // The lines as printed and the total their sum: 26,18 + 36,72 + 13,00.
    ASSERT_EQ(w.itemGrid()->rowCount(), 3);
    EXPECT_EQ(w.itemGrid()->item(0, 4)->text(), S("26,18"));
    EXPECT_EQ(w.itemGrid()->item(1, 4)->text(), S("36,72"));
    EXPECT_EQ(w.itemGrid()->item(2, 4)->text(), S("13,00"));
    EXPECT_EQ(w.labelText("totalLabel"), S("75,90"));

    // Split 45,90 + 30,00, then the whole 75,90 typed into the first amount.
    w.openPayments();
    w.field(F::Amount1)->setText(S("45,90"));
    w.amountLeft(0);
    EXPECT_EQ(w.field(F::Amount2)->text(), S("30,00"));
    w.methodBox(1)->setCurrentIndex(w.methodBox(1)->findText(S("Cartao")));
    w.field(F::Amount1)->setText(S("75,90"));
    w.amountLeft(0);
    EXPECT_EQ(w.field(F::Amount2)->text(), S("0,00")) << "nothing is left for the second method";
    EXPECT_EQ(w.labelText("changeLabel"), S("0,00"));
    // A note of 100 on the first: the change comes out of it, the second stays empty.
    w.field(F::Amount1)->setText(S("100"));
    w.amountLeft(0);
    EXPECT_EQ(w.field(F::Amount2)->text(), S("0,00"));
    EXPECT_EQ(w.labelText("changeCaption"), S("Troco"));
    EXPECT_EQ(w.labelText("changeLabel"), S("24,10"));
    ASSERT_TRUE(w.confirmPayments());

    ASSERT_TRUE(w.closeOrder()) << script.messageTexts().join('|').toStdString();
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from FATURA"))), D("75,9"));
    RowSet p = l.run(S("select DUPLICATA, VALOR from RECARQ"));
    ASSERT_EQ(p.size(), 1) << "one payment: the card was never used";
    p.next();
    EXPECT_TRUE(p.text(u"DUPLICATA").startsWith(S("01-")));
    EXPECT_EQ(p.decimal(u"VALOR"), D("75,9"));
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join('\n').toStdString();
}

TEST(SingleOrderWindow, AnOrderIsResumedByItsNumberAndAnItemDeletedOnlyWithTheRight)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(st);
    qint64 order = 0;
    {
        TFormCadPedDeli first(l);
        showOn(first);
        order = first.orderId();
        first.field(F::Phone)->setText(S("12345"));
        first.phoneLeft();
        EXPECT_EQ(first.field(F::Phone)->text(), S("012345")) << "six digits at least";
        first.field(F::Code)->setText(S("15"));
        first.codeLeft();
        ASSERT_TRUE(first.confirmItem());
        first.leave();
        EXPECT_FALSE(first.isVisible());
    }
    TFormCadPedDeli again(l, order);
    showOn(again);
    EXPECT_EQ(again.orderId(), order);
    EXPECT_EQ(again.field(F::Phone)->text(), S("012345"));
    ASSERT_EQ(again.items().size(), 1u);
    EXPECT_EQ(again.labelText("totalLabel"), S("40,00"));

    // Without bit 256 of the item options the supervisor is asked; no rights, no deletion.
    script.messages.clear();
    ctx::op().CurrentRights = 0xFFFF;
    again.itemGrid()->setCurrentCell(0, 0);
    again.deleteItem();
    EXPECT_TRUE(script.windowsShown.contains(S("TFormAcessos")));
    EXPECT_EQ(script.messageTexts(), QStringList{dt::single::denied});
    EXPECT_EQ(count(l, "select count(*) from MESA"), 1);
    // With it, the question and the deletion.
    seeds::options(l, 0, 256);
    TFormCadPedDeli third(l, order);
    showOn(third);
    script.messages.clear();
    script.answerMessages({S("S")});
    third.itemGrid()->setCurrentCell(0, 0);
    third.deleteItem();
    EXPECT_EQ(script.messageTexts(), QStringList{dt::askDelete});
    EXPECT_EQ(count(l, "select count(*) from MESA"), 0);
    EXPECT_EQ(third.labelText("totalLabel"), S("0,00"));

    // Items are refused while the cash is closed; the name is saved all the same.
    l.run(S("update CONTCAIXA set CAIXA = 0"));
    script.messages.clear();
    third.field(F::Name)->setText(S("JOSE"));
    third.field(F::Code)->setText(S("15"));
    third.codeLeft();
    EXPECT_FALSE(third.confirmItem());
    EXPECT_EQ(script.messageTexts(), QStringList{dt::single::cashClosed});
    EXPECT_EQ(l.scalar(S("select NOME from CLIENTES where CODIGO = 12345")).toString(), S("JOSE"));
    EXPECT_EQ(count(l, "select count(*) from MESA"), 0);

    // An order that is gone cannot be resumed.
    script.messages.clear();
    TFormCadPedDeli gone(l, 999999);
    showOn(gone);
    EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::orderGone});
    settle();
    EXPECT_FALSE(gone.isVisible());
}

TEST(SingleOrderWindow, HostileValuesAreRefusedOrStoredAsTypedAndNothingIsLost)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(st);
    seeds::options(l, 4, 0);   // the price may be typed
    TFormCadPedDeli w(l);
    showOn(w);
    w.field(F::Phone)->setText(S("33334444"));
    w.phoneLeft();
    const qint64 order = w.orderId();

    const QString longText(300, QLatin1Char('A'));
    struct Case {
        F field;
        QString value;
        QString message;   // what is said; empty: stored as typed (cut to the field)
        bool characterSet = false;   // the database's character set refuses it
    };
    const QString emoji = S("PIZZA 😀");
    const std::vector<Case> cases = {
        // the telephone
        {F::Phone, S("3333-4444"), dt::desk::badPhone}, {F::Phone, S("12a"), dt::desk::badPhone},
        {F::Phone, S("1e20"), dt::desk::badPhone}, {F::Phone, S("-5"), dt::desk::badPhone},
        {F::Phone, S("'; drop"), dt::desk::badPhone}, {F::Phone, emoji, dt::desk::badPhone},
        // the customer and the order's texts
        {F::Name, S("D'AVILA"), QString()}, {F::Name, S("'; DROP TABLE CLIENTES; --"), QString()},
        {F::Name, longText, QString()}, {F::Name, emoji, QString(), true},
        {F::Address, S("RUA 1E20, -5"), QString()}, {F::Address, emoji, QString(), true},
        {F::Reference, longText, QString()}, {F::City, S("12a"), QString()}, {F::Cep, longText, QString()},
        {F::Observation, S("SEM CEBOLA'); --"), QString()}, {F::Observation, emoji, QString(), true},
        {F::Ddd, S("8a"), dt::single::badDdd}, {F::Ddd, S("-5"), dt::single::badDdd},
        {F::Ddd, S("1e2"), dt::single::badDdd}, {F::Ddd, S("'"), dt::single::badDdd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        script.messages.clear();
        script.errors.clear();
        QLineEdit* field = w.field(c.field);
        const QString before = l.scalar(S("select coalesce(CLIENTES.NOME, '') || '|' || coalesce(ENDERECO, '') || '|' || coalesce(DELIPED.OBS, '') "
                                          "from CLIENTES, DELIPED where CODIGO = 33334444 and DELIPED.ID = ?"), {order})
                                   .toString();
        field->setText(c.value);
        const QString shown = field->text();   // cut to the field's length
        if (c.field == F::Phone) {
            w.phoneLeft();
        } else {
            w.field(F::Code)->clear();
            w.confirmItem();   // saves the screen, then wants a code
        }
        if (!c.message.isEmpty()) {
            EXPECT_EQ(script.messageTexts(), QStringList{c.message});
        } else if (c.characterSet) {
            EXPECT_EQ(script.errors, QStringList{characterSetMessage()});
            EXPECT_EQ(field->text(), shown) << "the field keeps what was typed";
        } else {
            EXPECT_TRUE(script.messages.empty() && script.errors.empty()) << script.errors.join('|').toStdString();
        }
        const QString after = l.scalar(S("select coalesce(CLIENTES.NOME, '') || '|' || coalesce(ENDERECO, '') || '|' || coalesce(DELIPED.OBS, '') "
                                         "from CLIENTES, DELIPED where CODIGO = 33334444 and DELIPED.ID = ?"), {order})
                                  .toString();
        if (!c.message.isEmpty() || c.characterSet) {
            EXPECT_EQ(after, before) << "nothing written";
        }
        if (c.message.isEmpty() && !c.characterSet && c.field == F::Name) {
            EXPECT_EQ(after.section('|', 0, 0), shown.trimmed().left(40));
        }
        // back to plain values
        if (c.field == F::Phone)
            field->setText(S("33334444"));
        else if (c.field == F::Ddd)
            field->clear();
        else
            field->setText(S("X"));
    }
    EXPECT_EQ(count(l, "select count(*) from CLIENTES where CODIGO = 33334444"), 1);

    // Codes that are no product.
    for (const char* code : {"'; delete from MESA; --", "1e20", "😀", "ABC", "-1", "*99"}) {
        script.messages.clear();
        w.field(F::Code)->setText(S(code));
        w.codeLeft();
        EXPECT_FALSE(w.item()) << code;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::items::productNotFound}) << code;
    }
    // Quantities and prices that are no amount: said, and nothing written.
    w.field(F::Code)->setText(S("15"));
    w.codeLeft();
    ASSERT_TRUE(w.item());
    w.extrasDone();
    for (const char* q : {"12a", "1e20", "-5", "0", "😀", "999999999"}) {
        script.messages.clear();
        w.field(F::Quantity)->setText(S(q));
        EXPECT_FALSE(w.confirmItem()) << q;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::items::noQuantity}) << q;
    }
    w.field(F::Quantity)->setText(S("1"));
    for (const char* p : {"12a", "-5", "1e20", "'", "😀", ""}) {
        script.messages.clear();
        w.field(F::Price)->setText(S(p));
        EXPECT_FALSE(w.confirmItem()) << p;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::single::badPrice}) << p;
    }
    // A name the database cannot store: said, nothing written, the item still on screen.
    w.field(F::Price)->setText(S("40,00"));
    w.field(F::Product)->setText(emoji);
    script.errors.clear();
    EXPECT_FALSE(w.confirmItem());
    EXPECT_EQ(script.errors, QStringList{characterSetMessage()});
    EXPECT_TRUE(w.item());
    EXPECT_EQ(count(l, "select count(*) from MESA"), 0);
    EXPECT_EQ(count(l, "select count(*) from ACOMPMESA"), 0);
    // ... and with a plain name it goes in, at the typed price with its quote.
    w.field(F::Product)->setText(S("MUSSARELA D'AGUA"));
    w.field(F::Price)->setText(S("38.5"));
    EXPECT_TRUE(w.confirmItem());
    EXPECT_EQ(count(l, "select count(*) from MESA where NOMEP = 'MUSSARELA D''AGUA' and VALOR = 38.5"), 1);

    // A scale's price label: product 0012 for 15,00, at 30,00 the kilo: half a kilo.
    w.field(F::Code)->setText(S("2001200015000"));
    w.codeLeft();
    EXPECT_EQ(w.field(F::Code)->text(), S("000012"));
    EXPECT_EQ(w.field(F::Product)->text(), S("CALABRESA"));
    EXPECT_EQ(w.field(F::Quantity)->text(), S("   0,500"));
    EXPECT_FALSE(w.extrasPanel()->isVisible()) << "a label brings no extras";
    EXPECT_TRUE(w.confirmItem());
    EXPECT_EQ(count(l, "select count(*) from MESA where CODIGO = '000012' and QUANT = 0.5 and VALOR = 30"), 1);

    // Amounts of the payment panel.
    w.openPayments();
    for (const char* a : {"12a", "-5", "1e20", "😀", "'; --"}) {
        script.messages.clear();
        w.field(F::Amount2)->setText(S(a));
        EXPECT_FALSE(w.confirmPayments()) << a;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::panel::invalidAmount}) << a;
    }
    EXPECT_EQ(count(l, "select count(*) from DELIPED where RECEBIDO is not null and RECEBIDO <> 0"), 0);
}

// Esc, from the keyboard: in the payment panel it closes the panel and the payments
// stay as they were; in the extras panel it closes the panel with the extras as
// ticked; on the order itself it closes nothing ("Sair" leaves): the item typed and
// not confirmed yet stays on the screen.
TEST(SingleOrderWindow, EscapeClosesThePanelItIsPressedInNeverTheOrder)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(st);
    TFormCadPedDeli w(l);
    w.setWindowState(Qt::WindowNoState);
    w.resize(1364, 743);
    ASSERT_TRUE(keyboard::showActive(w));
    settle();
    ASSERT_EQ(keyboard::focusedName(), S("phoneEdit"));
    keyboard::type(S("33334444"));
    keyboard::press(Qt::Key_Tab);
    w.field(F::Code)->setFocus();
    keyboard::type(S("15"));
    ASSERT_TRUE(w.confirmItem());

    // The payment panel: an amount typed, then Esc.
    w.openPayments();
    ASSERT_TRUE(w.paymentPanel()->isVisible());
    keyboard::press(Qt::Key_Tab);
    ASSERT_EQ(keyboard::focusedName(), S("amount1Edit"));
    keyboard::selectAllAndType(S("100"));
    keyboard::press(Qt::Key_Escape);
    settle();
    EXPECT_TRUE(w.isVisible()) << "Esc in the payment panel closed the order";
    EXPECT_FALSE(w.paymentPanel()->isVisible());
    EXPECT_EQ(keyboard::focusedName(), S("codeEdit"));
    EXPECT_EQ(count(l, "select count(*) from DELIPED where RECEBIDO is not null and RECEBIDO <> 0"), 0);

    // The extras panel: opened by the code's Enter, an extra ticked, then Esc.
    keyboard::typeAndEnter(S("12"));
    ASSERT_TRUE(w.extrasPanel()->isVisible());
    ASSERT_EQ(keyboard::focusedName(), S("extrasGrid"));
    w.toggleExtra(0);
    keyboard::press(Qt::Key_Escape);
    settle();
    EXPECT_TRUE(w.isVisible()) << "Esc in the extras panel closed the order";
    EXPECT_FALSE(w.extrasPanel()->isVisible());
    EXPECT_EQ(keyboard::focusedName(), S("quantityEdit"));
    ASSERT_TRUE(w.item());
    EXPECT_TRUE(w.item()->extras[0].ticked) << "the extra ticked stays chosen";

    // On the order: the item typed stays, nothing closes.
    keyboard::press(Qt::Key_Escape);
    settle();
    EXPECT_TRUE(w.isVisible()) << "Esc closed the order with an item typed and not confirmed";
    EXPECT_EQ(w.field(F::Code)->text(), S("000012"));
    EXPECT_TRUE(script.messages.empty()) << script.messageTexts().join('|').toStdString();
}

// An order that cannot be resumed is said once the window is on screen, so the
// message stands above it; then the window closes.
TEST(SingleOrderWindow, AnOrderThatIsGoneIsSaidOnceTheWindowIsOnScreen)
{
    TestStation st;
    MessagesOnScreen script;
    seedMenu(st);
    TFormCadPedDeli gone(st.logon(), 999999);
    script.window = &gone;
    showOn(gone);
    settle();
    EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::orderGone});
    EXPECT_EQ(script.windowOnScreen, std::vector<bool>{true});
    EXPECT_FALSE(gone.isVisible());
}
