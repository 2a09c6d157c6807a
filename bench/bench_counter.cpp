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
Decimal D(const char* t) { return *Decimal::parse(QString::fromLatin1(t)); }

CounterSale counterSale()
{
    CounterSale s;
    s.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("S"), {}}});
    auto item = [&](const char* code, const char* name, const char* q, const char* v, const char* kitchen) {
        CounterItem i;
        i.code = S(code);
        i.name = S(name);
        i.quantity = D(q);
        i.price = D(v);
        i.kitchen = S(kitchen);
        s.insertItem(i);
        if (i.kitchen != QLatin1String("0"))
            s.addKitchenLine({counterKitchenText(i.quantity, i.name), QString(), i.kitchen, i.code, i.quantity});
    };
    item("*K1", "COMBO 1", "1", "25", "0");
    item("/000101/000102/", "1/2-MUSSARELA 1/2-CALABRESA", "1", "45", "0");
    for (int i = 0; i < 8; ++i)
        item(qPrintable(QStringLiteral("%1").arg(1 + i, 6, 10, QLatin1Char('0'))), "PRODUTO", "1", "7,5", "0");
    s.record(1, D("50"));
    s.record(2, D("80"));
    return s;
}

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
        CounterSale s = counterSale();
        CounterClosingRequest r;
        r.sale = &s;
        r.discount = S("0");
        r.customerCode = S("1");
        r.customerName = S("CONSUMIDOR");
        r.queueNumber = S("5");
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
