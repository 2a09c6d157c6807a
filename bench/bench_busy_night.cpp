// A busy night on the test server: stations on attachments of their own, each on a
// thread, closing counter sales (BenchCounterSale.h: ten items, a kit, two flavours,
// two methods) through the one sale writer while the back office enters invoices.
//
//   1. six stations closing counter sales;
//   2. six stations selling while a seventh processes 50-item entry invoices of the
//      products they sell (000001..000050), one after another;
//   3. four stations selling product X (000001, on its own and in the kit) while two
//      stations process 50-item entry invoices holding X.
//
// Each scenario runs `--vezes N` times (3 by default) with every product's date of
// last exit cleared first, so the day's first sale of each product falls inside the
// measured time. Per run: sales per second (sales written over the time from the
// start to the last station's last sale), the median and the longest wait of a
// sale (from asking for the closing to its commit, or to its refusal when it waited
// for others past the lock timeout: those are counted apart), the actions run again after a conflict and
// the most tries one took, and the invoices processed meanwhile; then the median of
// each figure over the runs. Beside them one closing alone (its time and round
// trips) and one raw round trip of Firebird's client, measured in the same run.
// Needs SABREL22_TEST_SERVER (and SABREL22_TEST_SERVER_DIR): stations on a LAN
// share a server.
//
//   bench_busy_night [--vezes N] [--vendas N]
#include "BenchCatalogue.h"
#include "BenchCounterSale.h"
#include "BenchMain.h"
#include "BenchRawClient.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "sales/CounterClosing.h"
#include "stock/EntryInvoice.h"

#include <QCoreApplication>
#include <QFile>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kInvoiceItems = 50;

struct Station {
    std::unique_ptr<TLogon> logon;
    std::vector<double> waits;   // ms, one per sale
    int invoices = 0;
    std::vector<double> invoiceMs;
    qint64 rerunsBefore = 0;
    int failures = 0;
    QString lastError;
};

std::unique_ptr<TLogon> attach(const QString& db)
{
    auto l = std::make_unique<TLogon>();
    if (!l->connectTo(db))
        throw DbError(l->lastError());
    return l;   // the station's default lock wait: 5 seconds
}

QString code(int n) { return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0')); }

// Products 000021..000050 beside the closing benchmarks' catalogue (000001..000020).
void seedInvoiceProducts(TLogon& l)
{
    l.action([&] {
        for (int i = 21; i <= kInvoiceItems; ++i)
            l.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, CUSTO, COMPOSICAO) values (?, ?, ?, 7.5, 3, 'N')"),
                  {i, code(i), QStringLiteral("PRODUTO %1").arg(i)});
    });
}

void closeOneSale(TLogon& l)
{
    CounterSale sale = benchCounterSale();
    CounterClosing(l).close(benchCounterRequest(sale));
}

// An entry invoice of products 000001..000050, typed (reads only), then processed.
double processInvoice(TLogon& l, int number)
{
    invoice::EntryInvoice inv(l);
    for (int k = 1; k <= kInvoiceItems; ++k)
        inv.addTyped({code(k), QString::number(1 + k % 12), QStringLiteral("%1,%2").arg(3 + k % 40).arg(k % 100, 2, 10,
                                                                                                             QLatin1Char('0')),
                      {}, {}});
    const double t = monotonicMs();
    inv.process({QString::number(number), QString(), S("BENCH")}, QDate::currentDate());
    return monotonicMs() - t;
}

struct RunFigures {
    double salesPerSecond = 0, medianWait = 0, longestWait = 0;
    qint64 saleReruns = 0, invoiceReruns = 0;
    int mostTries = 0, invoices = 0, failures = 0;
    double invoiceMedian = 0;
};

// One run: `sellers` stations closing `sales` sales each, `enterers` stations
// processing invoices until the sellers are done.
RunFigures runOnce(std::vector<Station>& sellers, std::vector<Station>& enterers, int sales, int& invoiceNumber)
{
    sellers.front().logon->run(S("update PRODUTOS set DATASAIDA = null"));
    std::atomic<bool> go{false}, sellingDone{false};
    std::atomic<int> sellingLeft{int(sellers.size())};
    std::mutex numbers;
    std::vector<std::thread> threads;
    for (Station& s : sellers) {
        s.waits.clear();
        s.failures = 0;
        s.rerunsBefore = s.logon->actionReruns();
        threads.emplace_back([&] {
            while (!go)
                std::this_thread::yield();
            for (int i = 0; i < sales; ++i) {
                const double t = monotonicMs();
                try {
                    closeOneSale(*s.logon);
                } catch (const std::exception& e) {
                    ++s.failures;
                    s.lastError = QString::fromUtf8(e.what());
                }
                // A sale refused after its wait waited too.
                s.waits.push_back(monotonicMs() - t);
            }
            if (--sellingLeft == 0)
                sellingDone = true;
        });
    }
    for (Station& s : enterers) {
        s.invoices = 0;
        s.invoiceMs.clear();
        s.failures = 0;
        s.rerunsBefore = s.logon->actionReruns();
        threads.emplace_back([&] {
            while (!go)
                std::this_thread::yield();
            while (!sellingDone) {
                int number;
                {
                    std::lock_guard<std::mutex> hold(numbers);
                    number = ++invoiceNumber;
                }
                try {
                    s.invoiceMs.push_back(processInvoice(*s.logon, number));
                    ++s.invoices;
                } catch (const std::exception& e) {
                    ++s.failures;
                    s.lastError = QString::fromUtf8(e.what());
                }
            }
        });
    }
    const double start = monotonicMs();
    go = true;
    double sellingEnd = 0;
    while (!sellingDone)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    sellingEnd = monotonicMs();
    for (std::thread& t : threads)
        t.join();

    RunFigures f;
    std::vector<double> all, invoiceTimes;
    for (Station& s : sellers) {
        all.insert(all.end(), s.waits.begin(), s.waits.end());
        f.saleReruns += s.logon->actionReruns() - s.rerunsBefore;
        f.mostTries = std::max(f.mostTries, s.logon->mostActionTries());
        f.failures += s.failures;
        if (s.failures)
            std::fprintf(stderr, "  vendas recusadas (%d): %s\n", s.failures, qPrintable(s.lastError));
    }
    for (Station& s : enterers) {
        f.invoices += s.invoices;
        invoiceTimes.insert(invoiceTimes.end(), s.invoiceMs.begin(), s.invoiceMs.end());
        f.invoiceReruns += s.logon->actionReruns() - s.rerunsBefore;
        if (s.failures)
            std::fprintf(stderr, "  nota recusada (%d): %s\n", s.failures, qPrintable(s.lastError));
    }
    f.salesPerSecond = double(qsizetype(all.size()) - f.failures) / ((sellingEnd - start) / 1000.0);
    f.medianWait = median(all);
    f.longestWait = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
    f.invoiceMedian = median(invoiceTimes);
    return f;
}

void scenario(const char* title, const QString& db, int sellerCount, int entererCount, int sales, int runs,
              int& invoiceNumber)
{
    std::vector<Station> sellers(static_cast<size_t>(sellerCount));
    std::vector<Station> enterers(static_cast<size_t>(entererCount));
    for (Station& s : sellers)
        s.logon = attach(db);
    for (Station& s : enterers)
        s.logon = attach(db);
    // Every station prepares its statements once before the runs.
    for (Station& s : sellers)
        closeOneSale(*s.logon);
    for (Station& s : enterers)
        processInvoice(*s.logon, ++invoiceNumber);

    std::printf("  %s\n", title);
    std::vector<double> rates, medians, longest, reruns, tries, invoices, invoiceMs, refused;
    for (int r = 0; r < runs; ++r) {
        const RunFigures f = runOnce(sellers, enterers, sales, invoiceNumber);
        std::printf("    vez %d: %6.1f vendas/s, espera mediana %7.2f ms, mais longa %8.2f ms, %lld vendas repetidas "
                    "(até %d tentativas)", r + 1, f.salesPerSecond, f.medianWait, f.longestWait,
                    qlonglong(f.saleReruns), f.mostTries);
        if (entererCount > 0)
            std::printf("; %d notas (mediana %.1f ms, %lld repetidas)", f.invoices, f.invoiceMedian,
                        qlonglong(f.invoiceReruns));
        if (f.failures)
            std::printf("; %d vendas recusadas após a espera", f.failures);
        std::printf("\n");
        rates.push_back(f.salesPerSecond);
        medians.push_back(f.medianWait);
        longest.push_back(f.longestWait);
        reruns.push_back(double(f.saleReruns));
        tries.push_back(f.mostTries);
        invoices.push_back(f.invoices);
        invoiceMs.push_back(f.invoiceMedian);
        refused.push_back(f.failures);
    }
    std::printf("    mediana das %d vezes: %6.1f vendas/s, espera mediana %7.2f ms, mais longa %8.2f ms, "
                "%.0f vendas repetidas", runs, median(rates), median(medians), median(longest), median(reruns));
    if (entererCount > 0)
        std::printf("; %.0f notas (mediana %.1f ms)", median(invoices), median(invoiceMs));
    std::printf("; %.0f vendas recusadas\n", median(refused));
}

int optionAfter(int argc, char* argv[], const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = optionAfter(argc, argv, "--vezes", 3);
    const int sales = optionAfter(argc, argv, "--vendas", 25);
    return benchMain(argc, argv, BenchApp::Console, [&](const QString&) {
        const QString server = qEnvironmentVariable("SABREL22_TEST_SERVER");
        if (server.isEmpty()) {
            sayNoServer();
            return 0;
        }
        const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", QStringLiteral("/tmp"));
        const QString path = dir + QStringLiteral("/bench-noite-%1.fdb").arg(QCoreApplication::applicationPid());
        const QString db = server + QLatin1Char(':') + path;
        QFile::remove(path);
        newdb::createInstallation(db);
        {
            TLogon l;
            if (!connected(l, db))
                return 1;
            seedSaleCatalogue(l, 1);
            seedInvoiceProducts(l);
        }
        int invoiceNumber = 700000;

        // One closing alone, for scale: its time and round trips.
        {
            TLogon l;
            connected(l, db);
            closeOneSale(l);
            std::vector<double> times;
            qint64 trips = 0;
            for (int i = 0; i < 15; ++i) {
                const qint64 rt = l.roundTrips();
                const double t = monotonicMs();
                closeOneSale(l);
                times.push_back(monotonicMs() - t);
                trips += l.roundTrips() - rt;
            }
            std::printf("servidor local (%d vendas por estação, %d vezes)\n", sales, runs);
            std::printf("  uma venda balcão sozinha: %6.2f ms (mediana de 15), %.0f idas e voltas; uma ida e volta "
                        "crua (SELECT preparado): %.1f µs\n",
                        median(times), double(trips) / 15, rawRoundTripUs(db.toUtf8()));
        }
        scenario("1. seis estações fechando vendas balcão", db, 6, 0, sales, runs, invoiceNumber);
        scenario("2. seis estações vendendo e uma sétima processando notas de entrada de 50 itens", db, 6, 1, sales,
                 runs, invoiceNumber);
        scenario("3. quatro estações vendendo o produto X e duas processando notas de entrada com X", db, 4, 2, sales,
                 runs, invoiceNumber);
        QFile::remove(path);
        return 0;
    });
}
