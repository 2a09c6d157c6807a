// Data-exchange benchmark on the generated year (BenchYear.h):
//  - the CSV export of its 20,000 products and of its 5,000 customers: the query,
//    the lines and the file written whole (goal: both under 500 ms embedded)
//  - the product import of 20,000 outside-ERP products into a copy of the year,
//    half of them codes it has (renamed and repriced) and half new (inserted), in
//    one action; then the same import again (every code known) (goal: under 5 s)
// each with its SQL round trips, beside one raw round trip of the same run;
// embedded, and on the test server when SABREL22_TEST_SERVER names one.
//
//   QT_QPA_PLATFORM=offscreen bench_exchange
#include "BenchMain.h"
#include "BenchClock.h"
#include "BenchFigures.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "closing/OutsideErpExport.h"
#include "db/NewDatabase.h"
#include "exchange/CsvExport.h"
#include "exchange/ProductImport.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray rawName(const QString& database)
{
    return database.toLocal8Bit();
}

void csv(const char* where, const QString& database)
{
    TLogon logon;
    if (!logon.connectTo(database)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return;
    }
    CsvExport exporter(logon);
    int products = 0, customers = 0;
    const Figure p = measure(logon, 7, 0, [&] { products = exporter.write(CsvExport::List::Products).lines.size() - 1; });
    const Figure c = measure(logon, 7, 0, [&] { customers = exporter.write(CsvExport::List::Customers).lines.size() - 1; });
    std::printf("%s: uma ida e volta do cliente bruto %.3f ms\n", where, rawRoundTripUs(rawName(database)) / 1000);
    std::printf("  CSV de %d produtos   %6.1f ms  (%.0f idas e voltas)\n", products, p.ms, p.trips);
    std::printf("  CSV de %d clientes    %6.1f ms  (%.0f idas e voltas)\n", customers, c.ms, c.trips);
    std::printf("  os dois arquivos      %6.1f ms  (meta < 500 ms embutido)\n", p.ms + c.ms);
}

// The outside ERP's database at its place on this station: 20,000 products, the
// first half with codes the year has, the rest new.
void makeErp(TLogon& year, int count)
{
    const QString path = station::pathForWriting(OutsideErpExport::kSlimDatabase);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    newdb::createDatabaseFile(path);
    TLogon erp;
    erp.connectTo(path);
    erp.run(QStringLiteral("CREATE TABLE ESTOQUE (CODIGO INTEGER, DESCRICAO VARCHAR(60), UND VARCHAR(6), "
                           "PRECO_VENDA NUMERIC(18,4), PRECO_CUSTO NUMERIC(18,4), ESTOQUE_ATUAL NUMERIC(18,4))"));
    QList<qint64> known;
    RowSet codes = year.run(QStringLiteral("select CODIGO from PRODUTOS where CODIGO similar to '[0-9]{6}' order by CODIGO"));
    while (codes.next() && known.size() < count / 2)
        known << codes.text(u"CODIGO").toLongLong();
    erp.action([&] {
        for (int i = 0; i < count; ++i) {
            const qint64 code = i < known.size() ? known.at(i) : 900000 + i;
            erp.run(QStringLiteral("INSERT INTO ESTOQUE VALUES (?, ?, 'UNID', ?, ?, 10)"),
                    {code, QStringLiteral("PRODUTO IMPORTADO DO ERP NUMERO %1 COM NOME LONGO").arg(i),
                     Decimal::fromCents(100 + i % 5000) + Decimal::fromThousandths(7), Decimal::fromCents(50 + i % 2000)});
        }
    });
    std::printf("  ERP: %d produtos (%lld códigos conhecidos)\n", count, qint64(known.size()));
}

void import(const char* where, const QString& database)
{
    TLogon local;
    if (!local.connectTo(database)) {
        std::fprintf(stderr, "%s\n", qPrintable(local.lastError()));
        return;
    }
    std::printf("%s: uma ida e volta do cliente bruto %.3f ms\n", where, rawRoundTripUs(rawName(database)) / 1000);
    makeErp(local, 20000);
    for (const char* round : {"primeira (metade nova)", "de novo (todos conhecidos)"}) {
        TLogon erp;
        const qint64 local0 = local.roundTrips();
        const double t = monotonicMs();
        OutsideErpExport::openDatabase(erp);
        const std::vector<ImportedProduct> products = ProductImport::read(erp);
        const double read = monotonicMs() - t;
        const ProductImport::Counts counts = ProductImport::write(local, products);
        const double all = monotonicMs() - t;
        std::printf("  importação %s: %d incluídos, %d alterados  %7.1f ms (leitura do ERP %.1f ms; "
                    "%lld idas e voltas no banco da estação, %lld no ERP; meta < 5 s)\n",
                    round, counts.inserted, counts.updated, all, read,
                    local.roundTrips() - local0, erp.roundTrips());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Windows, [](const QString&) {
        const benchyear::Facts& y = benchyear::year();
        std::printf("ano gerado: %lld produtos, %lld clientes\n", y.counts.products, y.counts.customers);

        csv("embutido", y.database);
        import("embutido", benchyear::copyOfYear(QStringLiteral("importacao")));

        const QString server = benchyear::copyOfYearOnServer(QStringLiteral("troca"));
        if (server.isEmpty()) {
            sayNoServer();
            return 0;
        }
        csv("servidor local", server);
        import("servidor local", server);
        benchyear::removeServerCopy(server);
        return 0;
    });
}
