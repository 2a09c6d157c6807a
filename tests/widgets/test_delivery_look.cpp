// The delivery windows on a 1366x768 touch screen, in every state their buttons
// reach: everything shows whole inside the window, buttons are finger-sized, the
// desk's ribbon takes its pictures from the one table of every ribbon. With
// SABREL22_SCREENSHOTS naming a folder, the desk and the item window are saved
// there as pictures.
#include "ProgramStyle.h"
#include "WidgetSteps.h"
#include "ClosingSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryOrders.h"
#include "DeliverySeeds.h"
#include "LoginFixtures.h"
#include "RegisterSeeds.h"
#include "delivery/UnitDelivere.h"
#include "delivery/UnitEntCom.h"
#include "delivery/UnitPrestContasDelivere.h"
#include "delivery/UnitVenDiaDely.h"
#include "delivery/UnitVendaRapida.h"
#include "delivery/UnitVendaRapidaPre.h"
#include "delivery/UnitEntregador.h"
#include "delivery/UnitInsItens2.h"
#include "delivery/UnitPedDelivery.h"
#include "delivery/UnitTaxaEnt.h"
#include "delivery/UnitVerCliente.h"
#include "delivery/UnitVerEndCliente.h"
#include "platform/Style.h"
#include "shell/RibbonBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }


// Every visible caption, box and button inside the window and shown whole.
void checkWhole(QWidget& w, const std::string& state)
{
    settle(4);
    EXPECT_LE(w.width(), 1366) << state;
    EXPECT_LE(w.height(), 768) << state;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&w) || !c->isVisible())
            continue;
        const bool caption = qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c)
            || qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c);
        if (!caption || c->parentWidget()->inherits("QScrollArea") || c->window() != &w)
            continue;
        if (c->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
        EXPECT_TRUE(w.rect().contains(r)) << state << ": " << c->objectName().toStdString() << " at " << r.x() << ","
                                          << r.y() << " " << r.width() << "x" << r.height();
        if (qobject_cast<QLabel*>(c) && static_cast<QLabel*>(c)->wordWrap())
            continue;
        if (qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c)) {
            EXPECT_GE(c->width(), c->minimumSizeHint().width()) << state << ": " << c->objectName().toStdString();
        }
        if (qobject_cast<QPushButton*>(c)) {
            EXPECT_GE(c->height(), 36) << state << ": " << c->objectName().toStdString();
        }
    }
}

void save(const QPixmap& picture, const char* name)
{
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    picture.save(dir + QLatin1Char('/') + S(name));
}

void show(QWidget& w, int width, int height)
{
    w.setWindowState(Qt::WindowNoState);
    w.resize(width, height);
    w.show();
    settle(4);
}

// A busy night: groups, products, thirty open orders, delivery men and areas.
void busyNight(TestStation& st)
{
    TLogon& l = st.logon();
    st.openCashShift(12);
    const char* groups[] = {"PIZZAS GRANDES", "PIZZAS BROTO", "ESFIHAS", "LANCHES", "PORCOES", "BEBIDAS",
                            "SOBREMESAS", "CERVEJAS", "SUCOS NATURAIS"};
    for (int g = 0; g < 9; ++g)
        l.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (?, ?, ?, 'S')"), {g + 1, g + 1, S(groups[g])});
    const char* names[] = {"PIZZA GRANDE CALABRESA", "PIZZA GRANDE MUSSARELA", "PIZZA GRANDE PORTUGUESA",
                           "PIZZA GRANDE QUATRO QUEIJOS", "PIZZA GRANDE FRANGO COM CATUPIRY", "PIZZA GRANDE MARGUERITA"};
    for (int p = 0; p < 24; ++p)
        seeds::product(l, seeds::Product(QString::number(100 + p).rightJustified(6, QLatin1Char('0')),
                                         S(names[p % 6]) + (p >= 6 ? S(" ") + QString::number(p) : QString()),
                                         D("39,9"), S("1"), 1));
    seeds::sizes(l, {S("FAMILIA"), S("MEDIA"), S("GRANDE"), S("PEQUENA"), S("BROTO")});
    seeds::sizedProduct(l, S("000300"), S("PIZZA MUSSARELA"), D("55"), D("32"), D("40"), D("25"), D("18"));
    seeds::accompaniment(l, S("000300"), S("OREGANO"));
    seeds::accompaniment(l, S("000300"), S("AZEITONAS PRETAS"));
    seeds::complement(l, 1, S("BORDA RECHEADA CATUPIRY"), D("8"));
    seeds::complement(l, 1, S("BACON EXTRA"), D("4,5"));
    for (int m = 1; m <= 14; ++m)
        l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), ?, ?)"),
              {m, S("ENTREGADOR MOTOQUEIRO ") + QString::number(m)});
    for (int a = 1; a <= 14; ++a)
        l.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), ?, ?)"),
              {S("JARDIM BAIRRO ") + QString::number(a), Decimal(a)});
    DeliveryOrders orders(l);
    DeliveryItemEntry entry(l, 0);
    for (int o = 0; o < 30; ++o) {
        const qint64 id = orders.start(33330000 + o).orderId;
        l.run(S("update CLIENTES set NOME = ? where CODIGO = ?"),
              {S("CLIENTE DE NOME BEM COMPRIDO NUMERO ") + QString::number(o), 33330000 + o});
        orders.nameNewOrder(id, 33330000 + o);
        if (o < 3)
            for (int i = 0; i < 8; ++i)
                entry.confirm(id, *entry.load(QString::number(100 + i)).item, S("1"), S("SEM CEBOLA"));
    }
}

} // namespace

TEST(DeliveryLook, TheDeskAndItsPanelsFitA1366x768Screen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    busyNight(st);
    {
        TFormPedDelivery desk(st.logon());
        show(desk, 1366, 768);
        ASSERT_TRUE(desk.shownOrder());
        EXPECT_GE(desk.ribbon()->height(), 100);   // the ribbon shows its buttons whole
        checkWhole(desk, "desk");
        save(desk.grab(), "delivery-desk-1366x768.png");
        desk.newOrder();
        checkWhole(desk, "new order");
        save(desk.grab(), "delivery-desk-new-order-1366x768.png");
        desk.cancelPhone();
        desk.chooseDeliveryMan();
        checkWhole(desk, "delivery men");
        desk.hide();   // hiding takes no one: the panel goes with Esc
        desk.show();
        QTest::keyClick(desk.manList(), Qt::Key_Escape);
        desk.chooseArea();
        checkWhole(desk, "areas");
        save(desk.grab(), "delivery-desk-areas-1366x768.png");
        QTest::keyClick(desk.areaList(), Qt::Key_Escape);

        // the item window over the desk, with a sized product and its extras
        TFormInsItens2 items(st.logon(), desk.shownOrder()->id);
        show(items, 1008, 582);
        checkWhole(items, "items");
        ASSERT_FALSE(items.groupButtons().empty());
        QTest::mouseClick(items.groupButtons()[0], Qt::LeftButton);
        EXPECT_EQ(items.productButtons().size(), 25u);   // the group's 24 and the sized one
        items.codeField()->setText(S("300"));
        items.codeLeft();
        settle(4);
        EXPECT_TRUE(items.sizeBox()->isVisible());
        checkWhole(items, "items with sizes");
        for (QToolButton* b : items.groupButtons()) {
            EXPECT_EQ(b->size(), QSize(74, 74));
            EXPECT_TRUE(items.rect().contains(QRect(b->mapTo(&items, QPoint(0, 0)), b->size()).topLeft()));
        }
        QPixmap screen = desk.grab();
        {
            QPainter p(&screen);
            p.drawPixmap((screen.width() - items.width()) / 2, (screen.height() - items.height()) / 2, items.grab());
        }
        save(screen, "delivery-items-1366x768.png");
        items.hide();
    }
}

TEST(DeliveryLook, TheRegistersCustomerAndTabWindowsFitA1366x768Screen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    busyNight(st);
    TLogon& l = st.logon();
    seeds::openTab(l, S("1000001"), 4, 33330001);
    {
        TFormTaxaEnt w(l);
        show(w, w.width(), w.height());
        checkWhole(w, "areas");
    }
    {
        TFormEntregador w(l);
        show(w, w.width(), w.height());
        checkWhole(w, "delivery men");
    }
    {
        TFormVerCliente w(l);
        w.setCustomer(*DeliveryCustomers(l).read(33330001));
        show(w, w.width(), w.height());
        checkWhole(w, "customer");
    }
    {
        TFormVerEndCliente w(l, 33330001);
        show(w, w.width(), w.height());
        checkWhole(w, "customer address");
    }
    {
        TFormDelivere w(l);
        w.setTab(S("1000001"), QString(), D("120"));
        show(w, w.width(), w.height());
        checkWhole(w, "tab delivery");
        save(w.grab(), "delivery-tab-data.png");
    }
}

TEST(DeliveryLook, ThePaymentPanelTheReportsAndTheSettlementFitA1366x768Screen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    busyNight(st);
    TLogon& l = st.logon();
    // Ten methods with the longest names, a receivable among them; a fee.
    for (int m = 2; m <= 11; ++m)
        seeds::addPaymentMethod(l, m, S("CARTAO CREDITO ") + QString::number(m).rightJustified(5, QLatin1Char('0')),
                                m == 5 ? S("N") : S("S"));
    l.run(S("update DELIVERE set ENTREGA = (select max(ID) from ENTREGA), MOTOBOY = (select max(ID) from DELICAD)"));
    st.addUser(S("CHEFE"), S("1"), S("S"), 65535 - 256 - 32768);
    answerSupervisorPrompt(script, S("CHEFE"), S("1"));
    const qint64 order = integerOf(l.scalar(S("select min(ID) from DELIVERE")));
    {
        TFormVenRapida w(l);
        w.setOrder(seeds::deskHandOver(l, order));
        show(w, w.width(), w.height());
        EXPECT_TRUE(w.methodShown(9));
        checkWhole(w, "invoicing");
        w.discountInPercent();
        EXPECT_TRUE(w.percentField()->isEnabled());
        checkWhole(w, "invoicing with the discount open");
        save(w.grab(), "delivery-invoicing.png");
        w.amountField(0)->setText(S("1"));
        w.print();   // "   FALTA"
        checkWhole(w, "invoicing with an amount missing");
    }
    {
        TFormVenRapidaPre w(l);
        w.setOrder(seeds::deskHandOver(l, order));
        show(w, w.width(), w.height());
        checkWhole(w, "delivery note");
        save(w.grab(), "delivery-note.png");
    }
    {
        TFormEntCom w(l);
        show(w, w.width(), w.height());
        checkWhole(w, "commission report");
        save(w.grab(), "delivery-commission-report.png");
    }
    {
        TFormVenDiaDely w(l);
        show(w, w.width(), w.height());
        checkWhole(w, "delivery sales report");
    }
    for (int k = 0; k < 20; ++k)
        l.run(S("insert into DELIVERE (ID, CODIGO, DATA, HORA, VALOR, MOTOBOY, CLIENTE) "
                "values (GEN_ID(DELIVERE,1), 3, current_date, '20:00:00', 25, 30, ?)"),
              {S("MESA ") + QString::number(k) + S(" CLIENTE DE NOME BEM COMPRIDO")});
    {
        TFormPCEDelivere w(l);
        show(w, w.width(), w.height());
        w.select(0);
        checkWhole(w, "settlement");
        save(w.grab(), "delivery-settlement.png");
    }
}

TEST(DeliveryLook, TheDesksRibbonPicturesComeFromTheSharedTable)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs script;
    TFormPedDelivery desk(st.logon());
    const std::vector<QToolButton*> buttons = desk.ribbon()->buttons(0);
    ASSERT_EQ(buttons.size(), 5u);
    for (QToolButton* b : buttons)
        EXPECT_FALSE(b->icon().isNull()) << b->text().toStdString();
    EXPECT_EQ(desk.ribbon()->tabText(0), S("Delivery"));
}
