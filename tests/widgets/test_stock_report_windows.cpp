// The stock report windows as a user meets them: the ribbon opens each behind its
// rule, each fits a 1366 x 768 screen, each refuses hostile filter values with its
// message before reading anything (or reads them as the window always did), the
// reports come out in the preview read back from their PDF, on a real CUPS queue
// when printed at once, and a printer that takes no job is said while the window
// stays open.
#include "CupsSandbox.h"
#include "LoginFixtures.h"
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockReportSeeds.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "platform/Style.h"
#include "shell/Ribbon.h"
#include "shell/UnitPrincipal.h"
#include "stock/StockReports.h"
#include "stock/StockWindows.h"
#include "stock/UnitBalMen.h"
#include "stock/UnitEntrada.h"
#include "stock/UnitEstMin.h"
#include "stock/UnitFicMov2.h"
#include "stock/UnitImpRap.h"
#include "stock/UnitListGeral.h"
#include "stock/UnitRelSai.h"
#include "stock/UnitVenda.h"
#include "stock/UnitdatValid.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

namespace T = stockreports::text;

struct StockReportWindows : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    void SetUp() override { seeds::stockReportStore(st); }
    TLogon& l() { return st.logon(); }
    // The lines of the last report shown, after its page header.
    QStringList body() const
    {
        const QStringList all = shown.lastReport();
        const auto at = std::find_if(all.begin(), all.end(), [](const QString& line) {
            return line.startsWith(QLatin1String("CODIGO")) || line.startsWith(QLatin1String("Data "));
        });
        return all.mid(int(at - all.begin()));
    }
    int stored(const char* code) { return st.count(S("select count(*) from PRODUTOS where CODIGO = ? and ESTGERAL = 5"), {S(code)}); }
};

// A window shown and its report asked for, the way a user would: shown, "&Imprimir".
bool printsAndCloses(StockReportWindow& w)
{
    w.show();
    w.print();
    return !w.isVisible();
}

// The window on a 1366 x 768 screen: within it, every caption and button whole.
void fits(QDialog& w, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    showsWhole(w, QSize(1366, 768), name);
    EXPECT_LE(w.minimumSizeHint().width(), 1366);
    EXPECT_LE(w.minimumSizeHint().height(), 740);
}

} // namespace

TEST(StockReportRibbon, EachButtonOpensItsWindowBehindItsRule)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    answerLogin(d, S("SUPERVISOR"), S("1234"));
    answerSupervisorPrompt(d, S("SUPERVISOR"), S("1234"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    EXPECT_TRUE(opensItself<TFormDatValid>(d, w, "Relatórios 1", "Rel. Produtos Vencidos", "TFormDatValid"));
    EXPECT_TRUE(opensItself<TFormVenda>(d, w, "Relatórios 1", "Tabela de Vendas", "TFormVenda"));
    EXPECT_TRUE(opensItself<TFormImpRap>(d, w, "Estoque", "Imprimir Estoque", "TFormImpRap"));
    EXPECT_TRUE(opensItself<TFormBalMen>(d, w, "Estoque", "Balancete Mensal", "TFormBalMen"));
    EXPECT_TRUE(opensItself<TFormFicMov2>(d, w, "Estoque", "Ficha de Movimento", "TFormFicMov2"));
    EXPECT_TRUE(opensItself<TFormEstMin>(d, w, "Estoque", "Rel Estoque Minimo", "TFormEstMin"));
    EXPECT_TRUE(opensItself<TFormListGeral>(d, w, "Estoque", "Listagem dos Produtos", "TFormListGeral"));
    EXPECT_TRUE(opensItself<TFormEntrada>(d, w, "Estoque", "Relatorio de Entrada", "TFormEntrada"));
    EXPECT_TRUE(opensItself<TFormRelSai>(d, w, "Estoque", "Relatorio de Saida", "TFormRelSai"));
}

TEST(StockReportRibbon, AUserWithoutTheStockRightIsRefused)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    st.addUser(S("CAIXA"), S("9"), S("N"), 1);   // products only
    answerLogin(d, S("CAIXA"), S("9"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    struct Case { const char* tab; const char* caption; bool prompt; };
    const Case cases[] = {
        {"Estoque", "Imprimir Estoque", true},        {"Estoque", "Balancete Mensal", true},
        {"Estoque", "Ficha de Movimento", true},      {"Estoque", "Relatorio de Entrada", true},
        {"Estoque", "Relatorio de Saida", true},      {"Estoque", "Rel Estoque Minimo", false},
        {"Relatórios 1", "Tabela de Vendas", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        d.windowsShown.clear();
        d.messages.clear();
        answerSupervisorPrompt(d, S("CAIXA"), S("9"));
        w.clickButton(S(c.tab), S(c.caption));
        EXPECT_EQ(d.windowsShown, c.prompt ? QStringList{S("TFormAcessos")} : QStringList{});
        EXPECT_EQ(d.messageTexts(), QStringList{ribbon::refusal});
    }
    // The lists without a rule open for everybody.
    d.windowsShown.clear();
    w.clickButton(S("Estoque"), S("Listagem dos Produtos"));
    w.clickButton(S("Relatórios 1"), S("Rel. Produtos Vencidos"));
    EXPECT_EQ(d.windowsShown, (QStringList{S("TFormListGeral"), S("TFormDatValid")}));
}

TEST_F(StockReportWindows, EveryWindowFitsA1366By768ScreenInEveryState)
{
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
    for (int i = 100; i < 300; ++i)
        seeds::addGroup(l(), i, S("GRUPO DE NOME COMPRIDO %1").arg(i));
    {
        TFormVenda w(l());
        fits(w, S("TFormVenda"));
        TFormListGeral list(l());
        fits(list, S("TFormListGeral"));
        TFormEstMin minimum(l());
        fits(minimum, S("TFormEstMin"));
    }
    {
        TFormDatValid w(l());
        fits(w, S("TFormDatValid"));
        w.chooseRoll(false);
        fits(w, S("TFormDatValid-A4"));
    }
    {
        TFormImpRap w(l());
        fits(w, S("TFormImpRap"));
        w.chooseOutput(true);
        w.chooseCost(true);
        w.chooseStockOnly(false);
        fits(w, S("TFormImpRap-impressora"));
        TFormBalMen balance(l());
        fits(balance, S("TFormBalMen"));
    }
    {
        TFormEntrada entries(l());
        fits(entries, S("TFormEntrada"));
        TFormRelSai exits(l());
        fits(exits, S("TFormRelSai"));
        TFormFicMov2 card(l());
        fits(card, S("TFormFicMov2"));
        l().run(S("update PRODUTOS set NOME = 'CERVEJA ARTESANAL DE TRIGO GARRAFA 600ML' where CODIGO = '000001'"));
        card.field(S("code"))->setText(S("1"));
        card.codeLeft();
        fits(card, S("TFormFicMov2-produto"));
    }
    qApp->setStyleSheet(sheet);
}

TEST_F(StockReportWindows, ThePriceListClosesAndTheProductListStaysForAnother)
{
    TFormVenda prices(l());
    EXPECT_EQ(prices.windowTitle(), S("Tabela de Venda"));
    EXPECT_EQ(prices.groupItems(),
              (QStringList{S("0000 - Todos"), S("0001 - BEBIDAS"), S("0007 - LANCHES"), S("0012 - PORÇÕES")}));
    prices.setGroupText(S("0007…"));   // typed: the first four characters are the group
    EXPECT_TRUE(printsAndCloses(prices));
    EXPECT_EQ(body(), (QStringList{S("CODIGO PRODUTO Und VENDA"), S("CENTRO DE CUSTO : 7 LANCHES"),
                                   S("000003 HAMBURGUER 180G UN 12,00"), S("000009 GUARDANAPO UN 0,50"),
                                   S("000010 X-BURGUER UN 29,90")}));

    TFormListGeral products(l());
    EXPECT_EQ(products.windowTitle(), S("Listagem Geral dos Produtos"));
    EXPECT_FALSE(printsAndCloses(products));
    products.setGroupText(S("0012 - PORÇÕES"));
    products.print();
    ASSERT_EQ(shown.reports.size(), 3u);
    EXPECT_EQ(body(), (QStringList{S("CODIGO PRODUTO Unidade"), S("CENTRO DE CUSTO : 12"), S("000004 BATATA FRITA UN")}));
    EXPECT_TRUE(products.printEnabled());
}

TEST_F(StockReportWindows, TheMinimumStockAndTheBalanceReadAGroupThatIsNoCodeAsAll)
{
    TFormEstMin minimum(l());
    minimum.setGroupText(S("Todos os grupos"));
    EXPECT_TRUE(printsAndCloses(minimum));
    EXPECT_EQ(body().size(), 7) << body().join('\n').toStdString();

    TFormBalMen balance(l());
    EXPECT_EQ(balance.groupItems().first(), S("000000-Todos"));
    EXPECT_EQ(balance.groupItems().last(), S("000012-PORÇÕES"));
    balance.setPeriod(seeds::kMarchFirst, seeds::kMarchLast);
    balance.setGroupText(S("000001-BEBIDAS"));
    EXPECT_TRUE(printsAndCloses(balance));
    EXPECT_EQ(body(), (QStringList{
        S("CODIGO PRODUTO FORNECEDOR ANTERIOR ENTRADAS SAIDAS ATUAL CUSTO TOTAL"),
        S("CENTRO DE CUSTO : 1 BEBIDAS"),
        S("000002 AGUA MINERAL -5,000 2,000 3,000 -6,000 1,25 -7,50"),
        S("000001 CERVEJA LATA 3 24,000 12,000 30,500 5,500 4,00 22,00"),
        S("TOTAL 14,000 33,500 14,50"),
        S("TOTAL GERAL 14,50"),
    })) << body().join('\n').toStdString();
}

TEST_F(StockReportWindows, TheExpiryReportAsRollTextOrAsAPage)
{
    TFormDatValid roll(l());
    EXPECT_EQ(roll.field(S("day"))->text(), QDate::currentDate().toString(S("dd/MM/yy")));
    roll.field(S("day"))->setText(S("15/03/26"));
    EXPECT_TRUE(printsAndCloses(roll));
    ASSERT_EQ(shown.rolls.size(), 1u);
    // GRUPO FANTASMA's 0,04 shows as "0,0": not listed
    EXPECT_EQ(shown.rolls.back().mid(8, 4),
              (QStringList{S("000001/CERVEJA LATA   15/03/26      16"), S("000004/BATATA FRITA   10/01/26       2"),
                           S("000005/SEM GRUPO      01/02/26       1"), S("000010/X-BURGUER      01/03/26      -2")}));

    TFormDatValid page(l());
    page.field(S("day"))->setText(S("15/03/26"));
    page.chooseRoll(false);
    EXPECT_TRUE(printsAndCloses(page));
    ASSERT_EQ(shown.reports.size(), 1u);
    EXPECT_TRUE(shown.lastReport().contains(S("000001 CERVEJA LATA DISTRIBUIDORA SUL 15/03/26 16,0")));
}

TEST_F(StockReportWindows, TheCurrentStockPrintPreviewsAndClearsTheStoredColumns)
{
    TFormImpRap w(l());
    EXPECT_EQ(w.windowTitle(), S(".: Estoque Atual - Impressão Rapida :."));
    w.setGroupText(S("0001 - BEBIDAS"));
    w.chooseCost(true);
    EXPECT_TRUE(printsAndCloses(w));
    EXPECT_EQ(body(), (QStringList{S("CODIGO PRODUTO FORNECEDOR ATUAL CUSTO TOTAL"), S("GRUPO/FAMILIA: 1 BEBIDAS"),
                                   S("000002 AGUA MINERAL -6 1,25 -7,50"), S("000001 CERVEJA LATA 3 4,5 4,00 18,00"),
                                   S("TOTAL 10,50"), S("TOTAL GERAL 10,50")}))
        << body().join('\n').toStdString();
    // Every product's stored columns, whatever the group.
    EXPECT_EQ(stored("000006"), 0);
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS where ESTGERAL = 0")), 9);
    EXPECT_FALSE(w.waitingShown());
}

TEST_F(StockReportWindows, TheListingsOfEntriesAndExits)
{
    TFormEntrada entries(l());
    entries.setPeriod(seeds::kMarchFirst, seeds::kMarchLast);
    entries.field(S("number"))->setText(S("77"));
    EXPECT_TRUE(printsAndCloses(entries));
    EXPECT_TRUE(shown.lastReport().contains(S("PERIODO DE 01/03/26 a 31/03/26 Nota fiscal n.77")));
    EXPECT_EQ(shown.lastReport().last(), S("Total 54,80"));

    TFormRelSai exits(l());
    exits.setPeriod(seeds::kMarchFirst, seeds::kMarchLast);
    exits.field(S("number"))->setText(S("501"));
    exits.field(S("product"))->setText(S("000010"));
    EXPECT_TRUE(printsAndCloses(exits));
    EXPECT_EQ(body(), (QStringList{S("CODIGO DATA PRODUTO Historico Saidas"), S("Produto 000010"),
                                   S("000010 12/03/26 X-BURGUER X-BURGUER 2,0"), S("2,0"), S("Total 2,0")}));
}

TEST_F(StockReportWindows, TheMovementCardFindsTheProductAndStaysForTheNextCard)
{
    TFormFicMov2 w(l());
    w.show();
    w.field(S("code"))->setText(S("1"));
    w.codeLeft();
    EXPECT_EQ(w.field(S("code"))->text(), S("000001"));
    EXPECT_EQ(w.productName(), S("CERVEJA LATA"));
    w.setPeriod(seeds::kMarchFirst, seeds::kMarchLast);
    w.print();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(shown.lastReport().last(), S("12,0 30,5"));
    EXPECT_TRUE(shown.lastReport().contains(S("PRODUTO : CERVEJA LATA Periodo de 01/03/26 - 31/03/26")));

    // An unknown code: the message, the focus back in the code; the card prints
    // with an empty name.
    w.field(S("code"))->setText(S("404"));
    w.codeLeft();
    EXPECT_EQ(d.messageTexts(), QStringList{S("        Produto Nao Localizado          ")});
    EXPECT_TRUE(w.productName().isEmpty());
    w.print();
    EXPECT_TRUE(shown.lastReport().contains(S("PRODUTO : Periodo de 01/03/26 - 31/03/26")));

    // "&Localizar": the lookup closed leaves its first product by name.
    d.onWindow(S("TFormLcPro"), [](QDialog&) { return int(QDialog::Rejected); });
    w.lookUpProduct();
    EXPECT_EQ(w.field(S("code"))->text(), S("000002"));
    EXPECT_EQ(w.productName(), S("AGUA MINERAL"));
}

TEST_F(StockReportWindows, HostileFilterValuesAreRefusedBeforeAnythingIsRead)
{
    struct Case {
        const char* label;
        std::function<std::unique_ptr<StockReportWindow>()> window;
        std::function<void(StockReportWindow&)> type;
        QString message;   // empty: read as the window always read it, and the report shown
    };
    const auto group = [](const char* text) { return [text](StockReportWindow& w) { w.setGroupText(S(text)); }; };
    const auto days = [](const char* first, const char* last) {
        return [first, last](StockReportWindow& w) {
            w.field(S("first"))->setText(S(first));
            w.field(S("last"))->setText(S(last));
        };
    };
    const auto typed = [](const char* role, QString text) {
        return [role, text](StockReportWindow& w) { w.field(S(role))->setText(text); };
    };
    const auto venda = [this] { return std::unique_ptr<StockReportWindow>(new TFormVenda(l())); };
    const auto lista = [this] { return std::unique_ptr<StockReportWindow>(new TFormListGeral(l())); };
    const auto estoque = [this] { return std::unique_ptr<StockReportWindow>(new TFormImpRap(l())); };
    const auto minimo = [this] { return std::unique_ptr<StockReportWindow>(new TFormEstMin(l())); };
    const auto balanco = [this] { return std::unique_ptr<StockReportWindow>(new TFormBalMen(l())); };
    const auto validade = [this] { return std::unique_ptr<StockReportWindow>(new TFormDatValid(l())); };
    const auto entradas = [this] { return std::unique_ptr<StockReportWindow>(new TFormEntrada(l())); };
    const auto saidas = [this] { return std::unique_ptr<StockReportWindow>(new TFormRelSai(l())); };
    const auto ficha = [this] { return std::unique_ptr<StockReportWindow>(new TFormFicMov2(l())); };
    const Case cases[] = {
        {"price list: letters", venda, group("abc"), T::badGroup},
        {"price list: sql", venda, group("'; delete from produtos; --"), T::badGroup},
        {"price list: emoji", venda, group("😀"), T::badGroup},
        {"price list: nothing", venda, group(""), T::badGroup},
        {"product list: a shorter code and its name", lista, group("7 - LANCHES"), T::badGroup},
        {"product list: 1e20", lista, group("1e20"), T::badGroup},
        {"current stock: sql", estoque, group("' or '1'='1"), T::badGroup},
        {"current stock: negative", estoque, group("-001"), T::badGroup},
        {"minimum stock: letters read as all", minimo, group("abc"), QString()},
        {"minimum stock: emoji read as all", minimo, group("😀"), QString()},
        {"balance: sql read as all", balanco, group("'; drop table estfic; --"), QString()},
        {"balance: impossible day", balanco, days("31/02/26", "31/03/26"), stock::text::badPeriod},
        {"balance: empty day", balanco, days("  /  /  ", "31/03/26"), stock::text::badPeriod},
        {"balance: backwards", balanco, days("31/03/26", "01/03/26"), T::backwards},
        {"expiry: impossible day", validade, typed("day", S("99/99/99")), T::badDay},
        {"expiry: empty day", validade, typed("day", S("  /  /  ")), T::badDay},
        {"entries: month 13", entradas, days("01/13/26", "31/03/26"), stock::text::badPeriod},
        {"entries: invoice 1e20 read as all", entradas, typed("number", S("1e20")), QString()},
        {"entries: invoice sql read as all", entradas, typed("number", S("1'; --")), QString()},
        {"exits: sale with letters read as all", saidas, typed("number", S("abc")), QString()},
        {"exits: product sql lists nothing", saidas, typed("product", S("' or 1=1 --")), QString()},
        {"exits: product emoji lists nothing", saidas, typed("product", S("😀")), QString()},
        {"exits: backwards", saidas, days("02/03/26", "01/03/26"), T::backwards},
        {"card: impossible last day", ficha, days("01/03/26", "32/03/26"), stock::text::badPeriod},
        {"card: emoji code prints an empty card", ficha, typed("code", S("😀")), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        PreviewCapture capture(script);
        std::unique_ptr<StockReportWindow> w = c.window();
        w->show();
        c.type(*w);
        w->print();
        EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join('\n').toStdString();
        if (c.message.isEmpty()) {
            EXPECT_EQ(capture.reports.size() + capture.rolls.size(), 1u);
            EXPECT_TRUE(script.messages.empty());
        } else {
            EXPECT_EQ(script.messageTexts(), QStringList{c.message});
            EXPECT_TRUE(capture.reports.empty());
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(w->printEnabled());
        }
    }
    // Nothing was written: not even the current stock print's stored columns.
    EXPECT_EQ(stored("000006"), 1);
    EXPECT_EQ(st.count(S("select count(*) from ESTFIC")), 20);
}

TEST_F(StockReportWindows, ImpressoraPrintsAtOnceOnTheStationsPrinterAndAFailureIsSaid)
{
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    const QString pdf = cups.outputFolder() + S("/estoque.pdf");
    QFile::remove(pdf);
    const QString error = cups.addPdfQueue(S("Estoque"), pdf);
    if (!error.isEmpty())
        GTEST_SKIP() << "no PDF printer queue: " << error.toStdString();
    cups.setDefault(S("Estoque"));

    TFormImpRap w(l());
    w.chooseOutput(true);
    EXPECT_TRUE(printsAndCloses(w));
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join('\n').toStdString();
    EXPECT_TRUE(shown.reports.empty());
    ASSERT_TRUE(cups.waitUntilIdle());
    const auto pages = pdfPagesText(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].first(), S("Controle de Estoque - Estoque Página 1 de 1"));
    EXPECT_EQ(pages[0].last(), S("TOTAL GERAL 209,90"));

    // The queue refuses jobs: said, and the window stays open for another try.
    ASSERT_TRUE(cups.rejectJobs(S("Estoque")).isEmpty());
    TFormBalMen balance(l());
    balance.chooseOutput(true);
    balance.setPeriod(seeds::kMarchFirst, seeds::kMarchLast);
    EXPECT_FALSE(printsAndCloses(balance));
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_TRUE(d.errors.value(0).contains(S("Estoque"))) << d.errors.value(0).toStdString();
    EXPECT_TRUE(balance.printEnabled());
    cups.acceptJobs(S("Estoque"));
    cups.removeQueue(S("Estoque"));
}
