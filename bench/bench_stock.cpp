// Stock benchmark on the generated year of business (BenchYear.h: 20,000 products,
// about 1,000,000 ledger rows): the stock of one product (the one with the most
// ledger rows, and an ordinary one), an entry invoice of 50 items processed (one
// ledger row and one average cost per item, as one action), and a kit's technical
// sheet (its rows read, laid out, and the whole PDF) — on a private copy of the
// year, embedded and (with SABREL22_TEST_SERVER) on the server, each beside one raw
// round trip of Firebird's object interface measured in the same run. Medians, with
// the data layer's round trips.
//
//   bench_stock
#include "BenchMain.h"
#include "BenchClock.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"
#include "reports/ReportExport.h"
#include "stock/EntryInvoice.h"
#include "stock/KitRegister.h"
#include "stock/StockLedger.h"
#include "stock/UnitImpPratoQui.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// Median time (ms) and round trips of one run of `work`, after `warm` unmeasured runs.
struct Figure {
    double ms = 0;
    double trips = 0;
};

Figure measure(TLogon& l, int runs, int warm, const std::function<void()>& work)
{
    std::vector<double> times;
    qint64 trips = 0;
    for (int i = 0; i < warm + runs; ++i) {
        const qint64 rt = l.roundTrips();
        const double t = nowUs();
        work();
        const double us = nowUs() - t;
        if (i >= warm) {
            times.push_back(us);
            trips += l.roundTrips() - rt;
        }
    }
    return {median(times) / 1000.0, double(trips) / runs};
}

void run(const char* where, const QString& db, const benchyear::Facts& y)
{
    TLogon l;
    if (!l.connectTo(db)) {
        std::fprintf(stderr, "%s\n", qPrintable(l.lastError()));
        return;
    }
    stock::StockLedger ledger(l);
    const double raw = rawRoundTripUs(db.toUtf8());
    std::printf("%s (%lld produtos, %lld linhas de estoque)\n", where, qlonglong(y.counts.products),
                qlonglong(y.counts.ledger));

    // The stock of one product: the busiest, and an ordinary one.
    const QString ordinary = l.scalar(S("select first 1 skip 5000 codigo from produtos where composicao <> 'S' "
                                        "order by codigo")).toString();
    const qint64 ordinaryRows = integerOf(l.scalar(S("select count(*) from estfic where codigo = ?"), {ordinary}));
    Decimal stock;
    const Figure busiest = measure(l, 200, 20, [&] { stock = ledger.stockOf(y.productWithManyRows); });
    std::printf("  estoque de um produto (%s, %lld linhas): %7.3f ms, %.0f idas e voltas (estoque %s)\n",
                qPrintable(y.productWithManyRows), qlonglong(y.productRows), busiest.ms, busiest.trips,
                qPrintable(stock.toString()));
    const Figure usual = measure(l, 200, 20, [&] { stock = ledger.stockOf(ordinary); });
    std::printf("  estoque de um produto (%s, %lld linhas): %7.3f ms, %.0f idas e voltas\n", qPrintable(ordinary),
                qlonglong(ordinaryRows), usual.ms, usual.trips);

    // An entry invoice of 50 items: the items typed (not measured), then processed.
    QStringList codes;
    RowSet r = l.run(S("select first 50 skip 1000 codigo from produtos where composicao <> 'S' order by codigo"));
    while (r.next())
        codes << r.text(u"CODIGO");
    int number = 900000;
    std::vector<double> times;
    qint64 trips = 0;
    const int invoices = 15, warm = 3;
    for (int i = 0; i < warm + invoices; ++i) {
        invoice::EntryInvoice inv(l);
        for (int k = 0; k < codes.size(); ++k)
            inv.addTyped({codes[k], QString::number(1 + k % 12), QStringLiteral("%1,%2").arg(3 + k % 40).arg(k % 100, 2, 10, QLatin1Char('0')),
                          {}, {}});
        const qint64 rt = l.roundTrips();
        const double t = nowUs();
        inv.process({QString::number(++number), QStringLiteral("15/12/23"), S("BENCH")}, QDate(2023, 12, 15));
        const double us = nowUs() - t;
        if (i >= warm) {
            times.push_back(us);
            trips += l.roundTrips() - rt;
        }
    }
    const double invoiceMs = median(times) / 1000.0;
    const double invoiceTrips = double(trips) / invoices;
    std::printf("  nota de entrada de %lld itens processada: %7.2f ms (mediana de %d), %.0f idas e voltas "
                "(%.1f por item)\n", qlonglong(codes.size()), invoiceMs, invoices, invoiceTrips,
                invoiceTrips / double(codes.size()));

    // The kit's technical sheet: its rows and the company read, laid out, the whole PDF.
    kits::KitRegister kitRegister(l);
    RowSet sheet;
    const Figure rows = measure(l, 50, 5, [&] { sheet = kitRegister.sheetRows(y.kit); });
    QByteArray pdf;
    const Figure whole = measure(l, 20, 3, [&] {
        const RowSet components = kitRegister.sheetRows(y.kit);
        const TFormImpPratoQui form(l, y.kit + S(" / KIT"), Decimal(25));
        const report::Layout layout(form.definition(), components);
        pdf = report::document(layout, report::Format::Pdf);
    });
    std::printf("  ficha técnica do kit %s (%d componentes): linhas %7.3f ms, %.0f idas e voltas; "
                "PDF inteiro %7.2f ms, %.0f idas e voltas (%lld bytes)\n",
                qPrintable(y.kit), sheet.size(), rows.ms, rows.trips, whole.ms, whole.trips, qlonglong(pdf.size()));

    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f µs; idas e voltas x ida crua: estoque %.3f ms, "
                "nota %.2f ms, ficha %.3f ms\n",
                raw, busiest.trips * raw / 1000.0, invoiceTrips * raw / 1000.0, whole.trips * raw / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Windows, [](const QString&) {
        const benchyear::Facts& y = benchyear::year();
        onYearDatabases(benchyear::copyOfYear(S("stock")), S("stock"),
                        [&](const char* where, const QString& db) { run(where, db, y); });
        return 0;
    });
}
