// The stock, purchasing, group, supplier and kit windows as a user sees them: the
// ribbon opens each through the window registry, each fits a 1366 x 768 screen in
// every state its buttons reach, the printouts read back from their PDF, and each
// entry window refuses hostile values with its message and writes nothing.
#include "ProgramStyle.h"
#include "LoginFixtures.h"
#include "RegisterSeeds.h"
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "ShiftReportSeeds.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "platform/Style.h"
#include "registers/PickList.h"
#include "registers/UnitBuscaForne.h"
#include "registers/UnitKitItens.h"
#include "registers/UnitTipos.h"
#include "registers/Unitforne.h"
#include "reports/ReportExport.h"
#include "reports/UnitVisaoRelatorio.h"
#include "shell/Ribbon.h"
#include "shell/UnitPrincipal.h"
#include "shell/WindowRegistry.h"
#include "stock/StockLedger.h"
#include "stock/StockMarkup.h"
#include "stock/StockWindows.h"
#include "stock/UnitAjuCom.h"
#include "stock/UnitAltItens.h"
#include "stock/UnitAltLan.h"
#include "stock/UnitAltLan2.h"
#include "stock/UnitCompras.h"
#include "stock/UnitInsItens.h"
#include "stock/UnitKit.h"
#include "stock/UnitMovEst.h"
#include "stock/UnitNFEntrada.h"
#include "stock/UnitTPagar.h"
#include "stock/UnitVerKits.h"
#include "stock/UnitVerPedComp.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using seeds::D;

namespace {

// The window on a 1366 x 768 screen: within it whatever its contents, and every
// caption and button shown whole.
void fits(QDialog& w, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    showsWhole(w, QSize(1366, 768), name, {QStringLiteral("pictureLabel")});
    EXPECT_LE(w.minimumSizeHint().width(), 1366);
    EXPECT_LE(w.minimumSizeHint().height(), 740);
}

// The text of the page report the next preview shows, read back from its PDF.
struct PdfCapture {
    QTemporaryDir dir;
    QString text;
    int pages = 0;
    explicit PdfCapture(ScriptedDialogs& d)
    {
        d.onWindow(QStringLiteral("TFormVisaoRelatorio"), [this](QDialog& w) {
            const auto& v = static_cast<TFormVisaoRelatorio&>(w);
            const QString file = report::exportTo(v.layout(), report::Format::Pdf, dir.filePath(QStringLiteral("relatorio.pdf")));
            text = pdfTextOf(file);
            pages = pdfPageCount(file);
            const QString keep = qEnvironmentVariable("SABREL22_SCREENSHOTS");
            if (!keep.isEmpty()) {
                QDir().mkpath(keep);
                QFile::copy(file, keep + QLatin1Char('/') + v.layout().definition().title + QStringLiteral(".pdf"));
            }
            return int(QDialog::Accepted);
        });
    }
    // The text with its blanks folded, for looking up lines.
    QString folded() const { return text.simplified(); }
};

void seedCatalogue(TestStation& st)
{
    seeds::setCompany(st, "BAR DO ZE", "RUA A, 10", "RECIFE", "PE", "12.345.678/0001-90");
    seeds::addSupplier(st.logon(), 3, QStringLiteral("DISTRIBUIDORA SUL"), QStringLiteral("98.765.432/0001-10"));
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("CERVEJA LATA"), D("8"), D("4"));
    seeds::addProduct(st.logon(), QStringLiteral("000002"), QStringLiteral("PAO FRANCES"), D("1"), D("0,45"));
    seeds::addProduct(st.logon(), QStringLiteral("000003"), QStringLiteral("HAMBURGUER 180G"), D("12"), D("6,30"));
    seeds::addProduct(st.logon(), QStringLiteral("000010"), QStringLiteral("X-BURGUER"), D("29,90"), Decimal(), true);
}

} // namespace

TEST(StockWindows, TheRibbonOpensEachWindowAndTheTitlesWindowHasNoButton)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    TPrincipal w(st.logon());
    ASSERT_TRUE(madeBySupervisor(d, w));
    EXPECT_TRUE(opensItself<TFormMovEst>(d, w, "Principal", "Movimenta Estoque (Ent/Sai)", "TFormMovEst"));
    EXPECT_TRUE(opensItself<TFormMovEst>(d, w, "Estoque", "Mov Estoque (Ent/Sai)", "TFormMovEst"));
    EXPECT_TRUE(opensItself<TFormCompras>(d, w, "Estoque", "Controle de Compras", "TFormCompras"));
    EXPECT_TRUE(opensItself<TFormAltLan>(d, w, "Principal", "Alterar Lançamento", "TFormAltLan"));
    EXPECT_TRUE(opensItself<TFormTipos>(d, w, "Cadastros", "Grupo  Categorias", "TFormTipos"));
    EXPECT_TRUE(opensItself<TFormForne>(d, w, "Cadastros", "Cadastro Fornecedor", "TFormForne"));
    EXPECT_TRUE(opensItself<TFormKit>(d, w, "Cadastros", "Kits Composição", "TFormKit"));

    EXPECT_TRUE(windows::isRegistered(QStringLiteral("TFormTPagar")));
    EXPECT_TRUE(windows::isRegistered(QStringLiteral("TFormBuscaForne")));
    for (const ribbon::Button& b : ribbon::buttons())
        EXPECT_STRNE(b.opens, "TFormTPagar");
    bool titles = false;
    d.onWindow(QStringLiteral("TFormTPagar"), [&](QDialog& window) {
        titles = qobject_cast<TFormTPagar*>(&window) != nullptr;
        return int(QDialog::Rejected);
    });
    windows::open(QStringLiteral("TFormTPagar"));
    EXPECT_TRUE(titles);
}

TEST(StockWindows, EveryWindowFitsA1366By768ScreenInEveryState)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    seeds::addOrder(st.logon(), 1, 3, QStringLiteral("URGENTE"));
    for (int i = 0; i < 30; ++i)
        seeds::addOrderItem(st.logon(), 1, QStringLiteral("000001"), D("24"), D("3,99"), 5, 18);
    seeds::addLedgerRow(st.logon(), QStringLiteral("000001"), QDate(2026, 3, 1), D("10"), std::nullopt);
    seeds::addGroup(st.logon(), 1, QStringLiteral("BEBIDAS"));
    {
        TFormMovEst w(st.logon());
        fits(w, QStringLiteral("TFormMovEst"));
        w.field(QStringLiteral("code"))->setText(QStringLiteral("1"));
        w.productLeft();
        w.field(QStringLiteral("kind"))->setText(QStringLiteral("1"));
        w.kindLeft();
        fits(w, QStringLiteral("TFormMovEst-entrada"));
        w.field(QStringLiteral("kind"))->setText(QStringLiteral("0"));
        w.kindLeft();
        fits(w, QStringLiteral("TFormMovEst-saida"));
        w.field(QStringLiteral("code"))->setText(QStringLiteral("10"));
        w.productLeft();
        fits(w, QStringLiteral("TFormMovEst-kit"));
    }
    {
        TFormNFEntrada w(st.logon());
        w.field(QStringLiteral("order"))->setText(QStringLiteral("1"));
        w.importOrder();
        fits(w, QStringLiteral("TFormNFEntrada"));
        TFormTPagar titles(st.logon());
        fits(titles, QStringLiteral("TFormTPagar"));
    }
    {
        TFormCompras w(st.logon());
        fits(w, QStringLiteral("TFormCompras"));
        TFormInsItens insert(st.logon(), 1);
        fits(insert, QStringLiteral("TFormInsItens"));
        TFormAltItens change(st.logon(), purchase::PurchaseOrders(st.logon()).items(1).front());
        fits(change, QStringLiteral("TFormAltItens"));
        TFormVerPedComp picker(st.logon());
        fits(picker, QStringLiteral("TFormVerPedComp"));
    }
    {
        TFormAltLan w(st.logon());
        fits(w, QStringLiteral("TFormAltLan"));
        TFormAltLan2 rows(st.logon(), QStringLiteral("000001"), {QDate(2026, 1, 1), QDate(2026, 12, 31)});
        fits(rows, QStringLiteral("TFormAltLan2"));
        rows.startChange();
        fits(rows, QStringLiteral("TFormAltLan2-alterando"));
    }
    {
        TFormTipos w(st.logon());
        fits(w, QStringLiteral("TFormTipos"));
        TFormForne suppliers(st.logon());
        fits(suppliers, QStringLiteral("TFormForne"));
        TFormBuscaForne search(st.logon());
        fits(search, QStringLiteral("TFormBuscaForne"));
    }
    {
        TFormKit w(st.logon());
        fits(w, QStringLiteral("TFormKit"));
        w.newKit();
        fits(w, QStringLiteral("TFormKit-novo"));
        TFormVerKits list(st.logon());
        fits(list, QStringLiteral("TFormVerKits"));
        TFormAjuCom help;
        fits(help, QStringLiteral("TFormAjuCom"));
    }
}

TEST(StockWindows, TheMovementWindowShowsTheProductItsStockAndTheMarkedUpPrice)
{
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    seeds::addLedgerRow(st.logon(), QStringLiteral("000001"), QDate(2026, 3, 1), D("1234,5"), std::nullopt);
    TFormMovEst w(st.logon());
    w.field(QStringLiteral("percent"))->setText(QStringLiteral("50"));
    w.percentLeft();
    w.field(QStringLiteral("code"))->setText(QStringLiteral("1"));
    w.productLeft();
    EXPECT_EQ(w.field(QStringLiteral("code"))->text(), QStringLiteral("000001"));
    EXPECT_EQ(w.productName(), QStringLiteral("CERVEJA LATA"));
    EXPECT_EQ(w.stockShown(), QStringLiteral("     1.234,5"));
    EXPECT_EQ(w.field(QStringLiteral("cost"))->text(), QStringLiteral("4,00"));
    EXPECT_FALSE(w.kitShown());
    w.field(QStringLiteral("kind"))->setText(QStringLiteral("1"));
    w.kindLeft();
    w.field(QStringLiteral("quantity"))->setText(QStringLiteral("10"));
    w.field(QStringLiteral("cost"))->setText(QStringLiteral("6,00"));
    w.costLeft();
    // the plain number (it was "9,00")
    EXPECT_EQ(w.field(QStringLiteral("price"))->text(), QStringLiteral("9"));
    EXPECT_EQ(w.field(QStringLiteral("bookValue"))->text(), QStringLiteral("9"));
    ASSERT_TRUE(w.confirm());
    EXPECT_TRUE(w.field(QStringLiteral("code"))->text().isEmpty());
    EXPECT_EQ(stock::StockLedger(st.logon()).stockOf(QStringLiteral("000001")), D("1244,5"));
    EXPECT_EQ(seeds::productColumn(st.logon(), QStringLiteral("000001"), "VALOR"), D("9"));
    // the percentage stays the default of the next movement
    w.productArrived();
    EXPECT_EQ(w.field(QStringLiteral("percent"))->text(), QStringLiteral("50,0"));

    // a kit can be moved like any product; the window only says it is one
    w.field(QStringLiteral("code"))->setText(QStringLiteral("10"));
    w.productLeft();
    EXPECT_TRUE(w.kitShown());
    // an unknown product: the message, and the stock of the typed code
    w.field(QStringLiteral("code"))->setText(QStringLiteral("404"));
    w.productLeft();
    EXPECT_EQ(d.messageTexts(), QStringList{stock::text::productNotFound});
    EXPECT_TRUE(w.productName().isEmpty());
    // a supplier typed, unknown, and none
    w.field(QStringLiteral("supplier"))->setText(QStringLiteral("3"));
    w.supplierLeft();
    EXPECT_EQ(w.supplierName(), QStringLiteral("DISTRIBUIDORA SUL"));
    w.field(QStringLiteral("supplier"))->setText(QStringLiteral("33"));
    w.supplierLeft();
    EXPECT_EQ(d.messageTexts().last(), stock::text::supplierNotFound);
    EXPECT_TRUE(w.field(QStringLiteral("supplier"))->text().isEmpty());
    const auto told = d.messages.size();
    w.supplierLeft();   // blank: no supplier, nothing to say
    EXPECT_EQ(d.messages.size(), told);
}

TEST(StockWindows, TheMovementWindowRefusesHostileValuesWithItsMessagesAndWritesNothing)
{
    TestStation st;
    seedCatalogue(st);
    struct Case { const char* label; const char* role; QString value; QString message; };
    const Case cases[] = {
        {"unknown product", "code", QStringLiteral("99999"), stock::text::productNotFound},
        {"movement code 7", "kind", QStringLiteral("7"), movement::text::badKind},
        {"quantity in letters", "quantity", QStringLiteral("DUAS"), movement::text::badQuantity},
        {"negative quantity", "quantity", QStringLiteral("-1"), movement::text::badQuantity},
        {"quantity 1e20", "quantity", QStringLiteral("1e20"), movement::text::badQuantity},
        {"sql in the cost", "cost", QStringLiteral("1'; DELETE FROM ESTFIC; --"), movement::text::badValue.arg(QStringLiteral("Custo"))},
        {"price too large", "price", QStringLiteral("99999999999999"), movement::text::badValue.arg(QStringLiteral("Venda"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        TFormMovEst w(st.logon());
        w.field(QStringLiteral("code"))->setText(QStringLiteral("1"));
        w.productLeft();
        w.field(QStringLiteral("kind"))->setText(QStringLiteral("1"));
        w.kindLeft();
        w.field(QStringLiteral("quantity"))->setText(QStringLiteral("2"));
        d.messages.clear();
        w.field(QString::fromLatin1(c.role))->setText(c.value);
        EXPECT_FALSE(w.confirm());
        EXPECT_EQ(d.messageTexts(), QStringList{c.message});
        EXPECT_EQ(w.focusWidget(), w.field(QString::fromLatin1(c.role)));
        EXPECT_EQ(w.field(QString::fromLatin1(c.role))->text(), c.value.left(w.field(QString::fromLatin1(c.role))->maxLength()));
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC")), 0);
    }
}

TEST(StockWindows, APurchaseOrderIsNumberedFilledAndPrintedAsAPageReport)
{
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    TFormCompras w(st.logon());
    EXPECT_EQ(w.shownOrder(), 0);
    d.answerMessages({QStringLiteral("S")});
    w.newOrder();
    EXPECT_EQ(d.messageTexts(), QStringList{purchase::text::askNew});
    EXPECT_EQ(w.shownOrder(), 1);
    w.field(QStringLiteral("date"))->setText(QStringLiteral("02/03/26"));
    w.field(QStringLiteral("delivery"))->setText(QStringLiteral("09/03/26"));
    w.field(QStringLiteral("term"))->setText(QStringLiteral("28 DIAS"));
    w.field(QStringLiteral("supplier"))->setText(QStringLiteral("3"));
    w.supplierLeft();
    EXPECT_EQ(w.supplierName(), QStringLiteral("DISTRIBUIDORA SUL"));
    w.field(QStringLiteral("observation"))->setText(QStringLiteral("ENTREGAR NA COZINHA"));
    ASSERT_TRUE(w.confirmHeader());

    d.onWindow(QStringLiteral("TFormInsItens"), [](QDialog& window) {
        auto& items = static_cast<TFormInsItens&>(window);
        items.field(QStringLiteral("product"))->setText(QStringLiteral("3"));
        EXPECT_TRUE(items.productLeft());
        EXPECT_EQ(items.previousCost(), QStringLiteral("        6,30"));
        items.field(QStringLiteral("quantity"))->setText(QStringLiteral("40"));
        items.field(QStringLiteral("cost"))->setText(QStringLiteral("6,10"));
        items.field(QStringLiteral("icms"))->setText(QStringLiteral("18"));
        items.field(QStringLiteral("ipi"))->setText(QStringLiteral("10"));
        EXPECT_TRUE(items.confirm());
        return window.result();
    });
    w.insertItem();
    d.onWindow(QStringLiteral("TFormInsItens"), [](QDialog& window) {
        auto& items = static_cast<TFormInsItens&>(window);
        items.field(QStringLiteral("product"))->setText(QStringLiteral("2"));
        items.productLeft();
        items.field(QStringLiteral("quantity"))->setText(QStringLiteral("2,5"));
        items.numbersLeft();
        EXPECT_EQ(items.field(QStringLiteral("quantity"))->text(), QStringLiteral("0"));   // whole numbers only
        EXPECT_FALSE(items.confirm());
        items.field(QStringLiteral("quantity"))->setText(QStringLiteral("100"));
        items.field(QStringLiteral("cost"))->setText(QStringLiteral("0,45"));
        EXPECT_TRUE(items.confirm());
        return window.result();
    });
    w.insertItem();
    EXPECT_EQ(d.messageTexts().last(), purchase::text::fillError);
    ASSERT_EQ(w.itemList()->count(), 2);
    EXPECT_EQ(w.totalsShown(), (QStringList{QStringLiteral("      289,00"), QStringLiteral("       24,40"),
                                            QStringLiteral("      313,40")}));
    // "Alterar" changes the item in place
    const qint64 id = w.itemList()->currentValue(u"ID").toLongLong();
    d.onWindow(QStringLiteral("TFormAltItens"), [](QDialog& window) {
        auto& items = static_cast<TFormAltItens&>(window);
        EXPECT_EQ(items.field(QStringLiteral("quantity"))->text(), QStringLiteral("40"));
        items.field(QStringLiteral("quantity"))->setText(QStringLiteral("20"));
        EXPECT_TRUE(items.confirm());
        return window.result();
    });
    w.changeItem();
    EXPECT_EQ(w.itemList()->currentValue(u"ID").toLongLong(), id);
    EXPECT_EQ(w.totalsShown().last(), QStringLiteral("      179,20"));

    PdfCapture pdf(d);
    w.print();
    EXPECT_EQ(pdf.pages, 1);
    const QString t = pdf.folded();
    for (const char* expected : {"PEDIDO DE COMPRAS", "BAR DO ZE", "PEDIDO N. 1", "DISTRIBUIDORA SUL", "98.765.432/0001-10",
                                 "Data do Pedido 02/03/26", "PREVISTO ENTREGA 09/03/26", "PRAZO 28 DIAS",
                                 "OBS ENTREGAR NA COZINHA", "CODIGO PRODUTO Quant CUSTO ICMS IPI",
                                 "000003 HAMBURGUER 180G 20 6,10 18 10", "000002 PAO FRANCES 100 0,45 0 0",
                                 "SUB-TOTAL 167,00", "IPI 12,20", "TOTAL 179,20", "Compras", "Gerência"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(expected))) << expected << "\n" << t.toStdString();
    EXPECT_EQ(pdf.text.count(QStringLiteral("TOTAL")), 2);   // SUB-TOTAL and TOTAL: the third is no second "IPI"
}

TEST(StockWindows, TheEntryInvoiceWindowImportsAnOrderAndProcessesIt)
{
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    seeds::addOrder(st.logon(), 4, 3);
    seeds::addOrderItem(st.logon(), 4, QStringLiteral("000001"), D("24"), D("3"), 10);
    TFormNFEntrada w(st.logon());
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("titlesButton"))->isVisibleTo(&w));
    d.onWindow(QStringLiteral("TFormVerPedComp"), [](QDialog& window) { return window.result(); });
    w.pickOrder();
    EXPECT_EQ(w.field(QStringLiteral("order"))->text(), QStringLiteral("4"));
    ASSERT_TRUE(w.importOrder());
    EXPECT_EQ(w.field(QStringLiteral("observation"))->text(), QStringLiteral("Pedido n.4"));
    EXPECT_EQ(w.supplierName(), QStringLiteral("DISTRIBUIDORA SUL"));
    EXPECT_EQ(w.totalShown(), QStringLiteral("       79,20"));   // left-padded to 12 (it was "79,20")
    w.field(QStringLiteral("product"))->setText(QStringLiteral("2"));
    w.productLeft();
    EXPECT_EQ(w.productName(), QStringLiteral("PAO FRANCES"));
    w.field(QStringLiteral("quantity"))->setText(QStringLiteral("50"));
    EXPECT_TRUE(w.confirmItem());
    EXPECT_EQ(w.itemList()->count(), 2);
    // no invoice number: nothing is processed
    EXPECT_FALSE(w.process());
    EXPECT_EQ(d.messageTexts().last(), invoice::text::fillError);
    EXPECT_EQ(w.focusWidget(), w.field(QStringLiteral("number")));
    w.field(QStringLiteral("number"))->setText(QStringLiteral("8812"));
    ASSERT_TRUE(w.process());
    EXPECT_EQ(w.itemList()->count(), 0);
    EXPECT_EQ(w.totalShown(), QStringLiteral("0,00"));
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC where NFISCAL = 8812")), 2);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from COMPRAS")), 0);
    EXPECT_EQ(w.field(QStringLiteral("order"))->text(), QStringLiteral("4"));   // "Pedido Numero" keeps its value
}

// The markup percentage of the entry invoice: read by the percentage rules, stored
// exactly and shown as stored; "Venda" and "Contabil" get the plain number.
TEST(StockWindows, TheEntryInvoiceMarkupIsReadStoredAndShownExactly)
{
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    TFormNFEntrada w(st.logon());
    QLineEdit* percent = w.field(QStringLiteral("percent"));
    percent->setText(QStringLiteral("12,5"));
    w.percentLeft();
    w.numberArrived();
    EXPECT_EQ(percent->text(), QStringLiteral("12,5"));   // it came back "12,0"
    for (const char* hostile : {"-1", "-0,01", "123456789", "12,345", "DOZE"}) {
        SCOPED_TRACE(hostile);
        d.messages.clear();
        percent->setText(QString::fromUtf8(hostile));
        w.percentLeft();
        EXPECT_EQ(d.messageTexts(), QStringList{stock::text::badMarkup});
        EXPECT_EQ(w.focusWidget(), percent);
        EXPECT_EQ(percent->text(), QString::fromUtf8(hostile));   // what was typed stays to be mended
        EXPECT_EQ(decimalOf(st.logon().scalar(QStringLiteral("select CONTABIL from EMPRESA"))), D("12,5"));
    }
    percent->setText(QStringLiteral("30"));
    w.percentLeft();
    w.field(QStringLiteral("product"))->setText(QStringLiteral("1"));
    w.productLeft();
    w.field(QStringLiteral("cost"))->setText(QStringLiteral("10"));
    w.costLeft();
    EXPECT_EQ(w.field(QStringLiteral("price"))->text(), QStringLiteral("13"));
    EXPECT_EQ(w.field(QStringLiteral("bookValue"))->text(), QStringLiteral("13"));
    w.field(QStringLiteral("quantity"))->setText(QStringLiteral("4,2"));
    ASSERT_TRUE(w.confirmItem());
    EXPECT_EQ(w.totalShown(), QStringLiteral("       42,00"));
}

TEST(StockWindows, TheTitlesWindowRefusesTakenTitlesAndUnreadableValues)
{
    TestStation st;
    st.logon().run(QStringLiteral("insert into PAGARQ (ID, DUPLICATA, VALOR) values (GEN_ID(PAGARQ,1), 'NF100-1', 10)"));
    struct Case { const char* label; const char* title; const char* date; const char* value; QString message; };
    const Case cases[] = {
        {"a payable has the title", "NF100-1", "10/04/26", "50", titles::text::taken},
        {"impossible due date", "NF100-2", "31/04/26", "50", titles::text::fillError},
        {"letters as value", "NF100-2", "10/04/26", "CINQUENTA", titles::text::fillError},
        {"1e20 as value", "NF100-2", "10/04/26", "1e20", titles::text::fillError},
        {"negative value", "NF100-2", "10/04/26", "-5", titles::text::fillError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        TFormTPagar w(st.logon());
        w.field(QStringLiteral("title"))->setText(QString::fromUtf8(c.title));
        w.field(QStringLiteral("date"))->setText(QString::fromUtf8(c.date));
        w.field(QStringLiteral("value"))->setText(QString::fromUtf8(c.value));
        EXPECT_FALSE(w.confirm());
        EXPECT_EQ(d.messageTexts(), QStringList{c.message});
        EXPECT_TRUE(w.titles().list().empty());
    }
    ScriptedDialogs d;
    titles::PayableTitles list;
    TFormTPagar w(st.logon(), list);
    EXPECT_EQ(w.totalShown(), QStringLiteral("00,0"));
    for (const char* value : {"150,5", "49,5"}) {
        w.field(QStringLiteral("title"))->setText(QStringLiteral("NF200-%1").arg(list.list().size() + 1));
        w.field(QStringLiteral("date"))->setText(QStringLiteral("10/04/26"));
        w.field(QStringLiteral("value"))->setText(QString::fromUtf8(value));
        EXPECT_TRUE(w.confirm());
    }
    EXPECT_EQ(w.totalShown(), QStringLiteral("      200,00"));
    w.field(QStringLiteral("title"))->setText(QStringLiteral("NF200-1"));   // the list has it already
    EXPECT_FALSE(w.confirm());
    EXPECT_EQ(d.messageTexts(), QStringList{titles::text::taken});
    d.answerMessages({QStringLiteral("S")});
    w.removeTitle();
    EXPECT_EQ(list.list().size(), 1u);
    EXPECT_EQ(w.totalShown(), QStringLiteral("       49,50"));
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PAGARQ")), 1);   // nothing written
}

TEST(StockWindows, AKitIsCreatedPricedComposedAndItsSheetsPrintTheRightCost)
{
    TestStation st;
    ScriptedDialogs d;
    seedCatalogue(st);
    TFormKit w(st.logon());
    ASSERT_EQ(w.kitList()->count(), 1);   // X-BURGUER
    w.newKit();
    EXPECT_TRUE(w.field(QStringLiteral("newCode"))->isVisibleTo(&w));
    w.field(QStringLiteral("newCode"))->setText(QStringLiteral("1"));   // a product has it
    EXPECT_FALSE(w.newCodeLeft());
    EXPECT_EQ(d.messageTexts(), QStringList{kits::text::codeTaken});
    EXPECT_TRUE(w.field(QStringLiteral("newCode"))->isVisibleTo(&w));
    w.field(QStringLiteral("newCode"))->setText(QStringLiteral("5"));
    d.answerMessages({QStringLiteral("S")});
    EXPECT_TRUE(w.newCodeLeft());
    EXPECT_EQ(d.messageTexts().last(), kits::text::askCreate);
    EXPECT_FALSE(w.field(QStringLiteral("newCode"))->isVisibleTo(&w));
    EXPECT_EQ(w.field(QStringLiteral("code"))->text(), QStringLiteral("000005"));
    EXPECT_EQ(st.scalar(QStringLiteral("select COMPOSICAO from PRODUTOS where CODIGO = '000005'")).toString(), QStringLiteral("S"));

    w.field(QStringLiteral("name"))->setText(QStringLiteral("X-SALADA"));
    w.field(QStringLiteral("value"))->setText(QStringLiteral("24,90"));
    w.field(QStringLiteral("printer"))->setText(QStringLiteral("2"));
    ASSERT_TRUE(w.confirm());
    EXPECT_EQ(st.scalar(QStringLiteral("select CLAS from PRODUTOS where CODIGO = '000005'")).toString(), QStringLiteral("2"));
    // a blank printer leaves CLAS as it was; a blank name is "*"
    w.kitList()->moveTo(u"CODIGO", QStringLiteral("000005"));
    w.kitList()->userMoved();
    EXPECT_EQ(w.field(QStringLiteral("printer"))->text(), QStringLiteral("2"));
    w.field(QStringLiteral("printer"))->clear();
    w.field(QStringLiteral("value"))->setText(QStringLiteral("VINTE"));
    EXPECT_FALSE(w.confirm());   // refused: nothing written, what was typed stays
    EXPECT_EQ(d.messageTexts().last(), kits::text::badValue);
    EXPECT_EQ(w.field(QStringLiteral("value"))->text(), QStringLiteral("VINTE"));
    w.field(QStringLiteral("value"))->setText(QStringLiteral("25,90"));
    ASSERT_TRUE(w.confirm());
    EXPECT_EQ(st.scalar(QStringLiteral("select CLAS from PRODUTOS where CODIGO = '000005'")).toString(), QStringLiteral("2"));

    // composed in the kit items editor
    w.kitList()->moveTo(u"CODIGO", QStringLiteral("000005"));
    w.kitList()->userMoved();
    d.onWindow(QStringLiteral("TFormKitItens"), [&](QDialog& window) {
        seeds::addKitComponent(st.logon(), QStringLiteral("000005"), QStringLiteral("000002"), QStringLiteral("PAO FRANCES"), D("1"));
        seeds::addKitComponent(st.logon(), QStringLiteral("000005"), QStringLiteral("000003"), QStringLiteral("HAMBURGUER 180G"), D("1,5"));
        seeds::addKitComponent(st.logon(), QStringLiteral("000005"), QStringLiteral("000404"), QStringLiteral("SEM CADASTRO"), D("2"));
        return window.result();
    });
    w.editComposition();
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormKitItens"));

    PdfCapture sheet(d);
    w.menuAction(QStringLiteral("&B-Imprimir Composição"))->trigger();
    const QString t = sheet.folded();
    for (const char* expected : {"FICHA TÉCNICA", "BAR DO ZE", "Produto 000005 / X-SALADA",
                                 "CODIGO PRODUTO QUANT. CUSTO TOTAL",
                                 "000002 PAO FRANCES 1,00000000 0,45 0,45",
                                 "000003 HAMBURGUER 180G 1,50000000 6,30 9,45",
                                 "000404 SEM CADASTRO 2,00000000 0,00 0,00",
                                 "TOTAL GERAL 9,90", "Custo da Receita 9,90", "Preço para Venda 25,90", "Receita"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(expected))) << expected << "\n" << t.toStdString();

    PdfCapture list(d);
    w.menuAction(QStringLiteral("&A-Relatorios dos Kits"))->trigger();
    for (const char* expected : {"RELATÓRIO DE KITS - LISTAGEM GERAL DOS KITS", "CODIGO DESCRIÇÃO VALOR",
                                 "000005 X-SALADA 25,90", "000010 X-BURGUER 29,90"})
        EXPECT_TRUE(list.folded().contains(QString::fromUtf8(expected))) << expected << "\n" << list.folded().toStdString();

    // deleting the kit takes its ledger rows and components, never the components' rows
    seeds::addLedgerRow(st.logon(), QStringLiteral("000005"), QDate(2026, 3, 1), std::nullopt, D("2"));
    seeds::addLedgerRow(st.logon(), QStringLiteral("000002"), QDate(2026, 3, 1), std::nullopt, D("2"));
    w.kitList()->moveTo(u"CODIGO", QStringLiteral("000005"));
    d.answerMessages({QStringLiteral("S")});
    w.deleteKit();
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS where CODIGO = '000005'")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC where CODIGO = '000005'")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from KITPROD where CODIGO = '000005'")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC where CODIGO = '000002'")), 1);

    // "Não" creates nothing and hides the entry; a kit without components prints 0,00
    w.newKit();
    w.field(QStringLiteral("newCode"))->setText(QStringLiteral("P01"));
    d.answerMessages({QStringLiteral("N")});
    w.newCodeLeft();
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS where CODIGO = 'P01'")), 0);
    EXPECT_FALSE(w.field(QStringLiteral("newCode"))->isVisibleTo(&w));
    PdfCapture empty(d);
    w.menuAction(QStringLiteral("&B-Imprimir Composição"))->trigger();
    EXPECT_TRUE(empty.folded().contains(QStringLiteral("TOTAL GERAL 0,00"))) << empty.folded().toStdString();
}

TEST(StockWindows, TheKitWindowRefusesHostileValuesOrStoresThemAsTyped)
{
    TestStation st;
    seedCatalogue(st);
    struct Case { const char* label; const char* role; QString value; bool stored; bool databaseError; };
    const Case cases[] = {
        {"quotes in the name", "name", QStringLiteral("X-D'AGUA \"ESPECIAL\""), true, false},
        {"sql in the name", "name", QStringLiteral("'); DELETE FROM PRODUTOS; --"), true, false},
        {"emoji in the name", "name", QStringLiteral("X-TUDO \U0001F354"), false, true},
        {"letters as value", "value", QStringLiteral("TRINTA"), false, false},
        {"negative value", "value", QStringLiteral("-29,90"), false, false},
        {"1e20 as value", "value", QStringLiteral("1e20"), false, false},
        {"sql as printer", "printer", QStringLiteral("1';--"), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        TFormKit w(st.logon());
        ASSERT_EQ(w.field(QStringLiteral("code"))->text(), QStringLiteral("000010"));
        w.field(QString::fromLatin1(c.role))->setText(c.value);
        EXPECT_EQ(w.confirm(), c.stored);
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS")), 4);
        if (c.stored) {
            const char* column = QLatin1String(c.role) == QLatin1String("name") ? "NOME" : "CLAS";
            EXPECT_EQ(st.scalar(QStringLiteral("select %1 from PRODUTOS where CODIGO = '000010'").arg(QLatin1String(column))).toString(),
                      c.value.left(w.field(QString::fromLatin1(c.role))->maxLength()));
        } else {
            EXPECT_EQ(c.databaseError ? d.errors.size() : qsizetype(d.messages.size()), 1);
            EXPECT_EQ(w.field(QString::fromLatin1(c.role))->text(), c.value);
            EXPECT_EQ(seeds::productColumn(st.logon(), QStringLiteral("000010"), "VALOR"), D("29,90"));
        }
    }
    // A new kit code: longer than the components' column is cut to it; quotes stay.
    ScriptedDialogs d;
    TFormKit w(st.logon());
    w.newKit();
    w.field(QStringLiteral("newCode"))->setText(QStringLiteral("PRATO'DO'DIA-ESPECIAL"));
    d.answerMessages({QStringLiteral("S")});
    EXPECT_TRUE(w.newCodeLeft());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS where CODIGO = 'PRATO''DO''D' and COMPOSICAO = 'S'")), 1);
}
