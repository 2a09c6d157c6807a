#include "delivery/SingleOrderPrintouts.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "closing/ClosingReceipt.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/Historico.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryText.h"
#include "platform/Printout.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"
#include "tabs/KitchenTicket.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kDash37(37, QLatin1Char('-'));
const QString kRule37(37, QLatin1Char('='));
const QString kColumns = QStringLiteral("DESCRICAO          QTD  VALOR  TOTAL");

bool bit(int mask, int b) { return (mask & b) != 0; }

QString money12(const Decimal& v, const char* mask = "0.00") { return FormatFloatLeftPadded(S(mask), 12, v); }

// The company's lines of the delivery ticket and of the receipt: the name, and
// with bit 512 of the sales options the address and the city, with 128 as well
// the CNPJ.
void companyLines(QStringList& o, const SingleTicketData& d)
{
    o << receipt::centred(TrimText(d.company.empresa));
    if (bit(d.salesOptions, 512)) {
        o << receipt::centred(TrimText(d.company.endereco));
        o << receipt::centred(TrimText(d.company.cidade) + QLatin1Char(' ') + TrimText(d.company.estado));
        if (bit(d.salesOptions, 128))
            o << receipt::centred(S("CNPJ: ") + TrimText(d.company.cnpj));
    }
}

// The items of the delivery ticket and of the receipt: the name in lines of 37,
// then quantity, unit price and line total.
void itemLines(QStringList& o, const SingleTicketData& d)
{
    for (const SingleOrderItem& i : d.items) {
        const QStringList name = kitchenNameLines(i.name);
        for (int k = 0; k < name.size(); ++k)
            if (k == 0 || !TrimText(name[k]).isEmpty())
                o << name[k];
        o << FormatQuantityItemLine(QString(), FormatFloat(u"0.###", i.quantity),
                                    FormatFloatLeftPadded(S("####0.00"), 8, i.price),
                                    FormatFloatLeftPadded(S("####0.00"), 9, i.total()));
    }
}

// The payments, what was received and the change.
void paymentLines(QStringList& o, const SingleTicketData& d)
{
    for (const auto& [name, amount] : d.payments)
        o << FormatItemLine(name, money12(amount));
    const Decimal received = d.order.receivedTotal();
    const Decimal due = d.itemsTotal() + d.fee();
    if (!received.isZero()) {
        o << FormatItemLine(S("Recebido"), money12(received, "######0.00"));
        if (received > due)
            o << FormatItemLine(S("Troco"), money12(received - due, "######0.00"));
    } else {
        o << FormatItemLine(S("Recebido"), money12(due, "######0.00"));
    }
}

QString dateLine(const QDateTime& now)
{
    return now.toString(S("dd/MM/yy")) + S("  -  ") + now.toString(S("hh:mm:ss"));
}

QString nameOrNothing(const std::optional<DeliveryCustomerData>& c, QString DeliveryCustomerData::*field)
{
    return c ? (*c).*field : QString();
}

} // namespace

Decimal SingleTicketData::itemsTotal() const { return SingleOrders::itemsTotal(items); }

QString SingleTicketData::customerName() const
{
    const QString name = customer ? TrimText(customer->nome) : QString();
    return name.isEmpty() ? TrimText(order.name) : name;
}

bool receivedShort(const Decimal& received, const Decimal& total)
{
    return !received.isZero() && received.roundTo(2).cents() < total.roundTo(2).cents();
}

QStringList wrapWords(const QString& text, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : TrimText(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString w = word;
        while (w.size() > width) {   // a word longer than a line is cut
            if (!line.isEmpty())
                lines << line;
            lines << w.left(width);
            w = w.mid(width);
            line.clear();
        }
        if (line.isEmpty())
            line = w;
        else if (line.size() + 1 + w.size() <= width)
            line += QLatin1Char(' ') + w;
        else {
            lines << line;
            line = w;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

Printout composeSingleKitchenTicket(const SingleTicketData& d)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << S("*******  Controle Cozinha  ********") << receipt::centred(TrimText(d.company.empresa)) << kDash37
      << S("PEDIDO       :") + QString::number(d.order.id) << S("Telefone    .:") + d.order.phone << d.order.name
      << dateLine(d.now) << S("                    D E L I V E R Y") << kRule37 << S("QTD  COD  DESCRICAO   ")
      << kRule37;
    for (const SingleOrderItem& i : d.items) {
        o << (kitchenQuantityText(i.quantity) + QLatin1Char(' ') + i.code).left(37);
        o << kitchenNameLines(i.name);
        const auto extras = d.extras.find(i.id);
        if (extras != d.extras.end())
            for (const QString& e : extras->second)
                o << S(" +") + e.toUpper().left(37);
        o << kKitchenItemRule;
    }
    feedPaper(o, d.feedLines);
    return p;
}

Printout composeSingleDeliveryTicket(const SingleTicketData& d)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << S("    SIMPLES CONFERENCIA DA CONTA") << S("           Delivery");
    companyLines(o, d);
    o << receipt::centred(S("Telefone : ") + TrimText(d.company.fax)) << kDash37;
    const std::optional<DeliveryCustomerData>& c = d.customer;
    o << S("Pedido..: ") + QString::number(d.order.id) << S("Entrega.: ") + d.deliveryManName
      << S("Telefone: ") + d.order.phone
      << S("Entrega.: ") + d.now.toString(S("dd/MM/yy")) + S(" Pedido: ") + d.order.hora.toString(S("hh:mm:ss"))
      << S("Cliente.: ") + nameOrNothing(c, &DeliveryCustomerData::nome)
      << S("Endereco: ") + nameOrNothing(c, &DeliveryCustomerData::endereco)
      << S("Bairro..: ") + nameOrNothing(c, &DeliveryCustomerData::bairro)
      << S("Cidade..: ") + nameOrNothing(c, &DeliveryCustomerData::cidade) + S(" - ")
             + nameOrNothing(c, &DeliveryCustomerData::estado)
      << S("Referenc:") << S("  ") + nameOrNothing(c, &DeliveryCustomerData::ref) << S("Observacao:");
    o << wrapWords(d.order.obs, 38);
    o << kRule37 << kColumns << kRule37;
    itemLines(o, d);
    o << kRule37;
    o << FormatItemLine(S("Total"), FormatFloatLeftPadded(S("#0.00"), 11, d.itemsTotal()));
    if (d.areaFee) {
        o << FormatItemLine(S("Tx de Entrega"), money12(d.fee()));
        o << FormatItemLine(S("Sub-Total"), money12(d.fee() + d.itemsTotal()));
    }
    paymentLines(o, d);
    o << kDash37 << QString() << QString() << S(" ----------------------------")
      << S(" ") + nameOrNothing(c, &DeliveryCustomerData::nome) << QString() << S("Entrega:") << d.deliveryManName
      << QString() << QString() << QString() << QString();
    return p;
}

Printout composeSingleClosingReceipt(const SingleTicketData& d, const QString& saleNumber)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << S("        FECHAMENTO DA CONTA") << S("******* Documento nao fiscal ********") << S("           Seja Bem Vindo");
    companyLines(o, d);
    o << kDash37;
    o << S("Pedido:") + QString::number(d.order.id) + S("  Fone:") + d.order.phone + S(" Cupom:") + saleNumber
      << S("Cliente:") + d.customerName() << dateLine(d.now) << S("                     D E L I V E R Y") << kColumns
      << kRule37;
    itemLines(o, d);
    o << kRule37;
    o << FormatItemLine(S("Total"), FormatFloatLeftPadded(S("####0.00"), 9, d.itemsTotal()));
    if (d.areaFee)
        o << FormatItemLine(S("Tx de Entrega"), money12(d.fee()));
    paymentLines(o, d);
    o << kDash37;
    feedPaper(o, d.feedLines);
    return p;
}

SingleTicketData SingleOrderPrintouts::read(qint64 orderId, const QString& deliveryManName)
{
    SingleOrders orders(m_logon);
    SingleTicketData d;
    const std::optional<SingleOrderRow> order = orders.read(orderId);
    if (!order)
        throw DeliveryRefused(deliverytext::desk::orderGone);
    d.order = *order;
    d.company = CompanyStore(m_logon).load();
    d.salesOptions = int(integerOf(m_logon.scalar(S("select first 1 coalesce(SCC5, 0) from EMPRESA"))));
    if (const std::optional<qint64> phone = readWhole(d.order.phone); phone && *phone > 0 && *phone <= 2147483647)
        d.customer = DeliveryCustomers(m_logon).read(*phone);
    d.deliveryManName = deliveryManName;
    if (d.order.area) {
        const QVariant fee = m_logon.scalar(S("select first 1 TAXA from ENTREGA where ID = ?"), {d.order.area});
        if (!fee.isNull())
            d.areaFee = decimalOf(fee);
    }
    d.items = orders.items(orderId);
    d.extras = orders.extras(d.items);
    for (int k = 0; k < 3; ++k) {
        if (d.order.received[size_t(k)].isZero())
            continue;
        const QVariant name = m_logon.scalar(S("select first 1 NOME from FORMAPAGA where CD = ? order by ID"),
                                             {d.order.methods[size_t(k)]});
        if (!name.isNull())
            d.payments.push_back({TrimText(name.toString()), d.order.received[size_t(k)]});
    }
    d.now = m_clock();
    return d;
}

SingleOrderPrintouts::KitchenResult SingleOrderPrintouts::kitchenTicket(qint64 orderId, bool cashierPrinter,
                                                                        const QString& deliveryManName)
{
    const PrinterSlot slot = cashierPrinter ? PrinterSlot::Conference : PrinterSlot::Kitchen1;
    const bool monitor = TrimText(SlotDestination(slot)) == SetComSettings::kitchenMonitor();
    const int fontSize = SetComSettings::kitchenFontSize();
    const int feed = SetComSettings::feedLines();
    KitchenResult r;
    const Printout ticket = m_logon.action([&] {
        r = KitchenResult{};
        SingleTicketData d = read(orderId, deliveryManName);
        d.fontSize = fontSize;
        d.feedLines = feed;
        r.items = int(d.items.size());
        if (monitor) {
            const int shift = CashShift(m_logon).openNumber();
            const QString hora = historicoTime(d.now);
            for (const SingleOrderItem& i : d.items) {
                const auto extras = d.extras.find(i.id);
                writeKitchenMonitorRow(m_logon, {hora, SingleOrders::orderKey(orderId), QString::number(d.order.deliveryMan),
                                                 shift, i.name.left(28), i.quantity,
                                                 complementSummary(extras == d.extras.end() ? QStringList() : extras->second),
                                                 std::nullopt, std::nullopt});
                ++r.monitorRows;
            }
            SingleOrders(m_logon).setStatus(orderId, deliverytext::single::preparing);
        }
        return composeSingleKitchenTicket(d);
    });
    if (r.items > 0)
        saveKitchenOrderNumber(int(orderId + 1));   // the counter the sales screen's tickets share
    if (monitor)
        return r;
    if (r.items > 0) {
        RouteOptions options;
        options.controlByte = true;
        options.portOf = PrinterSlot::Kitchen1;
        RoutePrintout(ticket, slot, options);
        r.printed = true;
    }
    SingleOrders(m_logon).setStatus(orderId, deliverytext::single::preparing);
    return r;
}

void SingleOrderPrintouts::deliveryTicket(qint64 orderId, const QString& deliveryManName)
{
    SingleTicketData d = read(orderId, deliveryManName);
    if (receivedShort(d.order.receivedTotal(), d.itemsTotal() + d.fee()))
        throw DeliveryRefused(deliverytext::single::underpaid);
    d.fontSize = SetComSettings::receiptFontSize();
    RoutePrintout(composeSingleDeliveryTicket(d), PrinterSlot::Conference);
    SingleOrders(m_logon).setStatus(orderId, deliverytext::single::outForDelivery);
}
