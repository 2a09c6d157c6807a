// Closing benchmark: a tab of 30 items (two kits, one two-flavour item) paid with
// two payment methods and closed (every row of the sale, the stock-out, the tab
// deleted, the receipt composed; not printed), embedded and (with
// SABREL22_TEST_SERVER) on the server, beside one raw round trip of Firebird's
// object interface measured in the same run. Median of the closings, with the
// data layer's round trips per closing, and the same closing on a twin database
// without the action journal, in turn, for what the journal costs.
//
//   bench_closing
#include "BenchMain.h"
#include "BenchCatalogue.h"
#include "BenchRawClient.h"
#include "BenchDatabases.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Firebird;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* t) { return *Decimal::parse(QString::fromLatin1(t)); }

void seedTab(TLogon& l, const QString& tab)
{
    l.action([&] {
        l.run(S("insert into CABMESA (MESA, VENDEDOR, CLIENTE, VALOR, STATUS, DELIVERY, HORA) "
                "values (?, 1, 1, 0, 1, 0, '12:00:00')"), {tab});
        auto item = [&](const char* code, const char* name, const char* q, const char* v, int waiter) {
            l.run(S("insert into MESA (MESA, CODIGO, NOMEP, QUANT, VALOR, VEND) values (?, ?, ?, ?, ?, ?)"),
                  {tab, S(code), S(name), D(q), D(v), waiter});
        };
        item("*K1", "COMBO 1", "1", "25", 1);
        item("*K2", "COMBO 2", "2", "30", 2);
        item("/000101/000102/", "1/2-MUSSARELA 1/2-CALABRESA", "1", "45", 1);
        for (int i = 0; i < 27; ++i)
            item(qPrintable(QStringLiteral("%1").arg(1 + i % 20, 6, 10, QLatin1Char('0'))), "PRODUTO", "1", "7,5",
                 1 + i % 3);
    });
}

// A closing of the benchmark's tab on one station: its time in µs and its round trips.
struct Closing {
    TLogon& logon;
    int next = 1;
    std::pair<double, qint64> operator()()
    {
        const QString tab = QStringLiteral("%1").arg(next++, 6, 10, QLatin1Char('0'));
        seedTab(logon, tab);
        ClosingRequest r;
        r.tab = tab;
        r.joinedTabs = {tab};
        r.persons = 2;
        r.servicePercent = D("10");
        r.payments = {SalePayment{1, S("Dinheiro"), D("200"), true, false},
                      SalePayment{2, S("Cartao"), D("200"), true, false}};
        r.customerName = S("CONSUMIDOR");
        r.tabCaption = tab + S(" - CONSUMIDOR");
        r.dueDate = QDate::currentDate();
        const qint64 rt = logon.roundTrips();
        const double t = nowUs();
        TabClosing(logon).close(r);
        return {nowUs() - t, logon.roundTrips() - rt};
    }
};

void run(const char* where, const QString& db)
{
    // A twin database without the action journal, closed in turn with the first:
    // what the journal costs a closing, in the same run.
    const QString twin = db + QStringLiteral("-sem-diario.fdb");
    const QString twinFile = twin.mid(twin.indexOf(QLatin1Char(':')) + 1);
    QFile::remove(twinFile);
    newdb::createInstallation(twin);
    TLogon logon, plain;
    if (!logon.connectTo(db) || !plain.connectTo(twin)) {
        std::fprintf(stderr, "%s %s\n", qPrintable(logon.lastError()), qPrintable(plain.lastError()));
        return;
    }
    plain.run(S("DROP TABLE DIARIOACOES"));
    seedSaleCatalogue(logon, 2);
    seedSaleCatalogue(plain, 2);

    const int closings = 25;
    std::vector<double> times, plainTimes;
    qint64 trips = 0, plainTrips = 0;
    Closing journaled{logon}, unjournaled{plain};
    for (int i = 0; i < closings + 3; ++i) {
        const auto [us, rt] = journaled();
        const auto [plainUs, plainRt] = unjournaled();
        if (i >= 3) {   // the first closings prepare the statements
            times.push_back(us);
            trips += rt;
            plainTimes.push_back(plainUs);
            plainTrips += plainRt;
        }
    }
    const double raw = rawRoundTripUs(db.toUtf8());
    std::vector<double> commits;
    for (int i = 0; i < 15; ++i) {
        const double t = nowUs();
        logon.action([&] { logon.run(S("update CONTCAIXA set NUMEDADOR = ?"), {i}); });
        commits.push_back(nowUs() - t);
    }
    plain.close();
    QFile::remove(twinFile);
    const double ms = median(times) / 1000.0;
    const double perClosing = double(trips) / closings;
    std::printf("%s\n", where);
    std::printf("  fechamento de comanda (30 itens, 2 kits, 1 item de 2 sabores, 2 formas): %6.2f ms "
                "(mediana de %d), %.0f idas e voltas\n", ms, closings, perClosing);
    std::printf("  o mesmo sem o diário de ações, intercalado: %6.2f ms, %.0f idas e voltas\n",
                median(plainTimes) / 1000.0, double(plainTrips) / closings);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f µs; idas e voltas x ida crua = %.2f ms\n",
                raw, perClosing * raw / 1000.0);
    std::printf("  uma transação de gravação de uma linha (UPDATE e commit) pela camada: %6.2f ms\n",
                median(commits) / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Console, [](const QString& root) {
        onEachDatabase(QDir(root).filePath(QStringLiteral("bench.fdb")),
                       [](const char* where, const QString& db) { run(where, db); });
        return 0;
    });
}
