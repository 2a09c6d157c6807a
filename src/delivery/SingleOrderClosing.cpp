#include "delivery/SingleOrderClosing.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "closing/SaleWriter.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryText.h"
#include "delivery/SingleOrder.h"
#include "delivery/SingleOrderPrintouts.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The receipt's "." lines: fonte.INI line 9, 7 when the line is missing or no number.
int receiptFeedLines()
{
    try {
        if (const std::optional<LineFile> f = LineFile::load(station::path(QString::fromLatin1(SetComSettings::kFontFile))))
            if (const std::optional<int> n = readInt(f->line(9)); n && *n >= 0 && *n <= 99)
                return *n;
    } catch (const std::exception&) {
    }
    return 7;
}

int terminalNumber()
{
    const std::optional<int> n = readInt(ctx::station().TerminalNumber);
    return n ? *n : 1;
}

} // namespace

SingleClosingResult SingleOrderClosing::close(qint64 orderId, const QString& deliveryManName)
{
    const int fontSize = SetComSettings::receiptFontSize();
    const int feed = receiptFeedLines();
    const int terminal = terminalNumber();
    namespace st = deliverytext::single;
    return m_logon.action([&] {
        SingleOrders orders(m_logon);
        // The order first: a second station closing it waits here, then finds it gone.
        SingleOrderRow order = orders.holdOrder(orderId);
        SingleOrderPrintouts printouts(m_logon);
        printouts.setClock(m_clock);
        SingleTicketData d = printouts.read(orderId, deliveryManName);
        const Decimal items = d.itemsTotal();
        const Decimal total = items + d.fee();
        if (receivedShort(order.receivedTotal(), total))
            throw DeliveryRefused(st::underpaid);
        if (order.receivedTotal().isZero()) {
            // nothing received: paid in full with method 1
            order.received = {total, Decimal(), Decimal()};
            order.methods[0] = 1;
        }
        if (order.area == 0)
            throw DeliveryRefused(st::noArea);
        if (order.deliveryMan == 0)
            throw DeliveryRefused(st::noMan);
        // The change is paid out of the first amount: the booked payments add up to
        // the total, and the change is never more than the first amount.
        const std::optional<std::vector<Decimal>> booked =
            delivery::bookedAmounts(total, {order.received.begin(), order.received.end()});
        if (!booked)
            throw DeliveryRefused(deliverytext::panel::changeAboveCash);

        std::vector<SalePayment> payments;
        d.payments.clear();   // the receipt shows each amount as received
        for (int k = 0; k < 3; ++k) {
            if (!(order.received[size_t(k)] > Decimal()))
                continue;
            const int code = order.methods[size_t(k)];
            RowSet m = m_logon.run(S("select first 1 NOME, BX from FORMAPAGA where CD = ? order by ID"), {code});
            if (!m.next())
                throw DeliveryRefused(st::unknownMethod);
            payments.push_back(SalePayment{code, TrimText(m.text(u"NOME")), (*booked)[size_t(k)],
                                           TrimText(m.text(u"BX")) == QLatin1String("S"), false});
            d.payments.push_back({TrimText(m.text(u"NOME")), order.received[size_t(k)]});
        }

        // The receipt's texts, the delivery man's row and the order's kitchen rows
        // before the cash shift's counter row is held; the stock-out's products
        // dated as of the order's day.
        d.order = order;
        d.fontSize = fontSize;
        d.feedLines = feed;
        const QDate today = d.now.date();
        m_logon.run(S("insert into DELIFIC (ID, CODIGO, DATA, VALORENTREGA, COMISSAO) "
                      "values (GEN_ID(DELIFIC,1), ?, ?, ?, ?)"),
                    {order.deliveryMan, today, items, total});
        const QString key = SingleOrders::orderKey(orderId);
        m_logon.run(S("delete from COZINHA2 where MESA = ?"), {key});

        const std::optional<qint64> phone = readWhole(order.phone);
        DeliverySale ds;
        ds.kind = DeliverySale::Kind::SingleOrder;
        ds.terminal = terminal;
        ds.when = d.now;
        ds.phone = phone && *phone > 0 && *phone <= 2147483647 ? *phone : 1;
        ds.customerName = d.customerName();
        ds.payments = payments;
        ds.saleValue = items;
        ds.listFee = d.fee();
        ds.deliveryMan = int(order.deliveryMan);
        for (const SingleOrderItem& i : d.items) {
            HandOverLine l;
            l.codigo = i.code;
            l.nome = i.name;
            l.quantidade = i.quantity;
            l.valor = i.price;
            ds.items.push_back(l);
        }
        SaleWriter writer(m_logon);
        writer.prepareStockOut(DeliveryInvoicing::saleOf(ds));

        // The open cash shift, held until the commit.
        const cashshift::HeldShift shift = cashshift::holdOpenShift<DeliveryRefused>(m_logon, st::cashClosed);

        SingleClosingResult r;
        r.saleNumber = m_logon.GenId(S("BORDA"), 1);
        r.saleText = FormatFloat(u"000000", Decimal(r.saleNumber));
        r.cashShift = shift.number;
        r.itemsTotal = items;
        r.fee = d.fee();
        // The receipt, composed now and printed after the commit.
        r.receipt = composeSingleClosingReceipt(d, r.saleText);

        ds.number = r.saleNumber;
        ds.cashShift = shift.number;
        writer.write(DeliveryInvoicing::saleOf(ds));

        m_logon.run(S("execute block (m type of column MESA.MESA = ?, id type of column DELIPED.ID = ?) as begin "
                      "delete from MESA where MESA = :m; "
                      "delete from DELIPED where ID = :id; "
                      "end"),
                    {key, orderId});
        return r;
    });
}

void SingleOrderClosing::printReceipt(const SingleClosingResult& result)
{
    RouteOptions o;
    o.endOfReceipt = true;
    RoutePrintout(result.receipt, PrinterSlot::Closing, o);
}
