// "Relatorio de Comissão": a waiter's sales per cash shift over a range, optionally
// one product group, with the commission at the percentage typed, on the roll or A4.
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "cash/CommissionReport.h"
#include "cash/UnitComGar.h"
#include "printing/SetComSettings.h"
#include "printing/UnitVisao.h"
#include "reports/ReportExport.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString line(const QString& left, const QString& right)
{
    return left.leftJustified(22, ' ', true) + right.rightJustified(11);
}

void seedSales(TestStation& st)
{
    seeds::setCompany(st, "BAR DO ZE", "RUA A, 10", "RECIFE", "PE", "12.345.678/0001-90");
    seeds::addWaiter(st, 5, "ANA");
    seeds::addWaiter(st, 6, "BRUNO");
    seeds::addGroup(st, 3, "BEBIDAS");
    seeds::addGroup(st, 4, "CARNES");
    seeds::addProductInGroup(st, "000020", "CERVEJA", 3);
    seeds::addProductInGroup(st, "000030", "PICANHA", 4);
    const QDate d1(2026, 12, 1), d2(2026, 12, 2), d3(2026, 12, 3);
    seeds::addStockOut(st, 1, d1, "000020", "Venda", D("2"), D("10"), 10, 5);
    seeds::addStockOut(st, 1, d1, "000030", "Venda", D("1"), D("59,90"), 10, 5);
    seeds::addStockOut(st, 2, d2, "000020", "Venda", D("3"), D("10"), 11, 5);
    seeds::addStockOut(st, 0, d2, "000030", "Entrada manual", D("1"), D("100"), 11, 5);   // not a sale
    seeds::addStockOut(st, 3, d3, "000020", "Venda", D("1"), D("10"), 12, 5);             // out of range
    seeds::addStockOut(st, 4, d1, "000030", "Venda", D("1"), D("59,90"), 10, 6);          // other waiter
    st.writeFile(SetComSettings::kSetupFile, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                              "Visualizar", "S"});
}

struct Shown {
    QStringList roll;
    QStringList page;
    QByteArray csv;
};

void capture(ScriptedDialogs& script, Shown& shown)
{
    script.onWindow("TFormVisao", [&shown](QDialog& d) {
        shown.roll = static_cast<TFormVisao&>(d).lines();
        return int(QDialog::Accepted);
    });
    script.onWindow("TFormVisaoRelatorio", [&shown](QDialog& d) {
        const auto& w = static_cast<TFormVisaoRelatorio&>(d);
        shown.page = report::pageTextLines(w.layout(), 0);
        shown.csv = report::spreadsheetDocument(w.layout());
        return int(QDialog::Accepted);
    });
}

// The seeded sales, with the previews of the window's printouts captured.
class CommissionReportWindow : public ::testing::Test {
protected:
    CommissionReportWindow()
    {
        seedSales(st);
        capture(script, shown);
    }
    TestStation st;
    ScriptedDialogs script;
    Shown shown;
};

} // namespace

TEST(CommissionReport, ListsWaitersAndGroupsInCodeOrder)
{
    TestStation st;
    seedSales(st);
    TFormComGar w(st.logon());
    const CommissionReport r(st.logon());
    EXPECT_EQ(r.waiters(), (QStringList{"00005 ANA", "00006 BRUNO"}));
    EXPECT_EQ(r.groups(), (QStringList{"000000-Todos", "000003-BEBIDAS", "000004-CARNES"}));
    struct Case { QString text; int waiter, group; };
    for (const Case& c : {Case{"00005 ANA", 5, 0}, Case{"", 1, 0}, Case{"abcde", 1, 0}, Case{"000000-Todos", 0, 0},
                          Case{"000003-BEBIDAS", 0, 3}}) {
        EXPECT_EQ(CommissionReport::waiterCode(c.text), c.waiter) << c.text.toStdString();
        EXPECT_EQ(CommissionReport::groupCode(c.text), c.group) << c.text.toStdString();
    }
}

TEST_F(CommissionReportWindow, RollReceiptSumsTheWaitersSalesShiftByShift)
{
    TFormComGar w(st.logon());
    w.setRange("10", "11");
    w.setPercent("10");
    w.print();
    const QString eq(34, '=');
    const QStringList expected = {
        "RECIBO DE COMISSAO", eq, "BAR DO ZE", "RUA A, 10", "RECIFE Estado.:PE", "Func.:00005 ANA", eq,
        "Data      Caixa             Valor", eq,
        line("01/12/26  10", "79,90"),
        line("02/12/26  11", "30,00"),
        eq,
        QString(22, ' ') + QString("109,90").rightJustified(11),
        line("Comissao 10", "10,99"),
        " ", " ", QString(25, '-'), "00005 ANA",
    };
    EXPECT_EQ(shown.roll, expected);
    EXPECT_TRUE(script.errors.isEmpty());
    EXPECT_TRUE(w.findChild<QPushButton*>("printButton")->isEnabled());
}

TEST_F(CommissionReportWindow, OneGroupOnly)
{
    TFormComGar w(st.logon());
    w.setRange("10", "12");
    w.chooseGroup(1);   // 000003-BEBIDAS
    w.print();
    EXPECT_TRUE(shown.roll.contains(line("01/12/26  10", "20,00")));
    EXPECT_TRUE(shown.roll.contains(line("02/12/26  11", "30,00")));
    EXPECT_TRUE(shown.roll.contains(line("03/12/26  12", "10,00")));
    EXPECT_TRUE(shown.roll.contains(QString(22, ' ') + QString("60,00").rightJustified(11)));
}

TEST_F(CommissionReportWindow, BothPathsComputeWithThePercentageAsTyped)
{
    // 109,90 at 2,75 % = 3,02 (at 2,8 % it would be 3,08).
    TFormComGar w(st.logon());
    w.setRange("10", "11");
    w.setPercent("2,75");
    w.print();
    EXPECT_TRUE(shown.roll.contains(line("Comissao 2,75", "3,02")));

    w.choosePageReport(true);
    w.print();
    const QString page = shown.page.join('\n');
    EXPECT_TRUE(page.contains("RELATÓRIO DE VENDA - COMISSÃO SOBRE VENDAS")) << page.toStdString();
    EXPECT_TRUE(page.contains("Caixa do periodo de:10 a 11"));
    EXPECT_TRUE(page.contains("BAR DO ZE"));
    const QByteArray expectedCsv = "10;01/12/26;79,90\r\n"
                                   "11;02/12/26;30,00\r\n"
                                   "Total;109,90\r\n"
                                   "Comiss\xE3o;2,8;%;3,02\r\n";
    EXPECT_EQ(shown.csv, expectedCsv);
    EXPECT_TRUE(script.errors.isEmpty());
}

TEST(CommissionReport, HostileInputNeverReachesTheDatabaseAsText)
{
    TestStation st;
    seedSales(st);
    // Range fields take digits only.
    {
        TFormComGar w(st.logon());
        auto* first = w.findChild<QLineEdit*>("firstShiftEdit");
        first->clear();
        QTest::keyClicks(first, "1a0' or 1=1;-");
        first->insert(QString::fromUtf8("😀"));
        first->insert("2,5");
        EXPECT_EQ(w.firstShift(), "1011");
    }
    struct Case { QString percent; QString first, last; QString commissionLine; };
    const std::vector<Case> cases = {
        {"abc", "10", "11", line("Comissao 0", "0,00")},
        {"'; delete from estfic; --", "10", "11", line("Comissao 0", "0,00")},
        {"1e20", "10", "11", line("Comissao 0", "0,00")},
        {QString::fromUtf8("5😀"), "10", "11", line("Comissao 0", "0,00")},
        {"-10", "10", "11", line("Comissao -10", "-10,99")},
        {"10", "", "", line("Comissao 10", "0,00")},
        {"10", "999999999", "999999999", line("Comissao 10", "0,00")},
    };
    for (const Case& c : cases) {
        ScriptedDialogs script;
        Shown shown;
        capture(script, shown);
        TFormComGar w(st.logon());
        w.setRange(c.first, c.last);
        w.setPercent(c.percent);
        w.print();
        EXPECT_TRUE(script.errors.isEmpty()) << c.percent.toStdString() << " " << script.errors.join("|").toStdString();
        EXPECT_TRUE(shown.roll.contains(c.commissionLine)) << c.percent.toStdString() << "\n"
                                                           << shown.roll.join('\n').toStdString();
        EXPECT_TRUE(w.findChild<QPushButton*>("printButton")->isEnabled());
        // The A4 path takes the same text and gives no error either.
        w.choosePageReport(true);
        w.print();
        EXPECT_TRUE(script.errors.isEmpty()) << c.percent.toStdString();
    }
    EXPECT_EQ(st.count("select count(*) from estfic"), 6);
}

TEST(CommissionReport, RollOnThePortHasNoTrailerAndOnEnterABadPercentBecomesZero)
{
    TestStation st;
    seedSales(st);
    QTemporaryDir out;
    const QString port = out.filePath("fechamento.prn");
    st.writeFile(SetComSettings::kSetupFile, {"", "", "", "", "", "", "", "", "1", "", "", "", "", "", "",
                                              "Informa porta", "S"});
    st.writeFile(SetComSettings::kPortsFile, {"LPT1", port});
    ScriptedDialogs script;
    TFormComGar w(st.logon());
    w.show();
    auto* percent = w.findChild<QLineEdit*>("percentEdit");
    percent->clear();
    percent->setFocus();
    QTest::keyClicks(percent, "12.5x");
    QTest::keyClick(percent, Qt::Key_Return);
    EXPECT_EQ(w.percentText(), "0");
    percent->clear();
    QTest::keyClicks(percent, "12.5");
    EXPECT_EQ(w.percentText(), "12,5");
    w.setRange("10", "11");
    w.print();
    ASSERT_TRUE(script.errors.isEmpty()) << script.errors.join("|").toStdString();
    const QByteArray bytes = bytesOf(port);
    EXPECT_TRUE(bytes.startsWith("RECIBO DE COMISSAO\r\n"));
    EXPECT_TRUE(bytes.endsWith("00005 ANA\r\n"));
    EXPECT_TRUE(bytes.contains(line("Comissao 12,5", "13,74").toLatin1()));
}

TEST(CommissionReport, WithoutWaitersTheReportRunsForWaiterOne)
{
    TestStation st;
    seeds::addStockOut(st, 1, QDate(2026, 12, 1), "000020", "Venda", D("1"), D("8"), 10, 1);
    seeds::addStockOut(st, 2, QDate(2026, 12, 1), "000020", "Venda", D("1"), D("99"), 10, 2);
    st.writeFile(SetComSettings::kSetupFile, QStringList(16, "Visualizar"));
    ScriptedDialogs script;
    Shown shown;
    capture(script, shown);
    TFormComGar w(st.logon());
    w.setRange("10", "10");
    w.print();
    EXPECT_TRUE(shown.roll.contains("Func.:"));
    EXPECT_TRUE(shown.roll.contains(line("01/12/26  10", "8,00")));
}
