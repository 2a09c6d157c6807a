// Counter closing benchmark: a counter sale of 10 items (one kit, one two-flavour
// item) paid with two methods, closed (every row of the sale through the one sale
// writer) and its receipt written to a port file, embedded and (with
// SABREL22_TEST_SERVER) on the server, beside one raw round trip of Firebird's
// object interface measured in the same run. Median of the closings, with the
// data layer's round trips per closing.
//
//   bench_counter
#include "BenchMain.h"
#include "BenchDatabases.h"
#include "BenchCatalogue.h"
#include "BenchCounterSale.h"
#include "BenchRawClient.h"
#include "platform/LineFile.h"
#include "printing/RawPrinterPort.h"
#include "sales/CounterClosing.h"
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

void run(const char* where, const QString& db, const QString& port)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    seedSaleCatalogue(logon, 1);

    const int closings = 25;
    std::vector<double> times;
    qint64 trips = 0;
    for (int i = 0; i < closings + 3; ++i) {
        CounterSale s = benchCounterSale();
        const CounterClosingRequest r = benchCounterRequest(s);
        const qint64 rt = logon.roundTrips();
        const double t = nowUs();
        const CounterClosingResult result = CounterClosing(logon).close(r);
        CounterClosing::print(result);
        const double us = nowUs() - t;
        if (i >= 3) {   // the first closings prepare the statements
            times.push_back(us);
            trips += logon.roundTrips() - rt;
        }
    }
    ClosePrinterPort();
    QFile f(port);
    const qint64 printed = f.size();
    const double raw = rawRoundTripUs(db.toUtf8());
    const double ms = median(times) / 1000.0;
    const double perClosing = double(trips) / closings;
    std::printf("%s\n", where);
    std::printf("  fechamento de venda balcao (10 itens, 1 kit, 1 item de 2 sabores, 2 formas, cupom na porta): "
                "%6.2f ms (mediana de %d), %.0f idas e voltas\n", ms, closings, perClosing);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f us; idas e voltas x ida crua = %.2f ms\n",
                raw, perClosing * raw / 1000.0);
    std::printf("  bytes gravados na porta: %lld\n", static_cast<long long>(printed));
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Console, [](const QString& root) {
        const QString port = QDir(root).filePath(QStringLiteral("cupom.txt"));
        {
            QFile create(port);
            create.open(QIODevice::WriteOnly);
        }
        QStringList setup;
        for (int i = 0; i < 23; ++i)
            setup << (i == 6 ? S("S") : i == 15 ? S("Informa porta") : QString());
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\setup.INI"), setup);
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT5")});
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT5=") + port});
        onEachDatabase(QDir(root).filePath(QStringLiteral("bench.fdb")),
                       [&](const char* where, const QString& db) { run(where, db, port); });
        return 0;
    });
}
