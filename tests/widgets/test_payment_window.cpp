// The payment window on a tab seeded by SQL: the bill it shows, the payment
// lines, the consumer rule, F11 closing the tab, refusals, and hostile values in
// every entry field leaving either a whole sale or nothing.
#include "ClosingSeeds.h"
#include "KeyboardUse.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/UnitFecCom.h"
#include "core/Globals.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <QTest>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QLineEdit* E(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name)); }
QLabel* L(QWidget& w, const char* name) { return w.findChild<QLabel*>(QString::fromLatin1(name)); }
const QString kTab = QStringLiteral("000012");

class PaymentWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(3);
        QStringList setup(23);
        setup[1] = S("10");
        setup[2] = S("2,50");
        setup[6] = S("N");
        st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        TLogon& l = st.logon();
        seeds::addPaymentMethod(l, 2, S("Cartao Credito"), S("S"));
        seeds::addPaymentMethod(l, 5, S("Fiado"), S("N"));
        seeds::addSaleCustomer(l, 35, S("MARIA DA SILVA"));
        seeds::addSaleCustomer(l, 36, S("JOSE BLOQUEADO"), S("S"));
        seeds::openTab(l, kTab, 1, 1, D("20"), S("01 Dinheiro"));
        l.run(S("update CABMESA set CLIMESA = 4"));
        seeds::addItem(l, kTab, S("000001"), S("CERVEJA"), D("10"), D("10"), 1);
        ctx::lookup().LookupCode = kTab;
    }
    std::unique_ptr<TFormFecCom> open()
    {
        auto w = std::make_unique<TFormFecCom>(st.logon());
        w->setTabCaption(kTab + S(" - CLIENTE CONSUMI"));
        return w;
    }
    void pay(TFormFecCom& w, const char* method, const char* amount)
    {
        ((w).findChild<QComboBox*>(S("paymentMethodCombo")))->setCurrentText(S(method));
        E(w, "paymentAmountEdit")->setText(S(amount));
        w.confirmPayment();
    }
    int sales() { return st.count(S("select count(*) from FATURA")); }
    int tabs() { return st.count(S("select count(*) from CABMESA")); }

    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(PaymentWindowTest, ShowsTheBillOfTheTab)
{
    auto w = open();
    // items 100, service 10, cover 4 x 2,50, advance 20: 100
    EXPECT_EQ(L(*w, "itemsTotalLabel")->text(), S("100,00"));
    EXPECT_EQ(E(*w, "serviceValueEdit")->text(), S("10,00"));
    EXPECT_EQ(L(*w, "coverTotalLabel")->text(), S("10,00"));
    EXPECT_EQ(E(*w, "advanceEdit")->text(), S("20,00"));
    EXPECT_EQ(L(*w, "amountDueLabel")->text(), S("100,00"));
    EXPECT_EQ(L(*w, "perPersonLabel")->text(), S("25,00"));
    EXPECT_EQ(L(*w, "balanceCaptionLabel")->text(), S("Falta"));
    EXPECT_EQ(E(*w, "paymentCodeEdit")->text(), S("01"));
    EXPECT_EQ(E(*w, "paymentAmountEdit")->text(), S("100,00"));
    // No delivery fee on the tab: the line shows 0,00.
    EXPECT_TRUE(L(*w, "deliveryFeeLabel")->isVisibleTo(w.get()));
    EXPECT_EQ(L(*w, "deliveryFeeLabel")->text(), S("0,00"));

    E(*w, "discountEdit")->setText(S("abc"));
    w->discountLeft();
    EXPECT_EQ(E(*w, "discountEdit")->text(), S("0"));
    E(*w, "personsEdit")->setText(S("dois"));
    w->personsLeft();
    EXPECT_EQ(E(*w, "personsEdit")->text(), S("1"));
    EXPECT_EQ(L(*w, "coverTotalLabel")->text(), S("2,50"));
    EXPECT_EQ(L(*w, "amountDueLabel")->text(), S("92,50"));
}

TEST_F(PaymentWindowTest, PaymentLinesReplaceAndTheConsumerMayNotBuyOnCredit)
{
    auto w = open();
    pay(*w, "Dinheiro", "50");
    pay(*w, "Dinheiro", "30");
    EXPECT_EQ(w->payments().paid(), D("30")) << "a second amount replaces the first";
    pay(*w, "Fiado", "70");
    EXPECT_EQ(ui.messageTexts().last(), S(" Forma de pagamento nao permitido para consumidor  "));
    EXPECT_EQ(w->payments().paid(), D("30"));
    E(*w, "customerCodeEdit")->setText(S("35"));
    w->customerLeft();
    EXPECT_EQ(L(*w, "customerNameLabel")->text(), S("MARIA DA SILVA"));
    pay(*w, "Fiado", "70");
    EXPECT_EQ(w->payments().paid(), D("100"));
    EXPECT_EQ(L(*w, "balanceCaptionLabel")->text(), S("Falta"));
    EXPECT_EQ(L(*w, "balanceLabel")->text(), S("0,00"));

    E(*w, "customerCodeEdit")->setText(S("36"));
    w->customerLeft();
    EXPECT_EQ(ui.messageTexts().last(), S("  Cliente Bloqueado para Venda Fiado   "));
    EXPECT_EQ(E(*w, "customerCodeEdit")->text(), S("36")) << "a warning: the customer stays";
    E(*w, "customerCodeEdit")->setText(S("999"));
    w->customerLeft();
    EXPECT_EQ(ui.messageTexts().last(), S("    Cliente Não Localizado..       |"));
    E(*w, "dueDateEdit")->setText(S("31/02/26"));
    w->dueDateLeft();
    EXPECT_EQ(ui.messageTexts().last(), S("|        Data Incorreta....       |"));
}

// The customer and the due date each put the focus back when they refuse. With both
// refusing, a focus change made by code runs the one being left, which takes the
// focus back; the other's check never runs inside it (it used to, each inside the
// other, until the stack ran out).
TEST_F(PaymentWindowTest, TheCustomerAndTheDueDateRefusingDoNotRunInsideEachOther)
{
    auto w = open();
    ASSERT_TRUE(keyboard::showActive(*w));
    QLineEdit* customer = E(*w, "customerCodeEdit");
    QLineEdit* dueDate = E(*w, "dueDateEdit");
    customer->setFocus(Qt::TabFocusReason);
    customer->setText(S("999"));
    dueDate->setText(S("31/02/26"));
    for (QLineEdit* to : {dueDate, E(*w, "discountEdit")}) {
        ui.messages.clear();
        to->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(QApplication::focusWidget(), customer);
        EXPECT_EQ(ui.messageTexts(), QStringList{S("    Cliente Não Localizado..       |")});
    }
    // the other way round
    customer->setText(S("35"));
    dueDate->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), dueDate);
    customer->setText(S("999"));
    ui.messages.clear();
    customer->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), dueDate);
    EXPECT_EQ(ui.messageTexts(), QStringList{S("|        Data Incorreta....       |")});
}

TEST_F(PaymentWindowTest, F11ClosesTheTabWithChangeOrRefusesWhatIsMissing)
{
    auto w = open();
    pay(*w, "Dinheiro", "60");
    w->payAndClose();
    EXPECT_EQ(ui.messageTexts().last(), S("  Faltando pagamento...   "));
    EXPECT_EQ(E(*w, "paymentAmountEdit")->text(), S("40,00"));
    EXPECT_EQ(sales(), 0);
    pay(*w, "Cartao Credito", "50");
    EXPECT_EQ(L(*w, "balanceCaptionLabel")->text(), S("Troco"));
    EXPECT_EQ(L(*w, "balanceLabel")->text(), S("10,00"));
    w->payAndClose();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(sales(), 1);
    EXPECT_EQ(tabs(), 0);
    EXPECT_EQ(decimalOf(st.scalar(S("select VALOR from RECARQ where DUPLICATA starting with '01-' and VALOR < 0"))),
              D("-10"));
}

TEST_F(PaymentWindowTest, ATabClosedElsewhereIsNotClosedTwice)
{
    auto w = open();
    pay(*w, "Dinheiro", "100");
    st.logon().run(S("delete from CABMESA"));
    w->payAndClose();
    EXPECT_EQ(ui.messageTexts().last(), S("|     Comanda não Localizada      |"));
    EXPECT_EQ(sales(), 0);
    EXPECT_NE(w->result(), QDialog::Accepted);
}

TEST_F(PaymentWindowTest, HostileValuesInEveryFieldLeaveAWholeSaleOrNothing)
{
    const QStringList hostile = {S("'; delete from MESA; --"), S("1' or '1'='1"), S("abc"), S("1e20"), S("-50"),
                                 S("99999999999999999999"), QString(300, QLatin1Char('9')), S("😀"), S(""), S("12,5.3")};
    const std::vector<std::pair<const char*, void (TFormFecCom::*)()>> fields = {
        {"servicePercentEdit", &TFormFecCom::servicePercentLeft},
        {"serviceValueEdit", &TFormFecCom::serviceValueLeft},
        {"personsEdit", &TFormFecCom::personsLeft},
        {"coverPerPersonEdit", &TFormFecCom::coverPerPersonLeft},
        {"discountEdit", &TFormFecCom::discountLeft},
        {"paymentAmountEdit", &TFormFecCom::confirmPayment},
        {"paymentCodeEdit", &TFormFecCom::paymentCodeLeft},
        {"customerCodeEdit", &TFormFecCom::customerLeft},
        {"daysEdit", &TFormFecCom::daysLeft},
    };
    int run = 0;
    for (const auto& [field, left] : fields) {
        for (const QString& value : hostile) {
            SCOPED_TRACE(QStringLiteral("field %1 value %2").arg(run % int(fields.size())).arg(value).toStdString());
            // a fresh tab each time
            st.logon().run(S("delete from CABMESA"));
            st.logon().run(S("delete from MESA"));
            seeds::openTab(st.logon(), kTab, 1, 1, D("20"), S("01 Dinheiro"));
            seeds::addItem(st.logon(), kTab, S("000001"), S("CERVEJA"), D("10"), D("10"), 1);
            const int salesBefore = sales();
            auto w = open();
            E(*w, field)->setText(value);
            ((*w).*left)();
            EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("|")).toStdString();
            // whatever the field became, the bill is a sane amount
            EXPECT_LT(w->bill().amountDue, D("1000000"));
            pay(*w, "Dinheiro", "100000");
            w->payAndClose();
            const int written = sales() - salesBefore;
            if (written == 1) {
                EXPECT_EQ(tabs(), 0);
                EXPECT_EQ(st.count(S("select count(*) from MESA")), 0);
            } else {
                EXPECT_EQ(written, 0);
                EXPECT_EQ(tabs(), 1);
                EXPECT_EQ(st.count(S("select count(*) from MESA")), 1);
            }
            ++run;
        }
    }
    EXPECT_EQ(sales(), run) << "every hostile value was reset and the sale went through";
    EXPECT_EQ(st.count(S("select count(*) from FATURA f where not exists "
                         "(select 1 from RECARQ r where r.NFISCAL = f.NOTA)")), 0)
        << "every sale has its payments";
}

// 9999 persons at a cover charge of 999.999.999 once ended the program (a bill
// too large to compute): the cover box takes no charge that 9999 persons could
// not pay, and resets to "0" like any text that is no charge.
TEST_F(PaymentWindowTest, NoCoverChargeMakesABillTooLargeToCompute)
{
    auto w = open();
    E(*w, "personsEdit")->setText(S("9999"));
    w->personsLeft();
    for (const char* huge : {"999999999", "999.999.999", "999.999.999,00", "1E30", "12345678901234"}) {
        E(*w, "coverPerPersonEdit")->setText(S(huge));
        w->coverPerPersonLeft();
        EXPECT_EQ(E(*w, "coverPerPersonEdit")->text(), S("0")) << huge;
        EXPECT_EQ(L(*w, "amountDueLabel")->text(), S("90,00")) << huge;
    }
    E(*w, "coverPerPersonEdit")->setText(S("99.999.999,99"));
    w->coverPerPersonLeft();
    EXPECT_EQ(L(*w, "coverTotalLabel")->text(), S("999899999900,01"));
    E(*w, "servicePercentEdit")->setText(S("1E30"));
    w->servicePercentLeft();
    EXPECT_EQ(E(*w, "servicePercentEdit")->text(), S("0"));
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("|")).toStdString();
    EXPECT_EQ(E(*w, "personsEdit")->text(), S("9999"));
}

TEST_F(PaymentWindowTest, TheDeliveryFeeLineIsHiddenOnlyForTheTwoFlags)
{
    struct Case { const char* column; bool shown; const char* fee; } cases[] = {
        {"0", true, "0,00"}, {"1", false, "0,00"}, {"0.01", false, "0,00"}, {"8.5", true, "8,50"}, {"0.02", true, "0,02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        st.logon().run(S("update CABMESA set DELIVERY = cast(? as numeric(15,3))"), {S(c.column)});
        auto w = open();
        EXPECT_EQ(L(*w, "deliveryFeeLabel")->isVisibleTo(w.get()), c.shown);
        EXPECT_EQ(w->findChild<QLabel*>(S("deliveryFeeCaption"))->isVisibleTo(w.get()), c.shown);
        EXPECT_EQ(L(*w, "deliveryFeeLabel")->text(), S(c.fee));
    }
}

TEST_F(PaymentWindowTest, DeliveryFeeMinimumConsumptionAndLockedCharges)
{
    st.writeFile(S("c:\\Miltrex\\vavoz\\Consumacao.INI"), {S("150,00")});
    st.logon().run(S("update CABMESA set DELIVERY = 8.5, VALOR = 0"));
    st.logon().run(S("update EMPRESA set SCC4 = 32"));
    auto w = open();
    EXPECT_TRUE(L(*w, "deliveryFeeLabel")->isVisibleTo(w.get()));
    EXPECT_EQ(L(*w, "deliveryFeeLabel")->text(), S("8,50"));
    EXPECT_EQ(L(*w, "itemsTotalCaption")->text(), S("Consumacao Minima R$ 150,00 Comanda R$ 100,00  Vlr a Cobrar"));
    EXPECT_EQ(L(*w, "itemsTotalLabel")->text(), S("150,00"));
    // service 10 % of 150, cover 4 x 2,50, fee 8,50
    EXPECT_EQ(L(*w, "amountDueLabel")->text(), S("183,50"));
    EXPECT_FALSE(E(*w, "servicePercentEdit")->isEnabled());
    EXPECT_FALSE(E(*w, "personsEdit")->isEnabled());
    EXPECT_FALSE(E(*w, "coverPerPersonEdit")->isEnabled());
    pay(*w, "Dinheiro", "183,50");
    w->payAndClose();
    EXPECT_EQ(sales(), 1);
    EXPECT_EQ(decimalOf(st.scalar(S("select VALOR from SERVICO where TIPO = 9"))), D("8,5"));
    EXPECT_EQ(decimalOf(st.scalar(S("select VALOR from ESTFIC where CODIGO = '1'"))), D("50"));
    EXPECT_EQ(st.scalar(S("select HISTORICO from ESTFIC where CODIGO = '1'")).toString(),
              S("#DELIvery  Cli: 1   Consumaca"));
}
