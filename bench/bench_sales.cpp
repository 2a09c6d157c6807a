// Sales-screen benchmark, embedded and (with SABREL22_TEST_SERVER) on the server,
// on a database holding 20,000 products and 200 open tabs:
//  - confirming one item with two complements and its kitchen ticket written to a
//    port file: time per confirmation and its round trips
//  - one raw round trip (a one-row SELECT) in the same run, for scale
//  - opening the sales screen (offscreen): the window, its table buttons and state
//
//   bench_sales
#include "BenchClock.h"
#include "BenchOffscreen.h"
#include "core/Globals.h"
#include "db/NewDatabase.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RawPrinterPort.h"
#include "sales/ItemConfirmation.h"
#include "sales/TabOpening.h"
#include "sales/UnitBalcao.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double nowMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void seed(TLogon& logon)
{
    logon.action([&] {
        for (int i = 1; i <= 20000; ++i)
            logon.run(QStringLiteral("insert into produtos (id, codigo, nome, valor, clas, classe, unidade) values (?,?,?,?,?,?,'UN')"),
                      {i, QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("PRODUTO %1").arg(i),
                       Decimal::fromCents(1000 + i % 5000), QStringLiteral("1"), i % 40});
        for (int t = 1; t <= 200; ++t)
            logon.run(QStringLiteral("insert into cabmesa (mesa, cliente, taxa, couver, hora, data, status) "
                                     "values (?, 0, 'N', 'N', current_time, current_date, 0)"),
                      {QStringLiteral("%1").arg(t, 6, 10, QLatin1Char('0'))});
        logon.run(QStringLiteral("insert into vendedor (id, codigo, nome) values (1, 3, 'JOAO')"));
        logon.run(QStringLiteral("delete from contcaixa"));
        logon.run(QStringLiteral("insert into contcaixa (caixa, numedador) values (5, 5)"));
        logon.run(QStringLiteral("insert into contdata (id, caixa, data, abertura) values (1, 5, current_date, 0)"));
    });
}

void run(const char* where, const QString& db, const QString& root)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    Logon = &logon;
    seed(logon);

    const QString portFile = QDir(root).filePath(QStringLiteral("cozinha.txt"));
    QFile(portFile).open(QIODevice::WriteOnly | QIODevice::Truncate);
    LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"), {QStringLiteral("LPT1=") + portFile});
    QStringList setup;
    for (int i = 0; i < 23; ++i)
        setup << QString();
    setup[4] = QStringLiteral("S");
    setup[5] = QStringLiteral("S");
    setup[13] = QStringLiteral("Informa porta");
    LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\setup.INI"), setup);

    // one raw round trip
    std::vector<double> raw;
    for (int k = 0; k < 9; ++k) {
        const double t = nowMs();
        for (int i = 0; i < 200; ++i)
            logon.run(QStringLiteral("select first 1 codigo from produtos where codigo = ?"), {QStringLiteral("000123")});
        raw.push_back((nowMs() - t) / 200);
    }
    const qint64 r0 = logon.roundTrips();
    logon.run(QStringLiteral("select first 1 codigo from produtos where codigo = ?"), {QStringLiteral("000123")});
    const qint64 rawTrips = logon.roundTrips() - r0;

    ItemDraft d;
    d.waiter = QStringLiteral("3");
    d.quantity = QStringLiteral("2");
    d.kitchen = QStringLiteral("1");
    d.name = QStringLiteral("PRODUTO 777");
    d.price = QStringLiteral("17,77");
    d.complements = {{QString(), QStringLiteral("BEM PASSADA"), Decimal(0), 0},
                     {QString(), QStringLiteral("FAROFA 2,50"), Decimal::fromCents(250), 3}};
    std::vector<double> times;
    qint64 trips = 0;
    int n = 0;
    for (int k = 0; k < 9; ++k) {
        const double t = nowMs();
        for (int i = 0; i < 30; ++i, ++n) {
            d.tabKey = QString::number(1 + n % 200);
            d.code = QString::number(1 + (n * 37) % 20000);
            const qint64 before = logon.roundTrips();
            const ConfirmResult r = ItemConfirmation(logon, 0, 5).confirm(d);
            trips += logon.roundTrips() - before;
            if (r.status != ConfirmResult::Status::Stored || r.ticketJobs != 1) {
                std::fprintf(stderr, "confirmação falhou: %s\n", qPrintable(r.printError));
                return;
            }
        }
        times.push_back((nowMs() - t) / 30);
    }
    ClosePrinterPort();

    std::vector<double> opens;
    qint64 openTrips = 0;
    for (int k = 0; k < 5; ++k) {
        const qint64 before = logon.roundTrips();
        const double t = nowMs();
        {
            TFormBalcao w(logon);
            QCoreApplication::processEvents();
        }
        opens.push_back(nowMs() - t);
        openTrips = logon.roundTrips() - before;
    }
    Logon = nullptr;

    std::printf("%s\n", where);
    std::printf("  ida e volta crua (SELECT de uma linha): %.3f ms (%lld idas e voltas)\n", median(raw), rawTrips);
    std::printf("  confirmar item com 2 complementos e ticket na porta: %.3f ms por item, %.1f idas e voltas\n",
                median(times), double(trips) / n);
    std::printf("  abrir a tela de vendas com 200 mesas abertas: %.1f ms, %lld idas e voltas\n", median(opens), openTrips);
}

} // namespace

int main(int argc, char* argv[])
{
    return runOffscreen(argc, argv, QStringLiteral("bench-sales.fdb"),
                        [](const char* where, const QString& db, const QString& root) { run(where, db, root); });
}
