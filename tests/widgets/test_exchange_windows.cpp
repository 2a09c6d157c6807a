// The CSV export, the product import, the label sheets, the mailing labels, the
// anniversary list and the deleted-items log as a user drives them: their messages
// in order, hostile values typed in each entry window, every window whole on a
// 1366 x 768 screen, and the main ribbon's rights in front of the import.
#include "ProgramStyle.h"
#include "LoginFixtures.h"
#include "OutsideErpSeeds.h"
#include "PreviewCapture.h"
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowLook.h"
#include "app/ProgramWindows.h"
#include "core/Globals.h"
#include "labels/UnitAjuEti1.h"
#include "labels/UnitEtiqueta.h"
#include "exchange/UnitExpExcel.h"
#include "exchange/UnitImporta.h"
#include "salesreports/UnitItensExcluidos.h"
#include "labels/UnitMalaDir.h"
#include "salesreports/UnitRelAniCas.h"
#include "platform/StationPaths.h"
#include "platform/Style.h"
#include "shell/Ribbon.h"
#include "shell/UnitPrincipal.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

class ExchangeWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramWindows();
        TLogon& db = st.logon();
        db.run(S("delete from PRODUTOS"));
        db.run(S("delete from CLIENTES"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR) values (1, '000010', 'PÃO', 4.5)"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR) values (2, '000020', 'CAFÉ', 3)"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR) values (3, '000030', 'BOLO', 9.9)"));
        db.run(S("insert into CLIENTES (ID, CODIGO, NOME, FONE, NASC, CASAMENTO) "
                 "values (1, 1, 'ANA', '1111', ?, NULL)"), {QDate(1980, 2, 29)});
        db.run(S("insert into CLIENTES (ID, CODIGO, NOME, FONE, NASC, CASAMENTO) "
                 "values (2, 2, 'BRUNO', '2222', ?, ?)"), {QDate(1975, 12, 24), QDate(2001, 6, 10)});
    }
    QString text(const char* sql) { return textOf(st.scalar(S(sql))); }

    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(ExchangeWindows, ExportWritesTheFileSaysWhereAndShowsItOnRequest)
{
    QStringList shown;
    ui.onWindow(S("TFormVisao"), [&](QDialog& w) {
        shown = static_cast<TFormVisao&>(w).lines();
        return int(QDialog::Accepted);
    });
    TFormExpExcel w(st.logon());
    const QString path = station::path(u"c:\\Miltrex\\listproduto.csv");
    ui.answerMessages({S("S")});
    w.exportProducts();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, S("ATENÇÃO"));
    EXPECT_EQ(ui.messages[0].text, S("Arquivo gravado com Sucesso\n") + path + S("\nDeseja Visualizar?"));
    EXPECT_NE(ui.messages[0].buttons, S("1"));
    EXPECT_EQ(shown, (QStringList{S("CODIGO;NOME;VALOR;GRUPO;UNIDADE;CUSTO;MEDIO;"), S("000010;PÃO;4,5;;;;;"),
                                  S("000020;CAFÉ;3;;;;;"), S("000030;BOLO;9,9;;;;;")}));
    EXPECT_EQ(w.progress(), 0);
    EXPECT_EQ(bytesOf(path).left(9), QByteArray("CODIGO;NO"));

    // "Não": no preview, the window stays for another export.
    ui.windowsShown.clear();
    ui.answerMessages({S("N")});
    w.exportCustomers();
    EXPECT_FALSE(ui.windowsShown.contains(S("TFormVisao")));
    EXPECT_TRUE(ui.messages.back().text.contains(S("listClientes.csv")));

    // A file that cannot be written: the message, and nothing asked.
    QDir().mkpath(station::path(u"c:\\Miltrex\\listFornecedor.csv"));
    ui.messages.clear();
    w.exportSuppliers();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, S("Erro ao gravar, Arquivo aberto,\nfeche o arquivo e tente novamente"));
    EXPECT_EQ(ui.messages[0].buttons, S("1"));
    EXPECT_EQ(w.progress(), 0);
}

TEST_F(ExchangeWindows, ImportSaysWhyItCannotRunAndImportsWhenItCan)
{
    // The link off.
    {
        TFormImporta w(st.logon());
        w.confirm();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(ui.messages[0].text.contains(S("desligada"))) << ui.messages[0].text.toStdString();
        EXPECT_EQ(w.result(), int(QDialog::Rejected));
    }
    // The link on, no ERP database on this station.
    st.writeFile(S("estacao.ini"), {S("nil"), S("SIM")});
    {
        ui.messages.clear();
        TFormImporta w(st.logon());
        w.confirm();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(ui.messages[0].text.contains(station::path(OutsideErpExport::kSlimDatabase)));
        EXPECT_TRUE(ui.messages[0].text.contains(station::path(OutsideErpExport::kProDatabase)));
    }
    // A code that is no number: the message, nothing written, the window stays.
    auto erp = erpseeds::open(erpseeds::createErpDatabase(erpseeds::Place::Slim, false));
    erpseeds::createEstoque(*erp, true);
    erpseeds::addErpProducts(*erp, {{S("000010"), S("PÃO FRANCÊS"), S("KG"), QVariant::fromValue(Decimal(5)), QVariant()},
                                    {S("ABC"), S("SEM CÓDIGO"), S("UN"), QVariant(), QVariant()}});
    {
        ui.messages.clear();
        TFormImporta w(st.logon());
        w.confirm();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(ui.messages[0].text.contains(S("\"ABC\"")));
        EXPECT_NE(w.result(), int(QDialog::Accepted));
        EXPECT_EQ(text("select NOME from PRODUTOS where CODIGO = '000010'"), S("PÃO"));
    }
    erp->run(S("delete from ESTOQUE where CODIGO = 'ABC'"));
    {
        ui.messages.clear();
        TFormImporta w(st.logon());
        w.confirm();
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("\n")).toStdString();
        EXPECT_EQ(w.result(), int(QDialog::Accepted));
        EXPECT_EQ(w.progress(), 100);
        EXPECT_EQ(text("select NOME from PRODUTOS where CODIGO = '000010'"), S("PÃO FRANCÊS"));
        EXPECT_EQ(text("select VALOR from PRODUTOS where CODIGO = '000010'"), S("5"));
    }
}

TEST_F(ExchangeWindows, TheMainRibbonOpensTheImportForSupervisorsAndTheExportForEveryone)
{
    st.addUser(S("CAIXA"), S("1"), S("N"), 0);
    answerLogin(ui, S("CAIXA"), S("1"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    ui.windowsShown.clear();
    w.clickButton(S("Configuração"), S("Importa Dav"));
    EXPECT_FALSE(ui.windowsShown.contains(S("TFormImporta")));
    EXPECT_EQ(ui.messageTexts().last(), S("     Usuario não autorizado      "));
    w.clickButton(S("Cadastros"), S("Exportar Excel/CSV"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormExpExcel"));
    ctx::op().OperatorIsMaster = S("S");
    w.clickButton(S("Configuração"), S("Importa Dav"));
    EXPECT_EQ(ui.windowsShown.last(), S("TFormImporta"));
}

TEST_F(ExchangeWindows, LabelSheetsFromTheRangeAndTheirAdjustment)
{
    PreviewCapture previews(ui);
    ctx::company().CompanyName = S("Padaria Pão Quente Ltda");
    TFormEtiqueta w(st.logon());
    LabelOptions o = w.options();
    EXPECT_EQ(o.firstCode, S("000010"));
    EXPECT_EQ(o.lastCode, S("000030"));
    EXPECT_EQ(o.company, S("PADARIA PÃO QUENTE LTDA"));
    EXPECT_EQ(o.perRow, 4);
    EXPECT_EQ(o.copiesChoice, 0);
    EXPECT_FALSE(o.a4);
    w.setRange(S("10"), S(" 20 "));
    EXPECT_EQ(w.options().firstCode, S("000010"));
    EXPECT_EQ(w.options().lastCode, S("000020"));

    // The adjustment opens over it and writes the sheet's file.
    ui.onWindow(S("TFormAjuEti1"), [](QDialog& d) {
        auto& a = static_cast<TFormAjuEti1&>(d);
        EXPECT_EQ(a.fields(), (QStringList{"71", "8", "184", "360", "536", "7"}));
        a.setFields({S(" 80"), S("10 "), S("abc"), S("1e20"), S("-5"), S("'; --")});
        a.confirm();
        return a.result();
    });
    w.adjust();
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\etiqueta1.INI")), (QStringList{"80", "10", "abc", "1e20", "-5", "'; --"}));

    w.setPerRow(2);
    w.setCopiesChoice(1);
    w.confirm();
    ASSERT_EQ(previews.reports.size(), 1u);
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    const QString sheet = previews.lastReport().join(S("\n"));
    EXPECT_TRUE(sheet.contains(S("PADARIA PÃO QUENTE"))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(S("000010 4,50")));
    EXPECT_EQ(sheet.count(S("000020 3,00")), 4);   // "04 de cada"

    // Hostile ranges: an empty sheet or the plain refusal, never a crash.
    struct Case { const char* first; const char* last; bool refused; };
    for (const Case& c : {Case{"'; delete from produtos --", "000001", false}, Case{"1e20", "-5", false},
                          Case{"ZZZZZZZZZZZZZZ", "", false}, Case{"🍺", "999999", true}}) {
        SCOPED_TRACE(c.first);
        ui.errors.clear();
        TFormEtiqueta again(st.logon());
        again.setRange(S(c.first), S(c.last));
        again.confirm();
        EXPECT_EQ(ui.errors.size(), c.refused ? 1 : 0);
    }
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS")), 3);
}

TEST_F(ExchangeWindows, MailingLabelsKeepTheirValuesAndFilterTheCustomers)
{
    PreviewCapture previews(ui);
    TFormMalaDir w(st.logon());
    EXPECT_EQ(w.height(), S("95"));
    EXPECT_EQ(w.margin(), S("7"));
    EXPECT_FALSE(w.filterValueShown());
    w.chooseFilter(1);
    EXPECT_TRUE(w.filterValueShown());
    EXPECT_EQ(w.filterCaption(), S("Aniversariante do mes "));
    EXPECT_EQ(w.filterValue(), S("01"));
    w.chooseFilter(2);
    EXPECT_EQ(w.filterCaption(), S("Codigo do Cliente "));
    EXPECT_EQ(w.filterValue(), S("0"));
    w.chooseFilter(0);
    EXPECT_FALSE(w.filterValueShown());
    w.setValues(S("abc"), S("1e20"));
    w.restoreDefaults();
    EXPECT_EQ(w.height(), S("95"));

    w.chooseFilter(1);
    w.setFilterValue(S("12"));
    w.setValues(S(" 120 "), S("x"));
    w.confirm();
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\Velro\\etiqueta3.INI")), (QStringList{"120", "x"}));
    ASSERT_EQ(previews.reports.size(), 1u);
    EXPECT_TRUE(previews.lastReport().contains(S("BRUNO")));
    EXPECT_FALSE(previews.lastReport().contains(S("ANA")));

    // Hostile filter values read as 0; hostile sizes take the defaults.
    for (const char* value : {"'; delete from clientes --", "1e20", "abc", "-5", "99999999999999", "🍺"}) {
        SCOPED_TRACE(value);
        TFormMalaDir again(st.logon());
        again.chooseFilter(2);
        again.setFilterValue(S(value));
        again.setValues(S(value), S(value));
        again.confirm();
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("\n")).toStdString();
        EXPECT_EQ(again.filterValue(), S("0"));   // "-5" too: a code has no sign
    }
    EXPECT_EQ(st.count(S("select count(*) from CLIENTES")), 2);
}

TEST_F(ExchangeWindows, TheAnniversaryListChecksTheRangeFirst)
{
    PreviewCapture previews(ui);
    TFormRelAniCas w(st.logon());
    for (const auto& [first, last] : std::vector<std::pair<const char*, const char*>>{
             {"", ""}, {"30/02/24", "01/03/24"}, {"ab/cd/ef", "01/03/24"}, {"'; --", "1e20"}, {"01/01/24", "🍺"}}) {
        SCOPED_TRACE(first);
        ui.messages.clear();
        w.setPeriod(S(first), S(last));
        w.print();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(ui.messages[0].text.contains(S("Período inválido")));
    }
    EXPECT_TRUE(previews.reports.empty());

    const int year = QDate::currentDate().year();
    const QString yy = QString::number(year % 100).rightJustified(2, u'0');
    ui.messages.clear();
    w.setPeriod(S("01/05/") + yy, S("02/05/") + yy);
    w.print();
    EXPECT_EQ(ui.messageTexts(), QStringList{S("       Não Existe Aniversariante neste dia       ")});

    w.setPeriod(S("01/01/") + yy, S("31/12/") + yy);
    w.print();
    ASSERT_EQ(previews.reports.size(), 1u);
    const QString list = previews.lastReport().join(S("\n"));
    EXPECT_TRUE(list.contains(S("Listagem Aniversariantes no Periodo")));
    EXPECT_TRUE(list.contains(S("1 ANA 1111 Dia:29 Mes: 02")));
    EXPECT_TRUE(list.contains(S("2 BRUNO 2222 Dia:24 Mes: 12")));
    EXPECT_TRUE(list.contains(S("ANIVERSARIO")));

    w.chooseWeddings(true);
    w.print();
    ASSERT_EQ(previews.reports.size(), 2u);
    const QString weddings = previews.lastReport().join(S("\n"));
    EXPECT_TRUE(weddings.contains(S("Listagem Casamentos no Periodo")));
    EXPECT_TRUE(weddings.contains(S("2 BRUNO 2222 Dia:10 Mes: 06")));
    EXPECT_FALSE(weddings.contains(S("ANA")));
}

TEST_F(ExchangeWindows, TheDeletedItemsLogShowsEveryColumnNewestFirst)
{
    {
        TFormItemExcluidos w(st.logon());
        EXPECT_EQ(w.rowCount(), 0);
        EXPECT_TRUE(w.titles().contains(S("HORA")));
    }
    st.logon().run(S("insert into EXCLUSAO (ID, HORA, OPERADOR, MESA, CODIGO, PRODUTO, QUANT, VALOR, TERMINAL) "
                     "values (1, '2024-03-05 10:00:00', 'ANA', '000012', '000010', 'PÃO', 2, 9, 1)"));
    st.logon().run(S("insert into EXCLUSAO (ID, HORA, OPERADOR, MESA) values (2, '2024-03-05 22:30:15', 'BIA', '000003')"));
    TFormItemExcluidos w(st.logon());
    ASSERT_EQ(w.rowCount(), 2);
    const QStringList titles = w.titles();
    EXPECT_EQ(titles, (QStringList{"ID", "HORA", "OPERADOR", "MESA", "CODIGO", "PRODUTO", "QUANT", "VALOR", "TERMINAL"}));
    EXPECT_EQ(w.cell(0, 1), S("05/03/24 22:30:15"));
    EXPECT_EQ(w.cell(0, 2), S("BIA"));
    EXPECT_EQ(w.cell(1, 5), S("PÃO"));
    EXPECT_EQ(w.cell(1, 7), S("9"));
}

TEST_F(ExchangeWindows, EveryWindowFitsA1366By768ScreenInEveryState)
{
    const ProgramStyle style;
    const QSize screen(1366, 768);
    auto check = [&](QDialog&& w, const char* name) { checkWholeAndSave(w, S(name), screen); };
    check(TFormExpExcel(st.logon()), "TFormExpExcel");
    check(TFormImporta(st.logon()), "TFormImporta");
    check(TFormEtiqueta(st.logon()), "TFormEtiqueta");
    check(TFormAjuEti1(), "TFormAjuEti1");
    check(TFormRelAniCas(st.logon()), "TFormRelAniCas");
    check(TFormItemExcluidos(st.logon()), "TFormItemExcluidos");
    for (int filter : {0, 1, 2}) {
        TFormMalaDir w(st.logon());
        w.chooseFilter(filter);
        checkWholeAndSave(w, QStringLiteral("TFormMalaDir-%1").arg(filter), screen);
    }
}
