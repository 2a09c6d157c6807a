// Page reports: the band model (which band and row on which page), the sums of
// groups and summary, the PDF read back with pdftotext, the spreadsheet byte for
// byte, RTF and text exports, and the preview window.
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "reports/PageReport.h"
#include "reports/ReportExport.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

namespace {

Decimal D(const char* text)
{
    return *Decimal::parse(QString::fromUtf8(text));
}

QVariant V(const Decimal& d)
{
    return QVariant::fromValue(d);
}

// Letter paper, 10 mm margins: 259.4 mm of body. First page: header 30 + column
// header 8, footer 10 reserved: 211.4 mm = 42 rows of 5 mm. Next pages: 241.4 mm = 48 rows.
Definition plainList()
{
    Definition def;
    def.title = QStringLiteral("Lista");
    def.pageHeader.height = 30;
    def.pageHeader.add(label(0, 0, 190, 8, QStringLiteral("Relatório de Itens Cancelados")).withFont(12, true));
    def.pageHeaderOn = Where::FirstPage;
    def.columnHeader.height = 8;
    def.columnHeader.add(label(0, 0, 20, 6, QStringLiteral("CÓDIGO")));
    def.columnHeader.add(label(25, 0, 80, 6, QStringLiteral("NOME")));
    def.columnHeader.add(label(150, 0, 40, 6, QStringLiteral("VALOR")).right());
    def.detail.height = 5;
    def.detail.add(field(0, 0, 20, 5, QStringLiteral("CODIGO")));
    def.detail.add(field(25, 0, 80, 5, QStringLiteral("NOME")));
    def.detail.add(field(150, 0, 40, 5, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    def.pageFooter.height = 10;
    def.pageFooter.add(pageNumber(140, 2, 50, 5).right());
    def.pageFooterOn = Where::LastPage;
    return def;
}

RowSet numberedRows(int n)
{
    std::vector<QVariantList> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back({qlonglong(i + 1), QStringLiteral("Produto %1").arg(i + 1, 3, 10, QChar('0')),
                        V(Decimal::fromCents(100 * (i + 1) + 5))});
    return RowSet({"CODIGO", "NOME", "VALOR"}, std::move(rows));
}

std::vector<BandKind> kindsOnPage(const Layout& l, int page)
{
    std::vector<BandKind> kinds;
    const Page& p = l.page(page);
    for (int i = p.first; i < p.first + p.count; ++i)
        kinds.push_back(l.placed(i).kind);
    return kinds;
}

int countKind(const Layout& l, int page, BandKind kind)
{
    const auto kinds = kindsOnPage(l, page);
    return int(std::count(kinds.begin(), kinds.end(), kind));
}

// Sales grouped by waiter: group header with the waiter, footer with his sum,
// summary with the total and a commission computed from it.
Definition groupedSales()
{
    Definition def;
    def.title = QStringLiteral("Vendas por garçom");
    def.paper = QPageSize::A4;
    def.columnHeader.height = 6;
    def.columnHeader.add(label(0, 0, 40, 6, QStringLiteral("PRODUTO")));
    def.columnHeader.add(label(120, 0, 40, 6, QStringLiteral("VALOR")).right());
    Group g;
    g.column = QStringLiteral("GARCOM");
    g.header.height = 6;
    g.header.add(label(0, 0, 30, 6, QStringLiteral("Garçom:")));
    g.header.add(field(30, 0, 60, 6, QStringLiteral("GARCOM")));
    g.footer.height = 6;
    g.footer.add(label(80, 0, 30, 6, QStringLiteral("Total garçom")));
    g.footer.add(sum(120, 0, 40, 6, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    def.groups.push_back(g);
    def.detail.height = 5;
    def.detail.add(field(0, 0, 100, 5, QStringLiteral("PRODUTO")));
    def.detail.add(field(120, 0, 40, 5, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    def.summary.height = 12;
    def.summary.add(label(80, 0, 30, 6, QStringLiteral("Total")));
    def.summary.add(sum(120, 0, 40, 6, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    def.summary.add(computed(80, 6, 80, 6, [](const BandContext& c) {
        return QStringLiteral("Comissão 10% = ") + formatValue(V(c.sum(u"VALOR") / Decimal(10)), "0.00", "");
    }));
    return def;
}

RowSet sales()
{
    return RowSet({"GARCOM", "PRODUTO", "VALOR"},
                  {{QStringLiteral("ANA"), QStringLiteral("Caipirinha; limão"), V(D("0,10"))},
                   {QStringLiteral("ANA"), QStringLiteral("Pão de queijo"), V(D("0,20"))},
                   {QStringLiteral("BRUNO"), QStringLiteral("Picanha \"especial\""), V(D("1234,5"))},
                   {QStringLiteral("BRUNO"), QStringLiteral("Água"), V(D("-4,50"))}});
}

} // namespace

TEST(PageReportLayout, RowsFillEachPageAndTheHeadersAndFooterGoWhereTheReportSays)
{
    TestStation st(false);
    const Definition def = plainList();
    const RowSet rows = numberedRows(100);
    const Layout l(def, rows);

    ASSERT_EQ(l.pageCount(), 3);
    struct Case { int row, page; };
    for (const Case c : {Case{0, 0}, Case{41, 0}, Case{42, 1}, Case{89, 1}, Case{90, 2}, Case{99, 2}})
        EXPECT_EQ(l.pageOfRow(c.row), c.page) << "row " << c.row;

    EXPECT_EQ(countKind(l, 0, BandKind::PageHeader), 1);
    EXPECT_EQ(countKind(l, 1, BandKind::PageHeader), 0);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(countKind(l, p, BandKind::ColumnHeader), 1) << p;
        EXPECT_EQ(countKind(l, p, BandKind::PageFooter), p == 2 ? 1 : 0) << p;
    }
    // Nothing is placed over the reserved footer.
    for (int i = 0; i < l.placedCount(); ++i) {
        const Placed& p = l.placed(i);
        if (p.kind != BandKind::PageFooter) {
            EXPECT_LE(p.top + l.band(p).height, def.bodySize().height() - 10 + 1e-6);
        }
    }
}

TEST(PageReportLayout, GroupSumsAreExactAndAGroupHeaderStaysWithItsFirstRow)
{
    TestStation st(false);
    const Definition def = groupedSales();
    const RowSet rows = sales();
    const Layout l(def, rows);
    ASSERT_EQ(l.pageCount(), 1);

    QStringList footers, summary;
    for (int i = 0; i < l.placedCount(); ++i) {
        const Placed& p = l.placed(i);
        for (const Item& item : l.band(p).items) {
            if (p.kind == BandKind::GroupFooter && item.kind == Item::Kind::Sum)
                footers << l.itemText(item, i);
            if (p.kind == BandKind::Summary && item.kind != Item::Kind::Label)
                summary << l.itemText(item, i);
        }
    }
    EXPECT_EQ(footers, (QStringList{"0,30", "1.230,00"}));
    EXPECT_EQ(summary, (QStringList{"1.230,30", "Comissão 10% = 123,03"}));

    // Many groups over several pages: no page ends with a group header.
    std::vector<QVariantList> many;
    for (int g = 0; g < 30; ++g)
        for (int r = 0; r < 7; ++r)
            many.push_back({QStringLiteral("G%1").arg(g, 2, 10, QChar('0')), QStringLiteral("P%1").arg(r),
                            V(Decimal(r))});
    const RowSet manyRows({"GARCOM", "PRODUTO", "VALOR"}, std::move(many));
    const Layout big(def, manyRows);
    ASSERT_GT(big.pageCount(), 2);
    for (int p = 0; p < big.pageCount(); ++p) {
        const auto kinds = kindsOnPage(big, p);
        EXPECT_NE(kinds.back(), BandKind::GroupHeader) << "page " << p;
    }
    EXPECT_EQ(kindsOnPage(big, big.pageCount() - 1).back(), BandKind::Summary);
}

TEST(PageReportLayout, AnEmptyReportPrintsItsHeadersAndZeroSums)
{
    TestStation st(false);
    const Definition def = groupedSales();
    const RowSet none({"GARCOM", "PRODUTO", "VALOR"}, {});
    const Layout l(def, none);
    ASSERT_EQ(l.pageCount(), 1);
    EXPECT_EQ(kindsOnPage(l, 0), (std::vector<BandKind>{BandKind::ColumnHeader, BandKind::Summary}));
    const QStringList text = pageTextLines(l, 0);
    EXPECT_TRUE(text.join('\n').contains("0,00")) << text.join('\n').toStdString();
}

TEST(PageReportPdf, ReadsBackInOrderWithPageNumbersAndSums)
{
    TestStation st(false);
    QTemporaryDir out;
    Definition def = plainList();
    def.summary.height = 6;
    def.summary.add(label(100, 0, 40, 6, QStringLiteral("TOTAL GERAL")));
    def.summary.add(sum(150, 0, 40, 6, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    const RowSet rows = numberedRows(100);
    const Layout l(def, rows);
    const QString pdf = out.filePath("lista.pdf");
    ASSERT_TRUE(writeBytes(pdf, pdfDocument(l)));

    EXPECT_EQ(pdfPageCount(pdf), 3);
    const auto pages = pdfPagesText(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].at(0), "Relatório de Itens Cancelados");
    EXPECT_EQ(pages[0].at(1), "CÓDIGO NOME VALOR");
    EXPECT_EQ(pages[0].at(2), "1 Produto 001 1,05");
    EXPECT_EQ(pages[0].last(), "42 Produto 042 42,05");
    EXPECT_EQ(pages[1].at(0), "CÓDIGO NOME VALOR");
    EXPECT_EQ(pages[1].at(1), "43 Produto 043 43,05");
    // 1+...+100 = 5050 reais and 100 times 5 cents.
    EXPECT_EQ(pages[2].at(pages[2].size() - 2), "TOTAL GERAL 5.055,00");
    EXPECT_EQ(pages[2].last(), "Página 3 de 3");
    EXPECT_FALSE(pages[0].join('\n').contains("Página"));
}

TEST(PageReportExport, SpreadsheetIsWindows1252WithSemicolonsAndDecimalCommas)
{
    TestStation st(false);
    const Definition def = groupedSales();
    const RowSet rows = sales();
    const Layout l(def, rows);
    const QByteArray expected =
        "PRODUTO;VALOR\r\n"
        "Gar\xE7om:;ANA\r\n"
        "\"Caipirinha; lim\xE3o\";0,10\r\n"
        "P\xE3o de queijo;0,20\r\n"
        "Total gar\xE7om;0,30\r\n"
        "Gar\xE7om:;BRUNO\r\n"
        "\"Picanha \"\"especial\"\"\";1234,50\r\n"
        "\xC1gua;-4,50\r\n"
        "Total gar\xE7om;1230,00\r\n"
        "Total;1230,30\r\n"
        "Comiss\xE3o 10% = 123,03\r\n";
    EXPECT_EQ(spreadsheetDocument(l), expected);
}

TEST(PageReportExport, TextAndRichTextKeepPagesAndAccents)
{
    TestStation st(false);
    const Definition def = plainList();
    const RowSet rows = numberedRows(100);
    const Layout l(def, rows);

    const QByteArray text = textDocument(l);
    EXPECT_EQ(text.count('\f'), 2);
    EXPECT_TRUE(text.startsWith("Relat\xF3rio de Itens Cancelados\r\n"));
    const QStringList first = pageTextLines(l, 0);
    EXPECT_EQ(first.at(1).simplified(), "CÓDIGO NOME VALOR");
    // The value column ends where its box ends: 150 + 40 mm, column 95.
    EXPECT_EQ(first.at(2).size(), 95);
    EXPECT_TRUE(first.at(2).endsWith("1,05"));

    const QByteArray rtf = richTextDocument(l);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_EQ(rtf.count("\\page\r\n"), 2);
    EXPECT_TRUE(rtf.contains("Relat\\'f3rio de Itens Cancelados"));
    EXPECT_TRUE(rtf.contains("\\tqr\\tx"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
}

TEST(PageReportPreview, OpensAtPageWidthAndPagesThrough)
{
    TestStation st(false);
    const Definition def = plainList();
    const RowSet rows = numberedRows(100);
    const Layout l(def, rows);
    TFormVisaoRelatorio w(l, QStringList{});
    w.resize(1200, 800);
    w.show();
    QApplication::processEvents();

    EXPECT_EQ(w.pageCaption(), "Página 1 de 3");
    const int viewport = w.findChild<QScrollArea*>("pageArea")->viewport()->width();
    EXPECT_NEAR(w.shownPage().width() / w.shownPage().devicePixelRatio(), viewport - 24, 3);

    w.nextPage();
    EXPECT_EQ(w.pageCaption(), "Página 2 de 3");
    w.lastPage();
    EXPECT_EQ(w.currentPage(), 2);
    w.nextPage();
    EXPECT_EQ(w.currentPage(), 2);
    w.firstPage();
    EXPECT_EQ(w.pageCaption(), "Página 1 de 3");

    w.setZoom(TFormVisaoRelatorio::Zoom::Percent, 200);
    EXPECT_NEAR(w.dotsPerMm(), 2 * 96 / 25.4, 1e-9);
}

TEST(PageReportPreview, ExportsEachFormatUnderTheNameAskedFor)
{
    TestStation st(false);
    QTemporaryDir out;
    const Definition def = groupedSales();
    const RowSet rows = sales();
    const Layout l(def, rows);
    TFormVisaoRelatorio w(l, QStringList{});

    struct Case { Format format; const char* name; const char* written; };
    for (const Case c : {Case{Format::Spreadsheet, "vendas", "vendas.csv"}, Case{Format::Text, "vendas", "vendas.txt"},
                         Case{Format::RichText, "vendas.doc", "vendas.doc"}, Case{Format::Pdf, "vendas", "vendas.pdf"}}) {
        ScriptedDialogs script;
        script.answerFileDialog(out.filePath(c.name));
        w.chooseFormat(c.format);
        w.exportReport();
        EXPECT_TRUE(script.errors.isEmpty()) << c.written;
        const QByteArray bytes = bytesOf(out.filePath(c.written));
        if (c.format == Format::Pdf)
            EXPECT_TRUE(pdfTextOf(out.filePath(c.written)).contains("1.230,30"));
        else
            EXPECT_EQ(bytes, document(l, c.format)) << c.written;
        QFile::remove(out.filePath(c.written));
    }

    // A folder that cannot be written: the error box names the file, nothing else happens.
    ScriptedDialogs script;
    script.answerFileDialog(out.filePath("nao/existe/vendas"));
    w.chooseFormat(Format::Spreadsheet);
    w.exportReport();
    ASSERT_EQ(script.errors.size(), 1);
    EXPECT_TRUE(script.errors.first().contains("vendas.csv"));

    // Cancelling the name writes nothing.
    ScriptedDialogs cancel;
    cancel.answerFileDialog(QString());
    w.exportReport();
    EXPECT_TRUE(cancel.errors.isEmpty());
}

TEST(PageReportPreview, PrintsTheSamePagesOnAPrinter)
{
    TestStation st(false);
    QTemporaryDir out;
    const Definition def = plainList();
    const RowSet rows = numberedRows(100);
    const Layout l(def, rows);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = out.filePath("impresso.pdf");
    printer.setOutputFileName(pdf);
    printOn(l, printer);
    EXPECT_EQ(pdfPageCount(pdf), 3);
    const QString direct = out.filePath("direto.pdf");
    ASSERT_TRUE(writeBytes(direct, pdfDocument(l)));
    EXPECT_EQ(pdfPagesText(pdf), pdfPagesText(direct));
}

TEST(PageReportPreview, OpensMaximisedThroughTheDialogSeam)
{
    TestStation st(false);
    ScriptedDialogs script;
    bool maximised = false;
    QString caption;
    script.onWindow("TFormVisaoRelatorio", [&](QDialog& d) {
        maximised = d.windowState().testFlag(Qt::WindowMaximized);
        caption = static_cast<TFormVisaoRelatorio&>(d).pageCaption();
        return int(QDialog::Accepted);
    });
    const Definition def = plainList();
    preview(def, numberedRows(50));
    EXPECT_EQ(script.windowsShown, QStringList{"TFormVisaoRelatorio"});
    EXPECT_TRUE(maximised);
    EXPECT_EQ(caption, "Página 1 de 2");
}

TEST(PageReportPreview, PrintingWithoutAPrinterShowsTheError)
{
    TestStation st(false);
    ScriptedDialogs script;
    const Definition def = plainList();
    const RowSet rows = numberedRows(3);
    const Layout l(def, rows);
    TFormVisaoRelatorio w(l, QStringList{});
    w.print();
    ASSERT_EQ(script.errors.size(), 1);
    EXPECT_EQ(script.errors.first(), "Nenhuma impressora instalada");
}
