// The account book's windows as a user works them: the main window and its
// current account, the accounts and codes registers, the entry windows, the
// statement and the totals per code read back from their PDF.
#include "PreviewCapture.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "finance/UnitAlterarx.h"
#include "finance/UnitCAdBan.h"
#include "finance/UnitDespesas.h"
#include "finance/UnitEntradax.h"
#include "finance/UnitExcluirx.h"
#include "finance/UnitImp.h"
#include "finance/UnitMedia.h"
#include "finance/UnitPrinCaixa.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct AccountBookWindows : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    AccountBook book{st.logon()};

    void accounts(std::initializer_list<const char*> names)
    {
        std::vector<AccountChange> changes;
        qint64 n = 0;
        for (const char* name : names)
            changes.push_back({0, ++n, S(name)});
        book.saveAccounts(changes);
    }
    int entries() { return st.count(S("select count(*) from CAIXA")); }
};

// Types an entry in an entry window and confirms it.
void typeEntry(AccountBookEntryWindow& w, const char* date, const char* history, const char* kind, const char* code,
               const char* amount)
{
    w.field(S("Data"))->setText(S(date));
    w.field(S("Historico"))->setText(S(history));
    w.field(S("Tipo (D/C)"))->setText(S(kind));
    w.field(S("Cod Desp/Cred"))->setText(S(code));
    w.field(S("Valor"))->setText(S(amount));
    w.confirm();
}

} // namespace

TEST_F(AccountBookWindows, WithNoAccountTheWindowsSaySoAndNothingFails)
{
    TFormBan w(st.logon());
    EXPECT_EQ(w.accountLabel(), S("CONTA : NAO CADASTRADO.."));
    EXPECT_EQ(w.listedCount(), 0);
    w.insertEntry();
    w.changeEntry();
    w.deleteEntry();
    EXPECT_EQ(d.messageTexts(), QStringList(3, AccountBookText::kNoAccount));
    EXPECT_TRUE(d.windowsShown.isEmpty());
    EXPECT_TRUE(d.errors.isEmpty());

    d.messages.clear();
    d.onWindow(S("TFormImp"), [](QDialog& imp) {
        static_cast<TFormImp&>(imp).print();
        return imp.result();
    });
    w.openStatement();
    EXPECT_EQ(d.messageTexts(), QStringList{AccountBookText::kNoAccount});
    EXPECT_TRUE(shown.reports.empty());
    // The accounts register closed with nothing chosen: still no account, no error.
    w.chooseAccount();
    EXPECT_EQ(w.accountLabel(), S("CONTA : NAO CADASTRADO.."));
    EXPECT_TRUE(d.errors.isEmpty());
    EXPECT_EQ(w.menuEntries(), (QStringList{S("&A- Cadastros/&1-Cadastro da Empresa"),
                                            S("&A- Cadastros/&2-Cadastro Cod (Desp/Cred)"),
                                            S("&A- Cadastros/&3-Cadastro Contas"),
                                            S("&B-Relatórios/&1-Extrato Conta Corrente"),
                                            S("&B-Relatórios/&2-Relatorio de Despesas/Creditos por Codigos")}));
}

TEST_F(AccountBookWindows, TheAccountsRegisterNumbersNewAccountsAndWritesThemOnConfirme)
{
    {
        TFormCadBan w(st.logon());
        EXPECT_EQ(w.codeField()->text(), QString());
        EXPECT_TRUE(w.codeField()->isReadOnly());
        w.newAccount();
        EXPECT_EQ(w.codeField()->text(), S("1"));
        EXPECT_FALSE(w.codeField()->isReadOnly());
        QTest::keyClicks(w.nameField(), S("caixa"));
        EXPECT_TRUE(w.hasPendingChanges());
        EXPECT_TRUE(book.accounts().empty());   // nothing written before "&Confirme"
        w.newAccount();
        EXPECT_EQ(w.codeField()->text(), S("2"));
        QTest::keyClicks(w.nameField(), S("BANCO"));
        ASSERT_TRUE(w.confirm());
        EXPECT_EQ(w.chosenAccount(), S("2"));
    }
    ASSERT_EQ(book.accounts().size(), 2u);
    EXPECT_EQ(book.account(1)->name, S("CAIXA"));
    book.saveAccounts({{0, 3, S("POUPANCA")}});
    {
        // A new name typed and the window closed without "&Confirme": the old one stays.
        TFormCadBan w(st.logon());
        w.chooseRow(0);
        w.nameField()->setText(QString());
        QTest::keyClicks(w.nameField(), S("OUTRO"));
        w.reject();
    }
    EXPECT_EQ(book.account(1)->name, S("CAIXA"));

    // The main window takes up the account the register hands back.
    d.onWindow(S("TFormCadBan"), [](QDialog& dialog) {
        auto& w = static_cast<TFormCadBan&>(dialog);
        w.newAccount();
        EXPECT_EQ(w.codeField()->text(), S("4"));
        QTest::keyClicks(w.nameField(), S("CARTAO"));
        w.confirm();
        w.chooseRow(3);
        QTest::keyClick(w.findChild<QTableView*>(), Qt::Key_Return);   // Enter in the list closes it
        return w.result();
    });
    TFormBan main(st.logon());
    EXPECT_EQ(main.accountLabel(), S("CONTA : 00001 - CAIXA"));
    main.chooseAccount();
    EXPECT_EQ(main.accountLabel(), S("CONTA : 00004 - CARTAO"));
    ASSERT_TRUE(main.currentAccount().has_value());
    EXPECT_EQ(main.currentAccount()->number, 4);

    // Deleting one account leaves the others.
    TFormCadBan w(st.logon());
    w.chooseRow(1);
    d.answerMessages({S("S")});
    w.remove();
    EXPECT_EQ(book.accounts().size(), 3u);
    EXPECT_FALSE(book.account(2).has_value());
    EXPECT_EQ(w.listedCount(), 3);
}

TEST_F(AccountBookWindows, ARefusedConfirmeIsShownAndKeepsTheChanges)
{
    TFormCadBan w(st.logon());
    w.newAccount();
    w.nameField()->setText(S("\U0001F600"));
    emit w.nameField()->textEdited(w.nameField()->text());
    EXPECT_FALSE(w.confirm());
    EXPECT_EQ(d.errors, QStringList{characterSetMessage()});
    EXPECT_TRUE(w.hasPendingChanges());
    EXPECT_TRUE(book.accounts().empty());
    w.nameField()->setText(S("CAIXA"));
    emit w.nameField()->textEdited(w.nameField()->text());
    EXPECT_TRUE(w.confirm());
    EXPECT_EQ(book.accounts().size(), 1u);
}

TEST_F(AccountBookWindows, EntriesAreInsertedInARowChangedAndDeletedFromTheMainWindow)
{
    accounts({"CAIXA", "BANCO"});
    d.onWindow(S("TFormEntradax"), [](QDialog& dialog) {
        auto& w = static_cast<TFormEntradax&>(dialog);
        EXPECT_EQ(w.field(S("Tipo (D/C)"))->text(), S("D"));
        EXPECT_EQ(w.field(S("Valor"))->text(), S("0"));
        EXPECT_EQ(w.field(S("Cod Desp/Cred"))->text(), S("0"));
        typeEntry(w, "10/03/24", "ALUGUEL", "D", "5", "1500,00");
        // The window stays open; the date and the type stay for the next entry.
        EXPECT_EQ(w.field(S("Data"))->text(), S("10/03/24"));
        EXPECT_TRUE(w.field(S("Historico"))->text().isEmpty());
        EXPECT_EQ(w.field(S("Valor"))->text(), S("0"));
        w.field(S("Historico"))->setText(S("DEPOSITO"));
        w.field(S("Tipo (D/C)"))->setText(S("x"));
        w.kindLeft();
        EXPECT_EQ(w.field(S("Tipo (D/C)"))->text(), S("C"));
        QTest::keyClicks(w.field(S("Valor")), S("200000.01"));   // the point typed enters the comma
        w.confirm();
        typeEntry(w, "01/03/24", "SALDO", "c", "0", "10");
        return int(QDialog::Accepted);
    });
    TFormBan w(st.logon());
    w.insertEntry();
    ASSERT_EQ(w.listedCount(), 3);
    EXPECT_EQ(entries(), 3);
    w.chooseRow(0);
    EXPECT_EQ(w.currentEntry()->history, S("SALDO"));   // in date order
    w.chooseRow(2);
    const BookEntry deposit = *w.currentEntry();
    EXPECT_EQ(deposit.credit, D("200000,01"));
    EXPECT_EQ(st.scalar(S("select CONTA from CAIXA where ID = ?"), {deposit.id}).toLongLong(), 1);

    d.onWindow(S("TFormAlterarx"), [](QDialog& dialog) {
        auto& w = static_cast<TFormAlterarx&>(dialog);
        EXPECT_EQ(w.field(S("Valor"))->text(), S("200000,01"));
        EXPECT_EQ(w.field(S("Tipo (D/C)"))->text(), S("C"));
        w.field(S("Valor"))->setText(S("250,5"));
        w.field(S("Tipo (D/C)"))->setText(S("D"));
        w.confirm();
        return w.result();
    });
    w.changeEntry();
    w.chooseRow(2);
    EXPECT_EQ(w.currentEntry()->debit, D("250,50"));
    EXPECT_EQ(w.currentEntry()->credit, D("0"));

    d.onWindow(S("TFormExcluirx"), [](QDialog& dialog) {
        auto& w = static_cast<TFormExcluirx&>(dialog);
        EXPECT_FALSE(w.field(S("Data"))->isEnabled());
        w.confirm();
        return w.result();
    });
    d.answerMessages({S("N"), S("S")});
    w.deleteEntry();
    EXPECT_EQ(entries(), 3);
    w.chooseRow(0);
    w.deleteEntry();
    EXPECT_EQ(entries(), 2);
    EXPECT_EQ(w.listedCount(), 2);
    EXPECT_EQ(d.messageTexts(), QStringList(2, AccountBookText::kDeleteAsk));
}

TEST_F(AccountBookWindows, HostileValuesInTheEntryWindowAreStoredAsTypedOrRefused)
{
    struct Case { const char* label; const char* caption; QString text; bool stored; };
    const Case cases[] = {
        {"quote", "Historico", S("D'AGUA"), true},
        {"sql", "Historico", S("'; DELETE FROM CAIXA; --"), true},
        {"letters in the amount", "Valor", S("ABC"), false},
        {"a point and a comma", "Valor", S("1.000,50"), false},
        {"1e20", "Valor", S("1E20"), false},
        {"negative", "Valor", S("-5"), false},
        {"no date", "Data", S(""), false},
        {"a date that is none", "Data", S("31/04/24"), false},
        {"letters in the code: no code", "Cod Desp/Cred", S("ABC"), true},
        {"emoji", "Historico", S("\U0001F600"), false},
        {"over-long description is cut", "Historico", QString(40, QLatin1Char('H')), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const int before = entries();
        TFormEntradax w(st.logon(), 1);
        w.field(S("Historico"))->setText(S("X"));
        w.field(S("Valor"))->setText(S("1"));
        w.field(S(c.caption))->setText(c.text);
        const QString typed = w.field(S(c.caption))->text();
        w.confirm();
        EXPECT_EQ(entries(), before + (c.stored ? 1 : 0));
        if (!c.stored) {
            EXPECT_EQ(script.messages.size() + size_t(script.errors.size()), 1u);
            EXPECT_EQ(w.field(S(c.caption))->text(), typed);   // kept as typed
        }
    }
    EXPECT_EQ(entries(), 4);
}

TEST_F(AccountBookWindows, TheCodesRegisterCreatesRenamesAndHandsBackACode)
{
    {
        TFormDespesas w(st.logon());
        EXPECT_EQ(w.listedCount(), 0);
        EXPECT_EQ(w.chosenCode(), QString());
        w.newCode();
        EXPECT_EQ(w.codeField()->text(), S("1"));
        w.codeField()->setText(S("007"));
        w.nameField()->setText(S("AGUA"));
        w.confirm();
        EXPECT_EQ(w.codeField()->text(), S("7"));
        w.codeField()->setText(S("3"));
        w.nameField()->setText(S("LUZ"));
        w.confirm();
        w.codeField()->setText(S("7"));
        w.nameField()->setText(S("AGUA E ESGOTO"));
        w.confirm();
        EXPECT_EQ(w.listedCount(), 2);
        w.newCode();
        EXPECT_EQ(w.codeField()->text(), S("8"));
        // Only digits are typed in "Codigo".
        w.codeField()->clear();
        QTest::keyClicks(w.codeField(), S("1a"));
        EXPECT_EQ(w.codeField()->text(), S("1"));
        EXPECT_EQ(d.messageTexts(), QStringList{AccountBookText::kDigitsOnly});
        // Leaving it finds the code, or empties the name.
        w.codeField()->setText(S("3"));
        w.codeLeft();
        EXPECT_EQ(w.nameField()->text(), S("LUZ"));
        w.codeField()->setText(S("99"));
        w.codeLeft();
        EXPECT_EQ(w.nameField()->text(), QString());
        w.codeField()->setText(S("X9"));   // pasted
        w.codeLeft();
        EXPECT_EQ(d.messageTexts().last(), AccountBookText::kCodeNotFound);
        w.confirm();
        EXPECT_EQ(d.messageTexts().last(), AccountBookText::kCodeFillError);
        EXPECT_EQ(st.count(S("select count(*) from DESPESA")), 2);
    }
    // "Ver" in an entry window fills the code of the register's current row.
    d.onWindow(S("TFormDespesas"), [](QDialog& dialog) {
        auto& w = static_cast<TFormDespesas&>(dialog);
        w.chooseRow(1);   // by name: AGUA E ESGOTO, LUZ
        w.accept();
        return int(QDialog::Accepted);
    });
    TFormEntradax entry(st.logon(), 1);
    entry.pickCode();
    EXPECT_EQ(entry.field(S("Cod Desp/Cred"))->text(), S("3"));

    TFormDespesas w(st.logon());
    EXPECT_EQ(w.chosenCode(), S("7"));   // the first by name
    d.answerMessages({S("S")});
    w.remove();
    EXPECT_EQ(st.count(S("select count(*) from DESPESA")), 1);
    EXPECT_EQ(w.chosenCode(), S("3"));
}

TEST_F(AccountBookWindows, TheStatementShowsTheOpeningAndRunningBalanceOfTheChosenAccount)
{
    ctx::company() = {};
    st.logon().run(S("update EMPRESA set EMPRESA = 'BAR DO ZE', ENDERECO = 'RUA A, 10', CIDADE = 'RECIFE', "
                     "ESTADO = 'PE', CNPJ = '12.345.678/0001-90'"));
    accounts({"CAIXA", "BANCO"});
    book.insertEntry(2, {S("05/01/24"), S("DEPOSITO"), S("C"), S("0"), S("100")});
    book.insertEntry(2, {S("10/01/24"), S("TARIFA"), S("D"), S("4"), S("30")});
    book.insertEntry(2, {S("02/02/24"), S("TRANSFERENCIA"), S("C"), S("0"), S("200000,01")});
    book.insertEntry(2, {S("29/02/24"), S("SAQUE"), S("D"), S("0"), S("0,01")});
    book.insertEntry(2, {S("01/03/24"), S("DEPOIS"), S("D"), S("0"), S("9")});
    TFormImp w(st.logon());
    EXPECT_EQ(w.accountItems(), (QStringList{S("00001 - CAIXA"), S("00002 - BANCO")}));
    w.setAccountText(S("00002 - BANCO"));
    w.setPeriod(QDate(2024, 2, 1), QDate(2024, 2, 29));
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    const QStringList lines = shown.lastReport();
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], S("Extrato do Caixa"));
    EXPECT_TRUE(lines.contains(S("PERIODO DE 01/02/24 A 29/02/24"))) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(S("CONTA : 00002 - BANCO")));
    EXPECT_TRUE(lines.contains(S("CNPJ 12.345.678/0001-90")));
    const int header = int(lines.indexOf(S("Data Cod Desp. Histórico Crédito Débito Saldo")));
    ASSERT_GE(header, 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.mid(header + 1), (QStringList{S("02/02/24 0 TRANSFERENCIA 200000,01 0,00 200070,01"),
                                                  S("29/02/24 0 SAQUE 0,00 0,01 200070,00"),
                                                  S("200000,01 0,01 200070,00")}));
}

TEST_F(AccountBookWindows, ThePreviewOfAnEmptyPeriodShowsTheOpeningAsTheFinalBalance)
{
    accounts({"CAIXA"});
    book.insertEntry(1, {S("05/01/24"), S("DEPOSITO"), S("C"), S("0"), S("70")});
    TFormImp w(st.logon());
    w.setPeriod(QDate(2024, 2, 1), QDate(2024, 2, 29));
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    EXPECT_EQ(shown.lastReport().last(), S("0,00 0,00 70,00"));
}

TEST_F(AccountBookWindows, TotalsPerCodeListTheCodesWithTheirSumsAndTheGrandTotal)
{
    accounts({"CAIXA", "BANCO"});
    book.confirmCode(S("5"), S("ALUGUEL"));
    book.confirmCode(S("3"), S("LUZ"));
    book.confirmCode(S("9"), S("PARADO"));
    book.insertEntry(1, {S("01/03/24"), S("A"), S("D"), S("5"), S("30")});
    book.insertEntry(2, {S("02/03/24"), S("B"), S("C"), S("5"), S("20")});
    book.insertEntry(1, {S("03/03/24"), S("C"), S("D"), S("3"), S("1234,56")});
    book.insertEntry(1, {S("04/03/24"), S("D"), S("D"), S("0"), S("99")});
    TFormBan main(st.logon());
    d.onWindow(S("TFormMedia"), [](QDialog& dialog) {
        auto& w = static_cast<TFormMedia&>(dialog);
        w.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
        w.generate();
        return w.result();
    });
    main.openTotals();
    ASSERT_EQ(shown.reports.size(), 1u);
    const QStringList lines = shown.lastReport();
    EXPECT_EQ(lines, (QStringList{S("CAIXA/RAZAO - Por Codigo Desp/Créditos"), S("EMPRESA MINHA EMPRESA"),
                                  S("CONTA : 00001 - CAIXA"), S("PERIODO DE : 01/03/24 A 31/03/24"),
                                  S("codigo NOME VALORES"), S("3 LUZ 1.234,56"), S("5 ALUGUEL 50,00"),
                                  S("TOTAL 1.284,56")}))
        << lines.join('\n').toStdString();

    TFormMedia all(st.logon(), S("CONTA : 00001 - CAIXA"));
    all.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
    all.setOnlyWithMovement(false);
    all.generate();
    EXPECT_TRUE(shown.lastReport().contains(S("9 PARADO 0,00")));
}

TEST_F(AccountBookWindows, HostileValuesInTheCodeAndAccountRegistersAreStoredAsTypedOrRefused)
{
    struct Case { const char* label; QString code, name; bool stored; };
    const Case cases[] = {
        {"quote", S("1"), S("D'AGUA"), true},
        {"sql in the name", S("2"), S("'); DELETE FROM DESPESA; --"), true},
        {"sql in the code", S("3 or 1=1"), S("X"), false},
        {"letters", S("ABC"), S("X"), false},
        {"1e20", S("1e20"), S("X"), false},
        {"negative", S("-4"), S("NEGATIVO"), false},   // a code has no sign
        {"emoji", S("5"), S("\U0001F600"), false},
        {"over-long name is cut", S("6"), QString(30, QLatin1Char('N')), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const int before = st.count(S("select count(*) from DESPESA"));
        TFormDespesas w(st.logon());
        w.codeField()->setText(c.code);
        w.nameField()->setText(c.name);
        w.confirm();
        EXPECT_EQ(st.count(S("select count(*) from DESPESA")), before + (c.stored ? 1 : 0));
        EXPECT_EQ(script.messages.size() + size_t(script.errors.size()), c.stored ? 0u : 1u);
        if (c.stored) {
            EXPECT_EQ(st.scalar(S("select NOME from DESPESA where CODIGO = ?"), {c.code.toInt()}).toString(),
                      c.name.left(AccountBook::kNameLength));
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const int before = st.count(S("select count(*) from CONTA"));
        TFormCadBan w(st.logon());
        w.newAccount();
        w.nameField()->setText(c.name);
        emit w.nameField()->textEdited(w.nameField()->text());
        const bool written = w.confirm();
        const bool refused = c.name == S("\U0001F600");   // only the emoji cannot be stored
        EXPECT_EQ(written, !refused);
        EXPECT_EQ(st.count(S("select count(*) from CONTA")), before + (refused ? 0 : 1));
    }
}
