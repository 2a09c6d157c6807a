// Staff vouchers: a movement and its receipt (the roll text with the amount
// written out, or the A4 page), and the statement from a date with the balance
// brought forward, on the roll and on the page read back from its PDF.
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "finance/StaffVouchers.h"
#include "finance/UnitDebCreFunc.h"
#include "finance/UnitValeFic.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct StaffVoucherWindows : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    void SetUp() override
    {
        ctx::company().CompanyName = S("BAR DO ZE");
        ctx::company().CompanyCity = S("RECIFE");
        ctx::company().CompanyState = S("PE");
        seeds::addStaff(st.logon(), 5, S("ANA"));
        seeds::addStaff(st.logon(), 6, S("BRUNO"));
    }
    int vouchers() { return st.count(S("select count(*) from VALES")); }
    void movement(int code, const QDate& date, const char* history, const char* debit, const char* credit)
    {
        st.logon().run(S("insert into VALES (CODIGO, DATA, HISTORICO, DEBITO, CREDITO) values (?, ?, ?, ?, ?)"),
                       {code, date, S(history), debit ? SqlValue(D(debit)) : SqlValue(nullptr),
                        credit ? SqlValue(D(credit)) : SqlValue(nullptr)});
    }
};

} // namespace

TEST_F(StaffVoucherWindows, ADebitWithItsRollReceiptAndTheAmountWrittenOut)
{
    movement(5, QDate(2024, 1, 2), "ANTERIOR", "10", nullptr);
    TFormDebCreFunc w(st.logon());
    // No employee chosen: nothing is written, nothing asked.
    w.amountField()->setText(S("5"));
    w.confirm();
    EXPECT_EQ(vouchers(), 1);
    EXPECT_TRUE(d.messages.empty());

    w.chooseEmployee(5);
    EXPECT_EQ(w.balanceText(), S("       10,00"));
    w.setDate(QDate(2024, 3, 5));
    QTest::keyClicks(w.historyField(), S("adiantamento"));
    w.amountField()->clear();
    QTest::keyClicks(w.amountField(), S("1021.5"));
    EXPECT_EQ(w.amountField()->text(), S("1021,5"));
    d.answerMessages({S("S")});
    w.confirm();
    EXPECT_EQ(vouchers(), 2);
    EXPECT_EQ(d.messageTexts(), QStringList{StaffVoucherText::kPrintAsk});
    EXPECT_EQ(decimalOf(st.scalar(S("select DEBITO from VALES where HISTORICO = 'ADIANTAMENTO'"))), D("1021,50"));
    EXPECT_TRUE(st.scalar(S("select CREDITO from VALES where HISTORICO = 'ADIANTAMENTO'")).isNull());
    EXPECT_EQ(w.balanceText(), QString());   // emptied, not refreshed
    EXPECT_TRUE(w.historyField()->text().isEmpty());

    ASSERT_EQ(shown.rolls.size(), 1u);
    QStringList roll = shown.rolls.front();
    ASSERT_GE(roll.size(), 5);
    EXPECT_TRUE(roll[4].startsWith(S("Emissão:") + QDate::currentDate().toString(S("dd/MM/yy")) + S(" ")));
    roll[4] = S("Emissão:");
    const QString blank = S(" ");
    const QStringList expected = {
        S("CONTROLE DE VALES"), QString(38, '='), S("Emp: BAR DO ZE"), S("Funcionario: ANA"), S("Emissão:"),
        QString(38, '-'), blank, S("              R E C I B O"), blank, S("                  R$- 1021,50"), blank,
        S("Recebi(emos) de "), S("BAR DO ZE"), S("a importancia de "), S("(mil e vinte e um reais e cinquenta"),
        S("centavos)"), S("Referente a: "), S("ADIANTAMENTO"), blank, S("Data 05/03/24"), blank, blank,
        QString(38, '-'), S("ANA"), blank, blank, blank, blank, blank, S("."),
    };
    EXPECT_EQ(roll, expected) << roll.join('\n').toStdString();

    // A credit lowers the balance shown the next time the employee is chosen.
    w.chooseCredit(true);
    w.amountField()->setText(S("21,50"));
    d.answerMessages({S("N")});
    w.confirm();
    EXPECT_EQ(vouchers(), 3);
    EXPECT_EQ(shown.rolls.size(), 1u);   // "Não": no receipt, the row stays
    w.chooseEmployee(6);
    w.chooseEmployee(5);
    EXPECT_EQ(w.balanceText(), S("     1010,00"));
}

TEST_F(StaffVoucherWindows, TheA4ReceiptStatesTheAmountTheCompanyAndTheEmployee)
{
    TFormDebCreFunc w(st.logon());
    w.chooseEmployee(6);
    w.setDate(QDate(2024, 3, 5));
    w.historyField()->setText(S("VALE TRANSPORTE"));
    w.amountField()->setText(S("200000,01"));
    w.choosePageReceipt(true);
    d.answerMessages({S("S")});
    w.confirm();
    ASSERT_EQ(shown.reports.size(), 1u);
    QStringList page = shown.lastReport();
    ASSERT_FALSE(page.isEmpty());
    page[0].remove(QLatin1Char(' '));   // the spaced-out title reads back as one word
    EXPECT_EQ(page, (QStringList{S("RECIBO"), S("R$ 200000,01"), S("Recebemos da BAR DO ZE"),
                                               S("Referente a VALE TRANSPORTE"), S("RECIFE-PE 05/03/24"),
                                               S("BRUNO")}))
        << page.join('\n').toStdString();
    EXPECT_EQ(decimalOf(st.scalar(S("select DEBITO from VALES"))), D("200000,01"));
}

TEST_F(StaffVoucherWindows, HostileAmountsAndTextsAreRefusedOrStoredWhole)
{
    struct Case { const char* label; QString history, amount; bool stored; };
    const Case cases[] = {
        {"quote", S("D'AGUA"), S("1"), true},
        {"sql", S("'; DELETE FROM VALES; --"), S("1"), true},
        {"zero is a movement", S("ZERO"), S("0"), true},
        {"letters", S("X"), S("abc"), false},
        {"empty", S("X"), S(""), false},
        {"1e20", S("X"), S("1e20"), false},
        {"negative", S("X"), S("-5"), false},
        {"emoji", S("\U0001F600"), S("1"), false},
        {"over-long text is cut by the field", QString(60, QLatin1Char('H')), S("1"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        script.answerMessages({S("N")});
        const int before = vouchers();
        TFormDebCreFunc w(st.logon());
        w.chooseEmployee(5);
        w.historyField()->setText(c.history);
        w.amountField()->setText(c.amount);
        w.confirm();
        EXPECT_EQ(vouchers(), before + (c.stored ? 1 : 0));
        EXPECT_EQ(script.messageTexts(),
                  QStringList{c.stored ? StaffVoucherText::kPrintAsk : StaffVoucherText::kFillError});
    }
}

TEST_F(StaffVoucherWindows, TheRollStatementBringsTheBalanceForwardAndListsTheRowsInDateOrder)
{
    movement(5, QDate(2024, 2, 1), "ANTES", "100", nullptr);
    movement(5, QDate(2024, 2, 20), "PAGOU", nullptr, "40");
    movement(5, QDate(2024, 3, 10), "VALE 2", "25", nullptr);     // written first, dated later
    movement(5, QDate(2024, 3, 2), "VALE 1", "50,5", nullptr);
    movement(5, QDate(2024, 3, 15), "DEVOLVEU", nullptr, "10,25");
    movement(5, QDate(2024, 3, 16), "NADA", "0", "0");
    movement(6, QDate(2024, 3, 3), "OUTRO", "999", nullptr);
    TFormValeFic w(st.logon());
    EXPECT_EQ(w.start(), QDate::currentDate().addDays(-30));
    w.print();   // no employee: nothing
    EXPECT_TRUE(shown.rolls.empty());
    w.chooseEmployee(5);
    EXPECT_EQ(w.balanceText(), S("      125,25"));
    w.setStart(QDate(2024, 3, 1));
    w.print();
    ASSERT_EQ(shown.rolls.size(), 1u);
    const QString today = QDate::currentDate().toString(S("dd/MM/yy"));
    const QStringList expected = {
        S("FICHA DE CONTA CORRENTE (VALES)"), QString(38, '='), S("Emp: BAR DO ZE"), S("Funcionario: ANA"),
        S("Periodo: 01/03/24 a ") + today, QString(38, '-'),
        S("            Saldo anterior       60,00"),
        S("02/03/24 VALE 1            D     50,50"),
        S("10/03/24 VALE 2            D     25,00"),
        S("15/03/24 DEVOLVEU          C     10,25"),
        S("16/03/24 NADA              C      0,00"),
        QString(38, '-'),
        S("       Saldo devedor Total      -65,25"),
        S(" "), S(" "), S(" "), S(" "), S(" "), S(" "), S("."),
    };
    EXPECT_EQ(shown.rolls.front(), expected) << shown.rolls.front().join('\n').toStdString();
    for (int i = 6; i <= 12; ++i)
        EXPECT_EQ(shown.rolls.front().at(i).size(), 38) << i;
}

TEST_F(StaffVoucherWindows, ThePageStatementRunsTheBalanceFromTheOpeningWithTwoDecimals)
{
    movement(5, QDate(2024, 2, 1), "ANTES", "100", nullptr);
    movement(5, QDate(2024, 3, 10), "VALE 2", "25", nullptr);
    movement(5, QDate(2024, 3, 2), "VALE 1", "50,5", nullptr);
    movement(5, QDate(2024, 3, 15), "DEVOLVEU", nullptr, "10,25");
    TFormValeFic w(st.logon());
    w.chooseEmployee(5);
    w.setStart(QDate(2024, 3, 1));
    w.choosePageReport(true);
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    const QStringList lines = shown.lastReport();
    const int header = int(lines.indexOf(S("Data Historico Débito Crédito Saldo")));
    ASSERT_GE(header, 0) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(S("Funcionario 5 - ANA")));
    EXPECT_EQ(lines.mid(header + 1), (QStringList{S("02/03/24 VALE 1 50,50 0,00 150,50"),
                                                  S("10/03/24 VALE 2 25,00 0,00 175,50"),
                                                  S("15/03/24 DEVOLVEU 0,00 10,25 165,25"), S("Total 165,25")}));
}

TEST_F(StaffVoucherWindows, MovementsOnlyBeforeTheStartGiveTheOpeningAlone)
{
    movement(5, QDate(2024, 2, 1), "ANTES", "100", nullptr);
    TFormValeFic w(st.logon());
    w.chooseEmployee(5);
    w.setStart(QDate(2024, 3, 1));
    w.print();
    ASSERT_EQ(shown.rolls.size(), 1u);
    const QStringList roll = shown.rolls.front();
    EXPECT_TRUE(roll.contains(S("            Saldo anterior      100,00")));
    EXPECT_TRUE(roll.contains(S("       Saldo devedor Total        0,00")));
    w.choosePageReport(true);
    w.print();
    EXPECT_EQ(shown.lastReport().last(), S("Total 100,00"));
    // Before the first movement the opening is 0,00.
    w.choosePageReport(false);
    w.setStart(QDate(2024, 1, 1));
    w.print();
    EXPECT_TRUE(shown.rolls.back().contains(S("            Saldo anterior        0,00")));
}
