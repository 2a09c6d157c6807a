// The cash office's own rows: daily expenses of the open shift and customer
// accounts (debits, payments on account, the service-fee release, deletion), on a
// real database, with the refusals that write nothing and another station closing
// the shift in between.
#include "DeviceBytes.h"
#include "CashOfficeSeeds.h"
#include "ClosingSeeds.h"
#include "ReportReading.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "core/Globals.h"
#include "db/DbError.h"
#include "closing/TabClosing.h"
#include "cashoffice/CashMovementReport.h"
#include "cashoffice/CustomerAccount.h"
#include "cashoffice/DailyExpenses.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

ExpenseInput expense(const char* history, const char* amount, qint64 id = 0, const char* centre = "")
{
    ExpenseInput e;
    e.id = id;
    e.history = S(history);
    e.amount = S(amount);
    e.costCentre = S(centre);
    e.terminal = S("01");
    e.today = QDate(2026, 3, 14);
    return e;
}

AccountEntry entry(const char* code, const char* kind, const char* amount, const char* history = "",
                   const char* sale = "", const char* release = "N")
{
    return AccountEntry{S(code), S(sale), S(history), S(kind), S(release), S(amount), QDate(2026, 3, 14)};
}

} // namespace

TEST(DailyExpensesRecords, ConfirmAltersTheSameRowAndLeavingKeepsOtherShiftsRows)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::addCostCentre(l, 7, S("COZINHA"));
    seeds::addCostCentre(l, 1200, S("MANUTENCAO"));
    int cash = 0;
    ASSERT_EQ(CashShift(l).open(QDate(2026, 3, 14), D("0"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);
    DailyExpenses x(l);
    EXPECT_EQ(x.costCentreItems(), (QStringList{S("007  COZINHA"), S("1200  MANUTENCAO")}));
    EXPECT_EQ(x.openCash(), cash);

    // A second confirmation after an insert alters that row, it does not add another.
    const qint64 id = x.confirm(cash, expense("gelo", "15,5", 0, "007  COZINHA"));
    EXPECT_EQ(x.confirm(cash, expense("gelo e carvao", "18", id, "1200  MANUTENCAO")), id);
    std::vector<ExpenseRow> rows = x.rows(cash);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].historico, S("GELO E CARVAO"));
    EXPECT_EQ(rows[0].valor, D("18"));
    EXPECT_EQ(rows[0].costCentre, 1200);
    EXPECT_EQ(rows[0].terminal, 1);
    EXPECT_EQ(x.confirm(cash, expense("", "3", 0, "")), id + 1);
    EXPECT_EQ(x.rows(cash).back().historico, S("*"));
    EXPECT_FALSE(x.rows(cash).back().costCentre.has_value());

    // Rows of amount zero of other shifts and stations, left by older stations, stay.
    l.run(S("insert into desploja (data, caixa, terminal, historico, valor) values ('2026-03-01', 77, 1, 'OLD', 0)"));
    l.run(S("insert into desploja (data, caixa, terminal, historico, valor) values ('2026-03-14', ?, 2, 'X', 0)"),
          {cash});
    l.run(S("insert into desploja (data, caixa, terminal, historico, valor) values ('2026-03-14', ?, 1, 'Y', 0)"),
          {cash});
    x.leave(cash, S("01"));
    EXPECT_EQ(st.count(S("select count(*) from desploja where valor = 0")), 2);
    EXPECT_EQ(st.count(S("select count(*) from desploja where historico = 'Y'")), 0);

    // Deleting: only a row of the shift.
    EXPECT_FALSE(x.remove(cash, 0));
    // a row of another shift than the open one is that shift's closing: refused
    EXPECT_THROW(x.remove(cash + 1, id), ExpenseRefused);
    EXPECT_TRUE(x.remove(cash, id));
}

TEST(DailyExpensesRecords, BadAmountsAndAClosedShiftWriteNothing)
{
    TestStation st;
    TLogon& l = st.logon();
    ScriptedDialogs ui;
    int cash = 0;
    ASSERT_EQ(CashShift(l).open(QDate(2026, 3, 14), D("0"), S("ANA"), S("CHEFE"), &cash), CashShift::Result::Done);
    DailyExpenses x(l);
    struct Case { const char* history; const char* amount; QString message; };
    const Case cases[] = {
        {"GELO", "0", expensesmsg::invalidAmount},
        {"GELO", "0,00", expensesmsg::invalidAmount},
        {"GELO", "abc", expensesmsg::invalidAmount},
        {"GELO", "", expensesmsg::invalidAmount},
        {"GELO", "-5", expensesmsg::invalidAmount},
        {"GELO", "1e20", expensesmsg::invalidAmount},
        {"GELO", "10,005", expensesmsg::invalidAmount},
        {"GELO", "999999999999999", expensesmsg::invalidAmount},
        {"GELO", "1'; delete from desploja; --", expensesmsg::invalidAmount},
    };
    for (const Case& c : cases) {
        try {
            x.confirm(cash, expense(c.history, c.amount));
            ADD_FAILURE() << c.amount;
        } catch (const ExpenseRefused& e) {
            EXPECT_EQ(e.message(), c.message) << c.amount;
        }
    }
    // Texts the database cannot store, or too long, are cut or refused with the plain message.
    EXPECT_THROW(x.confirm(cash, expense("GELO 😀", "5")), DbError);
    x.confirm(cash, expense("O'BRIEN; DROP TABLE DESPLOJA; -- ÁÇÃO E UM TEXTO LONGO DEMAIS PARA CABER", "1,5"));
    EXPECT_EQ(x.rows(cash).back().historico, S("O'BRIEN; DROP TABLE DESPLOJA; -- ÁÇÃO E "));
    EXPECT_EQ(st.count(S("select count(*) from desploja")), 1);

    // Another station closes the shift: this window's shift is no longer open.
    CashShift(l).close(S("CHEFE"));
    try {
        x.confirm(cash, expense("GELO", "5"));
        ADD_FAILURE() << "written in a closed shift";
    } catch (const ExpenseRefused& e) {
        EXPECT_EQ(e.message(), expensesmsg::cashClosed);
    }
    try {
        x.confirm(0, expense("GELO", "5"));
        ADD_FAILURE();
    } catch (const ExpenseRefused& e) {
        EXPECT_EQ(e.message(), S(" caixa fechado... abra primeiro um caixa"));
    }
    EXPECT_EQ(st.count(S("select count(*) from desploja")), 1);
}

TEST(CustomerAccountRecords, DebitsPaymentsAndTheRunningBalance)
{
    TestStation st;
    ScriptedDialogs ui;
    const seeds::ShiftOfSales shift = seeds::sellAShift(st);
    TLogon& l = st.logon();
    CustomerAccount account(l);
    const std::optional<AccountCustomer> joao = account.customer(S("35"));
    ASSERT_TRUE(joao);

    // The receivable of tab 000011 (30,50 Fiado) and the payment of 30,00 already there.
    account.record(entry("35", "D", "100", "ACERTO MARCO"));
    account.record(entry("35", "C", "30,25", "JOAO DA SILVA"));
    const std::vector<AccountLine> lines = account.lines(*joao);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].debit, D("30,5"));
    EXPECT_EQ(lines[0].saleNumber, QString::number(shift.tabB));
    EXPECT_EQ(lines[0].history, S(" Debito na CC / Titulo ")) << "written with the customer's own name";
    EXPECT_EQ(lines[1].credit, D("30"));
    EXPECT_EQ(lines[1].history, S(" Pagamento do Titulo "));
    EXPECT_EQ(lines[2].history, S("ACERTO MARCO"));
    EXPECT_EQ(lines[2].balance, D("100,5"));
    EXPECT_EQ(lines[3].credit, D("30,25"));
    EXPECT_EQ(lines[3].balance, D("70,25"));
    EXPECT_TRUE(lines[3].saleNumber.isEmpty());

    // The payment is the shift's: listed among the receivables settled in it.
    EXPECT_EQ(st.count(S("select count(*) from recarq where caixabaixa = ? and valor3 = valor"), {shift.cash}), 2);
    EXPECT_EQ(st.count(S("select count(*) from recarq where codigo = 35 and caixa is null and duplicata is null")), 3);

    // Deleting an entry: only one of this customer's.
    const AccountCustomer walkIn = *account.customer(S("1"));
    EXPECT_FALSE(account.removeEntry(walkIn, QString::number(lines[3].entry)));
    EXPECT_FALSE(account.removeEntry(*joao, S("abc")));
    EXPECT_TRUE(account.removeEntry(*joao, QString::number(lines[3].entry)));
    EXPECT_EQ(account.lines(*joao).size(), 3u);
}

TEST(CustomerAccountRecords, RefusalsWriteNothingAndAClosedShiftTakesNoEntry)
{
    TestStation st;
    ScriptedDialogs ui;
    const seeds::ShiftOfSales shift = seeds::sellAShift(st);
    TLogon& l = st.logon();
    CustomerAccount account(l);
    const QString serviceRows = S("select count(*) from servico where caixa = ? and tipo = ?");
    auto servicePicture = [&] {
        QList<int> counts;
        for (int tipo : {1, 2, 6})
            counts << st.count(serviceRows, {shift.cash, tipo});
        return counts;
    };
    const QList<int> service = servicePicture();

    const int before = st.count(S("select count(*) from recarq"));
    const QString tabB = QString::number(shift.tabB);
    struct Case { AccountEntry e; QString message; };
    const Case cases[] = {
        {entry("", "C", "10"), accountmsg::customerNotFound},
        {entry("999", "C", "10"), accountmsg::customerNotFound},
        {entry("abc", "C", "10"), accountmsg::customerNotFound},
        {entry("35'; delete from recarq; --", "C", "10"), accountmsg::customerNotFound},
        {entry("-35", "C", "10"), accountmsg::customerNotFound},
        {entry("35", "C", "0"), accountmsg::invalidAmount},
        {entry("35", "C", "dez"), accountmsg::invalidAmount},
        {entry("35", "D", "-10"), accountmsg::invalidAmount},
        {entry("35", "D", "1e20"), accountmsg::invalidAmount},
        // "LV" with a number that is no sale on JOAO's account: tab 000010 was the walk-in
        // consumer's, paid in cash; 424242 was never sold
        {entry("35", "C", "10", "", QString::number(shift.tabA).toLatin1().constData(), "S"),
         accountmsg::saleNotOnAccount},
        {entry("35", "C", "10", "", "424242", "s"), accountmsg::saleNotOnAccount},
    };
    for (const Case& c : cases) {
        try {
            account.record(c.e);
            ADD_FAILURE() << c.e.code.toStdString() << " " << c.e.sale.toStdString();
        } catch (const AccountRefused& e) {
            EXPECT_EQ(e.message(), c.message) << c.e.code.toStdString() << " " << c.e.sale.toStdString();
        }
    }
    AccountEntry badDate = entry("35", "C", "10");
    badDate.date = QDate();
    EXPECT_THROW(account.record(badDate), AccountRefused);
    EXPECT_EQ(st.count(S("select count(*) from recarq")), before);
    EXPECT_EQ(servicePicture(), service);

    // Without a sale number ("NAO INFORMADO") nothing is released.
    const AccountEntryResult r = account.record(entry("35", "C", "5", "JOAO", "", "S"));
    EXPECT_EQ(r.sale, S("NAO INFORMADO"));
    EXPECT_EQ(servicePicture(), service);

    // Another station closed the shift: refused, and neither the release nor the row is written.
    CashShift(l).close(S("CHEFE"));
    const int rows = st.count(S("select count(*) from recarq"));
    try {
        account.record(entry("35", "C", "10", "", tabB.toLatin1().constData(), "S"));
        ADD_FAILURE() << "written in a closed shift";
    } catch (const AccountRefused& e) {
        EXPECT_EQ(e.message(), S("|    O caixa precisa ser aberto...      |"));
    }
    EXPECT_EQ(st.count(S("select count(*) from recarq")), rows);
    EXPECT_EQ(servicePicture(), service);
}

namespace {

// A tab of two beers with every charge of a sale: 10% service (2,00, waiter 4),
// couvert for two (6,00) and a discount of 1,00: 27,00, JOAO's by card and on
// account, or the walk-in consumer's in cash. Closed at the station TerminalNumber
// names, under the open shift.
qint64 closeTabWithCharges(TLogon& l, const char* tab, bool joao)
{
    const QString t = S(tab);
    seeds::openTab(l, t, 4, joao ? 35 : 1);
    seeds::addItem(l, t, S("000001"), S("CERVEJA"), D("2"), D("10"), 4);
    std::vector<SalePayment> payments;
    if (joao)
        payments = {SalePayment{2, S("Cartao"), D("10"), true, false}, SalePayment{5, S("Fiado"), D("17"), false, false}};
    else
        payments = {SalePayment{1, S("Dinheiro"), D("27"), true, false}};
    ClosingRequest r = seeds::consumerClosing(t, payments, QDate(2026, 3, 14));
    if (joao) {
        r.customerField = S("35");
        r.customerName = S("JOAO DA SILVA");
        r.tabCaption = t + S(" - JOAO DA SILVA");
    }
    r.servicePercent = D("10");
    r.persons = 2;
    r.coverPerPerson = D("3");
    r.discount = D("1");
    return TabClosing(l).close(r).saleNumber;
}

} // namespace

TEST(CustomerAccountRecords, LvMovesOnlyTheServiceFeeOfThatSaleToTheOpenShift)
{
    TestStation st;
    ScriptedDialogs ui;
    const seeds::ShiftOfSales shift = seeds::sellAShift(st);
    TLogon& l = st.logon();
    // Tab 000020 of JOAO at station 01, partly on account; then a sale of the same
    // number at station 02 (numbers repeat across stations and shifts).
    const qint64 sale = closeTabWithCharges(l, "000020", true);
    l.GenId(S("BORDA"), -1);
    ctx::station().TerminalNumber = S("02");
    ASSERT_EQ(closeTabWithCharges(l, "000021", false), sale);
    ctx::station().TerminalNumber = S("01");

    auto charges = [&](int cash, const char* terminal) {
        CashMovementReport report(l);
        const QStringList lines =
            CashMovementReport::compose(report.gather(QString::number(cash), S(terminal), {}), {}).lines;
        QStringList found;
        for (const QString& line : lines)
            if (line.startsWith(S("Ttl Taxa Servico")) || line.startsWith(S("Ttl Couver/Show")))
                found << line.simplified();
        return found;
    };
    EXPECT_EQ(charges(shift.cash, "01"), (QStringList{S("Ttl Taxa Servico 6,00"), S("Ttl Couver/Show 12,00")}));
    EXPECT_EQ(charges(shift.cash, "02"), (QStringList{S("Ttl Taxa Servico 2,00"), S("Ttl Couver/Show 6,00")}));

    // The next day JOAO pays 10,00 of it and the waiter's fee is released.
    ASSERT_EQ(CashShift(l).close(S("CHEFE")), CashShift::Result::Done);
    int next = 0;
    ASSERT_EQ(CashShift(l).open(QDate(2026, 3, 15), D("100"), S("ANA"), S("CHEFE"), &next), CashShift::Result::Done);
    CustomerAccount account(l);
    const QByteArray number = QByteArray::number(sale);
    account.record(entry("35", "C", "10", "JOAO", number.constData(), "S"));

    // Only the service row of that sale moved, as it was; couvert and discount stay
    // in the sale's shift, and station 02's sale of the same number is untouched.
    EXPECT_EQ(st.count(S("select count(*) from servico where controle = ? and terminal = 1 and tipo = 1 and caixa = ? "
                         "and valor = 2 and codigo = 4"),
                       {sale, next}),
              1);
    for (int tipo : {2, 6})
        EXPECT_EQ(st.count(S("select count(*) from servico where controle = ? and terminal = 1 and tipo = ? and caixa = ?"),
                           {sale, tipo, shift.cash}),
                  1)
            << tipo;
    EXPECT_EQ(st.count(S("select count(*) from servico where controle = ? and terminal = 2 and caixa = ?"),
                       {sale, shift.cash}),
              3);
    EXPECT_EQ(charges(shift.cash, "01"), (QStringList{S("Ttl Taxa Servico 4,00"), S("Ttl Couver/Show 12,00")}));
    EXPECT_EQ(charges(shift.cash, "02"), (QStringList{S("Ttl Taxa Servico 2,00"), S("Ttl Couver/Show 6,00")}));
    EXPECT_EQ(charges(next, "01"), (QStringList{S("Ttl Taxa Servico 2,00"), S("Ttl Couver/Show 0,00")}));

    // Released once: a second "LV" finds nothing left in the sale's shift.
    account.record(entry("35", "C", "5", "JOAO", number.constData(), "S"));
    EXPECT_EQ(charges(next, "01"), (QStringList{S("Ttl Taxa Servico 2,00"), S("Ttl Couver/Show 0,00")}));

    // The same number on JOAO's account twice (another sale of his took it again):
    // which one is meant cannot be told, so nothing is released and nothing written.
    l.GenId(S("BORDA"), sale - l.GenId(S("BORDA"), 0) - 1);
    ASSERT_EQ(closeTabWithCharges(l, "000022", true), sale);
    const int rows = st.count(S("select count(*) from recarq"));
    try {
        account.record(entry("35", "C", "10", "JOAO", number.constData(), "S"));
        ADD_FAILURE() << "released with two sales of one number";
    } catch (const AccountRefused& e) {
        EXPECT_EQ(e.message(), accountmsg::saleOnAccountTwice);
    }
    EXPECT_EQ(st.count(S("select count(*) from recarq")), rows);
    EXPECT_EQ(charges(next, "01"), (QStringList{S("Ttl Taxa Servico 4,00"), S("Ttl Couver/Show 6,00")}));
}

TEST(CustomerAccountRecords, TheReceiptTakesTheLegacyRouteOfTheConferencePrinter)
{
    TestStation st;
    ScriptedDialogs ui;
    seeds::setShiftCompany(st);
    ctx::company().CompanyCnpj = S("12.345.678/0001-90");
    AccountEntryResult r;
    r.customer = AccountCustomer{35, S("JOAO DA SILVA"), S("RUA B, 20"), S("SAO PAULO"), S("SP"), S("1155556666")};
    r.payment = true;
    r.cash = 7;
    r.sale = S("NAO INFORMADO");
    r.history = S("PAGAMENTO PARCIAL");
    r.date = QDate(2026, 3, 14);
    r.amount = D("30,5");
    const Printout receipt = CustomerAccount::receipt(r, QDateTime(QDate(2026, 3, 15), QTime(9, 5, 7)));
    const QStringList expected = {
        S("RECIBO DE PAGAMENTO"), S("BAR DO ZE"), S("RUA DAS FLORES, 10"), S("SAO PAULO  -  SP"),
        S("CNPJ 12.345.678/0001-90"), S(""), S("Cliente:JOAO DA SILVA"), S("Enderec:RUA B, 20"),
        S("Cidade :SAO PAULO - SP"), S("Fone   :1155556666"), S("15/03/26-09:05:07 CX:'7'"), QString(33, '='),
        S("TITULO....: NAO INFORMADO"), S("HISTORICO.: PAGAMENTO PARCIAL"), S("PAGAMENTO.: 14/03/26"),
        S("VALOR.....: 30,50"), QString(33, '='), S(""), S(""), S("DATA/LOCAL ---------------------------"), S(""),
        S(""), S("ASS CAIXA ------------------------"), S("")};
    EXPECT_EQ(receipt.lines, expected);

    // A legacy number of a parallel port: the condensed line of setup.INI line 7, then the lines.
    const QString port = seeds::portToFile(st, S("LPT2"), S("recibo.txt"));
    seeds::setup(st, {{12, S("2")}, {7, S("15")}});
    CustomerAccount::printReceipt(receipt);
    EXPECT_EQ(bytesOf(port), QByteArray("\x0F\r\n") + deviceBytes(expected));
    // The printer name the settings window writes shows the preview; "10" prints nothing.
    seeds::setup(st, {{12, S("Termica")}});
    CustomerAccount::printReceipt(receipt);
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormVisao")});
    seeds::setup(st, {{12, S("10")}});
    CustomerAccount::printReceipt(receipt);
    EXPECT_EQ(ui.windowsShown.size(), 1);
    // A port that cannot be opened says so.
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT2=/no-such-folder/lpt2")});
    seeds::setup(st, {{12, S("2")}});
    CustomerAccount::printReceipt(receipt);
    EXPECT_EQ(ui.messageTexts(), QStringList{S("    Erro ao tentar imprimir     ")});
}
