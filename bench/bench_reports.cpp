// Page-report benchmark: a report of 10,000 stock-out rows in 20 cash shifts
// (group header, footer with sums, summary, "Página n de m" on every page), read
// from a new installation's database:
//  - reading the rows alone (one SELECT, rows read whole), with its round trips,
//    beside one bare round trip
//  - time to the first page in the preview (layout of every row + drawing the
//    first page at page width in the preview window)
//  - time to write the whole PDF to a file
//  - memory: the layout's own bytes per row, and the process's resident memory
//    after the PDF at 10,000 and at 40,000 rows
// Each time is the median of several runs.
//
//   QT_QPA_PLATFORM=offscreen bench_reports
#include "BenchDatabases.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "reports/PageReport.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace report;

namespace {

double nowMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F>
double medianMs(int runs, F&& f)
{
    std::vector<double> v;
    for (int i = 0; i < runs; ++i) {
        const double t = nowMs();
        f();
        v.push_back(nowMs() - t);
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

const QString kSelect = QStringLiteral(
    "select CAIXA, CODIGO, HISTORICO, SAIDA, VALOR from ESTFIC where CAIXA between ? and ? order by CAIXA, ID");

Definition salesReport()
{
    Definition def;
    def.title = QStringLiteral("Saídas por caixa");
    def.paper = QPageSize::A4;
    def.pageHeader.height = 22;
    def.pageHeader.add(label(0, 0, 190, 8, QStringLiteral("RELATÓRIO DE SAÍDAS POR CAIXA")).withFont(12, true));
    def.pageHeader.add(label(0, 10, 30, 5, QStringLiteral("EMPRESA")));
    def.pageHeader.add(label(30, 10, 100, 5, QStringLiteral("RESTAURANTE BOA MESA")));
    def.pageHeaderOn = Where::FirstPage;
    def.columnHeader.height = 7;
    def.columnHeader.add(label(0, 0, 25, 6, QStringLiteral("CÓDIGO")));
    def.columnHeader.add(label(28, 0, 90, 6, QStringLiteral("PRODUTO")));
    def.columnHeader.add(label(120, 0, 20, 6, QStringLiteral("QTDE")).right());
    def.columnHeader.add(label(142, 0, 22, 6, QStringLiteral("VALOR")).right());
    def.columnHeader.add(label(166, 0, 24, 6, QStringLiteral("TOTAL")).right());
    def.columnHeader.add(rule(0, 6.5, 190));
    Group g;
    g.column = QStringLiteral("CAIXA");
    g.header.height = 6;
    g.header.add(label(0, 0, 20, 6, QStringLiteral("CAIXA")).bold());
    g.header.add(field(20, 0, 30, 6, QStringLiteral("CAIXA")).bold());
    g.footer.height = 7;
    g.footer.add(rule(120, 0, 70));
    g.footer.add(label(90, 1, 28, 6, QStringLiteral("TOTAL")));
    g.footer.add(sum(120, 1, 20, 6, QStringLiteral("SAIDA")).mask(QStringLiteral("##,##0.0##")).right());
    g.footer.add(sum(142, 1, 22, 6, QStringLiteral("VALOR")).mask(QStringLiteral("##,##0.00")).right());
    def.groups.push_back(g);
    def.detail.height = 4.5;
    def.detail.add(field(0, 0, 25, 4.5, QStringLiteral("CODIGO")));
    def.detail.add(field(28, 0, 90, 4.5, QStringLiteral("HISTORICO")));
    def.detail.add(field(120, 0, 20, 4.5, QStringLiteral("SAIDA")).mask(QStringLiteral("##,##0.0##")).right());
    def.detail.add(field(142, 0, 22, 4.5, QStringLiteral("VALOR")).mask(QStringLiteral("##,##0.00")).right());
    def.detail.add(computed(166, 0, 24, 4.5, [](const BandContext& c) {
        return formatValue(QVariant::fromValue(decimalOf(c.value(u"SAIDA")) * decimalOf(c.value(u"VALOR"))),
                           QStringLiteral("##,##0.00"), QString());
    }).right());
    def.summary.height = 8;
    def.summary.add(label(90, 1, 28, 6, QStringLiteral("TOTAL GERAL")).bold());
    def.summary.add(sum(142, 1, 22, 6, QStringLiteral("VALOR")).mask(QStringLiteral("##,##0.00")).right());
    def.pageFooter.height = 8;
    def.pageFooter.add(pageNumber(140, 2, 50, 5).right());
    return def;
}

RowSet syntheticRows(int n)
{
    std::vector<QVariantList> rows;
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        rows.push_back({qlonglong(1 + i * 20 / n), QStringLiteral("%1").arg(i % 900, 6, 10, QLatin1Char('0')),
                        QStringLiteral("PRODUTO VENDIDO NUMERO %1").arg(i),
                        QVariant::fromValue(Decimal::fromThousandths(1000 + i % 3 * 500)),
                        QVariant::fromValue(Decimal::fromCents(250 + i % 4000))});
    return RowSet({"CAIXA", "CODIGO", "HISTORICO", "SAIDA", "VALOR"}, std::move(rows));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("bench-reports.fdb"));
    newdb::createInstallation(db);
    TLogon logon;
    if (!connected(logon, db))
        return 1;
    constexpr int kRows = 10000;
    logon.action([&] {
        for (int i = 0; i < kRows; ++i)
            logon.run(QStringLiteral("insert into ESTFIC (CODIGO, DATA, HISTORICO, SAIDA, VALOR, NFISCAL, CAIXA, "
                                     "VENDEDOR) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                      {QStringLiteral("%1").arg(i % 900, 6, 10, QLatin1Char('0')), QDate(2026, 12, 1 + i * 10 / kRows),
                       QStringLiteral("PRODUTO VENDIDO NUMERO %1").arg(i), Decimal::fromThousandths(1000 + i % 3 * 500),
                       Decimal::fromCents(250 + i % 4000), 1 + i / 4, 1 + i * 20 / kRows, 1});
    });

    const Definition def = salesReport();
    constexpr int kRuns = 7;

    // Reading the rows alone, and one bare round trip.
    RowSet rows;
    const qint64 trips0 = logon.roundTrips();
    const double readMs = medianMs(kRuns, [&] { rows = logon.run(kSelect, {1, 20}); });
    const double readTrips = double(logon.roundTrips() - trips0) / kRuns;
    const double bareMs = medianMs(51, [&] { logon.run(QStringLiteral("select 1 from RDB$DATABASE")); });

    // First page in the preview: the whole layout, the window, its first page drawn.
    int pages = 0;
    const double firstPageMs = medianMs(kRuns, [&] {
        const Layout layout(def, rows);
        TFormVisaoRelatorio window(layout, QStringList{});
        window.resize(1366, 768);
        window.show();
        QApplication::processEvents();
        pages = window.pageCount();
    });
    const double layoutMs = medianMs(kRuns, [&] { const Layout layout(def, rows); });

    // The whole PDF.
    const QString pdfFile = dir.filePath(QStringLiteral("relatorio.pdf"));
    qint64 pdfBytes = 0;
    const double pdfMs = medianMs(3, [&] {
        const Layout layout(def, rows);
        QFile file(pdfFile);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        writePdf(layout, file);
        pdfBytes = file.size();
    });

    std::printf("relatório de %d linhas em 20 grupos, %d páginas A4 (embutido)\n", rows.size(), pages);
    std::printf("  ler as linhas (um SELECT)           %8.1f ms  (%.1f idas e voltas; uma ida e volta nua %.3f ms)\n",
                readMs, readTrips, bareMs);
    std::printf("  disposição das faixas (todas)       %8.1f ms\n", layoutMs);
    std::printf("  primeira página na visualização     %8.1f ms  (meta: < 300 ms)\n", firstPageMs);
    std::printf("  PDF inteiro                         %8.1f ms  (%lld KB; meta: < 2000 ms)\n", pdfMs,
                qlonglong(pdfBytes / 1024));

    // Memory: the layout keeps one small entry per placed band and one page
    // number per row, no value; the PDF is written page by page.
    {
        const Layout layout(def, rows);
        std::printf("  memória da disposição: %zu bytes por faixa, %d faixas para %d linhas\n",
                    sizeof(Placed), layout.placedCount(), rows.size());
    }
    for (int n : {10000, 40000}) {
        const RowSet synthetic = syntheticRows(n);
        const long before = residentKb();
        const Layout layout(def, synthetic);
        QFile file(pdfFile);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        writePdf(layout, file);
        file.close();
        const long after = residentKb();
        std::printf("  %6d linhas em memória: %4d páginas, memória residente +%ld KB na disposição e no PDF "
                    "gravado em arquivo (%lld KB)\n",
                    n, layout.pageCount(), after - before, qlonglong(QFileInfo(pdfFile).size() / 1024));
    }
    return 0;
}
