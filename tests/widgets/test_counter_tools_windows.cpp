// The three tools windows of the sales screen: hostile cash-shift numbers in the
// closing report by payment method, a redemption without a customer, and Enter on
// the receipt list showing the rebuilt receipt.
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "sales/UnitFecDiaPag.h"
#include "sales/UnitFidelidade.h"
#include "sales/UnitRECUPOM.h"
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <QTest>
#include <gtest/gtest.h>

using seeds::D;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

TEST(CounterToolsWindows, ClosingReportRefusesCashShiftNumbersThatAreNotNumbers)
{
    TestStation st;
    ScriptedDialogs script;
    TFormFecDiaPag w(st.logon());
    for (const char* typed : {"abc", "' or 1=1 --", "1e20", "-4", "12,5", "😀", "7;delete from FATURA"}) {
        script.messages.clear();
        script.windowsShown.clear();
        w.findChild<QLineEdit*>(S("cashShiftEdit"))->setText(S(typed));
        w.printReport();
        ASSERT_EQ(script.messages.size(), 1u) << typed;
        EXPECT_EQ(script.messages[0].text, S("  Numero do Caixa Invalido  ")) << typed;
        EXPECT_EQ(w.findChild<QLineEdit*>(S("cashShiftEdit"))->text(), S("0"));
        EXPECT_TRUE(script.windowsShown.isEmpty()) << typed;
    }
    w.findChild<QLineEdit*>(S("cashShiftEdit"))->setText(S("3"));
    w.printReport();
    EXPECT_TRUE(script.windowsShown.contains(S("TFormVisao"))) << script.windowsShown.join(S(",")).toStdString();
    EXPECT_TRUE(script.errors.isEmpty());
}

TEST(CounterToolsWindows, RedemptionNeedsAChosenCustomer)
{
    TestStation st;
    ScriptedDialogs script;
    seeds::addSaleCustomer(st.logon(), 7, S("JOANA"), S("N"), 4);
    TFormFidelidade w(st.logon());
    w.redeem();
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, S("    Cliente Não Localizado..       |"));
    w.showCustomer(7);
    EXPECT_EQ(w.findChild<QLabel*>(S("pointsLabel"))->text(), S("4"));
    w.redeem();
    EXPECT_TRUE(script.windowsShown.contains(S("TFormVisao")));
    EXPECT_EQ(w.findChild<QLabel*>(S("pointsLabel"))->text(), S("0"));
}

TEST(CounterToolsWindows, EnterOnTheListRebuildsTheReceipt)
{
    TestStation st;
    ScriptedDialogs script;
    st.logon().run(S("insert into FATURA (NOTA, TIPO, CAIXA, DATA, CLIENTE, VALOR, TERMINAL) values "
                     "(1, 2, 1, current_date, 'BALCAO', 10, 1)"));
    TFormReCupom w(st.logon());
    ASSERT_EQ(w.rows(), 1);
    QTest::keyClick(w.findChild<QTableWidget*>(S("salesGrid")), Qt::Key_Return);
    EXPECT_TRUE(script.windowsShown.contains(S("TFormVisao")));
    EXPECT_TRUE(script.errors.isEmpty());
}
