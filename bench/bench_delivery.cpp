// Delivery desk benchmark, embedded and (with SABREL22_TEST_SERVER) on the server,
// on a database holding 20,000 products, 5,000 customers and 100 open orders of
// three items each:
//  - one raw round trip of Firebird's own client and one of the data layer, in the same run,
//    and one write of a row with its commit (what every action costs at least)
//  - opening the desk (offscreen): the window, its order list, the first order's items
//  - adding one item with two complements: leaving the code box (the product, its
//    accompaniment and its group's complement) and "Confirmar" (the item, its two
//    complement rows and the order's total, one action)
//  - the total recomputed after a change of an item, and the desk shown again
//
//   bench_delivery
#include "BenchClock.h"
#include "BenchOffscreen.h"
#include "BenchRawClient.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryItemEntry.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/UnitPedDelivery.h"

#include <cstdio>
#include <vector>

namespace {

QString code(int n) { return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0')); }

void seed(TLogon& logon)
{
    logon.action([&] {
        for (int g = 1; g <= 40; ++g)
            logon.run(QStringLiteral("insert into tipos (id, codigo, nome, ativo) values (?, ?, ?, 'S')"),
                      {g, g, QStringLiteral("GRUPO %1").arg(g)});
        for (int i = 1; i <= 20000; ++i)
            logon.run(QStringLiteral("insert into produtos (id, codigo, nome, valor, clas, classe, unidade) "
                                     "values (?,?,?,?,?,?,'UN')"),
                      {i, code(i), QStringLiteral("PRODUTO %1").arg(i), Decimal::fromCents(1000 + i % 5000),
                       QStringLiteral("1"), 1 + i % 40});
        for (int g = 1; g <= 40; ++g)
            logon.run(QStringLiteral("insert into complemento (id, grupo, nome, valor, codigo) values (?, ?, ?, 2.5, ?)"),
                      {g, g, QStringLiteral("BORDA %1").arg(g), g});
        logon.run(QStringLiteral("insert into acompanha (id, codigo, produto) values (1, '000777', 'OREGANO')"));
        for (int c = 1; c <= 5000; ++c)
            logon.run(QStringLiteral("insert into clientes (codigo, nome, endereco) values (?, ?, 'RUA DAS FLORES, 10')"),
                      {33330000 + c, QStringLiteral("CLIENTE %1").arg(c)});
        for (int m = 1; m <= 20; ++m) {
            logon.run(QStringLiteral("insert into delicad (id, codigo, nome) values (?, ?, ?)"),
                      {m, m, QStringLiteral("ENTREGADOR %1").arg(m)});
            logon.run(QStringLiteral("insert into entrega (id, bairro, taxa) values (?, ?, ?)"),
                      {m, QStringLiteral("BAIRRO %1").arg(m), m});
        }
        for (int o = 1; o <= 100; ++o) {
            logon.run(QStringLiteral("insert into delivere (id, codigo, fone, cliente, data, hora, entrega, motoboy) "
                                     "values (?, ?, ?, ?, current_date, '19:00:00', ?, ?)"),
                      {o, 33330000 + o, QString::number(33330000 + o), QStringLiteral("CLIENTE %1").arg(o),
                       1 + o % 20, 1 + o % 20});
            for (int i = 0; i < 3; ++i)
                logon.run(QStringLiteral("insert into deliitem (id, pedido, nome, codigo, quant, valor, impressora) "
                                         "values (0, ?, ?, ?, 1, 12.5, '1')"),
                          {QString::number(o), QStringLiteral("PRODUTO %1").arg(o * 3 + i), code(o * 3 + i)});
        }
        logon.run(QStringLiteral("delete from contcaixa"));
        logon.run(QStringLiteral("insert into contcaixa (caixa, numedador) values (5, 5)"));
    });
}

void run(const char* where, const QString& db)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    seed(logon);
    const double rawUs = rawRoundTripUs(db.toLocal8Bit());
    std::vector<double> layer;
    for (int k = 0; k < 9; ++k) {
        const double t = monotonicMs();
        for (int i = 0; i < 200; ++i)
            logon.run(QStringLiteral("select first 1 codigo from produtos where codigo = ?"), {QStringLiteral("000123")});
        layer.push_back((monotonicMs() - t) / 200);
    }

    // the floor of any write: one statement and its commit (forced writes on this disk)
    std::vector<double> commits;
    for (int k = 0; k < 9; ++k) {
        const double t = monotonicMs();
        for (int i = 0; i < 10; ++i)
            logon.action([&] { logon.run(QStringLiteral("update empresa set scc1 = coalesce(scc1, 0)")); });
        commits.push_back((monotonicMs() - t) / 10);
    }

    // opening the desk with its 100 orders
    std::vector<double> opens;
    qint64 openTrips = 0;
    for (int k = 0; k < 7; ++k) {
        const qint64 before = logon.roundTrips();
        const double t = monotonicMs();
        {
            TFormPedDelivery desk(logon);
            desk.setWindowState(Qt::WindowNoState);
            desk.resize(1366, 768);
            desk.show();
            QCoreApplication::processEvents();
            if (desk.listedOrders().size() != 100 || !desk.shownOrder())
                std::fprintf(stderr, "a mesa não mostrou os 100 pedidos\n");
        }
        opens.push_back(monotonicMs() - t);
        openTrips = logon.roundTrips() - before;
    }

    // adding one item with two complements, to orders in turn
    DeliveryItemEntry entry(logon, 0);
    DeliveryOrders orders(logon);
    std::vector<double> loads, confirms;
    qint64 loadTrips = 0, confirmTrips = 0;
    int n = 0;
    for (int k = 0; k < 9; ++k) {
        double load = 0, confirm = 0;
        for (int i = 0; i < 20; ++i, ++n) {
            qint64 before = logon.roundTrips();
            double t = monotonicMs();
            const DeliveryItemEntry::Loaded l = entry.load(QStringLiteral("777"));
            load += monotonicMs() - t;
            loadTrips += logon.roundTrips() - before;
            if (!l.item || l.item->extras.size() != 2) {
                std::fprintf(stderr, "o produto não veio com os dois complementos\n");
                return;
            }
            before = logon.roundTrips();
            t = monotonicMs();
            entry.confirm(1 + n % 100, *l.item, QStringLiteral("1"), QStringLiteral("SEM CEBOLA"));
            confirm += monotonicMs() - t;
            confirmTrips += logon.roundTrips() - before;
        }
        loads.push_back(load / 20);
        confirms.push_back(confirm / 20);
    }

    // the total after a change of an item (written, as after F4), and the desk shown again
    std::vector<double> totals, shows;
    qint64 totalTrips = 0, showTrips = 0;
    {
        TFormPedDelivery desk(logon);
        for (int k = 0; k < 9; ++k) {
            const qint64 order = 1 + k;
            logon.run(QStringLiteral("update deliitem set quant = quant + 1 where pedido = ? and codigo = ?"),
                      {QString::number(order), code(order * 3)});
            qint64 before = logon.roundTrips();
            double t = monotonicMs();
            logon.action([&] { orders.writeTotal(order); });
            totals.push_back(monotonicMs() - t);
            totalTrips = logon.roundTrips() - before;
            before = logon.roundTrips();
            t = monotonicMs();
            desk.refresh();
            shows.push_back(monotonicMs() - t);
            showTrips = logon.roundTrips() - before;
        }
    }

    std::printf("%s\n", where);
    std::printf("  ida e volta crua do cliente Firebird: %.3f ms; da camada de dados: %.3f ms\n", rawUs / 1000,
                median(layer));
    std::printf("  uma escrita de uma linha e seu commit (o piso de qualquer ação): %.3f ms\n", median(commits));
    std::printf("  abrir a mesa de delivery com 100 pedidos: %.1f ms, %lld idas e voltas\n", median(opens), openTrips);
    std::printf("  sair do código (produto, acompanhamento, complemento): %.3f ms, %.1f idas e voltas\n", median(loads),
                double(loadTrips) / n);
    std::printf("  confirmar item com 2 complementos e o total do pedido: %.3f ms, %.1f idas e voltas\n",
                median(confirms), double(confirmTrips) / n);
    std::printf("  recalcular o total após uma alteração: %.3f ms, %lld idas e voltas\n", median(totals), totalTrips);
    std::printf("  mostrar de novo a lista e o pedido (F11): %.1f ms, %lld idas e voltas\n", median(shows), showTrips);
}

} // namespace

int main(int argc, char* argv[])
{
    return runOffscreen(argc, argv, QStringLiteral("bench-delivery.fdb"),
                        [](const char* where, const QString& db, const QString& root) { run(where, db); });
}
