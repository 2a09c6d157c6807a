// Delivery billing benchmark, embedded and (with SABREL22_TEST_SERVER) on the server:
//  - invoicing a delivery order of 10 items (one kit, one two-flavour item) paid
//    with two methods and a discount, every row through the one sale writer, the
//    receipt asked and written to a port file with its drawer job; median of the
//    invoices, with the data layer's round trips per invoice, beside one raw round
//    trip of Firebird's object interface measured in the same run
//  - the delivery sales report over a shift of 500 deliveries (written by the same
//    invoicing): to its first page in the preview, and as roll text
//
//   bench_delivery_billing
#include "BenchClock.h"
#include "BenchDeliveryDesk.h"
#include "BenchOffscreen.h"
#include "BenchRawClient.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryReports.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitVenDiaQuiDely.h"
#include "printing/RawPrinterPort.h"
#include "reports/PageReport.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <vector>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* t) { return *Decimal::parse(QString::fromLatin1(t)); }

constexpr qint64 kFirstPhone = 33330000;

struct Item {
    const char* code;
    const char* name;
    const char* quantity;
    const char* price;
};

// An order on the desk, with the area's fee and a delivery man, as the desk writes it.
qint64 putOrder(TLogon& logon, qint64 phone, const std::vector<Item>& items)
{
    return logon.action([&] {
        const qint64 id = logon.GenId(S("DELIVERE"), 1);
        logon.run(S("insert into DELIVERE (ID, CODIGO, DATA, HORA, CLIENTE, FONE, ENTREGA, MOTOBOY) "
                    "values (?, ?, current_date, '20:00:00', ?, ?, 1, 1)"),
                  {id, phone, QStringLiteral("CLIENTE %1").arg(phone), QString::number(phone)});
        for (const Item& i : items)
            logon.run(S("insert into DELIITEM (ID, PEDIDO, NOME, CODIGO, QUANT, VALOR, IMPRESSORA) "
                        "values (GEN_ID(DELIITEM,1), ?, ?, ?, ?, ?, '1')"),
                      {QString::number(id), S(i.name), S(i.code), D(i.quantity), D(i.price)});
        DeliveryOrders(logon).writeTotal(id);
        return id;
    });
}

// What the cashier leaves on the panel: cash and card, and a discount.
InvoiceRequest requestFor(TLogon& logon, const std::vector<PanelMethod>& methods, qint64 order, const char* cash,
                          const char* discount)
{
    DeliveryOrders orders(logon);
    const DeskOrder o = *orders.order(order);
    std::vector<HandOverLine> lines = DeliveryOrders::handOver(o, orders.items(order));
    InvoiceRequest r;
    r.orderId = order;
    r.phone = o.fone;
    r.customerName = o.cliente;
    r.panel.open(methods, panelText(o.valor), lines);
    r.lines = lines;
    const Decimal card = o.valor - D(cash) - D(discount);
    r.panel.amounts[0] = S(cash);
    r.panel.amounts[1] = panelText(card);
    r.panel.discount = S(discount);
    r.panel.totals();
    return r;
}

void run(const char* where, const QString& db, const QString& root)
{
    TLogon logon;
    if (!connected(logon, db))
        return;
    seedDeliveryDesk(logon);
    const std::vector<PanelMethod> methods = DeliveryPaymentPanel::readMethods(logon);

    // A shift of 500 deliveries, through the invoicing itself.
    const double fillStart = monotonicMs();
    for (int k = 0; k < 500; ++k) {
        const qint64 order = putOrder(logon, kFirstPhone + k,
                                      {{"000001", "PRODUTO 1", "2", "7,5"},
                                       {"/000101/000102/", "1/2-MUSSARELA 1/2-CALABRESA", "1", "45"},
                                       {"000003", "PRODUTO 3", "1", "7,5"}});
        DeliveryInvoicing(logon).invoice(requestFor(logon, methods, order, "20", "0"));
    }
    const double fillMs = monotonicMs() - fillStart;

    // The 10-item order: a kit, a two-flavour item, eight products; cash, card, a discount.
    std::vector<Item> items = {{"K1", "COMBO 1", "1", "25"},
                               {"/000101/000102/", "1/2-MUSSARELA 1/2-CALABRESA", "1", "45"}};
    static const char* const codes[] = {"000001", "000002", "000003", "000004",
                                        "000005", "000006", "000007", "000008"};
    for (const char* c : codes)
        items.push_back({c, "PRODUTO", "1", "7,5"});
    const int invoices = 25;
    std::vector<double> times;
    qint64 trips = 0;
    for (int i = 0; i < invoices + 3; ++i) {
        const qint64 order = putOrder(logon, kFirstPhone + 1000 + i, items);
        const InvoiceRequest r = requestFor(logon, methods, order, "50", "5");
        const qint64 rt = logon.roundTrips();
        const double t = nowUs();
        const InvoiceResult result = DeliveryInvoicing(logon).invoice(r);
        DeliveryInvoicing::offerReceipt(result);   // "Deseja Imprimir cupom?": yes, on the port
        const double us = nowUs() - t;
        if (i >= 3) {   // the first invoices prepare the statements
            times.push_back(us);
            trips += logon.roundTrips() - rt;
        }
    }
    ClosePrinterPort();
    const qint64 printed = QFile(QDir(root).filePath(S("cupom.txt"))).size();
    const double raw = rawRoundTripUs(db.toUtf8());
    const double perInvoice = double(trips) / invoices;

    // The delivery sales report of the shift: rows, layout, the preview's first page; the roll.
    DeliveryReports reports(logon);
    std::vector<double> firstPage, rollTimes;
    qint64 reportTrips = 0;
    int rows = 0, pages = 0;
    for (int k = 0; k < 7; ++k) {
        const qint64 rt = logon.roundTrips();
        const double t = monotonicMs();
        const std::vector<DeliverySaleRow> sales = reports.sales(3);
        const TFormVenDiaQuiDely form(logon, deliverytext::reports::cashCaption + S("3"));
        const RowSet set = DeliveryReports::salesRows(sales);
        const report::Layout layout(form.definition(), set);
        TFormVisaoRelatorio window(layout, QStringList{});
        window.resize(1366, 768);
        window.show();
        QApplication::processEvents();
        firstPage.push_back(monotonicMs() - t);
        reportTrips = logon.roundTrips() - rt;
        rows = int(sales.size());
        pages = window.pageCount();
    }
    for (int k = 0; k < 7; ++k) {
        const double t = monotonicMs();
        const std::vector<DeliverySaleRow> sales = reports.sales(3);
        const Printout roll = DeliveryReports::salesRoll(reports.company(), 3, reports.shiftDate(3), sales, 7);
        rollTimes.push_back(monotonicMs() - t);
    }

    std::printf("%s\n", where);
    std::printf("  turno de 500 entregas faturadas pelo proprio faturamento: %.1f s\n", fillMs / 1000.0);
    std::printf("  faturamento de entrega (10 itens, 1 kit, 1 item de 2 sabores, 2 formas, desconto, cupom na porta): "
                "%6.2f ms (mediana de %d), %.0f idas e voltas\n", median(times) / 1000.0, invoices, perInvoice);
    std::printf("  uma ida e volta crua (SELECT preparado): %6.1f us; idas e voltas x ida crua = %.2f ms\n", raw,
                perInvoice * raw / 1000.0);
    std::printf("  bytes gravados na porta (cupons e gaveta): %lld\n", static_cast<long long>(printed));
    std::printf("  relação de venda delivery, %d vendas, %d páginas: primeira página na visualização %.1f ms "
                "(%lld idas e voltas; meta < 300 ms); texto de bobina %.1f ms\n",
                rows, pages, median(firstPage), static_cast<long long>(reportTrips), median(rollTimes));
}

} // namespace

int main(int argc, char* argv[])
{
    return runOffscreen(argc, argv, S("bench.fdb"), [](const char* where, const QString& db, const QString& root) {
        ctx::op().OperatorName = S("CAIXA");
        receiptsOnPortFile(root, 12, 1);
        run(where, db, root);
    });
}
