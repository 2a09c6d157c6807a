// The sales, service, cash-shift and customer-account report windows as a user
// drives them: each opens from its main-ribbon button behind its rights rule, fits
// a 1366 x 768 screen, and answers hostile values typed or chosen in its fields
// with a message, never a database error.
#include "ProgramStyle.h"
#include "CashOfficeSeeds.h"
#include "LoginFixtures.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "SoldShiftTest.h"
#include "TestStation.h"
#include "WindowFit.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "salesreports/UnitApura.h"
#include "salesreports/UnitBalCli.h"
#include "salesreports/UnitComissao.h"
#include "salesreports/UnitDeb.h"
#include "salesreports/UnitEstFor.h"
#include "salesreports/UnitFicCli.h"
#include "salesreports/UnitKitVend.h"
#include "cashoffice/UnitListAber.h"
#include "cashoffice/UnitListSang.h"
#include "salesreports/UnitRelBaixa.h"
#include "cashoffice/UnitRelCou.h"
#include "cashoffice/UnitRelDesp.h"
#include "salesreports/UnitRelEmi.h"
#include "salesreports/UnitRelSaiABC.h"
#include "salesreports/UnitRelVenGar.h"
#include "salesreports/UnitVendGarcom.h"
#include "platform/Style.h"
#include "shell/Ribbon.h"
#include "shell/UnitPrincipal.h"
#include "shell/WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kInvalidCash = S("  Numero do Caixa Invalido  ");
// Typed where a number or a date is expected.
// (The cash fields hold nine digits: a longer number is cut, and is a shift without rows.)
const char* const kHostile[] = {"", "abc", "1'; delete from fatura; --", "-1", "1e20", "😀", " ", "12.5"};

class ReportWindows : public SoldShiftTest {
protected:
    void SetUp() override
    {
        SoldShiftTest::SetUp();
        registerProgramWindows();
    }
    // The messages since the last call, and no error box ever.
    QStringList messages()
    {
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join('\n').toStdString();
        const QStringList m = ui.messageTexts();
        ui.messages.clear();
        return m;
    }
};

} // namespace

TEST_F(ReportWindows, EachMainRibbonButtonOpensItsReportBehindItsRule)
{
    using R = ribbon::Rule;
    struct Case { const char* tab; const char* caption; const char* window; R rule; int bit; };
    const Case cases[] = {
        {"Relatórios 2", "Apura Resultado.", "TFormApura", R::Supervisor, 0},
        {"Relatórios 1", "Saida por cliente", "TFormFicCli", R::Prompt, 64},
        {"Relatórios 2", "Rel. saida p/Fornecedor", "TFormEstFor", R::Free, 0},
        {"Relatórios 2", "Rel. saida p/Clientes", "TFormBalCli", R::Free, 0},
        {"Relatórios 2", "Rel. Produtos mais vendidos", "TFormRelSaiABC", R::Free, 0},
        {"Relatórios 2", "Kits mais Vendidos", "TFormKitVend", R::Free, 0},
        {"Relatórios 1", "Relatório Despesas", "TFormRelDesp", R::Free, 0},
        {"Relatórios 1", "Rel. Taxa de Serviço", "TFormComissao", R::Supervisor, 0},
        {"Relatórios 1", "Relatório Couver", "TFormRelCou", R::Supervisor, 0},
        {"Relatórios 1", "Rel. Abertura de Caixa", "TFormListAber", R::Current, 16},
        {"Relatórios 1", "Relatório Sangria Reforço", "TFormListSang", R::Current, 16},
        {"Relatórios 2", "Prod Vendidos Garçom", "TFormVendGarcom", R::Free, 0},
        {"Relatórios 1", "Rel Vendas p/Garcom", "TFormRelVenGar", R::Free, 0},
        {"C. Receber", "Listagem Debitos Clientes", "TFormRelBaixa", R::Current, 4},
        {"C. Receber", "Listagem C/C Clientes", "TFormRelEmi", R::Current, 4},
        {"C. Receber", "List. vendas c/prod p/clientes", "TFormDeb", R::Free, 0},
    };
    // The rules as the ribbon holds them.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_TRUE(windows::isRegistered(S(c.window)));
        bool found = false;
        for (const ribbon::Button& b : ribbon::buttons())
            if (S(b.caption) == S(c.caption) && S(b.tab) == S(c.tab)) {
                found = true;
                EXPECT_EQ(S(b.opens), S(c.window));
                EXPECT_EQ(b.rule, c.rule);
                EXPECT_EQ(b.bit, c.bit);
            }
        EXPECT_TRUE(found);
    }

    // A supervisor with every right opens each one; a user without rights only the free ones.
    st.addUser(S("DONO"), S("1"), S("S"), 64 | 16 | 4 | 8 | 1 | 2);
    st.addUser(S("GARCOM"), S("1"), S("N"), 0);
    for (const char* user : {"DONO", "GARCOM"}) {
        SCOPED_TRACE(user);
        ctx::resetAll();
        answerLogin(ui, S(user), S("1"));
        TPrincipal w(l());
        ASSERT_TRUE(w.FormCreate());
        const bool owner = S(user) == S("DONO");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.caption);
            ui.windowsShown.clear();
            ui.messages.clear();
            if (c.rule == R::Prompt)
                answerSupervisorPrompt(ui, S(user), S("1"));
            w.clickButton(S(c.tab), S(c.caption));
            const bool opens = owner || c.rule == R::Free;
            EXPECT_EQ(ui.windowsShown.contains(S(c.window)), opens) << ui.windowsShown.join(',').toStdString();
            if (!opens) {
                EXPECT_EQ(ui.messageTexts(), QStringList{ribbon::refusal});
            }
        }
    }
}

TEST_F(ReportWindows, EveryReportWindowFitsA1366By768ScreenInEveryState)
{
    const ProgramStyle style;
    l().run(S("update clientes set nome = 'UM NOME DE CLIENTE BEM COMPRIDO DE 40 L' where codigo = 35"));
    {
        TFormApura w(l());
        checkFits(w, S("TFormApura"));
    }
    {
        TFormFicCli w(l());
        checkFits(w, S("TFormFicCli"));
        w.setCustomer(S("35"));
        w.leaveCustomer();
        EXPECT_EQ(w.customerName(), S("UM NOME DE CLIENTE BEM COMPRIDO DE 40 L"));
        checkFits(w, S("TFormFicCli-cliente"));
    }
    {
        TFormEstFor w(l());
        checkFits(w, S("TFormEstFor"));
    }
    {
        TFormBalCli w(l());
        checkFits(w, S("TFormBalCli"));
    }
    {
        TFormRelSaiABC w(l());
        checkFits(w, S("TFormRelSaiABC"));
    }
    {
        TFormKitVend w(l());
        checkFits(w, S("TFormKitVend"));
    }
    {
        TFormRelDesp w(l());
        checkFits(w, S("TFormRelDesp"));
    }
    {
        TFormComissao w(l());
        checkFits(w, S("TFormComissao"));
    }
    {
        TFormRelCou w(l());
        checkFits(w, S("TFormRelCou"));
    }
    {
        TFormListAber w(l());
        checkFits(w, S("TFormListAber"));
    }
    {
        TFormListSang w(l());
        checkFits(w, S("TFormListSang"));
    }
    {
        TFormVendGarcom w(l());
        checkFits(w, S("TFormVendGarcom"));
    }
    {
        TFormRelVenGar w(l());
        checkFits(w, S("TFormRelVenGar"));
    }
    {
        TFormRelBaixa w(l());
        checkFits(w, S("TFormRelBaixa"));
    }
    {
        TFormRelEmi w(l());
        w.setCode(S("35"));
        w.leaveCode();
        EXPECT_EQ(w.customerName(), S("UM NOME DE CLIENTE BEM COMPRIDO DE 40 L"));
        checkFits(w, S("TFormRelEmi"));
    }
    {
        TFormDeb w(l());
        w.setCode(S("35"));
        w.leaveCode();
        EXPECT_EQ(w.customerLabel(), S("Cliente: UM NOME DE CLIENTE BEM COMPRIDO DE 40 L"));
        checkFits(w, S("TFormDeb"));
    }
}

TEST_F(ReportWindows, CashRangeWindowsAnswerHostileNumbersWithAMessage)
{
    TFormApura apura(l());
    TFormRelDesp expenses(l());
    TFormComissao fees(l());
    TFormRelCou couvert(l());
    TFormListAber openings(l());
    TFormListSang withdrawals(l());
    for (const char* bad : kHostile) {
        SCOPED_TRACE(bad);
        apura.setRange(S("1"), S(bad));
        apura.print();
        expenses.setRange(S(bad), S("1"));
        expenses.print();
        fees.setRange(S(bad), S("1"));
        fees.print();
        couvert.setRange(S("1"), S(bad));
        couvert.print();
        openings.setRange(S(bad), S(bad));
        openings.print();
        withdrawals.setRange(S("1"), S(bad));
        withdrawals.print();
        EXPECT_EQ(messages(), QStringList(6, kInvalidCash));
    }
    EXPECT_TRUE(ui.windowsShown.isEmpty());
    // The result report's waiter typed over counts every waiter; a range backwards prints empty.
    apura.setRange(S("9"), S("1"));
    apura.setWaiterText(S("'; drop table estfic; --"));
    apura.print();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormVisaoRelatorio")});
    EXPECT_EQ(apura.result(), QDialog::Accepted);

    // The good ones: the roll in the preview, or the page.
    ui.windowsShown.clear();
    for (bool a4 : {false, true}) {
        expenses.choosePageReport(a4);
        fees.choosePageReport(a4);
        couvert.choosePageReport(a4);
        openings.choosePageReport(a4);
        withdrawals.choosePageReport(a4);
        for (auto* w : std::initializer_list<QDialog*>{&expenses, &fees, &couvert, &openings, &withdrawals}) {
            w->setResult(0);
            w->findChild<QLineEdit*>(S("firstShiftEdit"))->setText(S("1"));
            w->findChild<QLineEdit*>(S("lastShiftEdit"))->setText(S("1"));
        }
        expenses.print();
        fees.print();
        couvert.print();
        openings.print();
        withdrawals.print();
        EXPECT_EQ(ui.windowsShown, QStringList(5, a4 ? S("TFormVisaoRelatorio") : S("TFormVisao")));
        EXPECT_EQ(withdrawals.result(), QDialog::Accepted) << "the window closes after printing";
        ui.windowsShown.clear();
    }
    EXPECT_TRUE(messages().isEmpty());
    // A waiter list without waiters: a message.
    l().run(S("delete from vendedor"));
    TFormComissao noWaiters(l());
    noWaiters.setRange(S("1"), S("1"));
    noWaiters.print();
    EXPECT_EQ(messages(), QStringList{S(" Erro no Preenchimento  ")});
}

TEST_F(ReportWindows, PeriodWindowsAnswerHostileDatesAndListsWithAMessage)
{
    seeds::addSupplier(l(), 3, S("DISTRIBUIDORA"));
    TFormEstFor supplier(l());
    TFormBalCli customer(l());
    TFormRelSaiABC ranking(l());
    TFormKitVend kits(l());
    TFormDeb sales(l());
    // The presets: the first of the month to today.
    EXPECT_EQ(ranking.firstDay(), QDate::currentDate().toString(S("01/MM/yy")));
    EXPECT_EQ(ranking.lastDay(), QDate::currentDate().toString(S("dd/MM/yy")));
    for (const char* bad : {"", "99/99/99", "31/02/26", "ab/cd/ef", "  /  /  "}) {
        SCOPED_TRACE(bad);
        supplier.setPeriod(S(bad), S("31/03/26"));
        supplier.print();
        customer.setPeriod(S("01/03/26"), S(bad));
        customer.print();
        ranking.setPeriod(S(bad), S("31/03/26"));
        ranking.print();
        kits.setPeriod(S("01/03/26"), S(bad));
        kits.print();
        sales.setPeriod(S(bad), S(bad));
        sales.print();
        const QStringList m = messages();
        ASSERT_EQ(m.size(), 5);
        for (const QString& text : m)
            EXPECT_TRUE(text.startsWith(S("Erro em uma das datas"))) << text.toStdString();
    }
    EXPECT_TRUE(ui.windowsShown.isEmpty());
    // A waiter typed over in the ranking.
    ranking.setPeriod(S("01/03/26"), S("31/03/26"));
    ranking.setWaiterText(S("CARLOS"));
    ranking.print();
    EXPECT_EQ(messages(), QStringList{S(" Erro no Preenchimento  ")});
    // Good values: each report previewed.
    ranking.setWaiterText(S("00004 CARLOS"));
    ranking.print();
    supplier.setPeriod(S("01/03/26"), S("31/03/26"));
    supplier.print();
    customer.setPeriod(S("01/03/26"), S("31/03/26"));
    customer.chooseCustomer(1);
    customer.chooseValuation(2);
    customer.print();
    kits.setPeriod(S("01/03/26"), S("31/03/26"));
    kits.print();
    sales.setCode(S("35 or 1=1"));
    sales.setPeriod(S("01/03/26"), S("31/03/26"));
    sales.print();
    EXPECT_EQ(sales.code(), S("0")) << "a code that is no number is customer 0";
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui.windowsShown, QStringList(5, S("TFormVisaoRelatorio")));
    // No supplier to choose: a message.
    l().run(S("delete from fornecedor"));
    TFormEstFor none(l());
    none.print();
    EXPECT_EQ(messages(), QStringList{S("        Fornecedor não Localizado          ")});
}

TEST_F(ReportWindows, CustomerWindowsAnswerUnknownAndHostileCodes)
{
    TFormFicCli movement(l());
    TFormRelEmi statement(l());
    for (const char* bad : {"99", "abc", "35'; --", "1e20", "😀", "99999999999"}) {
        SCOPED_TRACE(bad);
        movement.setCustomer(S(bad));
        movement.leaveCustomer();
        EXPECT_EQ(messages(), QStringList{S("       Cliente não Localizado        ")});
        EXPECT_EQ(movement.customerName(), S("*"));
        statement.setCode(S(bad));
        statement.leaveCode();
        EXPECT_EQ(messages(), QStringList{S("|      Não Localizado       |")});
    }
    // Printing a code that is no number: the movement refuses, the statement prints for 0
    // with the message and without lines, then closes.
    movement.setCustomer(S("abc"));
    movement.setRange(S("x"), S("1"));
    movement.print();
    EXPECT_EQ(messages(), QStringList{S("       Cliente não Localizado        ")});
    EXPECT_EQ(movement.firstShift(), S("0"));
    EXPECT_EQ(movement.lastShift(), S("0"));
    statement.setCode(S("abc"));
    statement.print();
    EXPECT_EQ(messages(), QStringList{S("         Cliente não Cadastrado            ")});
    EXPECT_EQ(statement.code(), S("0"));
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormVisaoRelatorio")});
    EXPECT_EQ(statement.result(), QDialog::Accepted);

    // The movement of a known customer stays open for another report.
    movement.setCustomer(S("35"));
    movement.setRange(S("1"), S("1"));
    movement.setAnalytic(true);
    movement.print();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui.windowsShown.size(), 2);
    EXPECT_EQ(movement.result(), 0);

    // The sales window: an empty code closes it after the message.
    TFormDeb sales(l());
    sales.show();
    sales.setCode(QString());
    sales.leaveCode();
    EXPECT_EQ(messages(), QStringList{S("|      Não Localizado       |")});
    EXPECT_EQ(sales.result(), QDialog::Rejected);
    EXPECT_FALSE(sales.isVisible());

    // The debt list: previewed, the window closing after.
    TFormRelBaixa debts(l());
    debts.print();
    EXPECT_EQ(ui.windowsShown.last(), S("TFormVisaoRelatorio"));
    EXPECT_EQ(debts.result(), QDialog::Accepted);
}

TEST_F(ReportWindows, WaiterWindowsNormaliseTheirFieldsAndRefuseABackwardsRange)
{
    seeds::setup(st, {{15, S("Visualizar")}});
    TFormRelVenGar w(l());
    EXPECT_EQ(w.waiters(), QStringList{S("004 CARLOS")});
    struct Case { const char* first; const char* last; const char* product; const char* first2; const char* last2;
                  const char* product2; QStringList message; };
    const QStringList backwards{S(" Data final menor que data inicial  ")};
    const Case cases[] = {
        {"abc", "1", "abc", "0", "1", "abc", {}},
        {"1", "0", "1", "1", "0", "000001", backwards},
        {"1e20", "-1", "'; --", "0", "0", "'; --", {}},
        {"2", "1", "😀", "2", "1", "😀", backwards},
        {" 1 ", "1", "7891234567890", "1", "1", "7891234567890", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        w.setRange(S(c.first), S(c.last));
        w.setProduct(S(c.product));
        w.confirm();
        EXPECT_EQ(messages(), c.message);
        EXPECT_EQ(w.firstShift(), S(c.first2));
        EXPECT_EQ(w.lastShift(), S(c.last2));
        EXPECT_EQ(w.product(), S(c.product2));
        EXPECT_TRUE(w.confirmEnabled());
    }
    EXPECT_EQ(ui.windowsShown, QStringList(3, S("TFormVisao")));
    // A waiter typed over: waiter 0.
    w.setWaiterText(S("X'; --"));
    w.setRange(S("1"), S("1"));
    w.confirm();
    EXPECT_TRUE(messages().isEmpty());

    // Products per waiter: the last shift opened, the first waiter and group by name.
    ui.windowsShown.clear();
    TFormVendGarcom products(l());
    EXPECT_EQ(products.waiters(), (QStringList{S("00000 - Todos"), S("00004 - CARLOS")}));
    EXPECT_EQ(products.groups(), (QStringList{S("0000 - Todos"), S("0001 - BEBIDAS"), S("0003 - PIZZAS"),
                                              S("0002 - PORCOES")}));
    EXPECT_EQ(products.shiftList(), QStringList{S("14/03/26  Caixa 1")});
    products.print();
    products.chooseWaiter(0);
    products.chooseGroup(0);
    products.print();
    EXPECT_EQ(ui.windowsShown, QStringList(2, S("TFormVisao")));
    EXPECT_TRUE(messages().isEmpty());
    // Without any shift: a message.
    l().run(S("delete from contdata"));
    TFormVendGarcom noShift(l());
    noShift.print();
    EXPECT_EQ(messages(), QStringList{S(" Erro no Preenchimento  ")});
}

TEST_F(ReportWindows, ThePickerFillsACashFieldOrSaysNothingWasChosenAndEnterMovesOn)
{
    TFormListAber w(l());
    w.show();
    w.setRange(S("7"), S("9"));
    auto* pickFirst = w.findChild<QAbstractButton*>(S("pickFirstButton"));
    auto* pickLast = w.findChild<QAbstractButton*>(S("pickLastButton"));
    // Closed without a choice: the field keeps its number, and the user is told.
    ui.onWindow(S("TFormVerCaixa"), [](QDialog&) { return int(QDialog::Rejected); });
    pickFirst->click();
    EXPECT_EQ(w.firstShift(), S("7"));
    EXPECT_EQ(messages(), QStringList{kInvalidCash});
    // A shift chosen (the newest is the first row).
    ui.onWindow(S("TFormVerCaixa"), [](QDialog& d) {
        d.show();
        auto* list = d.findChild<QAbstractItemView*>(S("shiftList"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        return d.result();
    });
    pickLast->click();
    EXPECT_EQ(w.lastShift(), QString::number(shift.cash));
    EXPECT_TRUE(messages().isEmpty());

    // Enter moves from the first number to the last and on to the print button; in the
    // customer outflow, from the customer list to the print button.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* first = w.findChild<QLineEdit*>(S("firstShiftEdit"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.findChild<QLineEdit*>(S("lastShiftEdit")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.findChild<QAbstractButton*>(S("printButton")));
    w.hide();
    TFormBalCli customer(l());
    customer.show();
    customer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&customer));
    auto* list = customer.findChild<QComboBox*>(S("customerCombo"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), customer.findChild<QAbstractButton*>(S("printButton")));
    EXPECT_TRUE(ui.windowsShown.endsWith(S("TFormVerCaixa")));
}
