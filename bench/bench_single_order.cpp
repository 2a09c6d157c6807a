// Single-screen delivery order benchmark, embedded and (with SABREL22_TEST_SERVER)
// on the server: closing an order of 10 items (one kit, one two-flavour item, eight
// products) paid with three methods, every row through the one sale writer and the
// receipt composed inside the action, then the receipt written to a port file;
// median of the closings, with the data layer's round trips per closing, beside
// one raw round trip of Firebird's object interface measured in the same run.
//
//   bench_single_order
#include "BenchClock.h"
#include "BenchDeliveryDesk.h"
#include "BenchOffscreen.h"
#include "BenchRawClient.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "delivery/SingleOrder.h"
#include "delivery/SingleOrderClosing.h"
#include "platform/StationPaths.h"
#include "printing/RawPrinterPort.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <vector>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* t) { return *Decimal::parse(QString::fromLatin1(t)); }

constexpr qint64 kFirstPhone = 33330000;

// An order as the window leaves it: customer, delivery man, area, ten items, three payments.
qint64 putOrder(TLogon& logon, qint64 phone)
{
    SingleOrders orders(logon);
    const qint64 id = orders.create();
    DeliveryCustomerData c = orders.customer(phone);
    c.nome = QStringLiteral("CLIENTE %1").arg(phone);
    orders.saveCustomer(c);
    SingleOrderHeader h;
    h.phone = QString::number(phone);
    h.name = c.nome;
    h.deliveryMan = 1;
    h.area = 1;
    std::vector<SingleOrderNewItem> items;
    items.push_back({S("K1"), S("COMBO 1"), D("1"), D("25"), {}});
    items.push_back({S("/000101/000102/"), S("1/2-MUSSARELA 1/2-CALABRESA"), D("1"), D("45"),
                     {{true, S("BORDA"), D("5")}}});
    for (int k = 1; k <= 8; ++k)
        items.push_back({QStringLiteral("%1").arg(k, 6, 10, QLatin1Char('0')), S("PRODUTO"), D("1"), D("7,5"), {}});
    for (const SingleOrderNewItem& i : items)
        orders.addItem(id, h, i, D("5"));
    // 140 of items and 5 of fee: cash 50, card 60, a voucher 40; 5 of change off the cash.
    orders.setPayments(id, {D("50"), D("60"), D("40")}, {1, 2, 3});
    return id;
}

void run(const char* where, const QString& db, const QString& root)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    seedDeliveryDesk(logon);
    logon.action([&] {
        logon.run(S("insert into FORMAPAGA (ID, NOME, BX, CD, DAV) values (3, 'Vale', 'S', 3, 'N')"));
    });

    const int closings = 25;
    std::vector<double> times, withReceipt;
    qint64 trips = 0;
    for (int i = 0; i < closings + 3; ++i) {
        const qint64 order = putOrder(logon, kFirstPhone + i);
        const qint64 rt = logon.roundTrips();
        const double t = nowUs();
        const SingleClosingResult r = SingleOrderClosing(logon).close(order, S("ENTREGADOR 1"));
        const double closed = nowUs() - t;
        SingleOrderClosing::printReceipt(r);   // on the closing printer's port
        const double printed = nowUs() - t;
        if (i >= 3) {   // the first closings prepare the statements
            times.push_back(closed);
            withReceipt.push_back(printed);
            trips += logon.roundTrips() - rt;
        }
    }
    ClosePrinterPort();
    const qint64 bytes = QFile(QDir(root).filePath(S("cupom.txt"))).size();
    const double raw = rawRoundTripUs(db.toUtf8());
    const double perClosing = double(trips) / closings;
    const double goal = QByteArray(where) == "embutido" ? 20.0 : 60.0;

    std::printf("%s\n", where);
    std::printf("  fechamento do pedido de tela única (10 itens, 1 kit, 1 item de 2 sabores, 3 formas): "
                "%6.2f ms (mediana de %d; meta < %.0f ms), %.0f idas e voltas\n",
                median(times) / 1000.0, closings, goal, perClosing);
    std::printf("  com o cupom gravado na porta: %6.2f ms\n", median(withReceipt) / 1000.0);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f us; idas e voltas x ida crua = %.2f ms\n", raw,
                perClosing * raw / 1000.0);
    std::printf("  bytes gravados na porta: %lld\n", static_cast<long long>(bytes));
}

} // namespace

int main(int argc, char* argv[])
{
    return runOffscreen(argc, argv, S("bench.fdb"), [](const char* where, const QString& db, const QString& root) {
        ctx::station().TerminalNumber = S("01");
        receiptsOnPortFile(root, 15, 2);
        run(where, db, root);
    });
}
