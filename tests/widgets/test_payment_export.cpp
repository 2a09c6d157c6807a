// The payment window with the outside-ERP link on: F11 closes the tab and shows
// the ERP's document number, or refuses a bill the ERP cannot take and stays open
// with nothing written in either database.
#include "OutsideErpSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "closing/UnitFecCom.h"
#include "core/Globals.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using seeds::D;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
const QString kTab = QStringLiteral("000021");
} // namespace

TEST(PaymentWindowExport, F11ShowsTheErpDocumentOrTheErpsRefusal)
{
    for (const bool kit : {false, true}) {
        SCOPED_TRACE(kit ? "kit" : "products");
        TestStation st;
        ScriptedDialogs script;
        st.openCashShift(2);
        st.writeFile(S("estacao.ini"), {S("nil"), S("SIM")});
        QStringList setup(23);
        setup[6] = S("N");
        st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        TLogon& l = st.logon();
        erpseeds::addPaymentMethod(l, 2, S("Cartao"), S("S"), S("S"));
        erpseeds::openTab(l, kTab);
        erpseeds::addTabItem(l, kTab, S("55"), S("SUCO"), D("3"), D("6"));
        if (kit)
            erpseeds::addTabItem(l, kTab, S("*9"), S("COMBO"), D("1"), D("0"));
        const QString erpPath = erpseeds::createErpDatabase(erpseeds::Place::Slim, true, 9);
        const QStringList erpBefore = erpseeds::erpState(*erpseeds::open(erpPath));
        ctx::lookup().LookupCode = kTab;

        TFormFecCom w(l);
        w.findChild<QComboBox*>(S("paymentMethodCombo"))->setCurrentText(S("Cartao"));
        w.findChild<QLineEdit*>(S("paymentAmountEdit"))->setText(S("18,00"));
        w.confirmPayment();
        w.payAndClose();

        auto erp = erpseeds::open(erpPath);
        if (!kit) {
            EXPECT_EQ(w.result(), QDialog::Accepted);
            EXPECT_EQ(script.messageTexts(), QStringList{S("  DAV N.0010")});
            EXPECT_EQ(erpseeds::rowsOf(*erp, S("DAVS_ITENS")).size(), 1);
            EXPECT_EQ(st.count(S("select count(*) from cabmesa")), 0);
            EXPECT_EQ(st.count(S("select count(*) from fatura")), 1);
        } else {
            EXPECT_NE(w.result(), QDialog::Accepted);
            EXPECT_EQ(script.messageTexts(), QStringList{S("  produto não cadastro no DAV...   ")});
            EXPECT_EQ(erpseeds::erpState(*erp), erpBefore);
            EXPECT_EQ(st.count(S("select count(*) from cabmesa")), 1);
            EXPECT_EQ(st.count(S("select count(*) from fatura")), 0);
            EXPECT_TRUE(w.findChild<QPushButton*>(S("payButton"))->isEnabled());
        }
        EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join(u' ').toStdString();
    }
}
