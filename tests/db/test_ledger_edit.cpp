// The ledger entry edit on a real database: the rows of a period, a row changed
// (the stock follows, a sale row keeps its other columns), deleted, and refused
// changes that keep what was typed.
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "RegisterSeeds.h"
#include "registers/PickList.h"
#include "stock/LedgerEdit.h"
#include "stock/StockLedger.h"
#include "stock/StockWindows.h"
#include "stock/UnitAltLan.h"
#include "stock/UnitAltLan2.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using seeds::D;

namespace {

struct LedgerEditTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    TLogon& l() { return st.logon(); }
    void SetUp() override
    {
        seeds::addProduct(l(), QStringLiteral("000001"), QStringLiteral("CERVEJA LATA"), D("8"), D("4"));
        seeds::addLedgerRow(l(), QStringLiteral("000001"), QDate(2026, 2, 27), D("50"), std::nullopt, QStringLiteral("ESTOQUE INICIAL"));
        seeds::addLedgerRow(l(), QStringLiteral("000001"), QDate(2026, 3, 1), D("24"), std::nullopt, QStringLiteral("COMPRA"));
        l().run(QStringLiteral("insert into ESTFIC (ID, CODIGO, DATA, HISTORICO, SAIDA, VALOR, NFISCAL, PEDIDO, CAIXA, TERMINAL, VENDEDOR) "
                               "values (GEN_ID(ESTFIC,1), '000001', '2026-03-02', 'Cli: 1   Valor: 8', 3, 8, 123, 123, 7, 2, 4)"));
        seeds::addLedgerRow(l(), QStringLiteral("000001"), QDate(2026, 3, 31), std::nullopt, D("1"), QStringLiteral("FORA"));
    }
    Decimal stock() { return stock::StockLedger(l()).stockOf(QStringLiteral("000001")); }
};

} // namespace

TEST_F(LedgerEditTest, TheRowsOfThePeriodAreChangedOrDeletedAndTheStockFollows)
{
    TFormAltLan choose(st.logon());
    choose.field(QStringLiteral("code"))->setText(QStringLiteral("1"));
    choose.field(QStringLiteral("from"))->setText(QStringLiteral("01/03/26"));
    choose.field(QStringLiteral("to"))->setText(QStringLiteral("30/03/26"));
    int listed = -1;
    d.onWindow(QStringLiteral("TFormAltLan2"), [&](QDialog& w) {
        auto& rows = static_cast<TFormAltLan2&>(w);
        listed = rows.rowList()->count();
        // the sale row: its exit becomes 2 and its date moves; everything else stays
        rows.rowList()->setCurrentRowIndex(1);
        EXPECT_FALSE(rows.editing());
        rows.startChange();
        EXPECT_TRUE(rows.editing());
        EXPECT_EQ(rows.field(QStringLiteral("saida"))->text(), QStringLiteral("3"));
        rows.field(QStringLiteral("saida"))->setText(QStringLiteral("2"));
        rows.field(QStringLiteral("date"))->setText(QStringLiteral("03/03/26"));
        EXPECT_TRUE(rows.confirm());
        EXPECT_FALSE(rows.editing());
        EXPECT_EQ(stock(), D("71"));
        // the purchase row goes
        rows.rowList()->setCurrentRowIndex(0);
        d.answerMessages({QStringLiteral("S")});
        rows.deleteRow();
        EXPECT_EQ(rows.rowList()->count(), 1);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(choose.confirm());
    EXPECT_EQ(listed, 2);   // the rows of February and of the 31st are outside the period
    EXPECT_EQ(stock(), D("47"));
    RowSet r = l().run(QStringLiteral("select * from ESTFIC where NFISCAL = 123"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.date(u"DATA"), QDate(2026, 3, 3));
    EXPECT_EQ(r.decimal(u"SAIDA"), D("2"));
    EXPECT_EQ(r.integer(u"CAIXA"), 7);
    EXPECT_EQ(r.integer(u"TERMINAL"), 2);
    EXPECT_EQ(r.integer(u"PEDIDO"), 123);
    EXPECT_EQ(r.decimal(u"VALOR"), D("8"));
    EXPECT_EQ(r.text(u"HISTORICO"), QStringLiteral("Cli: 1   Valor: 8"));
}

TEST_F(LedgerEditTest, RefusedChangesKeepWhatWasTypedAndTheRow)
{
    const ledgeredit::Period march{QDate(2026, 3, 1), QDate(2026, 3, 30)};
    TFormAltLan2 rows(st.logon(), QStringLiteral("000001"), march);
    ASSERT_EQ(rows.rowList()->count(), 2);
    struct Case { const char* label; const char* role; QString value; bool database; };
    const Case cases[] = {
        {"impossible date", "date", QStringLiteral("31/02/26"), false},
        {"blank date", "date", QStringLiteral("  /  /  "), false},
        {"letters as entry", "entrada", QStringLiteral("MUITO"), false},
        {"negative exit", "saida", QStringLiteral("-2"), false},
        {"1e20 as entry", "entrada", QStringLiteral("1e20"), false},
        {"text the database cannot store", "history", QStringLiteral("COMPRA \U0001F37A"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        d.messages.clear();
        d.errors.clear();
        rows.startChange();
        rows.field(QString::fromLatin1(c.role))->setText(c.value);
        EXPECT_FALSE(rows.confirm());
        EXPECT_EQ(c.database ? d.errors.size() : qsizetype(d.messages.size()), 1);
        EXPECT_TRUE(rows.editing());
        if (QLatin1String(c.role) != QLatin1String("date")) {
            EXPECT_EQ(rows.field(QString::fromLatin1(c.role))->text(), c.value);
        }
        EXPECT_EQ(stock(), D("70"));
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC where HISTORICO = 'COMPRA' and DATA = '2026-03-01'")), 1);
        rows.field(QStringLiteral("date"))->setText(QStringLiteral("01/03/26"));
        rows.field(QStringLiteral("history"))->setText(QStringLiteral("COMPRA"));
        rows.field(QStringLiteral("entrada"))->setText(QStringLiteral("24"));
        rows.field(QStringLiteral("saida"))->clear();
    }
    // A row another station deleted meanwhile: said so, nothing comes back.
    l().run(QStringLiteral("delete from ESTFIC where HISTORICO = 'COMPRA'"));
    rows.startChange();
    EXPECT_FALSE(rows.confirm());
    EXPECT_EQ(d.messageTexts().last(), ledgeredit::text::rowGone);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC where HISTORICO = 'COMPRA'")), 0);
}

TEST_F(LedgerEditTest, TheChoiceWindowRefusesUnknownProductsAndBadPeriods)
{
    TFormAltLan choose(st.logon());
    choose.field(QStringLiteral("code"))->setText(QStringLiteral("77"));
    EXPECT_FALSE(choose.codeLeft());
    EXPECT_EQ(d.messageTexts(), QStringList{stock::text::productNotFound});
    EXPECT_EQ(choose.field(QStringLiteral("code"))->text(), QStringLiteral("000077"));
    choose.field(QStringLiteral("code"))->setText(QStringLiteral("1"));
    EXPECT_TRUE(choose.codeLeft());
    EXPECT_EQ(choose.field(QStringLiteral("name"))->text(), QStringLiteral("CERVEJA LATA"));
    choose.field(QStringLiteral("from"))->setText(QStringLiteral("32/01/26"));
    choose.field(QStringLiteral("to"))->setText(QStringLiteral("31/01/26"));
    EXPECT_FALSE(choose.confirm());
    EXPECT_EQ(d.messageTexts().last(), stock::text::badPeriod);
    EXPECT_TRUE(d.windowsShown.filter(QStringLiteral("TFormAltLan2")).isEmpty());
    // an empty period lists nothing, and deleting then deletes nothing
    choose.field(QStringLiteral("from"))->setText(QStringLiteral("01/01/25"));
    choose.field(QStringLiteral("to"))->setText(QStringLiteral("31/01/25"));
    d.onWindow(QStringLiteral("TFormAltLan2"), [&](QDialog& w) {
        auto& rows = static_cast<TFormAltLan2&>(w);
        EXPECT_EQ(rows.rowList()->count(), 0);
        rows.deleteRow();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(choose.confirm());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC")), 4);
}
