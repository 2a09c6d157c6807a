// A page report printed on a station printer: a CUPS page queue whose jobs end as
// a PDF file, read back with pdftotext.
#include "CupsSandbox.h"
#include "ReportReading.h"
#include "TestStation.h"
#include "reports/PageReport.h"
#include "reports/ReportRenderer.h"

#include <QFile>
#include <QStandardPaths>

#include <functional>

#include <gtest/gtest.h>

using namespace report;

TEST(PageReportPrinter, PrintsEveryPageOnACupsQueue)
{
    TestStation st(false);
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    const QString pdf = cups.outputFolder() + "/relatorio.pdf";
    QFile::remove(pdf);
    const QString error = cups.addPdfQueue("Relatorios", pdf);
    if (!error.isEmpty())
        GTEST_SKIP() << "no PDF printer queue: " << error.toStdString();

    Definition def;
    def.title = QStringLiteral("Relatório de teste");
    def.columnHeader.height = 8;
    def.columnHeader.add(label(0, 0, 60, 6, QStringLiteral("PRODUTO")));
    def.columnHeader.add(label(150, 0, 40, 6, QStringLiteral("VALOR")).right());
    def.detail.height = 5;
    def.detail.add(field(0, 0, 60, 5, QStringLiteral("NOME")));
    def.detail.add(field(150, 0, 40, 5, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());
    def.pageFooter.height = 8;
    def.pageFooter.add(pageNumber(140, 2, 50, 5).right());
    std::vector<QVariantList> rows;
    for (int i = 1; i <= 120; ++i)
        rows.push_back({QStringLiteral("Ação %1").arg(i), QVariant::fromValue(Decimal::fromCents(i * 1000 + 50))});
    const RowSet data({"NOME", "VALOR"}, std::move(rows));
    const Layout layout(def, data);
    ASSERT_EQ(layout.pageCount(), 3);

    printOn(layout, "Relatorios");
    ASSERT_TRUE(cups.waitUntilIdle()) << "jobs still pending";
    EXPECT_EQ(pdfPageCount(pdf), 3);
    const auto pages = pdfPagesText(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].at(0), "PRODUTO VALOR");
    EXPECT_EQ(pages[0].at(1), "Ação 1 10,50");
    EXPECT_EQ(pages[2].last(), "Página 3 de 3");
    EXPECT_TRUE(pages[2].contains("Ação 120 1.200,50"));
    cups.removeQueue("Relatorios");
}

TEST(PageReportPrinter, AQueueThatWouldNotPrintTheJobIsSaid)
{
    TestStation st(false);
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    const QString pdf = cups.outputFolder() + "/recusado.pdf";
    const QString error = cups.addPdfQueue("Recusada", pdf);
    if (!error.isEmpty())
        GTEST_SKIP() << "no PDF printer queue: " << error.toStdString();
    Definition def;
    def.title = QStringLiteral("Relatório recusado");
    def.detail.height = 5;
    def.detail.add(field(0, 0, 60, 5, QStringLiteral("NOME")));
    const RowSet data({"NOME"}, {{QStringLiteral("Ação")}});
    const Layout layout(def, data);
    struct Case { const char* label; std::function<QString()> stop; std::function<QString()> restart; };
    const Case cases[] = {
        {"refusing jobs", [&] { return cups.rejectJobs("Recusada"); }, [&] { return cups.acceptJobs("Recusada"); }},
        {"stopped", [&] { return cups.stopQueue("Recusada"); }, [&] { return cups.startQueue("Recusada"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(c.stop().isEmpty());
        try {
            printOn(layout, "Recusada");
            ADD_FAILURE() << "printed";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains("Recusada")) << e.what();
        }
        EXPECT_EQ(cups.pendingJobs("Recusada"), 0);
        ASSERT_TRUE(c.restart().isEmpty());
    }
    cups.removeQueue("Recusada");
}
