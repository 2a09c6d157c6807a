// The one readers and writers in the windows: the stock movement and the entry
// invoice say their message for a date that is no date and write nothing; the
// accompaniment field holds no more than its column; the supplier search and the
// delivery item entry take a search as long as their column; a report exported as a
// spreadsheet writes a formula as text and keeps negative amounts numbers; and an
// export that fails half-way keeps the previous file whole.
#include "FullDisk.h"
#include "ReportReading.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "delivery/UnitInsItens2.h"
#include "registers/UnitBuscaForne.h"
#include "registers/PickList.h"
#include "registers/UnitProd.h"
#include "reports/PageReport.h"
#include "reports/ReportExport.h"
#include "reports/UnitVisaoRelatorio.h"
#include "stock/EntryInvoice.h"
#include "stock/StockMovement.h"
#include "stock/UnitMovEst.h"
#include "stock/UnitNFEntrada.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

void seedProducts(TestStation& st)
{
    seeds::addSupplier(st.logon(), 3, S("DISTRIBUIDORA SUL"));
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
}

} // namespace

TEST(TypedReaderWindows, TheMovementAndTheInvoiceSayTheirMessageForADateThatIsNoDate)
{
    TestStation st;
    seedProducts(st);
    for (const char* typed : {"31/02/26", "29/02/25", "15/13/26", "00/03/26"}) {
        SCOPED_TRACE(typed);
        ScriptedDialogs d;
        TFormMovEst w(st.logon());
        w.field(S("code"))->setText(S("1"));
        w.productLeft();
        w.field(S("kind"))->setText(S("1"));
        w.kindLeft();
        w.field(S("quantity"))->setText(S("2"));
        w.field(S("date"))->setText(S(typed));
        d.messages.clear();
        EXPECT_FALSE(w.confirm());
        EXPECT_EQ(d.messageTexts(), QStringList{movement::text::badDate});
        EXPECT_EQ(w.focusWidget(), w.field(S("date")));
        EXPECT_EQ(w.field(S("date"))->text(), S(typed));
        EXPECT_EQ(st.count(S("select count(*) from ESTFIC")), 0);
    }

    ScriptedDialogs d;
    TFormNFEntrada w(st.logon());
    w.field(S("product"))->setText(S("1"));
    w.productLeft();
    w.field(S("quantity"))->setText(S("24"));
    ASSERT_TRUE(w.confirmItem());
    w.field(S("number"))->setText(S("8812"));
    w.field(S("date"))->setText(S("31/02/26"));
    d.messages.clear();
    EXPECT_FALSE(w.process());
    EXPECT_EQ(d.messageTexts(), QStringList{invoice::text::fillError});
    EXPECT_EQ(w.focusWidget(), w.field(S("date")));
    EXPECT_EQ(w.itemList()->count(), 1);   // the typed item stays
    EXPECT_EQ(st.count(S("select count(*) from ESTFIC")), 0);
    w.field(S("date"))->setText(S("28/02/26"));
    ASSERT_TRUE(w.process());
    EXPECT_EQ(st.count(S("select count(*) from ESTFIC where NFISCAL = 8812 and DATA = '2026-02-28'")), 1);
}

TEST(TypedReaderWindows, AnAccompanimentHoldsNoMoreThanItsColumn)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(S("000003"), S("LANCHE"), Decimal(9));
    TFormProd w(st.logon());
    w.findChild<QLineEdit*>(S("codeEdit"))->setText(S("3"));
    w.codeLeft();
    auto* accompaniment = w.findChild<QLineEdit*>(S("accompanimentEdit"));
    accompaniment->setText(QString(150, u'Q'));
    w.addAccompaniment();
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(u'\n').toStdString();
    EXPECT_EQ(st.scalar(S("select PRODUTO from ACOMPANHA where CODIGO = '000003'")).toString(), QString(120, u'Q'));
}

TEST(TypedReaderWindows, SearchesAsLongAsTheirColumnFindWithoutTheDatabasesWords)
{
    TestStation st;
    ScriptedDialogs d;
    const QString supplier = S("DISTRIBUIDORA DE BEBIDAS SAO JOAO DO SUL");   // 40 letters
    seeds::addSupplier(st.logon(), 3, supplier);
    seeds::addSupplier(st.logon(), 4, S("ATACADO NORTE"));
    TFormBuscaForne search(st.logon());
    for (const QString& typed : {supplier.left(39), supplier, supplier + S(" LTDA ME")}) {
        search.searchField()->setText(typed);
        EXPECT_EQ(search.list()->count(), 1) << typed.toStdString();
    }

    const QString product = S("REFRIGERANTE DE GUARANA LATA 350ML GELADO");
    seeds::addProduct(st.logon(), S("000010"), product.left(40), D("6"), D("2"));
    TFormInsItens2 items(st.logon(), 1);
    auto* field = items.findChild<QLineEdit*>(S("searchEdit"));
    ASSERT_TRUE(field);
    for (const QString& typed : {product.left(39), product.left(40), product}) {
        field->setText(typed);
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_EQ(items.productButtons().size(), 1u) << typed.toStdString();
    }
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(u'\n').toStdString();
}

namespace {

report::Definition priceList()
{
    using namespace report;
    Definition def;
    def.title = S("Lista de precos");
    def.columnHeader.height = 6;
    def.columnHeader.add(label(0, 0, 80, 6, S("NOME")));
    def.columnHeader.add(label(120, 0, 40, 6, S("VALOR")).right());
    def.detail.height = 5;
    def.detail.add(field(0, 0, 100, 5, S("NOME")));
    def.detail.add(field(120, 0, 40, 5, S("VALOR")).mask(S("#,##0.00")).right());
    return def;
}

RowSet hostileNames(int copies)
{
    std::vector<QVariantList> rows;
    for (int i = 0; i < copies; ++i) {
        rows.push_back({S("=HYPERLINK(\"http://x.example/\";\"clique\")"), QVariant::fromValue(D("12,5"))});
        rows.push_back({S("@SUM(1+1)*cmd|' /C calc'!A0"), QVariant::fromValue(D("-4,5"))});
        rows.push_back({S("+55 11 5555-0000"), QVariant::fromValue(D("-1234,5"))});
        rows.push_back({S("-2+3+cmd|' /C calc'!A0"), QVariant::fromValue(D("0"))});
    }
    return RowSet({S("NOME"), S("VALOR")}, std::move(rows));
}

} // namespace

TEST(TypedReaderWindows, AReportExportedAsASpreadsheetRunsNoFormulaAndAFailedExportKeepsTheOldFile)
{
    TestStation st(false);
    QTemporaryDir out;
    const report::Definition def = priceList();
    const RowSet rows = hostileNames(1);
    const report::Layout l(def, rows);
    TFormVisaoRelatorio w(l, QStringList{});
    {
        ScriptedDialogs script;
        script.answerFileDialog(out.filePath(S("precos")));
        w.chooseFormat(report::Format::Spreadsheet);
        w.exportReport();
        EXPECT_TRUE(script.errors.isEmpty());
    }
    const QString file = out.filePath(S("precos.csv"));
    EXPECT_EQ(bytesOf(file), QByteArray("NOME;VALOR\r\n"
                                        "\"'=HYPERLINK(\"\"http://x.example/\"\";\"\"clique\"\")\";12,50\r\n"
                                        "'@SUM(1+1)*cmd|' /C calc'!A0;-4,50\r\n"
                                        "'+55 11 5555-0000;-1234,50\r\n"
                                        "'-2+3+cmd|' /C calc'!A0;0,00\r\n"));

    // A larger report that meets a full disk half-way: the error box, the old file
    // whole, nothing cut left beside it.
    const QByteArray before = bytesOf(file);
    const RowSet many = hostileNames(500);
    const report::Layout big(def, many);
    TFormVisaoRelatorio bigger(big, QStringList{});
    for (const report::Format format : {report::Format::Spreadsheet, report::Format::Pdf}) {
        ScriptedDialogs script;
        script.answerFileDialog(file);
        bigger.chooseFormat(format);
        {
            const FullDisk full(4096);
            bigger.exportReport();
        }
        ASSERT_EQ(script.errors.size(), 1);
        EXPECT_TRUE(script.errors.first().contains(S("precos.csv")));
        EXPECT_EQ(bytesOf(file), before);
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{S("precos.csv")});
    }
}
