// The sales screen hands a tab to the bill windows (F5, F9), to tab upkeep (the
// ribbon and "Excluir Item") and to the shift reports and the drawer test; what it
// shows once they close.
#include "LoginFixtures.h"
#include "WidgetSteps.h"
#include "ClosingSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "closing/UnitFecCom.h"
#include "tabs/UnitMudMes.h"
#include "closing/UnitRecDin.h"
#include "core/Globals.h"
#include "sales/SalesMessages.h"
#include "sales/SalesRibbon.h"
#include "sales/TabHandOver.h"
#include "sales/UnitBalcao.h"
#include "shell/Ribbon.h"
#include "shell/RibbonBar.h"
#include "shell/UnitAcessos.h"
#include "shell/WindowRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString labelOf(QWidget& w, const char* name) { return w.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
const QString kTab = QStringLiteral("000007");

// An open cash shift, waiter 4 and tab 000007 of customer 35 with one item.
struct Station {
    TestStation st;
    ScriptedDialogs script;
    explicit Station(int status = 0, int salesOptions = 0, int itemOptions = 0)
    {
        registerProgramWindows();
        st.openCashShift(1);
        TLogon& l = st.logon();
        seeds::options(l, salesOptions, itemOptions);
        seeds::addWaiter(l, 4, S("CARLOS"));
        seeds::addSaleCustomer(l, 35, S("MARIA DA SILVA SAURO"));
        seeds::openTab(l, kTab, 4, 35, Decimal(), QString(), Decimal(), status);
        seeds::addItem(l, kTab, S("000001"), S("CERVEJA"), D("2"), D("10"), 4);
        ctx::op().OperatorIsMaster = S("N");
    }
};

} // namespace

TEST(SalesHandOver, RulesOfRightsAndOfThePreBill)
{
    using namespace handover;
    EXPECT_TRUE(mayPreBill(32));
    EXPECT_TRUE(mayPreBill(8192));
    EXPECT_FALSE(mayPreBill(16 | 64 | 4096));
    EXPECT_TRUE(mayPay(32 | 1));
    EXPECT_FALSE(mayPay(8192));
    struct Case { bool required; int status, salesOptions; bool allowed; } cases[] = {
        {true, 0, 0, false}, {true, 1, 0, true}, {false, 0, 0, true}, {true, 0, 16, true}, {true, 0, 1 | 32, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(paymentAllowed(c.required, c.status, c.salesOptions), c.allowed)
            << c.required << " " << c.status << " " << c.salesOptions;
    EXPECT_EQ(paymentKey(S("  ")), S("0"));
    EXPECT_EQ(paymentKey(S(" 000007 ")), S("000007"));
}

TEST(SalesHandOver, F5HandsTheTabAndItsCustomerToThePreBillAndEmptiesTheField)
{
    struct Case { int rights; bool opens; } cases[] = {{8192, true}, {32, true}, {16, false}};
    for (const Case& c : cases) {
        Station s;
        ctx::op().LoginRights = c.rights;
        QString tabField, caption;
        s.script.onWindow(S("TFormFecSimples"), [&](QDialog& d) {
            tabField = edit(d, "tabEdit")->text();
            caption = labelOf(d, "tabCaptionLabel");
            return int(QDialog::Rejected);
        });
        TFormBalcao w(s.st.logon());
        edit(w, "tabNumberEdit")->setText(kTab);
        QTest::keyClick(&w, Qt::Key_F5);
        if (!c.opens) {
            EXPECT_EQ(s.script.messageTexts(), QStringList{salesmsg::functionDenied}) << c.rights;
            EXPECT_FALSE(s.script.windowsShown.contains(S("TFormFecSimples")));
            EXPECT_EQ(w.tabNumber(), kTab);
            continue;
        }
        EXPECT_EQ(tabField, kTab);
        EXPECT_EQ(caption, kTab + S(" - MARIA DA SILVA "));
        EXPECT_TRUE(w.tabNumber().isEmpty());
        EXPECT_EQ(edit(w, "waiterEdit")->text(), S("4"));
        EXPECT_TRUE(ctx::sales().JuntaMesa.isEmpty());
        EXPECT_EQ(s.st.count(S("select count(*) from cabmesa where cliente is null")), 0);
    }
}

TEST(SalesHandOver, F9OpensThePaymentOnlyWhereThePreBillRuleAllows)
{
    struct Case {
        int rights, salesOptions, status;
        const char* fechasim;   // line 0 of fechasim.INI, nullptr: no file
        const char* typed;
        bool firstStep, payment;
        const char* message;
        const char* fieldAfter;
    } cases[] = {
        {32, 0, 0, nullptr, "000007", true, false, "   Fechar Primeiro a mesa....    ", "000007"},
        {32, 0, 0, "S", "000007", true, false, "   Fechar Primeiro a mesa....    ", "000007"},
        {32, 0, 0, "N", "000007", true, true, nullptr, "000007"},
        {32, 16, 0, nullptr, "000007", true, true, nullptr, "000007"},
        {32, 0, 1, nullptr, "000007", true, true, nullptr, "000007"},
        {32, 0, 1, nullptr, "", true, false, "|     Comanda não Localizada      |", ""},
        {32, 0, 1, nullptr, "000099", true, false, "|     Comanda não Localizada      |", ""},
        {8192, 0, 1, nullptr, "000007", false, false, "  Função não autorizada...  ", "000007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.status) + " " + (c.fechasim ? c.fechasim : "-"));
        Station s(c.status, c.salesOptions);
        ctx::op().LoginRights = c.rights;
        if (c.fechasim)
            s.st.writeFile(S("c:\\Miltrex\\vavoz\\fechasim.INI"), {S(c.fechasim)});
        s.script.onWindow(S("TFormRecDin"), [](QDialog& d) {
            static_cast<TFormRecDin&>(d).confirm();
            return d.result();
        });
        QString lookup, caption;
        s.script.onWindow(S("TFormFecCom"), [&](QDialog& d) {
            lookup = ctx::lookup().LookupCode;
            caption = labelOf(d, "tabCaptionLabel");
            return int(QDialog::Rejected);   // "Retornar sem fechar Comanda"
        });
        TFormBalcao w(s.st.logon());
        edit(w, "tabNumberEdit")->setText(S(c.typed));
        QTest::keyClick(&w, Qt::Key_F9);
        EXPECT_EQ(s.script.windowsShown.contains(S("TFormRecDin")), c.firstStep);
        EXPECT_EQ(s.script.windowsShown.contains(S("TFormFecCom")), c.payment);
        EXPECT_EQ(s.script.messageTexts(), c.message ? QStringList{S(c.message)} : QStringList());
        EXPECT_EQ(w.tabNumber(), S(c.fieldAfter));
        if (c.payment) {
            EXPECT_EQ(lookup, kTab);
            EXPECT_EQ(caption, kTab + S(" - MARIA DA SILVA "));
            EXPECT_EQ(ctx::sales().JuntaMesa, QStringList{kTab});
            EXPECT_EQ(w.itemLines(), 1);
        }
    }
}

TEST(SalesHandOver, F9WithTheCashClosedDoesNothing)
{
    Station s(1);
    s.st.logon().run(S("update contcaixa set caixa = 0"));
    ctx::op().LoginRights = 32;
    TFormBalcao w(s.st.logon());
    edit(w, "tabNumberEdit")->setText(kTab);
    QTest::keyClick(&w, Qt::Key_F9);
    EXPECT_TRUE(s.script.windowsShown.isEmpty());
    EXPECT_TRUE(s.script.messageTexts().isEmpty());
}

TEST(SalesHandOver, TabUpkeepFromTheRibbonGetsTheTableFieldAndTheScreenShowsTheResult)
{
    // "Transferência Produtos" without a prompt (ItemOptions bit 4): the window gets the tab
    Station s(0, 0, 4);
    QString origin;
    s.script.onWindow(S("TFormMudMes"), [&](QDialog& d) {
        origin = edit(d, "originEdit") ? edit(d, "originEdit")->text() : QString();
        // the items went elsewhere meanwhile
        s.st.logon().run(S("delete from mesa"));
        return int(QDialog::Accepted);
    });
    TFormBalcao w(s.st.logon());
    edit(w, "tabNumberEdit")->setText(kTab);
    w.reloadItems();
    ASSERT_EQ(w.itemLines(), 1);
    ribbonButton(*w.ribbon(), S("Transferência Produtos"))->click();
    EXPECT_EQ(s.script.windowsShown, QStringList{S("TFormMudMes")});
    EXPECT_EQ(origin, kTab);
    EXPECT_FALSE(s.script.windowsShown.contains(S("TFormAcessos")));
    EXPECT_EQ(w.itemLines(), 0) << "the list is read again after the window";

    // "Excluir Comanda" through the supervisor prompt: refused, then allowed and the field emptied
    s.st.addUser(S("CHEFE"), S("1"), S("S"), 512);
    s.st.addUser(S("GARCOM"), S("1"), S("N"), 0);
    for (const char* user : {"GARCOM", "CHEFE"}) {
        s.script.onWindow(S("TFormAcessos"), [user](QDialog& d) {
            auto& p = static_cast<TFormAcessos&>(d);
            p.setName(S(user));
            p.setPassword(S("1"));
            p.confirm();
            return d.result();
        });
        s.script.onWindow(S("TFormExcCom"), [](QDialog&) { return int(QDialog::Rejected); });
        edit(w, "tabNumberEdit")->setText(kTab);
        ribbonButton(*w.ribbon(), S("Excluir Comanda"))->click();
    }
    EXPECT_EQ(s.script.messageTexts(), QStringList{S("       Acesso não autorizado         ")});
    EXPECT_EQ(s.script.windowsShown.count(S("TFormExcCom")), 1);
    EXPECT_TRUE(w.tabNumber().isEmpty());
}

TEST(SalesHandOver, ExcluirItemAsksForASupervisorUnlessTheOptionSaysNot)
{
    struct Case { int itemOptions; bool prompted; } cases[] = {{1, false}, {0, true}};
    for (const Case& c : cases) {
        Station s(0, 0, c.itemOptions);
        s.st.addUser(S("CHEFE"), S("1"), S("S"), 128);
        answerSupervisorPrompt(s.script, S("CHEFE"), S("1"));
        s.script.onWindow(S("TFormExcItemCom"), [](QDialog&) { return int(QDialog::Rejected); });
        TFormBalcao w(s.st.logon());
        edit(w, "tabNumberEdit")->setText(kTab);
        w.findChild<QPushButton*>(S("deleteItemButton"))->click();
        EXPECT_EQ(s.script.windowsShown.contains(S("TFormAcessos")), c.prompted);
        EXPECT_TRUE(s.script.windowsShown.contains(S("TFormExcItemCom")));
        EXPECT_EQ(w.tabNumber(), kTab);
        EXPECT_EQ(w.itemLines(), 1);
    }
}

TEST(SalesHandOver, ShiftReportsOpenFromTheRibbonAndTheDrawerTestFromNoButton)
{
    struct Case { const char* caption; const char* master; const char* window; const char* message; } cases[] = {
        {"Relatório Cancelamentos", "N", "TFormRelCan", nullptr},
        {"Comissao por venda", "S", "TFormComGar", nullptr},
        {"Comissao por venda", "N", nullptr, "     Usuario não autorizado      "},
    };
    for (const Case& c : cases) {
        Station s;
        ctx::op().OperatorIsMaster = S(c.master);
        s.script.onWindow(S(c.window ? c.window : "none"), [](QDialog&) { return int(QDialog::Rejected); });
        TFormBalcao w(s.st.logon());
        QToolButton* b = ribbonButton(*w.ribbon(), S(c.caption));
        ASSERT_TRUE(b) << c.caption;
        b->click();
        EXPECT_EQ(s.script.windowsShown, c.window ? QStringList{S(c.window)} : QStringList()) << c.caption;
        EXPECT_EQ(s.script.messageTexts(), c.message ? QStringList{S(c.message)} : QStringList()) << c.caption;
    }
    // The cash-drawer test window stays registered, and no button of either ribbon opens it.
    registerProgramWindows();
    EXPECT_TRUE(windows::isRegistered(S("TForm1")));
    for (const salesribbon::Button& b : salesribbon::buttons())
        EXPECT_STRNE(b.opens, "TForm1") << b.caption;
    for (const ribbon::Button& b : ribbon::buttons())
        EXPECT_STRNE(b.opens, "TForm1") << b.caption;
    Station s;
    TFormBalcao w(s.st.logon());
    EXPECT_EQ(ribbonButton(*w.ribbon(), S("Teste da Gaveta")), nullptr);
}

TEST(SalesHandOver, OpeningAReservedTableAsksAndTakesOnlyTheDaysReservation)
{
    for (const char* answer : {"N", "S"}) {
        Station s;
        TLogon& l = s.st.logon();
        l.run(S("insert into reserva (id, mesa, data, cliente) values (1, '000005', current_date, 'ANA')"));
        l.run(S("insert into reserva (id, mesa, data, cliente) values (2, '000005', current_date + 1, 'BIA')"));
        TFormBalcao w(l);
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        s.script.answerMessages({S(answer), S("S")});
        QLineEdit* field = edit(w, "tabNumberEdit");
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field, S("5"));
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_FALSE(s.script.messageTexts().isEmpty());
        EXPECT_EQ(s.script.messageTexts().first(), S("Mesa com Reserva"));
        if (QLatin1String(answer) == QLatin1String("N")) {
            EXPECT_EQ(s.st.count(S("select count(*) from reserva")), 2);
            EXPECT_EQ(s.st.count(S("select count(*) from cabmesa where mesa = '000005'")), 0);
        } else {
            EXPECT_EQ(s.st.count(S("select count(*) from reserva where data = current_date + 1")), 1);
            EXPECT_EQ(s.st.count(S("select count(*) from reserva")), 1);
            EXPECT_EQ(s.st.count(S("select count(*) from cabmesa where mesa = '000005'")), 1);
        }
    }
}

TEST(SalesHandOver, HostileTableFieldValuesAtF5AndF9ChangeNothing)
{
    const char* values[] = {"'; delete from cabmesa; --", "😀", "1e20", "-7", "123456789012345678901234567890123", " "};
    for (const char* v : values) {
        SCOPED_TRACE(v);
        Station s(1);
        ctx::op().LoginRights = 32;
        s.script.onWindow(S("TFormFecSimples"), [](QDialog&) { return int(QDialog::Rejected); });
        s.script.onWindow(S("TFormRecDin"), [](QDialog& d) {
            static_cast<TFormRecDin&>(d).confirm();
            return d.result();
        });
        TFormBalcao w(s.st.logon());
        const QStringList before = {QString::number(s.st.count(S("select count(*) from cabmesa"))),
                                    QString::number(s.st.count(S("select count(*) from mesa"))),
                                    s.st.scalar(S("select status from cabmesa")).toString()};
        edit(w, "tabNumberEdit")->setText(S(v));
        QTest::keyClick(&w, Qt::Key_F5);
        edit(w, "tabNumberEdit")->setText(S(v));
        QTest::keyClick(&w, Qt::Key_F9);
        EXPECT_TRUE(s.script.errors.isEmpty()) << s.script.errors.join(u' ').toStdString();
        EXPECT_FALSE(s.script.windowsShown.contains(S("TFormFecCom")));
        EXPECT_EQ(s.script.messageTexts().last(), salesmsg::tabNotFound);
        EXPECT_EQ(QStringList({QString::number(s.st.count(S("select count(*) from cabmesa"))),
                               QString::number(s.st.count(S("select count(*) from mesa"))),
                               s.st.scalar(S("select status from cabmesa")).toString()}),
                  before);
        EXPECT_EQ(s.st.count(S("select count(*) from fatura")), 0);
    }
}
