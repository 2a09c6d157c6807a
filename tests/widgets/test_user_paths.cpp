// The back office's entry windows as a new user drives them from the keyboard:
// real key and focus events to the focused control of a shown, active window. Enter
// moves along the fields and ends on the window's confirm button, which Enter
// presses; what is typed and left by Enter is looked up once.
#include "CashOfficeSeeds.h"
#include "KeyboardUse.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "core/EntryGuard.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/UnitEntCom.h"
#include "delivery/UnitVenDiaDely.h"
#include "delivery/UnitVerCliente.h"
#include "cashoffice/CustomerAccount.h"
#include "cashoffice/UnitCadDup.h"
#include "finance/StaffVouchers.h"
#include "finance/UnitDebCreFunc.h"
#include "labels/UnitMalaDir.h"
#include "finance/UnitRelEmiX.h"
#include "registers/PickList.h"
#include "shell/WindowRegistry.h"
#include "stock/UnitAltLan.h"
#include "stock/UnitAltLan2.h"
#include "stock/UnitBalMen.h"
#include "stock/UnitEstMin.h"
#include "stock/UnitNFEntrada.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

using seeds::D;
using namespace keyboard;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// Enter, once per name, moves the focus to each of the named controls in turn.
void enterGoesThrough(const QStringList& names)
{
    for (const QString& name : names) {
        press(Qt::Key_Return);
        EXPECT_EQ(focusedName(), name);
    }
}

} // namespace

// "Controle C. Receber": the customer's code, the date, "Cupom/Serv", "Historico",
// "D/C", "LV" and "Valor" by Enter alone, and Enter on "F7/Con&firmar" records the
// debit; after it the date takes the focus and Enter goes on from there. An unknown
// code left by Enter is said once.
TEST(UserPaths, ACustomerAccountEntryIsTypedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::sellAShift(st);
    TFormCadDup w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("codeEdit"));

    typeAndEnter(S("777"));
    EXPECT_EQ(d.messageTexts(), QStringList{accountmsg::customerNotFound}) << "said once";
    EXPECT_EQ(focusedName(), S("codeEdit"));
    d.messages.clear();

    selectAllAndType(S("35"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("dateEdit"));
    EXPECT_EQ(w.customerName(), S("JOAO DA SILVA"));
    const int lines = w.lineCount();
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("saleEdit"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("historyEdit"));
    typeAndEnter(S("vale"));
    EXPECT_EQ(focusedName(), S("kindCombo"));
    press(Qt::Key_Up);   // "D"
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("releaseEdit"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("amountEdit"));
    typeAndEnter(S("12,50"));
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
    EXPECT_EQ(st.count(S("select count(*) from RECARQ where CODIGO = 35 and VALOR = 12.5 and NOME = 'VALE'")), 1);
    EXPECT_EQ(w.lineCount(), lines + 1);
    EXPECT_EQ(focusedName(), S("dateEdit"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("saleEdit")) << "the next entry goes on from the date";
}

// "Alterar Lançamento": the product's code, the two dates of the period by Enter,
// and Enter on "&Confirma" lists the product's rows of the period.
TEST(UserPaths, ALedgerPeriodIsTypedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    seeds::addLedgerRow(st.logon(), S("000001"), QDate(2026, 3, 1), D("24"), std::nullopt, S("COMPRA"));
    int listed = -1;
    d.onWindow(S("TFormAltLan2"), [&listed](QDialog& w) {
        listed = static_cast<TFormAltLan2&>(w).rowList()->count();
        return int(QDialog::Rejected);
    });
    TFormAltLan w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("codeEdit"));
    typeAndEnter(S("1"));
    EXPECT_EQ(focusedName(), S("fromEdit"));
    typeAndEnter(S("010326"));
    EXPECT_EQ(focusedName(), S("toEdit"));
    typeAndEnter(S("300326"));
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
    EXPECT_EQ(listed, 1) << "Enter on \"&Confirma\" lists the period's rows";
}

// "Dados do Cliente" while a delivery order is taken: the name and address typed
// stay through an Esc (only "Confirme" saves and the close box leaves), and Enter
// goes from field to field to "Confirme", which Enter presses.
TEST(UserPaths, EscapeDropsNothingTypedInTheDeliveryCustomersData)
{
    TestStation st;
    ScriptedDialogs d;
    st.logon().run(S("insert into CLIENTES (ID, CODIGO) values (GEN_ID(CLIENTE,1), 33334444)"));
    TFormVerCliente w(st.logon());
    w.setCustomer(*DeliveryCustomers(st.logon()).read(33334444));
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(QApplication::focusWidget(), w.field(TFormVerCliente::Name));
    typeAndEnter(S("maria das dores"));
    type(S("rua a, 10"));
    press(Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible()) << "Esc closed the window and dropped the name and address typed";
    EXPECT_EQ(w.field(TFormVerCliente::Address)->text(), S("RUA A, 10"));
    for (int field = 0; field < 5; ++field)   // Endereco, Bairro, Cidade, Estado, P. Referencia
        press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("noteEdit"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(st.count(S("select count(*) from CLIENTES where CODIGO = 33334444 and NOME = 'MARIA DAS DORES' "
                         "and ENDERECO = 'RUA A, 10'")), 1);
}

// A stock report whose only choice is the group ("Rel Estoque Minimo"): Enter in the
// group list moves to "&Imprimir", which Enter presses; with a period too ("Balancete
// Mensal") the group's Enter goes on to the period.
TEST(UserPaths, AGroupReportIsAskedForAndPrintedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    d.onWindow(S("TFormVisaoRelatorio"), [](QDialog&) { return int(QDialog::Accepted); });
    TFormEstMin w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("groupCombo"));
    enterGoesThrough({S("printButton")});
    press(Qt::Key_Return);
    EXPECT_EQ(d.windowsShown, QStringList{S("TFormVisaoRelatorio")});

    TFormBalMen balance(st.logon());
    ASSERT_TRUE(showActive(balance));
    EXPECT_EQ(focusedName(), S("firstEdit")) << "the period takes the focus first, as before";
    balance.findChild<QWidget*>(S("groupCombo"))->setFocus(Qt::BacktabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("firstEdit"));
}

// The mailing labels: Enter goes from the two sizes to the filter, and from the
// filter to "Confirmar" for all customers, or to the filter's value, then to
// "Confirmar".
TEST(UserPaths, TheMailingLabelsAreAskedForByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    TFormMalaDir w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("heightEdit"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    ASSERT_EQ(focusedName(), S("filterCombo"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("confirmButton")) << "all customers: Enter goes to \"Confirmar\"";
    w.findChild<QWidget*>(S("filterCombo"))->setFocus(Qt::BacktabFocusReason);
    press(Qt::Key_Down);   // "01 - Filtrar por aniversario"
    w.findChild<QWidget*>(S("filterCombo"))->setFocus(Qt::BacktabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("filterValueEdit"));
    EXPECT_TRUE(w.filterValueShown());
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("confirmButton"));
}

// "Entrada N. Fiscais": the items typed are kept in the window until they are
// processed; Esc with items listed asks before it drops them, "Não" closes nothing,
// and the keyboard goes on.
TEST(UserPaths, EscapeDropsNoItemOfAnEntryInvoiceInProgress)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    TFormNFEntrada w(st.logon());
    ASSERT_TRUE(showActive(w));
    w.field(S("product"))->setFocus(Qt::TabFocusReason);
    typeAndEnter(S("1"));
    EXPECT_EQ(focusedName(), S("quantityEdit"));
    typeAndEnter(S("24"));
    press(Qt::Key_Return);   // the cost as the product has it
    press(Qt::Key_Return);   // the price
    ASSERT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    ASSERT_EQ(w.itemList()->count(), 1);
    d.answerMessages({S("N")});
    press(Qt::Key_Escape);
    EXPECT_EQ(d.messageTexts(), QStringList{EntryGuard::question});
    EXPECT_TRUE(w.isVisible()) << "Esc closed the invoice and dropped its items";
    EXPECT_EQ(w.itemList()->count(), 1);
    d.messages.clear();

    // With nothing listed Esc closes it, as it did.
    TFormNFEntrada empty(st.logon());
    ASSERT_TRUE(showActive(empty));
    press(Qt::Key_Escape);
    EXPECT_FALSE(empty.isVisible());
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
}

// "Controle de vales": the employee, the date, the history, the amount and the
// movement by Enter alone, and Enter on "Confirmar" records the voucher.
TEST(UserPaths, AStaffVoucherIsTypedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addStaff(st.logon(), 5, S("ANA"));
    TFormDebCreFunc w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("staffCombo"));
    press(Qt::Key_Down);   // ANA
    enterGoesThrough({S("dateEdit"), S("historyEdit")});
    type(S("vale"));
    enterGoesThrough({S("amountEdit")});
    type(S("15,50"));
    enterGoesThrough({S("movementCombo"), S("confirmButton")});
    d.answerMessages({S("N")});
    press(Qt::Key_Return);
    EXPECT_EQ(d.messageTexts(), QStringList{StaffVoucherText::kPrintAsk});
    EXPECT_EQ(st.count(S("select count(*) from VALES where CODIGO = 5 and HISTORICO = 'VALE' and DEBITO = 15.5")), 1);
}

// The delivery desk's two reports: Enter goes through their lists to the button that
// prints, which Enter presses.
TEST(UserPaths, TheDeliveryReportsAreAskedForAndPrintedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    st.openCashShift(3);
    st.logon().run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 3, 'JOAO')"));

    TFormVenDiaDely sales(st.logon());
    ASSERT_TRUE(showActive(sales));
    ASSERT_EQ(focusedName(), S("shiftCombo"));
    enterGoesThrough({S("printButton")});
    press(Qt::Key_Return);
    EXPECT_FALSE(d.windowsShown.isEmpty()) << "Enter on \"Imprimir\" shows the report";

    d.windowsShown.clear();
    TFormEntCom commission(st.logon());
    ASSERT_TRUE(showActive(commission));
    ASSERT_EQ(focusedName(), S("manCombo"));
    enterGoesThrough({S("firstShiftCombo"), S("lastShiftCombo"), S("confirmButton")});
    press(Qt::Key_Return);
    EXPECT_FALSE(d.windowsShown.isEmpty()) << "Enter on \"&Confirmar\" shows the report";
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
}

// A payables listing ("Titulos Emitidos"): the supplier, the two dates of the period
// by Enter, and Enter on "&Imprimir" shows the listing.
TEST(UserPaths, APayablesListingIsAskedForAndPrintedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    d.onWindow(S("TFormVisaoRelatorio"), [](QDialog&) { return int(QDialog::Accepted); });
    TFormRelEmiX w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(focusedName(), S("supplierEdit"));
    type(S("0"));
    enterGoesThrough({S("startDate"), S("endDate"), S("printButton")});
    press(Qt::Key_Return);
    EXPECT_EQ(d.windowsShown, QStringList{S("TFormVisaoRelatorio")});
}

// The back office's report windows of lists and dates: from the first field, Enter
// goes field by field to the button that runs the report.
TEST(UserPaths, ReportWindowsOfListsAndDatesGoToTheirButtonByEnter)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addStaff(st.logon(), 5, S("ANA"));
    registerProgramWindows();
    const std::pair<const char*, QStringList> cases[] = {
        {"TFormValeFic", {S("staffCombo"), S("startDate"), S("printButton")}},
        {"TFormVendGarcom", {S("waiterCombo"), S("groupCombo"), S("firstShiftCombo"), S("lastShiftCombo"), S("printButton")}},
        {"TFormImp", {S("accountCombo"), S("startDate"), S("endDate"), S("printButton")}},
        {"TFormMedia", {S("startDate"), S("endDate"), S("generateButton")}},
    };
    for (const auto& [name, path] : cases) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> w = windows::create(S(name));
        ASSERT_TRUE(w);
        ASSERT_TRUE(showActive(*w));
        EXPECT_EQ(focusedName(), path.first());
        enterGoesThrough(path.mid(1));
        w->hide();
    }
}
