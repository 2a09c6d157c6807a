// ".: Visualiza Comandas ja fechadas :.": the grid of closed sales fills the two
// fields, "&Confirmar" reprints on the conference printer's slot and stays open;
// hostile values get the window's messages and nothing is printed.
#include "ScriptedDialogs.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "app/ProgramWindows.h"
#include "cash/ClosedBillReprint.h"
#include "cash/UnitVisComFec.h"
#include "printing/SetComSettings.h"
#include "printing/UnitVisao.h"
#include "shell/WindowRegistry.h"

#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using seeds::D;

namespace {

const QDate kDay(2026, 12, 10);

void seedSales(TestStation& st)
{
    seeds::setCompany(st, "BAR DO ZE", "RUA A, 10", "RECIFE", "PE", "");
    st.addProduct("000010", "PICANHA", D("59,90"));
    seeds::addSale(st, 101, 7, 1, kDay);
    seeds::addStockOut(st, 101, kDay, "000010", "Venda", D("2"), D("59,90"));
    seeds::addPayment(st, 101, 1, D("150"));
    seeds::addPayment(st, 101, 1, D("-30,20"));
    seeds::addSale(st, 102, 9, 1, kDay.addDays(1));
    seeds::addStockOut(st, 102, kDay.addDays(1), "000010", "Venda", D("1"), D("59,90"));
    seeds::addPayment(st, 102, 1, D("59,90"));
    st.writeFile(SetComSettings::kSetupFile, {"", "", "", "", "", "", "", "", "", "0", "", "", "Visualizar"});
}

} // namespace

TEST(ReprintWindow, GridRowFillsTheFieldsAndConfirmPrintsThatSaleAndStaysOpen)
{
    TestStation st;
    seedSales(st);
    ScriptedDialogs script;
    QStringList printed;
    script.onWindow("TFormVisao", [&](QDialog& d) {
        printed = static_cast<TFormVisao&>(d).lines();
        return int(QDialog::Accepted);
    });
    TFormVisComFec w(st.logon());
    ASSERT_EQ(w.rowCount(), 2);
    auto* grid = w.findChild<QTableWidget*>("salesGrid");
    EXPECT_EQ(grid->item(0, 1)->text(), "102");
    EXPECT_EQ(grid->item(1, 4)->text(), "119,80");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "CUPOM");

    w.pickRow(1);
    EXPECT_EQ(w.saleNumber(), "101");
    EXPECT_EQ(w.dateText(), "10/12/26");
    w.confirm();
    EXPECT_TRUE(printed.contains("Cupom:101"));
    EXPECT_TRUE(printed.contains("Comanda:7"));
    EXPECT_TRUE(printed.filter("TROCO").value(0).endsWith("30,20"));
    EXPECT_FALSE(w.isHidden() && w.result() == QDialog::Accepted);

    // Another number typed by hand while row 101 is selected: all of it is sale 102.
    w.setSaleNumber("102");
    w.setDateText("11/12/26");
    w.confirm();
    EXPECT_TRUE(printed.contains("Cupom:102"));
    EXPECT_TRUE(printed.contains("Comanda:9"));
    EXPECT_FALSE(printed.contains("Comanda:7"));
    EXPECT_TRUE(script.errors.isEmpty());
}

TEST(ReprintWindow, HostileValuesGetTheMessagesAndPrintNothing)
{
    TestStation st;
    seedSales(st);
    struct Case { QString number, date; QString message; bool error; };
    const std::vector<Case> cases = {
        {"", "10/12/26", ClosedBillReprint::chooseFirstMessage(), false},
        {"'; delete from fatura where 1=1; --", "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {"abc", "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {"1e20", "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {"-101", "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {QString::fromUtf8("😀"), "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {QString(200, '9'), "10/12/26", ClosedBillReprint::notFoundMessage(), false},
        {"101", "", "", true},
        {"101", "31/02/26", "", true},
    };
    for (const Case& c : cases) {
        ScriptedDialogs script;
        TFormVisComFec w(st.logon());
        w.setSaleNumber(c.number);
        w.setDateText(c.date);
        w.confirm();
        EXPECT_FALSE(script.windowsShown.contains("TFormVisao")) << c.number.toStdString();
        if (c.error) {
            EXPECT_EQ(script.errors.size(), 1) << c.date.toStdString();
        } else {
            ASSERT_EQ(script.messages.size(), 1u) << c.number.toStdString();
            EXPECT_EQ(script.messages.front().text, c.message);
            EXPECT_EQ(script.messages.front().title, "ATENÇÃO");
        }
    }
    EXPECT_EQ(st.count("select count(*) from fatura"), 2);
}

TEST(ReprintWindow, ShiftReportWindowsAreRegisteredByClassName)
{
    registerProgramWindows();
    for (const char* name : {"TFormVisComFec", "TFormRelCan", "TFormComGar", "TForm1"})
        EXPECT_TRUE(windows::isRegistered(name)) << name;
}
