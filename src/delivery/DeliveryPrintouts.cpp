#include "delivery/DeliveryPrintouts.h"
#include "core/WholeNumber.h"

#include "closing/ClosingSettings.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryText.h"
#include "platform/Printout.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"

#include <map>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kDash37 = QString(37, QLatin1Char('-'));
const QString kRule37 = QString(37, QLatin1Char('='));
constexpr int kFeedLine = 15;        // fonte.INI: the "." lines after a production ticket
constexpr int kDefaultFeed = 5;
constexpr int kStatusWidth = 15;     // DELIVERE.STATUS
constexpr int kPaymentWidth = 40;    // DELIVERE.PAGAMENTO

const QString kInProduction = QStringLiteral("PRUDUCAO");
const QString kOutForDelivery = QStringLiteral("SAIU P/ENTREGA");

QString moneyText(const char* mask, int width, const Decimal& v) { return FormatFloatLeftPadded(S(mask), width, v); }

// The complements of an order's items, by item, in the order they were written.
std::map<qint64, QStringList> complementsOf(TLogon& l, qint64 orderId)
{
    std::map<qint64, QStringList> out;
    RowSet rs = l.run(S("select a.IDMESA, a.PRODUTO from ACOMPDELI a join DELIITEM i on i.ID = a.IDMESA "
                        "where i.PEDIDO = ? order by a.ID"), {QString::number(orderId)});
    while (rs.next())
        out[rs.integer(u"IDMESA")] << rs.text(u"PRODUTO");
    return out;
}

// Holds the order's row; refused when another station took it off the desk. Its telephone.
qint64 heldPhone(TLogon& l, qint64 orderId)
{
    RowSet rs = l.run(S("select CODIGO from DELIVERE where ID = ? with lock"), {orderId});
    if (!rs.next())
        throw DeliveryRefused(deliverytext::desk::orderGone);
    return rs.integer(u"CODIGO");
}

} // namespace

Printout composeProductionTicket(const ProductionTicketData& d)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << S("***  Controle Producao Imp:") + QStringLiteral("%1").arg(d.printer, 2, 10, QLatin1Char('0')) + S(" ***");
    o << S("          PEDIDO   N.:") + QString::number(d.orderId);
    o << kDash37;
    o << S("Cliente :") + (d.customer ? d.customer->nome.left(33) : QString());
    o << S("Telefone:") + (d.customer ? QString::number(d.customer->codigo) : QString());
    o << d.now.toString(S("dd/MM/yy")) + S("  -  ") + d.now.toString(S("hh:mm:ss"));
    o << S("                    D E L I V E R Y");
    o << kRule37 << S("QTD PRODUTO") << kRule37;
    Decimal total;
    for (const TicketItem& i : d.items) {
        const QString t = FormatFloat(u"000.###", i.quantity) + QLatin1Char(' ') + i.name;
        o << t.left(37);
        // A long text runs on in lines of five blanks and 32 characters.
        for (int at = 37; at < t.size(); at += 32)
            o << S("     ") + t.mid(at, 32);
        if (!i.obs.trimmed().isEmpty())
            o << S(" > ") + i.obs.left(31);
        for (const QString& c : i.complements)
            o << S(" > ") + c.left(37);
        o << S("-");
        total += i.quantity;
    }
    o << kRule37;
    o << S("              Qtd Total ") + FormatFloatLeftPadded(S("0"), 11, total);
    feedPaper(o, d.feedLines);
    return p;
}

Printout composeDeliveryNote(const DeliveryNoteData& d)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    o << S("          NOTA DE ENTREGA ") << d.company.empresa << d.company.endereco
      << d.company.cidade + QLatin1Char(' ') + d.company.estado << kDash37
      << S("Pedido..:") + QString::number(d.orderId);
    o << S("Data/Hora :") + d.now.toString(S("dd/MM/yy")) + QLatin1Char(' ') + d.now.toString(S("hh:mm:ss"));
    const DeliveryCustomerData c = d.customer.value_or(DeliveryCustomerData{});
    o << S("Cliente.:") + c.nome << S("Telefone:") + (d.customer ? QString::number(c.codigo) : QString())
      << S(":") + c.endereco << S(":") + c.bairro << S(":") + c.cidade + S(" - ") + c.estado << S(":") + c.fax
      << S("Referenc:") + c.ref;
    o << kRule37 << S("PRODUTO") << S("CODIGO            QTD  VALOR  TOTAL") << kRule37;
    LineTotal total;
    for (const NoteItem& n : d.items) {
        const DeskItem& i = n.item;
        o << i.nome.left(37);
        if (i.nome.size() > 37)
            o << S("     ") + i.nome.mid(37, 32);
        if (!i.obs.trimmed().isEmpty())
            o << i.obs.left(37);
        o << FormatQuantityItemLine(i.codigo, FormatFloat(u"0.###", i.quant), moneyText("####0.00", 8, i.valor),
                                    moneyText("####0.00", 9, total.add(i.quant, i.valor)));
        for (const QString& c : n.complements)
            o << S("   ") + c.left(37);
    }
    o << kRule37;
    o << FormatItemLine(S("Total"), moneyText("#0.00", 11, total.value()));
    if (!d.fee.isZero())
        o << PadRight(S("TAXA DE ENTREGA"), 26) + moneyText("#,##0.00", 12, d.fee);
    for (const auto& [caption, amount] : d.methods)
        o << PadRight(caption, 26) + moneyText("#,##0.00", 12, amount);
    if (d.change > Decimal())
        o << PadRight(S("TROCO"), 26) + moneyText("#,##0.00", 12, d.change);
    o << S("Entrega:") + d.deliveryMan << S("Obs:") << d.message << QString() << kDash37 << QString() << kDash37
      << QString();
    return p;
}

std::vector<Printout> DeliveryPrintouts::productionTickets(qint64 orderId)
{
    const int fontSize = SetComSettings::kitchenFontSize();
    const std::optional<int> feed = readInt(settingsLine(SetComSettings::kFontFile, kFeedLine));
    const int feedLines = feed ? *feed : kDefaultFeed;
    const QDateTime now = m_clock();
    return m_logon.action([&] {
        const qint64 phone = heldPhone(m_logon, orderId);
        const QString pedido = QString::number(orderId);
        // Items without a kitchen-printer number print on the first: those of every
        // order on the desk take "1", not only this order's.
        m_logon.run(S("update DELIITEM set IMPRESSORA = '1' "
                      "where IMPRESSORA is null or IMPRESSORA = '0' or IMPRESSORA = ''"));
        ProductionTicketData base;
        base.orderId = orderId;
        base.now = now;
        base.feedLines = feedLines;
        base.fontSize = fontSize;
        base.customer = DeliveryCustomers(m_logon).read(phone);
        const std::map<qint64, QStringList> complements = complementsOf(m_logon, orderId);
        std::map<int, std::vector<TicketItem>> byPrinter;
        RowSet rs = m_logon.run(S("select ID, QUANT, NOME, OBS, IMPRESSORA from DELIITEM where PEDIDO = ? order by ID"),
                                {pedido});
        while (rs.next()) {
            const std::optional<int> printer = readInt(rs.text(u"IMPRESSORA"));
            if (!printer || *printer < 1 || *printer > 5)
                continue;   // a number no ticket carries
            const auto c = complements.find(rs.integer(u"ID"));
            byPrinter[*printer].push_back(TicketItem{rs.decimal(u"QUANT"), rs.text(u"NOME"), rs.text(u"OBS"),
                                                     c == complements.end() ? QStringList() : c->second});
        }
        std::vector<Printout> tickets;
        for (const auto& [printer, items] : byPrinter) {
            ProductionTicketData d = base;
            d.printer = printer;
            d.items = items;
            tickets.push_back(composeProductionTicket(d));
        }
        m_logon.run(S("update DELIVERE set STATUS = ? where ID = ?"), {kInProduction.left(kStatusWidth), orderId});
        return tickets;
    });
}

Printout DeliveryPrintouts::deliveryNote(const NoteRequest& r)
{
    DeliveryPaymentPanel panel = r.panel;
    if (const std::optional<QString> refused = panel.check())
        throw DeliveryRefused(*refused);
    const int fontSize = SetComSettings::receiptFontSize();
    const QDateTime now = m_clock();
    return m_logon.action([&] {
        const qint64 phone = heldPhone(m_logon, r.orderId);
        DeliveryNoteData d;
        d.company = CompanyStore(m_logon).load();
        d.orderId = r.orderId;
        d.now = now;
        d.customer = DeliveryCustomers(m_logon).read(phone);
        const std::map<qint64, QStringList> complements = complementsOf(m_logon, r.orderId);
        for (const DeskItem& i : r.items) {
            const auto found = complements.find(i.id);
            d.items.push_back({i, found == complements.end() ? QStringList() : found->second});
        }
        d.fee = panel.feeAmount();
        for (int i = 0; i < int(panel.methods.size()); ++i)
            if (!panel.amount(i).isZero())
                d.methods.push_back({panel.methods[size_t(i)].caption(), panel.amount(i)});
        d.change = panel.balanceAmount();
        d.deliveryMan = r.deliveryManLabel;
        d.message = panel.message;
        d.fontSize = fontSize;
        m_logon.run(S("update DELIVERE set PAGAMENTO = ?, TROCO = ? where ID = ?"),
                    {panel.paymentName().left(kPaymentWidth), panel.balanceAmount(), r.orderId});
        return composeDeliveryNote(d);
    });
}

void DeliveryPrintouts::markOutForDelivery(qint64 orderId)
{
    m_logon.action([&] {
        if (m_logon.run(S("select ID from DELIVERE where ID = ? with lock"), {orderId}).first())
            m_logon.run(S("update DELIVERE set STATUS = ? where ID = ?"), {kOutForDelivery.left(kStatusWidth), orderId});
    });
}

void DeliveryPrintouts::print(const std::vector<Printout>& texts)
{
    for (const Printout& p : texts)
        RouteDeliveryPrintout(p);
}
