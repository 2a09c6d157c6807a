// The cash office's windows left open on a shift that another station then closes,
// with two stations on one database (the station's file and the test server):
// "Sangria e Reforço", "Despesas Diarias" and the customer account confirm nothing
// into the closed shift, say the cash is closed, print no voucher and keep what was
// typed. A withdrawal of less than a cent is no withdrawal.
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "cash/UnitSangria.h"
#include "cash/Withdrawal.h"
#include "core/Globals.h"
#include "cashoffice/CustomerAccount.h"
#include "cashoffice/DailyExpenses.h"
#include "cashoffice/UnitCadDup.h"
#include "cashoffice/UnitDesp.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

int count(TLogon& l, const char* sql) { return int(integerOf(l.scalar(S(sql)))); }

QLineEdit* edit(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(S(name)); }

struct OpenShiftWindows : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    void SetUp() override
    {
        // The withdrawal voucher goes to the preview, where the test sees it.
        seeds::setup(st, {{15, S("Visualizar")}});
        ctx::station().TerminalNumber = S("02");
    }
    int vouchers() const { return int(d.windowsShown.count(S("TFormVisao"))); }
};

} // namespace

TEST_F(OpenShiftWindows, ConfirmedAfterAnotherStationClosedTheShiftNothingIsWrittenAndTheValuesStay)
{
    for (const QString& db : twoStationDatabases(st, S("turnojanela"))) {
        SCOPED_TRACE(db.toStdString());
        d.messages.clear();
        d.windowsShown.clear();
        auto a = attachStation(db, 2), b = attachStation(db, 2);
        seeds::addCustomer(*a, 35, S("JOAO DA SILVA"));
        int cash = 0;
        ASSERT_EQ(CashShift(*a).open(QDate(2026, 3, 14), D("100"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);

        // Station B opens its three windows on the open shift and types.
        TFormSangria withdrawal(*b);
        edit(withdrawal, "amountEdit")->setText(S("200,00"));
        edit(withdrawal, "descriptionEdit")->setText(S("BANCO"));
        TFormDesp expenses(*b);
        ASSERT_EQ(expenses.cashShift(), cash);
        expenses.setHistory(S("GELO"));
        expenses.setAmount(S("15,00"));
        TFormCadDup account(*b);
        ASSERT_EQ(account.cashLabel(), accountmsg::cashOpen);
        account.setCode(S("35"));
        account.setHistory(S("JOAO"));
        account.setKind(S("C"));
        account.setAmount(S("10,00"));

        // Station A closes the shift; B confirms in each window.
        ASSERT_EQ(CashShift(*a).close(S("CHEFE")), CashShift::Result::Done);
        withdrawal.confirm();
        expenses.confirm();
        account.confirm();
        EXPECT_EQ(d.messageTexts(),
                  (QStringList{WithdrawalText::kCashClosed, expensesmsg::cashClosed, accountmsg::cashMustBeOpen}));
        EXPECT_TRUE(d.errors.isEmpty());
        EXPECT_EQ(vouchers(), 0);
        EXPECT_EQ(withdrawal.result(), int(QDialog::Rejected)) << "the window stays";
        EXPECT_EQ(count(*a, "select count(*) from SANGRIA"), 0);
        EXPECT_EQ(count(*a, "select count(*) from DESPLOJA"), 0);
        EXPECT_EQ(count(*a, "select count(*) from RECARQ"), 0);
        EXPECT_EQ(edit(withdrawal, "amountEdit")->text(), S("200,00"));
        EXPECT_EQ(edit(withdrawal, "descriptionEdit")->text(), S("BANCO"));
        EXPECT_EQ(expenses.amount(), S("15,00"));
        EXPECT_EQ(account.amount(), S("10,00"));

        // Even with the next shift opened, the windows showing the closed one write
        // nothing into it; the account window takes the payment into the open one.
        int next = 0;
        ASSERT_EQ(CashShift(*a).open(QDate(2026, 3, 15), D("100"), S("ANA"), S("CHEFE"), &next), CashShift::Result::Done);
        d.messages.clear();
        withdrawal.confirm();
        expenses.confirm();
        EXPECT_EQ(d.messageTexts(), (QStringList{WithdrawalText::kCashClosed, expensesmsg::cashClosed}));
        EXPECT_EQ(count(*a, "select count(*) from SANGRIA"), 0);
        EXPECT_EQ(count(*a, "select count(*) from DESPLOJA"), 0);
        account.confirm();
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from RECARQ where CAIXABAIXA = ?"), {next})), 1);
        EXPECT_EQ(vouchers(), 0);

        // A window opened now, on the open shift, records and prints its voucher.
        TFormSangria again(*b);
        edit(again, "amountEdit")->setText(S("200,00"));
        again.confirm();
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from SANGRIA where CAIXA = ? and VALOR = 200"), {next})), 1);
        EXPECT_EQ(vouchers(), 1);
        EXPECT_EQ(again.result(), int(QDialog::Accepted));
        ASSERT_EQ(CashShift(*a).close(S("CHEFE")), CashShift::Result::Done);
    }
}

TEST_F(OpenShiftWindows, AWithdrawalOfLessThanACentWritesNoRowAndPrintsNoVoucher)
{
    st.openCashShift(4);
    for (const char* amount : {"0,004", "0,001", "0.004", "0,005", "200,001"}) {
        SCOPED_TRACE(amount);
        d.messages.clear();
        TFormSangria w(st.logon());
        edit(w, "amountEdit")->setText(S(amount));
        w.confirm();
        EXPECT_EQ(d.messageTexts(), QStringList{WithdrawalText::kFillError});
        EXPECT_EQ(st.count(S("select count(*) from SANGRIA")), 0);
        EXPECT_EQ(vouchers(), 0);
        EXPECT_EQ(edit(w, "amountEdit")->text(), S(amount));
    }
    TFormSangria w(st.logon());
    edit(w, "amountEdit")->setText(S("0,01"));
    w.confirm();
    EXPECT_EQ(decimalOf(st.scalar(S("select VALOR from SANGRIA"))), D("0,01"));
    EXPECT_EQ(vouchers(), 1);
}
