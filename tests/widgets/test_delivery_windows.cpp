// The delivery windows on screen (offscreen): a telephone order taken by keys and
// touch from F2 to a chosen area and delivery man, the closed-cash gate, the
// questions before deleting, F5 to F7 handing the order over, the item entry with
// sizes, fractions and pictures from real JPEG files, the registers, the customer
// windows, the delivery data of a tab asked by the pre-bill by class name, and one
// table of hostile values per entry window.
#include "WidgetSteps.h"
#include "ClosingSeeds.h"
#include "MessagesOnScreen.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "WindowAnswers.h"
#include "app/ProgramWindows.h"
#include "closing/UnitFecSimples.h"
#include "core/Globals.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitDelivere.h"
#include "delivery/UnitEntregador.h"
#include "delivery/UnitInsItens2.h"
#include "delivery/UnitPedDelivery.h"
#include "delivery/UnitTaxaEnt.h"
#include "delivery/UnitVerCliente.h"
#include "delivery/UnitVerEndCliente.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"
#include "registers/Fracao.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

using seeds::D;
namespace dt = deliverytext;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const char* sql, const Params& p = {}) { return integerOf(l.scalar(S(sql), p)); }


void showOn(QWidget& w, int width = 1366, int height = 768)
{
    w.setWindowState(Qt::WindowNoState);
    w.resize(width, height);
    w.show();
    QApplication::setActiveWindow(&w);
    settle();
}

void jpeg(const QString& windowsName, Qt::GlobalColor colour)
{
    QImage picture(60, 60, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(station::pathForWriting(windowsName), "JPG"));
}

QPushButton* button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(S(name)); }

// Groups, products with pictures, a complement, a delivery man and an area.
void seedMenu(TLogon& l)
{
    l.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (1, 1, 'PIZZAS GRANDES', 'S')"));
    l.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (2, 2, 'BEBIDAS', 'S')"));
    seeds::product(l, seeds::Product(S("000012"), S("PIZZA GRANDE CALABRESA"), D("30"), S("2"), 1));
    seeds::product(l, seeds::Product(S("000015"), S("PIZZA GRANDE MUSSARELA"), D("40"), S("2"), 1));
    seeds::product(l, seeds::Product(S("000020"), S("REFRIGERANTE LATA 350ML"), D("6"), S("1"), 2));
    seeds::kit(l, S("5"), S("COMBO FAMILIA"), D("50"), S("2"));
    l.run(S("update KITMASTER set CLASSE = 1"));
    seeds::accompaniment(l, S("000012"), S("OREGANO"));
    seeds::complement(l, 1, S("BORDA RECHEADA"), D("2,5"));
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));
}

// F5, F6 and F7 as a recording: what the desk handed over.
class RecordedActions : public DeskActions {
public:
    struct Call { QString what; DeskHandOver order; };
    std::shared_ptr<std::vector<Call>> calls = std::make_shared<std::vector<Call>>();
    void productionTickets(TLogon&, const DeskHandOver& o) override { calls->push_back({S("F5"), o}); }
    void deliveryNote(TLogon&, const DeskHandOver& o) override { calls->push_back({S("F6"), o}); }
    void invoice(TLogon& l, const DeskHandOver& o) override
    {
        calls->push_back({S("F7"), o});
        l.run(S("delete from DELIVERE where ID = ?"), {o.order.id});   // as a completed invoice does
    }
};

} // namespace

TEST(DeliveryDesk, ATelephoneOrderByKeysAndTouchFromF2ToAreaAndDeliveryMan)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    st.openCashShift(3);
    seedMenu(l);
    jpeg(S("C:\\Miltrex\\Vavoz\\imagens\\G000001.jpg"), Qt::red);
    jpeg(S("C:\\Miltrex\\Vavoz\\imagens\\000012.jpg"), Qt::yellow);

    script.onWindow(S("TFormVerCliente"), [](QDialog& d) {
        auto& w = static_cast<TFormVerCliente&>(d);
        QTest::keyClicks(w.field(TFormVerCliente::Name), S("maria das dores"));
        QTest::keyClicks(w.field(TFormVerCliente::Address), S("rua a, 10"));
        QTest::keyClicks(w.field(TFormVerCliente::Reference), S("portao azul"));
        return w.confirm() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    int added = 0;
    script.onWindow(S("TFormInsItens2"), [&](QDialog& d) {
        auto& w = static_cast<TFormInsItens2&>(d);
        w.setOnItemAdded([&added] { ++added; });
        showOn(w, 1008, 582);
        // groups with their pictures, wrapped captions
        EXPECT_EQ(w.groupButtons().size(), 2u);
        EXPECT_FALSE(w.groupButtons()[0]->icon().isNull());
        EXPECT_TRUE(w.groupButtons()[1]->icon().isNull());
        EXPECT_EQ(w.groupButtons()[0]->text(), S("PIZZAS\nGRANDES"));
        QTest::mouseClick(w.groupButtons()[0], Qt::LeftButton);
        // the group's products by name, then its kit
        EXPECT_EQ(w.productButtons().size(), 3u);
        EXPECT_EQ(w.productButtons()[0]->text(), S("PIZZA\nGRANDE\nCALABRESA"));
        EXPECT_FALSE(w.productButtons()[0]->icon().isNull());
        QTest::mouseClick(w.productButtons()[0], Qt::LeftButton);
        EXPECT_EQ(w.codeField()->text(), S("000012"));
        EXPECT_EQ(w.priceLabel()->text(), S("30,00"));
        EXPECT_EQ(w.extrasList()->rowCount(), 2);
        EXPECT_EQ(w.extrasList()->item(1, 1)->text(), S("BORDA RECHEADA 2,50"));
        w.toggleExtra(0);   // no oregano
        w.quantityField()->setText(S("2"));
        QTest::keyClicks(w.observationField(), S("sem cebola"));
        QTest::mouseClick(button(w, "confirmButton"), Qt::LeftButton);
        EXPECT_EQ(added, 1);
        EXPECT_EQ(w.quantityField()->text(), S("1"));
        // by keys alone: a code and Enter, then Enter from field to field up to "Confirmar"
        w.codeField()->setFocus();
        QTest::keyClicks(w.codeField(), S("20"));
        QTest::keyClick(w.codeField(), Qt::Key_Return);
        EXPECT_EQ(w.nameLabel()->text(), S("REFRIGERANTE LATA 350ML"));
        EXPECT_EQ(QApplication::focusWidget(), w.quantityField());
        for (int i = 0; i < 5 && added == 1; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(added, 2);
        EXPECT_EQ(QApplication::focusWidget(), w.codeField());
        QTest::keyClick(&w, Qt::Key_F11);
        return w.result();
    });

    TFormPedDelivery desk(l);
    showOn(desk);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_FALSE(desk.shownOrder());
    QTest::keyClick(&desk, Qt::Key_F2);
    ASSERT_TRUE(desk.newOrderPanel()->isVisible());
    QTest::keyClicks(desk.phoneField(), S("33334444"));
    QTest::keyClick(desk.phoneField(), Qt::Key_Return);
    EXPECT_FALSE(desk.newOrderPanel()->isVisible());
    ASSERT_TRUE(desk.shownOrder());
    EXPECT_EQ(desk.labelText("phoneLabel"), S("33334444"));
    EXPECT_EQ(desk.labelText("customerLabel"), S("MARIA DAS DORES"));
    EXPECT_EQ(desk.labelText("deliveryManLabel"), S("Selecione um Entregador"));
    EXPECT_EQ(desk.labelText("areaLabel"), S("Selecione Local Entrega"));
    EXPECT_EQ(l.scalar(S("select REF from CLIENTES where CODIGO = 33334444")).toString(), S("PORTAO AZUL"));

    QTest::keyClick(&desk, Qt::Key_F3);
    EXPECT_EQ(desk.itemGrid()->rowCount(), 2);
    EXPECT_EQ(desk.labelText("totalLabel"), S("71,00"));   // 2 x 32,50 + 6,00

    QTest::keyClick(&desk, Qt::Key_F8);
    ASSERT_TRUE(desk.manList()->isVisible());
    QTest::keyClick(desk.manList(), Qt::Key_Return);
    QTest::keyClick(&desk, Qt::Key_F9);
    ASSERT_TRUE(desk.areaList()->isVisible());
    QTest::mouseClick(desk.areaList()->viewport(), Qt::LeftButton, {},
                      desk.areaList()->visualItemRect(desk.areaList()->item(0, 0)).center());
    EXPECT_FALSE(desk.areaList()->isVisible());
    EXPECT_EQ(desk.labelText("deliveryManLabel"), S("JOAO"));
    EXPECT_EQ(desk.labelText("areaLabel"), S("CENTRO R$ 5,00"));
    EXPECT_EQ(desk.labelText("totalLabel"), S("76,00"));
    RowSet o = l.run(S("select VALOR, FONE, CLIENTE from DELIVERE"));
    ASSERT_EQ(o.size(), 1);
    o.next();
    EXPECT_EQ(o.decimal(u"VALOR"), D("76"));
    EXPECT_EQ(o.text(u"CLIENTE"), S("MARIA DAS DORES"));
    EXPECT_EQ(count(l, "select count(*) from ACOMPDELI"), 1);
    EXPECT_EQ(l.scalar(S("select OBS from DELIITEM where CODIGO = '000012'")).toString(), S("SEM CEBOLA"));
    EXPECT_TRUE(script.messages.empty()) << script.messageTexts().join(S("|")).toStdString();
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join(S("|")).toStdString();
}

TEST(DeliveryDesk, AClosedCashRefusesTheKeysUntilRefreshSeesItOpen)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    TFormPedDelivery desk(l);
    showOn(desk);
    EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::cashClosed});
    EXPECT_FALSE(desk.cashOpen());
    EXPECT_FALSE(button(desk, "newOrderButton")->isEnabled());
    EXPECT_FALSE(button(desk, "addItemButton")->isEnabled());
    EXPECT_TRUE(button(desk, "refreshButton")->isEnabled());
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9,
                        Qt::Key_F10}) {
        script.messages.clear();
        QTest::keyClick(&desk, key);
        EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::cashClosed}) << key;
        EXPECT_FALSE(desk.newOrderPanel()->isVisible());
        EXPECT_FALSE(desk.manList()->isVisible());
    }
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 0);
    // another station opened the cash: the desk sees it on "F11-Atualiza tela"
    st.openCashShift(4);
    script.messages.clear();
    QTest::mouseClick(button(desk, "refreshButton"), Qt::LeftButton);
    EXPECT_TRUE(desk.cashOpen());
    EXPECT_TRUE(script.messages.empty());
    EXPECT_TRUE(button(desk, "newOrderButton")->isEnabled());
    QTest::keyClick(&desk, Qt::Key_F2);
    EXPECT_TRUE(desk.newOrderPanel()->isVisible());
}

// The desk says that the cash is closed once it is on screen (said while it is
// being shown, the message would come before the desk and stand above nothing),
// and once: showing the desk again says nothing more.
TEST(DeliveryDesk, TheClosedCashIsSaidOnceTheDeskIsOnScreen)
{
    TestStation st;
    MessagesOnScreen script;
    TFormPedDelivery desk(st.logon());
    script.window = &desk;
    showOn(desk);
    EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::cashClosed});
    EXPECT_EQ(script.windowOnScreen, std::vector<bool>{true});
    EXPECT_FALSE(button(desk, "newOrderButton")->isEnabled());
    desk.hide();
    showOn(desk);
    EXPECT_EQ(script.messages.size(), 1u);
}

TEST(DeliveryDesk, HostileTelephonesAreRefusedBeforeAnythingIsWritten)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    st.openCashShift(3);
    TFormPedDelivery desk(l);
    showOn(desk);
    const qint64 customers = count(l, "select count(*) from CLIENTES");
    for (const char* typed : {"abc", "12a4", "-5", "0", "2147483648", "1e5", "12,5", "😀", "'; delete from clientes; --"}) {
        script.messages.clear();
        QTest::keyClick(&desk, Qt::Key_F2);
        desk.phoneField()->setText(S(typed));
        QTest::keyClick(&desk, Qt::Key_F4);
        EXPECT_EQ(script.messageTexts(), QStringList{dt::desk::badPhone}) << typed;
        EXPECT_TRUE(desk.newOrderPanel()->isVisible()) << typed;   // to be corrected
        QTest::keyClick(&desk, Qt::Key_F3);
        EXPECT_FALSE(desk.newOrderPanel()->isVisible());
    }
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 0);
    EXPECT_EQ(count(l, "select count(*) from CLIENTES"), customers);
    // blank: the panel closes, nothing happens
    script.messages.clear();
    QTest::keyClick(&desk, Qt::Key_F2);
    desk.phoneField()->setText(S("   "));
    QTest::keyClick(&desk, Qt::Key_F4);
    EXPECT_FALSE(desk.newOrderPanel()->isVisible());
    EXPECT_TRUE(script.messages.empty());
    // the name search closed without a choice leaves the box as it was
    QTest::keyClick(&desk, Qt::Key_F2);
    desk.phoneField()->setText(S("1234"));
    QTest::keyClick(&desk, Qt::Key_F2);
    EXPECT_TRUE(script.windowsShown.contains(S("TFormBusca")));
    EXPECT_EQ(desk.phoneField()->text(), S("1234"));
    EXPECT_TRUE(desk.newOrderPanel()->isVisible());
}

TEST(DeliveryDesk, DeletingAsksFirstAndF5ToF7HandTheOrderOver)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    st.openCashShift(3);
    seedMenu(l);
    DeliveryOrders orders(l);
    const qint64 order = orders.start(33334444).orderId;
    const qint64 other = orders.start(44445555).orderId;
    DeliveryItemEntry entry(l, 0);
    entry.confirm(order, *entry.load(S("12")).item, S("1"), S(""));
    entry.confirm(order, *entry.load(S("20")).item, S("2"), S(""));
    l.run(S("update DELIVERE set ENTREGA = (select max(ID) from ENTREGA) where ID = ?"), {order});

    auto actions = std::make_unique<RecordedActions>();
    auto calls = actions->calls;
    TFormPedDelivery desk(l, std::move(actions));
    showOn(desk);
    ASSERT_EQ(desk.shownOrder()->id, order);
    // 30 + 2,50 (oregano 0) + 2 x 6 + 5: the total follows the area set elsewhere
    EXPECT_EQ(desk.labelText("totalLabel"), S("49,50"));
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIVERE where ID = ?"), {order})), D("49,5"));

    // F4 answered "Não": nothing goes
    script.answerMessages({S("N")});
    QTest::keyClick(&desk, Qt::Key_F4);
    EXPECT_EQ(script.messageTexts().last(), dt::askDelete);
    EXPECT_EQ(desk.itemGrid()->rowCount(), 2);
    // "Sim": the current item and its complements
    desk.itemGrid()->setCurrentCell(1, 0);
    const qint64 pizza = desk.shownItems()[1].id;
    script.answerMessages({S("S")});
    QTest::keyClick(&desk, Qt::Key_F4);
    EXPECT_EQ(desk.itemGrid()->rowCount(), 1);
    EXPECT_EQ(count(l, "select count(*) from ACOMPDELI where IDMESA = ?", {pizza}), 0);
    EXPECT_EQ(desk.labelText("totalLabel"), S("17,00"));

    // F5 to F7: the shown order, its items and the hand-over list with the fee line
    QTest::keyClick(&desk, Qt::Key_F5);
    QTest::keyClick(&desk, Qt::Key_F6);
    ASSERT_EQ(calls->size(), 2u);
    const DeskHandOver& h = calls->at(1).order;
    EXPECT_EQ(calls->at(1).what, S("F6"));
    EXPECT_EQ(h.order.id, order);
    EXPECT_EQ(h.totalText, S("17,00"));
    ASSERT_EQ(h.lines.size(), 2u);
    EXPECT_EQ(h.lines[0].nome, S("REFRIGERANTE LATA 350ML"));
    EXPECT_EQ(h.lines[1].nome, S("Taxa de Entrega"));
    EXPECT_EQ(h.lines[1].codigo, S("0"));
    QTest::keyClick(&desk, Qt::Key_F7);
    EXPECT_EQ(calls->size(), 3u);
    ASSERT_TRUE(desk.shownOrder());
    EXPECT_EQ(desk.shownOrder()->id, other);   // the invoiced order is gone: the list's first is shown

    // F10 "Sim": the order and its items
    script.answerMessages({S("S")});
    QTest::keyClick(&desk, Qt::Key_F10);
    EXPECT_FALSE(desk.shownOrder());
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 0);

    // the station's own F7 opens the invoicing; closed with "(ESC)" it changes nothing
    TFormPedDelivery plain(l);
    const qint64 third = orders.start(55556666).orderId;
    plain.refresh();
    script.messages.clear();
    script.onWindow(S("TFormVenRapida"), [](QDialog&) { return int(QDialog::Rejected); });
    QTest::keyClick(&plain, Qt::Key_F7);
    EXPECT_TRUE(script.windowsShown.contains(S("TFormVenRapida")));
    EXPECT_TRUE(script.messageTexts().isEmpty());
    EXPECT_EQ(count(l, "select count(*) from DELIVERE where ID = ?", {third}), 1);
}

TEST(DeliveryItemWindow, FractionsSizesAndHostileValues)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seedMenu(l);
    seeds::sizes(l, {S("FAMILIA"), S("MEDIA"), S("GRANDE"), S("PEQUENA")});
    seeds::sizedProduct(l, S("000030"), S("PIZZA MUSSARELA"), D("0"), D("32"), D("40"), D("25"), D("0"));
    const qint64 order = DeliveryOrders(l).start(33334444).orderId;
    TFormInsItens2 w(l, order);
    showOn(w, 1008, 582);

    // a product with sizes: the size box, the chosen column
    w.codeField()->setText(S("30"));
    w.codeLeft();
    ASSERT_TRUE(w.sizeBox()->isVisible());
    EXPECT_EQ(w.sizeBox()->currentText(), S("1 FAMILIA"));
    w.sizeBox()->setCurrentIndex(2);
    w.sizeChosen();
    EXPECT_EQ(w.priceLabel()->text(), S("40,00"));
    ASSERT_TRUE(w.confirm());
    EXPECT_EQ(decimalOf(l.scalar(S("select VALOR from DELIITEM where CODIGO = '000030'"))), D("42,5"));   // with its group's border

    // "/": the fractions window gives the flavour list
    answerFractions(script, {S("12"), S("15")});
    w.codeField()->setText(S("/"));
    w.codeLeft();
    EXPECT_EQ(w.codeField()->text(), S("/12/15/"));
    EXPECT_EQ(w.nameLabel()->text(), S("PIZZA GRANDE CALABRESA/PIZZA GRANDE MUSSARELA"));
    EXPECT_EQ(w.priceLabel()->text(), S("35,00"));
    ASSERT_TRUE(w.confirm());
    EXPECT_EQ(count(l, "select count(*) from DELIITEM where CODIGO = '/12/15/' and VALOR = 35"), 1);
    // "/" closed by its close box: nothing is loaded
    script.onWindow(S("TFormFracao"), [](QDialog&) { return int(QDialog::Rejected); });
    w.codeField()->setText(S("/"));
    w.codeLeft();
    EXPECT_FALSE(w.item());
    EXPECT_EQ(w.codeField()->text(), QString());

    // hostile codes: not found, focus back, nothing loaded
    for (const char* code : {"99", "ABC", "*99", "'; delete from produtos; --", "1e20", "😀", "-1"}) {
        script.messages.clear();
        w.codeField()->setText(S(code));
        w.codeLeft();
        EXPECT_FALSE(w.item()) << code;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::items::productNotFound}) << code;
    }
    // hostile quantities and observations: refused, nothing written
    const qint64 before = count(l, "select count(*) from DELIITEM");
    for (const char* quantity : {"abc", "0", "-2", "1e20", "100000", "'; drop table deliitem; --", ""}) {
        w.codeField()->setText(S("12"));
        w.codeLeft();
        script.messages.clear();
        w.quantityField()->setText(S(quantity));
        EXPECT_FALSE(w.confirm()) << quantity;
        EXPECT_EQ(script.messageTexts(), QStringList{dt::items::noQuantity}) << quantity;
    }
    w.quantityField()->setText(S("1"));
    w.observationField()->setText(S("😀"));
    script.messages.clear();
    EXPECT_FALSE(w.confirm());
    EXPECT_EQ(script.messageTexts(), QStringList{dt::items::fillError});
    // a typed complement stays unticked until ticked; the fields keep their limits
    w.extraField()->setText(QString(60, QLatin1Char('X')));
    EXPECT_EQ(w.extraField()->text().size(), 40);
    w.addExtra();
    EXPECT_EQ(w.extrasList()->item(w.extrasList()->rowCount() - 1, 0)->text(), QString());
    w.observationField()->setText(QString(60, QLatin1Char('O')));
    EXPECT_EQ(w.observationField()->text().size(), 40);
    EXPECT_EQ(count(l, "select count(*) from DELIITEM"), before);
    // "Confirmar" right after an item: nothing in hand
    w.observationField()->clear();
    ASSERT_TRUE(w.confirm());
    script.messages.clear();
    EXPECT_FALSE(w.confirm());
    EXPECT_EQ(script.messageTexts(), QStringList{dt::items::fillError});
}

TEST(DeliveryRegisterWindows, AreasAndDeliveryMenWithHostileValues)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    {
        TFormTaxaEnt w(l);
        EXPECT_TRUE(w.areaField()->text().isEmpty());
        QTest::keyClicks(w.areaField(), S("centro"));
        QTest::keyClicks(w.feeField(), S("5.5"));
        EXPECT_EQ(w.feeField()->text(), S("5,5"));
        EXPECT_TRUE(w.saveArea());
        EXPECT_EQ(w.areas().size(), 1u);
        EXPECT_EQ(w.areas()[0].bairro, S("CENTRO"));
        const struct { const char* area; const char* fee; QString message; } hostile[] = {
            {"centro", "abc", dt::areas::badFee}, {"centro", "-1", dt::areas::badFee}, {"centro", "1e20", dt::areas::badFee},
            {"centro", "'; delete from entrega; --", dt::areas::badFee}, {"", "3", dt::areas::noName},
        };
        for (const auto& h : hostile) {
            script.messages.clear();
            w.areaField()->setText(S(h.area));
            w.feeField()->setText(S(h.fee));
            EXPECT_FALSE(w.saveArea()) << h.fee;
            EXPECT_EQ(script.messageTexts(), QStringList{h.message}) << h.fee;
            EXPECT_EQ(w.feeField()->text(), S(h.fee).left(20));   // kept to be corrected
        }
        w.areaField()->setText(QString(30, QLatin1Char('B')));
        EXPECT_EQ(w.areaField()->text().size(), 20);
        w.areaField()->setText(S("😀"));
        w.feeField()->setText(S("1"));
        EXPECT_FALSE(w.saveArea());
        EXPECT_EQ(script.errors.size(), 1);
        EXPECT_EQ(decimalOf(l.scalar(S("select TAXA from ENTREGA"))), D("5,5"));
        // the delete question
        script.answerMessages({S("N")});
        w.deleteArea();
        EXPECT_EQ(count(l, "select count(*) from ENTREGA"), 1);
        script.answerMessages({S("S")});
        w.deleteArea();
        EXPECT_EQ(count(l, "select count(*) from ENTREGA"), 0);
        QTest::mouseClick(button(w, "leaveButton"), Qt::LeftButton);
        EXPECT_EQ(ctx::lookup().LookupCode, S("0,00"));
    }
    {
        l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'PEDRO')"));
        TFormEntregador w(l);
        EXPECT_EQ(w.field(TFormEntregador::Code)->text(), S("000007"));
        w.newMan();
        EXPECT_EQ(w.field(TFormEntregador::Code)->text(), S("000008"));
        QTest::keyClicks(w.field(TFormEntregador::Name), S("joao"));
        EXPECT_TRUE(w.saveMan());
        EXPECT_EQ(w.men().size(), 2u);
        for (const char* code : {"abc", "0", "-3", "99999999999", "'; delete from delicad; --"}) {
            w.field(TFormEntregador::Code)->setText(S(code));
            EXPECT_FALSE(w.saveMan()) << code;
            EXPECT_EQ(w.field(TFormEntregador::Code)->text(), S("0")) << code;
        }
        w.field(TFormEntregador::Code)->setText(S("9"));
        w.field(TFormEntregador::Name)->setText(S("😀"));
        EXPECT_FALSE(w.saveMan());
        EXPECT_EQ(count(l, "select count(*) from DELICAD"), 2);
        script.answerMessages({S("S")});
        w.list()->setCurrentCell(0, 0);
        w.deleteMan();
        EXPECT_EQ(count(l, "select count(*) from DELICAD where CODIGO = 7"), 0);
    }
}

TEST(DeliveryCustomerWindows, TheCustomersDataAndItsReadOnlyView)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seeds::customer(l, 33334444, S("MARIA"));
    l.run(S("update CLIENTES set FAX = '3333-4444', CIDADE = 'SANTOS', ESTADO = 'SP' where CODIGO = 33334444"));
    TFormVerCliente w(l);
    w.setCustomer(*DeliveryCustomers(l).read(33334444));
    for (const char* hostile : {"😀"}) {
        w.field(TFormVerCliente::Name)->setText(S(hostile));
        EXPECT_FALSE(w.confirm());
        EXPECT_EQ(script.errors.size(), 1);
        EXPECT_EQ(l.scalar(S("select NOME from CLIENTES where CODIGO = 33334444")).toString(), S("MARIA"));
    }
    w.field(TFormVerCliente::Name)->setText(S("'; delete from clientes; --"));
    w.field(TFormVerCliente::Reference)->setText(QString(80, QLatin1Char('R')));
    w.field(TFormVerCliente::State)->setText(S("SPX"));
    w.field(TFormVerCliente::Note)->setText(S("NAO GRAVA"));
    EXPECT_TRUE(w.confirm());
    RowSet c = l.run(S("select NOME, REF, ESTADO, OBS from CLIENTES where CODIGO = 33334444"));
    ASSERT_TRUE(c.next());
    EXPECT_EQ(c.text(u"NOME"), S("'; delete from clientes; --"));
    EXPECT_EQ(c.text(u"REF"), QString(39, QLatin1Char('R')));
    EXPECT_EQ(c.text(u"ESTADO"), S("SP"));
    EXPECT_TRUE(c.isNull(u"OBS"));

    TFormVerEndCliente view(l, 33334444);
    EXPECT_EQ(view.shown("cityLabel"), S("SANTOS"));
    EXPECT_EQ(view.shown("phoneLabel"), S("3333-4444"));
    EXPECT_EQ(view.shown("referenceLabel"), QString(39, QLatin1Char('R')));
}

TEST(TabDeliveryWindow, FeeTotalChangeAndHostileAmounts)
{
    TestStation st;
    ScriptedDialogs script;
    TLogon& l = st.logon();
    seeds::addSaleCustomer(l, 50, S("ANA"));
    seeds::openTab(l, S("1000001"), 4, 50);
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));
    ctx::sales().DeliveryManText = S("OLD");
    {
        TFormDelivere w(l);
        EXPECT_TRUE(ctx::sales().DeliveryManText.isEmpty());
        EXPECT_EQ(w.controlNumber(), S("000001"));
        w.setTab(S("1000001"), S("1000001 - ANA"), D("20"));
        EXPECT_EQ(w.customerText(), S("50 ANA"));
        EXPECT_EQ(w.areaBox()->currentText(), dt::tab::counterPickUp);
        EXPECT_EQ(w.totalText(), S("20,00"));
        w.areaBox()->setCurrentIndex(1);
        w.areaLeft();
        EXPECT_EQ(w.totalText(), S("25,00"));
        EXPECT_EQ(w.amountField()->text(), S("25,00"));
        const struct { const char* amount; bool ok; const char* change; const char* shown; } cases[] = {
            {"30", true, "5,00", "30"}, {"22", true, "-3,00", "22"}, {"15", false, nullptr, "15"},
            {"abc", true, "-5,00", "20,00"}, {"1e20", true, "-5,00", "20,00"}, {"-5", false, nullptr, "-5"},
            {"'; delete from cabmesa; --", true, "-5,00", "20,00"},
        };
        for (const auto& c : cases) {
            script.messages.clear();
            w.amountField()->setText(S(c.amount));
            EXPECT_EQ(w.amountLeft(), c.ok) << c.amount;
            EXPECT_EQ(w.amountField()->text(), S(c.shown)) << c.amount;
            if (c.ok) {
                EXPECT_EQ(w.changeText(), S(c.change)) << c.amount;
            } else {
                EXPECT_EQ(script.messageTexts(), QStringList{dt::tab::underpaid}) << c.amount;
            }
        }
        // "Clientes" closed without a choice changes nothing
        w.chooseCustomer();
        EXPECT_EQ(w.customerText(), S("50 ANA"));
        // closed by its close box: nothing written
    }
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 0);
    EXPECT_TRUE(ctx::sales().DeliveryManText.isEmpty());
    EXPECT_FALSE(st.readFile(S("c:\\Miltrex\\Vavoz\\contdeli.INI")).value(0).size());
    {
        TFormDelivere w(l);
        w.setTab(S("1000001"), QString(), D("20"));
        w.noteField(1)->setText(S("😀"));
        script.messages.clear();
        EXPECT_FALSE(w.confirm());
        EXPECT_EQ(script.messageTexts(), QStringList{dt::tab::fillError});
        EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 0);
        w.noteField(1)->setText(QString(60, QLatin1Char('N')));
        EXPECT_EQ(w.noteField(1)->text().size(), 40);
        w.manBox()->setCurrentIndex(0);
        EXPECT_TRUE(w.confirm());
        EXPECT_EQ(ctx::sales().DeliveryManText, S("00003 - JOAO"));
        EXPECT_EQ(w.notes().size(), 5);
        EXPECT_EQ(st.readFile(S("c:\\Miltrex\\Vavoz\\contdeli.INI")), QStringList{S("000001")});
    }
    TFormDelivere next(l);
    EXPECT_EQ(next.controlNumber(), S("000002"));
}

TEST(TabDeliveryWindow, ThePreBillOfADeliveryTabAsksItByClassNameAndPrintsItsData)
{
    TestStation st;
    ScriptedDialogs script;
    registerProgramWindows();
    TLogon& l = st.logon();
    QTemporaryDir devices;
    const QString port = devices.filePath(S("conferencia.prn"));
    QFile(port).open(QIODevice::WriteOnly);
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT1=") + port});
    QStringList setup(23);
    setup[3] = S("S");
    setup[12] = S("Informa porta");
    st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
    seeds::addSaleCustomer(l, 50, S("ANA ENTREGA"));
    seeds::openTab(l, S("1000001"), 4, 50);
    l.run(S("update CABMESA set EDELIVERY = 'S'"));
    seeds::addItem(l, S("1000001"), S("000001"), S("PIZZA"), D("2"), D("10"), 4);
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));
    l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), 'CENTRO', 5)"));

    Decimal handedValue;
    script.onWindow(S("TFormDelivere"), [&](QDialog& d) {
        auto& w = static_cast<TFormDelivere&>(d);
        handedValue = D("0");
        w.areaBox()->setCurrentIndex(1);
        w.areaLeft();
        handedValue = *Decimal::parse(w.totalText());
        w.amountField()->setText(S("50"));
        w.amountLeft();
        w.noteField(1)->setText(S("PORTAO AZUL"));
        return w.confirm() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    TFormFecSimples preBill(l);
    preBill.setTab(S("1000001"), S("1000001 - ANA ENTREGA"));
    preBill.printPreBill();
    EXPECT_TRUE(script.windowsShown.contains(S("TFormDelivere")));
    EXPECT_EQ(handedValue, D("25"));   // the tab's items 20,00 and the fee
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = fromWin1252(f.readAll()).split(S("\r\n"));
    EXPECT_TRUE(lines.contains(S("Entrega.:00003 - JOAO")));
    EXPECT_TRUE(lines.contains(S("Controle N.:000001")));
    EXPECT_TRUE(lines.contains(S("PORTAO AZUL")));
    EXPECT_TRUE(lines.contains(S("Tx de Entrega                   5,00")));
    EXPECT_TRUE(lines.contains(S("Troco                          25,00")));
    RowSet t = l.run(S("select DELIVERY, DELYENTREGA, DELYTAXA, STATUS from CABMESA"));
    t.next();
    EXPECT_EQ(t.decimal(u"DELIVERY"), D("5"));
    EXPECT_EQ(t.integer(u"DELYENTREGA"), 3);
    EXPECT_EQ(t.integer(u"STATUS"), 1);

    // The pre-bill printed again asks again: the tab keeps its one delivery to
    // settle, with the new figures; the delivery desk opened then keeps it too.
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 1);
    preBill.printPreBill();
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 1);
    EXPECT_EQ(decimalOf(l.scalar(S("select MOTOBOY from DELIVERE"))), D("25"));
    TFormPedDelivery desk(l);
    showOn(desk);
    EXPECT_EQ(desk.orderGrid()->rowCount(), 0);
    EXPECT_FALSE(desk.shownOrder());
    EXPECT_EQ(count(l, "select count(*) from DELIVERE"), 1);
}
