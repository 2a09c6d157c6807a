// A cashier at the counter: three items by keys and touch, the payment panel with
// two methods, F7; and what the page refuses.
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "KeyboardUse.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "sales/CounterPage.h"
#include "sales/UnitBalcao.h"
#include "printing/RawPrinterPort.h"

#include <QCheckBox>
#include <QFile>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(c) << name;
    return c;
}

QToolButton* button(QWidget& w, const char* area, const QString& caption)
{
    for (QToolButton* b : child<QScrollArea>(w, area)->widget()->findChildren<QToolButton*>())
        if (QString(b->text()).remove(QLatin1Char('\n')).remove(QLatin1Char(' ')) == QString(caption).remove(QLatin1Char(' ')))
            return b;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

class CounterPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx::resetAll();
        st.openCashShift(9);
        ctx::sales().CashShiftNumber = 9;
        ctx::op().LoginRights = 32;
        st.logon().run(S("insert into tipos (id, codigo, nome, ativo) values (1, 2, 'BEBIDAS', 'S')"));
        seeds::product(st.logon(), {S("000001"), S("CERVEJA"), Decimal(10), S("0"), 2});
        seeds::product(st.logon(), {S("000002"), S("REFRIGERANTE"), Decimal(6), S("0"), 2});
        seeds::product(st.logon(), {S("000003"), S("AGUA"), Decimal(4), S("0"), 2});
        seeds::addPaymentMethod(st.logon(), 2, S("Cartao"), S("N"));
    }
    TestStation st;
    ScriptedDialogs script;
};

} // namespace

TEST_F(CounterPageTest, ThreeItemsByKeysAndTouchClosedWithTwoMethods)
{
    CounterPage page(st.logon());
    page.resize(1366, 700);
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));

    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    auto* quantity = child<QLineEdit>(page, "counterQuantityEdit");
    // By keys: code, Enter through the fields; the price field is closed, so the kitchen field confirms.
    code->setFocus();
    QTest::keyClicks(code, S("1"));
    QTest::keyClick(code, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // complement
    ASSERT_EQ(QApplication::focusWidget(), quantity);
    quantity->selectAll();
    QTest::keyClicks(quantity, S("2"));
    QTest::keyClick(quantity, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // kitchen: confirms
    EXPECT_EQ(page.sale().items().size(), 1u);
    // By touch: the group, the product, F4.
    QTest::mouseClick(button(page, "counterGroupsArea", S("BEBIDAS")), Qt::LeftButton);
    QToolButton* drink = button(page, "counterProductsArea", S("REFRIGERANTE"));
    ASSERT_TRUE(drink);
    QTest::mouseClick(drink, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    // A code typed and F4 at once.
    code->setFocus();
    QTest::keyClicks(code, S("3"));
    QTest::keyClick(code, Qt::Key_F4);
    ASSERT_EQ(page.sale().items().size(), 3u);
    EXPECT_EQ(page.sale().items()[0].code, S("000002"));   // B, C, A
    EXPECT_EQ(page.sale().items()[2].code, S("000001"));
    EXPECT_EQ(page.totalText().trimmed(), S("30,00"));

    // F7 before the panel does nothing.
    QTest::keyClick(code, Qt::Key_F7);
    EXPECT_EQ(st.count(S("select count(*) from FATURA")), 0);

    QTest::keyClick(code, Qt::Key_F9);
    ASSERT_TRUE(page.paymentShown());
    auto* methods = child<QComboBox>(page, "counterMethodBox");
    auto* amount = child<QLineEdit>(page, "counterAmountEdit");
    methods->setCurrentIndex(0);
    amount->setText(S("10"));
    QTest::keyClick(amount, Qt::Key_Return);
    methods->setCurrentIndex(1);
    amount->setText(S("25"));
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(page, "counterBalanceWordLabel")->text(), S("Troco"));
    QTest::keyClick(amount, Qt::Key_F7);

    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join(S("|")).toStdString();
    EXPECT_EQ(st.count(S("select count(*) from FATURA where TIPO = 2")), 1);
    EXPECT_EQ(st.count(S("select count(*) from RECARQ")), 3);   // cash, card, change
    EXPECT_EQ(st.count(S("select count(*) from ESTFIC")), 3);
    EXPECT_FALSE(page.paymentShown());
    EXPECT_TRUE(page.sale().empty());
    EXPECT_EQ(page.totalText().trimmed(), S("0,00"));
    EXPECT_TRUE(page.saleKey().startsWith(S("AV")));
}

TEST_F(CounterPageTest, AScaleLabelShowsItsQuantityPaddedToEightAndSellsIt)
{
    CounterPage page(st.logon());
    page.show();
    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    auto* quantity = child<QLineEdit>(page, "counterQuantityEdit");
    code->setText(S("2000100012509"));   // product 0001 at 10,00, 12,50 to charge
    page.codeLeft();
    EXPECT_EQ(code->text(), S("000001"));
    EXPECT_EQ(quantity->text(), S("   1,250"));
    page.confirmItem();
    ASSERT_EQ(page.sale().items().size(), 1u);
    EXPECT_EQ(page.sale().items()[0].quantity, *Decimal::parse(u"1,25"));
    EXPECT_EQ(page.totalText().trimmed(), S("12,50"));
}

TEST_F(CounterPageTest, HostileEntriesAddNothingAndSayWhy)
{
    CounterPage page(st.logon());
    page.show();
    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    auto* quantity = child<QLineEdit>(page, "counterQuantityEdit");
    struct Case { const char* code; const char* quantity; const char* message; };
    const Case cases[] = {
        {"'", "1", "Produto não Localizado"},
        {"1' or '1'='1", "1", "Produto não Localizado"},
        {"😀", "1", "Produto não Localizado"},
        {"*99", "1", "Prato não Localizado"},
        {"1", "abc", "Valor Invalido"},
        {"1", "1e20", "Valor Invalido"},
        {"1", "-3", "Valor Invalido"},
        {"XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "1", "Produto não Localizado"},
    };
    for (const Case& c : cases) {
        script.messages.clear();
        code->setText(S(c.code));
        quantity->setText(S(c.quantity));
        page.confirmItem();
        EXPECT_TRUE(page.sale().empty()) << c.code;
        ASSERT_FALSE(script.messages.empty()) << c.code;
        EXPECT_TRUE(script.messages.back().text.contains(S(c.message))) << c.code << " "
                                                                          << script.messages.back().text.toStdString();
    }
    // The cash closed: no item, the panel stays shut.
    ctx::sales().CashShiftNumber = 0;
    code->setText(S("1"));
    page.confirmItem();
    page.openPayment();
    EXPECT_EQ(script.messages.back().text, S(" Caixa Fechado   "));
    EXPECT_FALSE(page.paymentShown());
    // Without the cash rights the panel does not open.
    ctx::sales().CashShiftNumber = 9;
    ctx::op().LoginRights = 0;
    page.openPayment();
    EXPECT_EQ(script.messages.back().text, S("  Função não autorizada...  "));
    EXPECT_FALSE(page.paymentShown());
}

TEST_F(CounterPageTest, ABlockedCustomerIsAWarningAndStaysChosen)
{
    st.logon().run(S("insert into CLIENTES (CODIGO, NOME, BLOQUEIO, LIMITE, FIDELIDADE) values (5, 'MARIA DA SILVA SOUZA', 'S', 0, 0)"));
    CounterPage page(st.logon());
    page.show();
    page.openPayment();
    auto* customer = child<QLineEdit>(page, "counterCustomerCodeEdit");
    customer->setText(S("5"));
    page.customerLeft();
    EXPECT_EQ(script.messages.back().text, S("  Cliente Bloqueado para Venda Fiado   "));
    EXPECT_EQ(child<QLabel>(page, "counterCustomerNameLabel")->text(), S("MARIA DA SILVA "));
    EXPECT_EQ(customer->text(), S("5"));
    customer->setText(S("abc"));
    page.customerLeft();
    EXPECT_EQ(script.messages.back().text, S("    Cliente Não Localizado..       |"));
    EXPECT_EQ(customer->text(), S("1"));
}

TEST_F(CounterPageTest, ASizePriceAndOneSaleControlTicketPerUnit)
{
    st.logon().run(S("insert into MOEDA (MOEDA, LOCAL) values (1, 'FAMILIA')"));
    st.logon().run(S("insert into MOEDA (MOEDA, LOCAL) values (3, 'GRANDE')"));
    st.logon().run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, VGRANDE, VFAMILIA, CLAS) "
                     "values (50, '000050', 'PIZZA', 30, 40, 55, '0')"));
    // The tickets go to the first kitchen printer's destination and, on "Informa
    // porta", to the port of portas.INI line 0 (not the kitchen's line 2).
    const QString kitchenPort = seeds::portToFile(st, S("LPT8"), S("cozinha.txt"));
    const QString port = seeds::portToFile(st, S("LPT9"), S("ticks.txt"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT9=") + port, S("LPT8=") + kitchenPort});
    seeds::setup(st, {{9, S("0")}, {13, S("Informa porta")}});
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT9"), S("LPT1"), S("LPT8")});
    CounterPage page(st.logon());
    page.show();
    child<QCheckBox>(page, "counterTicketsBox")->setChecked(true);
    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    code->setText(S("50"));
    page.codeLeft();
    auto* sizes = child<QComboBox>(page, "counterSizeBox");
    ASSERT_TRUE(sizes->isVisibleTo(&page));
    sizes->setCurrentIndex(1);
    emit sizes->activated(1);
    EXPECT_EQ(child<QLineEdit>(page, "counterPriceEdit")->text(), S("40,00"));
    child<QLineEdit>(page, "counterQuantityEdit")->setText(S("2,5"));
    page.confirmItem();
    ASSERT_EQ(page.sale().items().size(), 1u);
    EXPECT_EQ(page.sale().items()[0].name, S("GRANDE-PIZZA"));
    EXPECT_EQ(page.sale().items()[0].price, Decimal(40));
    ClosePrinterPort();
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("CONTROLE VENDA"), 3);   // 2,5 rounds to 3 tickets
    QFile kitchen(kitchenPort);
    EXPECT_TRUE(!kitchen.open(QIODevice::ReadOnly) || kitchen.readAll().isEmpty());
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join(S("|")).toStdString();
    EXPECT_TRUE(script.messages.empty());

    // Fifty tickets print at once; fifty-one only when the cashier says so.
    const auto ticketsFor = [&](const char* quantity, const QStringList& answers) {
        f.close();
        f.resize(0);
        script.messages.clear();
        script.answerMessages(answers);
        code->setText(S("1"));
        page.codeLeft();
        child<QLineEdit>(page, "counterQuantityEdit")->setText(S(quantity));
        page.confirmItem();
        ClosePrinterPort();
        f.open(QIODevice::ReadOnly);
        return int(f.readAll().count("CONTROLE VENDA"));
    };
    EXPECT_EQ(ticketsFor("50", {}), 50);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(ticketsFor("51", {S("N")}), 0);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, S("Deseja imprimir 51 tickets de controle ?"));
    EXPECT_EQ(script.messages[0].buttons, S("2"));
    EXPECT_EQ(ticketsFor("51", {S("S")}), 51);
    EXPECT_EQ(page.sale().items().size(), 4u) << "the item is sold whatever the answer";
    EXPECT_TRUE(QFile::exists(st.root() + S("/programa/geratiks.ini")));
}

TEST_F(CounterPageTest, TheSalesScreenHostsTheCounterPageOnItsCounterTab)
{
    TFormBalcao w(st.logon());
    auto* page = w.findChild<CounterPage*>();
    ASSERT_TRUE(page);
    auto* tab = w.findChild<QWidget*>(S("counterPage"));
    ASSERT_TRUE(tab);
    EXPECT_TRUE(tab->isAncestorOf(page));
}

TEST_F(CounterPageTest, DeletingWithoutAPromptWhenTheOptionSaysSoAndHostilePanelValues)
{
    ctx::sales().ItemOptions = 1;   // deleting an item asks no supervisor
    CounterPage page(st.logon());
    page.show();
    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    for (const char* c : {"1", "2"}) {
        code->setText(S(c));
        page.confirmItem();
    }
    ASSERT_EQ(page.sale().items().size(), 2u);
    script.answerMessages({S("N"), S("S")});
    page.deleteItem();   // "Não": nothing deleted
    EXPECT_EQ(page.sale().items().size(), 2u);
    page.deleteItem();   // the last row: the first item
    ASSERT_EQ(page.sale().items().size(), 1u);
    EXPECT_EQ(page.sale().items()[0].code, S("000002"));
    EXPECT_EQ(page.totalText().trimmed(), S("6,00"));

    page.openPayment();
    auto* discount = child<QLineEdit>(page, "counterDiscountEdit");
    auto* amount = child<QLineEdit>(page, "counterAmountEdit");
    for (const char* hostile : {"abc", "1e20", "-50", "' or 1=1", "😀"}) {
        discount->setText(S(hostile));
        amount->setText(S(hostile));
        page.recordPayment();
        EXPECT_EQ(page.sale().paid(), Decimal()) << hostile;
    }
    discount->setText(S("1e20"));
    amount->setText(S("6"));
    page.recordPayment();
    script.messages.clear();
    page.closeSale();   // the discount that is not a number counts 0: 6,00 paid for 6,00
    EXPECT_EQ(st.count(S("select count(*) from FATURA")), 1);
    EXPECT_EQ(st.count(S("select count(*) from SERVICO")), 0);
    EXPECT_TRUE(script.errors.isEmpty());
}

// The payment code left by Tab or the mouse is the method booked, as by Enter: the
// list shows the code's method; a code that no method has shows the list's method
// again. What the panel shows is what is booked.
TEST_F(CounterPageTest, APaymentCodeLeftByTabOrTheMouseIsTheMethodBooked)
{
    using namespace keyboard;
    CounterPage page(st.logon());
    page.resize(1366, 700);
    ASSERT_TRUE(showActive(page));
    auto* code = child<QLineEdit>(page, "counterCodeEdit");
    auto* methodCode = child<QLineEdit>(page, "counterMethodCodeEdit");
    auto* methods = child<QComboBox>(page, "counterMethodBox");
    auto* amount = child<QLineEdit>(page, "counterAmountEdit");
    code->setFocus(Qt::TabFocusReason);
    type(S("1"));
    press(Qt::Key_F4);
    press(Qt::Key_F9);
    ASSERT_TRUE(page.paymentShown());
    ASSERT_EQ(methods->currentText(), S("Dinheiro"));

    methodCode->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("2"));
    press(Qt::Key_Tab);
    EXPECT_EQ(methods->currentText(), S("Cartao"));
    amount->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("4"));
    press(Qt::Key_Return);
    EXPECT_EQ(page.sale().methods()[0].amount, Decimal());
    EXPECT_EQ(page.sale().methods()[1].amount, Decimal(4));

    // a code of no method, left by the mouse: the list's method shows and is booked
    ASSERT_EQ(QApplication::focusWidget(), methodCode);
    type(S("9"));
    QTest::mouseClick(amount, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), amount);
    EXPECT_EQ(methodCode->text(), S("2"));
    EXPECT_EQ(methods->currentText(), S("Cartao"));
    selectAllAndType(S("6"));
    press(Qt::Key_Return);
    EXPECT_EQ(page.sale().methods()[0].amount, Decimal());
    EXPECT_EQ(page.sale().methods()[1].amount, Decimal(6));
}
