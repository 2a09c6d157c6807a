// The cash office's windows as a user drives them: every window whole on a
// 1366 x 768 screen in the states its buttons reach; hostile values typed in each
// entry window; the ribbons' rights and the sales screen's lock of the cash report.
#include "ProgramStyle.h"
#include "CashOfficeSeeds.h"
#include "LoginFixtures.h"
#include "RegisterSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowFit.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "cashoffice/CashMovementReport.h"
#include "cashoffice/UnitCadDup.h"
#include "cashoffice/UnitCancel.h"
#include "cashoffice/UnitDesp.h"
#include "cashoffice/UnitExcLan.h"
#include "cashoffice/UnitFecAnalitico.h"
#include "cashoffice/UnitFecMes.h"
#include "cashoffice/UnitFecha.h"
#include "cashoffice/UnitVenDia.h"
#include "platform/StationPaths.h"
#include "platform/Style.h"
#include "sales/SalesRibbon.h"
#include "shell/Ribbon.h"
#include "shell/UnitAcessos.h"
#include "shell/UnitPrincipal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

void promptWith(ScriptedDialogs& d, const char* user)
{
    d.onWindow(S("TFormAcessos"), [user](QDialog& w) {
        auto& p = static_cast<TFormAcessos&>(w);
        if (!user) {
            p.cancel();
            return w.result();
        }
        p.setName(S(user));
        p.setPassword(S("1"));
        p.confirm();
        return w.result();
    });
}

class CashOfficeWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        shift = seeds::sellAShift(st);
        registerProgramWindows();
    }
    TLogon& l() { return st.logon(); }
    TestStation st;
    ScriptedDialogs ui;
    seeds::ShiftOfSales shift;
};

} // namespace

TEST_F(CashOfficeWindows, EveryWindowFitsA1366By768ScreenInEveryState)
{
    const ProgramStyle style;
    {
        TFormFecha w(l());
        checkFits(w, S("TFormFecha"));
        w.setLockFlag(S("C"));
        checkFits(w, S("TFormFecha-travado"));
    }
    {
        TFormDesp w(l());
        EXPECT_EQ(w.rowCount(), 2);
        w.selectRow(0);
        w.alter();
        checkFits(w, S("TFormDesp"));
    }
    {
        TFormCadDup w(l());
        w.setCode(S("35"));
        w.showAccount();
        ASSERT_EQ(w.lineCount(), 2);
        checkFits(w, S("TFormCadDup"));
    }
    {
        TFormExcLan w(l());
        checkFits(w, S("TFormExcLan"));
    }
    {
        TFormFecMes w(l());
        checkFits(w, S("TFormFecMes"));
    }
    {
        TFormFecAnalitico w(l());
        checkFits(w, S("TFormFecAnalitico"));
    }
    {
        TFormVenDia w(l());
        checkFits(w, S("TFormVenDia"));
    }
    {
        for (int i = 0; i < 120; ++i)
            l().run(S("insert into fatura (nota, tipo, caixa, terminal, data, valor, cliente) values "
                      "(?, 1, 1, 1, '2026-03-14', 1234567.89, 'UM NOME DE CLIENTE BEM COMPRID')"),
                    {100000 + i});
        TFormCancel w(l());
        EXPECT_EQ(w.rowCount(), 100);
        w.pickRow(0);
        w.setFields(QString::number(shift.cash), QString::number(shift.tabB), S("14/03/26"), S("1"));
        w.showProducts();
        EXPECT_EQ(w.productsText().count('\n'), 7);
        checkFits(w, S("TFormCancel"));
    }
    CashMovementReport::lockFlagFromSettings();
    st.logon().run(S("update contcaixa set caixa = 0"));
    {
        TFormCadDup w(l());
        EXPECT_FALSE(w.cashOpen());
        checkFits(w, S("TFormCadDup-caixa-fechado"));
    }
}

TEST_F(CashOfficeWindows, ExpensesWindowTakesOnlyAmountsAndKeepsOneRowPerConfirmation)
{
    seeds::addCostCentre(l(), 3, S("BAR"));
    TFormDesp w(l());
    EXPECT_EQ(w.cashShift(), shift.cash);
    EXPECT_EQ(w.costCentres(), QStringList{S("003  BAR")});
    struct Case { const char* history; const char* amount; QString message; int rows; };
    const Case cases[] = {
        {"GELO", "abc", expensesmsg::invalidAmount, 2},
        {"GELO", "0", expensesmsg::invalidAmount, 2},
        {"GELO", "-1", expensesmsg::invalidAmount, 2},
        {"GELO", "1e20", expensesmsg::invalidAmount, 2},
        {"GELO", "12,345", expensesmsg::invalidAmount, 2},
        {"GELO", "", expensesmsg::invalidAmount, 2},
        {"'; DELETE FROM DESPLOJA; --", "1", QString(), 3},
        {"ÁGUA \"MINERAL\" 😀", "2", QString(), 3},   // the database cannot store the emoji: an error box
        {"ÁGUA \"MINERAL\"", "2,5", QString(), 3},    // the row just written is altered, not written again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.history) + " / " + c.amount);
        ui.messages.clear();
        ui.errors.clear();
        w.setHistory(S(c.history));
        w.setAmount(S(c.amount));
        w.confirm();
        EXPECT_EQ(ui.messageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(w.rowCount(), c.rows);
    }
    EXPECT_EQ(ui.errors.size(), 0);
    EXPECT_EQ(st.count(S("select count(*) from desploja where historico = 'ÁGUA \"MINERAL\"' and valor = 2.5")), 1);

    // "&Novo" then a confirmation writes a new row; "&Excluir" deletes the grid's current one.
    w.newExpense();
    w.setHistory(S("carvao"));
    w.setAmount(S("7.5"));
    w.confirm();
    EXPECT_EQ(w.rowCount(), 4);
    EXPECT_EQ(st.count(S("select count(*) from desploja where historico = 'CARVAO' and valor = 7.5 and ccusto = 3")), 1);
    w.selectRow(3);
    w.removeCurrent();
    EXPECT_EQ(w.rowCount(), 3);

    // The voucher of what the fields hold.
    w.newExpense();
    w.printVoucher();
    EXPECT_EQ(ui.windowsShown.last(), S("TFormVisaoRelatorio"));
    w.leave();
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST_F(CashOfficeWindows, CustomerAccountWindowRefusesBadEntriesAndPrintsThePaymentReceipt)
{
    seeds::setup(st, {{12, S("Visualizar")}});
    TFormCadDup w(l());
    EXPECT_EQ(w.cashLabel(), S("|     Caixa Aberto      |"));
    struct Case { const char* code; const char* amount; const char* kind; QString message; };
    const Case cases[] = {
        {"", "10", "C", accountmsg::customerNotFound},
        {"ABC", "10", "C", accountmsg::customerNotFound},
        {"35 OR 1=1", "10", "C", accountmsg::customerNotFound},
        {"99999999999", "10", "D", accountmsg::customerNotFound},
        {"35", "DEZ", "C", accountmsg::invalidAmount},
        {"35", "0", "D", accountmsg::invalidAmount},
        {"35", "1E20", "C", accountmsg::invalidAmount},
        {"35", "-3", "C", accountmsg::invalidAmount},
    };
    const int before = st.count(S("select count(*) from recarq"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " / " + c.amount);
        ui.messages.clear();
        w.setCode(S(c.code));
        w.setAmount(S(c.amount));
        w.setKind(S(c.kind));
        w.confirm();
        EXPECT_EQ(ui.messageTexts(), QStringList{c.message});
    }
    EXPECT_EQ(st.count(S("select count(*) from recarq")), before);

    // A debit never asks for a receipt; a payment does, and "Sim" previews it.
    ui.messages.clear();
    w.setCode(S("35"));
    w.showAccount();
    EXPECT_EQ(w.customerName(), S("JOAO DA SILVA"));
    w.setHistory(S("O'BRIEN \"TAB\" ÇÃ"));
    w.setAmount(S("100"));
    w.setKind(S("D"));
    w.confirm();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(w.lineCount(), 3);
    EXPECT_TRUE(w.history().isEmpty()) << "history and value are emptied after a confirmation";
    ui.answerMessages({S("S")});
    w.setHistory(S("JOAO DA SILVA"));
    w.setAmount(S("30"));
    w.setKind(S("C"));
    w.confirm();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("Deseja Imprimir Recibo do pagamento?")});
    EXPECT_EQ(ui.windowsShown.last(), S("TFormVisao"));
    EXPECT_EQ(w.lineCells(3).mid(5), (QStringList{S("0,00"), S("30,00"), S("70,50")}));
    EXPECT_EQ(w.lineCells(3).at(3), S(" Pagamento do Titulo "));

    // A double click on the receivable's line takes its sale number.
    w.pickLine(0);
    EXPECT_EQ(w.sale(), QString::number(shift.tabB));

    // Deleting: a cancelled prompt changes nothing; a supervisor deletes the line picked.
    promptWith(ui, nullptr);
    w.selectLine(2);
    w.deleteEntry();
    EXPECT_EQ(w.lineCount(), 4);
    promptWith(ui, "CHEFE");
    st.logon().run(S("update miltrex set senha = '1' where nome = 'CHEFE'"));
    ui.onWindow(S("TFormExcLan"), [](QDialog& d) {
        static_cast<TFormExcLan&>(d).confirm();
        return d.result();
    });
    w.selectLine(2);
    w.deleteEntry();
    EXPECT_EQ(ui.windowsShown.last(), S("TFormExcLan"));
    EXPECT_EQ(w.lineCount(), 3);
    EXPECT_EQ(st.count(S("select count(*) from recarq where codigo = 35 and nome = 'O''BRIEN \"TAB\" ÇÃ'")), 0);

    // With the cash closed: the entry is off and "Busca" says why.
    l().run(S("update contcaixa set caixa = 0"));
    TFormCadDup closed(l());
    EXPECT_FALSE(closed.cashOpen());
    EXPECT_EQ(closed.cashLabel(), S("|    Caixa Fechado      |"));
    ui.messages.clear();
    closed.search();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("|    O caixa precisa ser aberto...      |")});
}

TEST_F(CashOfficeWindows, ReportWindowsAnswerHostileCashNumbersWithAMessage)
{
    const char* hostile[] = {"", "abc", "1'; delete from fatura; --", "-1", "1e20", "😀", " "};
    seeds::setup(st, {{15, S("Nao Imprimir")}});
    TFormFecha fecha(l());
    EXPECT_EQ(fecha.cashText(), QString::number(shift.cash));
    EXPECT_EQ(fecha.terminalText(), S("01"));
    TFormFecAnalitico analytic(l());
    TFormVenDia byNote(l());
    TFormFecMes billing(l());
    for (const char* bad : hostile) {
        SCOPED_TRACE(bad);
        ui.messages.clear();
        fecha.setCashText(S(bad));
        fecha.print();
        analytic.setCashText(S(bad));
        analytic.print();
        byNote.setCashText(S(bad));
        byNote.print();
        billing.setRange(S("1"), S(bad));
        billing.print();
        EXPECT_EQ(ui.messageTexts(), QStringList(4, S("  Numero do Caixa Invalido  ")));
        EXPECT_TRUE(fecha.printEnabled());
    }
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join('\n').toStdString();
    // The fields hold nine digits at most: a longer number is cut, and is a shift that
    // never was: said, nothing printed.
    fecha.setCashText(S("12345678901"));
    EXPECT_EQ(fecha.cashText(), S("123456789"));
    ui.messages.clear();
    ui.windowsShown.clear();
    fecha.print();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("|   Movimento de Caixa não localizado...   |")});
    EXPECT_TRUE(ui.windowsShown.isEmpty());
    analytic.setCashText(S("1"));
    analytic.setTerminalText(S("x"));
    ui.messages.clear();
    analytic.print();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("  Numero do Terminal Invalido  ")});
    EXPECT_EQ(st.count(S("select count(*) from fatura")), 4);

    // The good ones: the preview of each.
    ui.windowsShown.clear();
    fecha.setCashText(QString::number(shift.cash));
    fecha.setOptions({true, true, true}, true);
    fecha.print();
    analytic.setTerminalText(S("1"));
    analytic.print();
    byNote.setCashText(S("1"));
    byNote.print();
    billing.setRange(S("1"), S("1"));
    billing.print();
    EXPECT_EQ(ui.windowsShown, (QStringList{S("TFormVisao"), S("TFormVisao"), S("TFormVisaoRelatorio"), S("TFormVisao")}));
}

TEST_F(CashOfficeWindows, CancellationWindowPicksConfirmsAndRefuses)
{
    TFormCancel w(l());
    ASSERT_EQ(w.rowCount(), 4);
    EXPECT_EQ(w.rowCells(0), (QStringList{S("1"), QString::number(shift.cash), QString::number(shift.delivery),
                                          S("14/03/26"), S("59,00")}));
    struct Case { const char* cash; const char* sale; const char* date; const char* terminal; QString message; };
    const Case cases[] = {
        {"", "abc", "14/03/26", "1", cancelmsg::notFound},
        {"", "1'; DELETE FROM FATURA; --", "14/03/26", "1", cancelmsg::notFound},
        {"", "1e20", "14/03/26", "1", cancelmsg::notFound},
        {"", "1", "99/99/99", "1", cancelmsg::invalidDate},
        {"", "1", "14/03/26", "😀", cancelmsg::invalidTerminal},
        {"", "1", "14/03/26", "1 OR 1=1", cancelmsg::invalidTerminal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sale);
        ui.messages.clear();
        ui.answerMessages({S("S")});
        w.setFields(S(c.cash), S(c.sale), S(c.date), S(c.terminal));
        w.cancelSale();
        EXPECT_EQ(ui.messageTexts(), (QStringList{cancelmsg::question, c.message}));
        EXPECT_TRUE(w.cashText().isEmpty());
    }
    EXPECT_EQ(st.count(S("select count(*) from fatura")), 4);

    // "Não" cancels nothing.
    ui.messages.clear();
    ui.answerMessages({S("N")});
    w.pickRow(3);
    EXPECT_EQ(w.saleText(), S("1"));
    w.cancelSale();
    EXPECT_EQ(ui.messageTexts(), QStringList{cancelmsg::question});
    EXPECT_EQ(st.count(S("select count(*) from fatura")), 4);

    // A sale picked, its products seen, cancelled.
    w.pickRow(3);
    w.showProducts();
    EXPECT_TRUE(w.productsText().contains(S("CERVEJA")));
    ui.messages.clear();
    ui.answerMessages({S("S")});
    ctx::op().AuthoriserName = S("CHEFE");
    w.cancelSale();
    EXPECT_EQ(ui.messageTexts(), (QStringList{cancelmsg::question, S("       venda Extornada          ")}));
    EXPECT_TRUE(w.productsText().isEmpty());
    EXPECT_EQ(w.rowCount(), 3);
    EXPECT_EQ(st.count(S("select count(*) from excluidos where usuario = 'CHEFE'")), 1);
    // Seen again: gone.
    ui.messages.clear();
    w.setFields(QString(), S("1"), S("14/03/26"), S("1"));
    w.showProducts();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("        Venda Não Localizada         ")});
}

TEST_F(CashOfficeWindows, SalesScreenLocksTheCashReportByItsAuthorisersFlagAndOpensExpenses)
{
    st.addUser(S("GERENTE"), S("1"), S("C"), 64);
    st.addUser(S("DONO"), S("1"), S("S"), 64);
    st.addUser(S("GARCOM"), S("1"), S("N"), 0);
    salesribbon::Context context;
    context.logon = &l();
    struct Case { const char* user; bool opens; bool locked; };
    for (const Case& c : {Case{"GERENTE", true, true}, Case{"DONO", true, false}, Case{"GARCOM", false, false}}) {
        SCOPED_TRACE(c.user);
        ui.windowsShown.clear();
        ui.messages.clear();
        promptWith(ui, c.user);
        bool locked = false;
        QString flag;
        ui.onWindow(S("TFormFecha"), [&](QDialog& d) {
            auto& f = static_cast<TFormFecha&>(d);
            locked = f.cashLocked();
            flag = f.lockFlag();
            return 0;
        });
        salesribbon::run(S("Imprimir Mov. Caixa"), context);
        EXPECT_EQ(ui.windowsShown.contains(S("TFormFecha")), c.opens);
        EXPECT_EQ(locked, c.locked);
        if (c.opens)
            EXPECT_EQ(flag, S(c.user) == S("GERENTE") ? S("C") : S("S"));
        else
            EXPECT_EQ(ui.messageTexts(), QStringList{S("       Acesso não autorizado         ")});
    }

    // "Despesas do Caixa" opens the expenses of the open shift for a user with bit 32.
    ctx::op().LoginRights = 32;
    ui.windowsShown.clear();
    salesribbon::run(S("Despesas do Caixa"), context);
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormDesp")});
}

TEST_F(CashOfficeWindows, FromTheMainWindowTheLockComesFromTheStationsVavozFile)
{
    struct Case { QStringList file; const char* flag; bool locked; };
    const Case cases[] = {
        {{}, "S", false},                                  // no file
        {{S("a"), S("b"), S("   ")}, "S", false},          // a blank line
        {{S("a"), S("b"), S(" N ")}, "N", false},
        {{S("a"), S("b"), S("X")}, "X", true},
        {{S("a"), S("b"), S("C")}, "C", true},
    };
    for (const Case& c : cases) {
        if (c.file.isEmpty())
            QFile::remove(station::path(S("c:\\Miltrex\\Vavoz\\Vavoz.INI")));
        else
            st.writeFile(S("c:\\Miltrex\\Vavoz\\Vavoz.INI"), c.file);
        TFormFecha w(l());
        EXPECT_EQ(w.lockFlag(), S(c.flag)) << c.flag;
        EXPECT_EQ(w.cashLocked(), c.locked) << c.flag;
        EXPECT_EQ(w.cashText(), QString::number(shift.cash));
    }
}

TEST_F(CashOfficeWindows, MainRibbonEntriesOpenTheirWindowsBehindTheirRights)
{
    st.addUser(S("CAIXA"), S("1"), S("N"), 64);
    st.addUser(S("ESTOQUE"), S("2"), S("N"), 2 | 4 | 16 | 128);
    answerLogin(ui, S("CAIXA"), S("1"));
    TPrincipal w(l());
    ASSERT_TRUE(w.FormCreate());
    // "Encerramento do dia": the operator's own bit 64, no prompt.
    w.clickButton(S("Relatórios 1"), S("Encerramento do dia"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormFecha"));
    // "Imprimir Mov Caixa": always a prompt, bit 2.
    answerSupervisorPrompt(ui, S("CAIXA"), S("1"));
    w.clickButton(S("Principal"), S("Imprimir Mov Caixa"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormAcessos"));
    EXPECT_EQ(ui.messageTexts().last(), ribbon::refusal);
    answerSupervisorPrompt(ui, S("ESTOQUE"), S("2"));
    for (const auto& [tab, caption, window] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"Principal", "Imprimir Mov Caixa", "TFormFecha"},
             {"Principal", "Cancelar Vendas", "TFormCancel"},
             {"C. Receber", "Controle C. Receber", "TFormCadDup"},
             {"Relatórios 2", "Fechamento Analitico (Dia)", "TFormFecAnalitico"}}) {
        w.clickButton(S(tab), S(caption));
        EXPECT_EQ(ui.windowsShown.last(), S(window)) << caption;
    }
    // Bit 64 through the prompt: billing and sales by note.
    answerSupervisorPrompt(ui, S("CAIXA"), S("1"));
    w.clickButton(S("Relatórios 1"), S("Faturamento por Período"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormFecMes"));
    w.clickButton(S("Relatórios 1"), S("Venda do Dia"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormVenDia"));
}
