#include "delivery/DeliveryInvoicing.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "closing/SaleWriter.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"

#include <cmath>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kRule39 = QString(39, QLatin1Char('='));
const QString kDash39 = QString(39, QLatin1Char('-'));

// A line centred on the receipt's 40 columns: 20 minus half the length (halves up) blanks.
QString centred40(const QString& text, int length)
{
    const int n = 20 - int(std::floor(double(length) / 2.0 + 0.5));
    return QString(std::max(0, n), QLatin1Char(' ')) + text;
}

QString money12(const Decimal& v) { return FormatFloatLeftPadded(S("#,##0.00"), 12, v); }

// The order's items as the database holds them now, in the desk's order.
std::vector<HandOverLine> storedItems(TLogon& l, qint64 orderId)
{
    std::vector<HandOverLine> v;
    RowSet rs = l.run(S("select CODIGO, NOME, QUANT, VALOR from DELIITEM where PEDIDO = ? order by IMPRESSORA, ID"),
                      {QString::number(orderId)});
    int n = 0;
    while (rs.next()) {
        HandOverLine h;
        h.linha = ++n;
        h.codigo = TrimText(rs.text(u"CODIGO"));
        h.nome = rs.text(u"NOME");
        h.quantidade = rs.decimal(u"QUANT");
        h.valor = rs.decimal(u"VALOR");
        v.push_back(h);
    }
    return v;
}

bool sameItems(const std::vector<HandOverLine>& a, const std::vector<HandOverLine>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].codigo.trimmed() != b[i].codigo.trimmed() || a[i].quantidade != b[i].quantidade
            || a[i].valor != b[i].valor)
            return false;
    return true;
}

} // namespace

QString DeliveryInvoicing::saleNumberText(int cashShift, qint64 counter)
{
    return FormatFloat(u"#00", Decimal(cashShift)) + FormatFloat(u"#0000", Decimal(counter));
}

QString DeliveryInvoicing::saleLabel(int cashShift, qint64 counter)
{
    return S("Cx:") + FormatFloat(u"#00", Decimal(cashShift)) + S(" Num:") + FormatFloat(u"#00000", Decimal(counter));
}

Printout composeInvoiceReceipt(const InvoiceReceiptData& d)
{
    Printout p;
    p.fontSize = d.fontSize;
    QStringList& o = p.lines;
    const QString name = d.company.empresa.trimmed(), address = d.company.endereco.trimmed();
    const QString city = (d.company.cidade.trimmed() + S("  ") + d.company.estado).trimmed();
    const QString cnpj = S("CNPJ ") + d.company.cnpj;
    o << centred40(name, int(name.size())) << centred40(address, int(address.size()))
      << centred40(city, int(city.size())) << centred40(cnpj, int(cnpj.size()));
    const DeliveryCustomerData c = d.customer.value_or(DeliveryCustomerData{});
    o << S("Codigo :") + FormatFloat(u"0000", Decimal(c.codigo)) << S("Cliente:") + c.nome
      << S("Enderec:") + c.endereco << S("Bairro :") + c.bairro << S("Cidade :") + c.cidade + S(" - ") + c.estado
      << S("Fone   :") + c.fone;
    o << S("Term:") + FormatFloatLeftPadded(S("##0"), 3, Decimal(1)) + QLatin1Char(' ') + d.saleLabel;
    o << d.now.toString(S("dd/MM/yy")) + S(" - ") + d.now.toString(S("hh:mm:ss"));
    if (!d.message.trimmed().isEmpty())
        o << S("Observacao:") << d.message;
    o << kRule39 << S("Descricao") << S(" Qtdes         Valor           Total") << kRule39;
    LineTotal total;
    Decimal count;
    for (const HandOverLine& l : d.lines) {
        if (l.nome == deliverytext::desk::feeLine)
            continue;
        if (l.codigo.startsWith(S("DEV#")))
            o << S("*** Devolução de Mercadoria ***");
        o << (l.codigo.trimmed() + QLatin1Char(' ') + l.nome).left(38);
        o << FormatFloatLeftPadded(S("####0.0##"), 11, l.quantidade) + S("x ")
                 + FormatFloatLeftPadded(S("0.00#"), 11, l.valor) + S("= ")
                 + FormatFloatLeftPadded(S("##,##0.00"), 12, total.add(l.quantidade, l.valor));
        count += l.quantidade;
    }
    o << kDash39;
    o << PadRight(S("Total"), 26) + money12(total.value());
    o << S("Itens.:") + FormatFloat(u"###0", count);
    if (!d.discount.isZero())
        o << PadRight(S("DESCONTO"), 26) + money12(d.discount);
    if (!d.fee.isZero())
        o << PadRight(S("TAXA DE ENTREGA"), 26) + money12(d.fee);
    for (const auto& [caption, amount] : d.methods)
        o << PadRight(caption, 26) + money12(amount);
    if (d.change > Decimal())
        o << PadRight(S("TROCO"), 26) + money12(d.change);
    if (d.creditSale)
        o << QString() << QString() << QString(31, QLatin1Char('-')) << c.nome << QString();
    o << S("Op.: ") + d.operatorName << kDash39 << kDash39;
    return p;
}

Sale DeliveryInvoicing::saleOf(const DeliverySale& s)
{
    const bool desk = s.kind == DeliverySale::Kind::DeskInvoice;
    Sale sale;
    // What every delivery sale shares.
    sale.number = s.number;
    sale.date = s.when.date();
    sale.cashShift = s.cashShift;
    sale.customerCode = int(s.phone);
    sale.customerName = s.customerName;
    sale.changeName = s.customerName;
    sale.customerText = QString::number(s.phone);
    sale.payments = s.payments;
    sale.receivableDays = 0;
    sale.change = Decimal();   // taken off the first method already
    sale.saleType = 3;
    sale.saleCustomer = s.customerName;
    sale.saleValue = s.saleValue;
    sale.deliveryMan = s.deliveryMan;
    sale.deliveryManFee = s.listFee;
    sale.discount = s.discount;
    sale.loyalty = false;
    for (const HandOverLine& l : s.items)
        sale.items.push_back(SaleItem{0, l.codigo, l.nome, l.quantidade, l.valor, desk ? QString() : S("0")});
    sale.deliverySale = true;
    if (desk) {
        sale.numberText = s.numberText;
        sale.hora = s.when.toString(S("dd/MM/yy hh:mm:ss"));
        sale.terminal = 1;   // every row of a delivery invoice: station 1
        sale.waiter = 1;
        sale.dueDate = sale.date.addDays(30);
        sale.saleCustomerWidth = 30;
        sale.freight = s.freight;
        sale.deliveryFlag = s.delivery ? S("S") : S("N");
        sale.discountAsExpense = true;
        sale.receivableTitles = true;
        sale.explodeKits = false;   // a kit sold is one row of its own; a flavour that is a kit is exploded
        sale.namedStockRows = true;
    } else {
        sale.terminal = s.terminal;
        sale.waiter = s.deliveryMan;
        sale.paymentsWaiter = 0;
        sale.dueDate = sale.date;
        sale.tabNumber = s.number;
        sale.saleCustomerWidth = 24;
        sale.deliveryFee = s.listFee;
        sale.feeRowAlways = true;
    }
    return sale;
}

qint64 DeliveryInvoicing::drawCounter()
{
    const qint64 n = m_logon.GenId(S("TIPBAIXA"), 1);
    if (n == kCounterWrap + 1)
        m_logon.run(S("SET GENERATOR TIPBAIXA TO 0"));
    return n;
}

InvoiceResult DeliveryInvoicing::invoice(const InvoiceRequest& r)
{
    DeliveryPaymentPanel panel = r.panel;
    if (const std::optional<QString> refused = panel.check())
        throw DeliveryRefused(*refused);
    const std::optional<qint64> phoneNumber = readWhole(r.phone.trimmed());
    const qint64 phone = phoneNumber && *phoneNumber >= 0 && *phoneNumber <= 2147483647 ? *phoneNumber : 0;
    const int fontSize = SetComSettings::receiptFontSize();
    const QString operatorName = ctx::op().OperatorName;

    const qint64 counter = drawCounter();
    return m_logon.action([&] {
        InvoiceResult result;
        result.counter = counter;
        // The order leaves the desk first: a second station invoicing it waits here,
        // then finds it gone and writes nothing.
        if (m_logon.exec(S("delete from DELIVERE where ID = ?"), {r.orderId}) != 1)
            throw DeliveryRefused(deliverytext::panel::alreadyInvoiced);
        const std::vector<HandOverLine> items = storedItems(m_logon, r.orderId);
        if (!sameItems(items, r.lines))
            throw DeliveryRefused(deliverytext::panel::orderChanged);
        // The sale is charged the receipt's Total: the sum of its lines as printed.
        // The panel's payments were counted on its own sale value: when that is not
        // the same sum, they no longer pay this order.
        const Decimal itemsTotal = linesTotal(items, [](const HandOverLine& l) { return l.quantidade * l.valor; });
        if (itemsTotal != panel.saleValueAmount())
            throw DeliveryRefused(deliverytext::panel::orderChanged);

        // Everything but the sale's number, read and written before the cash shift's
        // counter row is held: the order's items leave, the receipt's names are read
        // and the stock-out's products are dated as of today.
        const QDateTime now = m_clock();
        DeliverySale ds;
        ds.when = now;
        ds.phone = phone;
        ds.customerName = r.customerName;
        // The change is paid out of the first method: the booked payments add up to
        // what the sale is charged, the items less the discount plus the fee.
        std::vector<Decimal> handedOver;
        for (int i = 0; i < int(panel.methods.size()); ++i)
            handedOver.push_back(panel.amount(i));
        const std::optional<std::vector<Decimal>> booked =
            delivery::bookedAmounts(panel.subtotalAmount() - panel.discountAmount(), handedOver);
        if (!booked)
            throw DeliveryRefused(deliverytext::panel::changeAboveCash);
        for (int i = 0; i < int(panel.methods.size()); ++i) {
            const Decimal amount = (*booked)[size_t(i)];
            if (!(amount > Decimal()))
                continue;
            const PanelMethod& m = panel.methods[size_t(i)];
            ds.payments.push_back(SalePayment{m.code, m.name, amount, m.settled(), false});
            result.creditSale = result.creditSale || !m.settled();
        }
        ds.saleValue = itemsTotal;
        ds.freight = panel.feeAmount();
        ds.listFee = panel.deliveryFee;
        ds.deliveryMan = panel.deliveryManCode.toInt();
        ds.discount = panel.discountAmount();
        ds.items = items;
        ds.delivery = r.delivery;

        const QString pedido = QString::number(r.orderId);
        m_logon.run(S("delete from ACOMPDELI where IDMESA in (select ID from DELIITEM where PEDIDO = ?)"), {pedido});
        m_logon.run(S("delete from DELIITEM where PEDIDO = ?"), {pedido});

        // The receipt, composed once the sale has its number and printed after the commit.
        InvoiceReceiptData d;
        d.company = CompanyStore(m_logon).load();
        d.customer = DeliveryCustomers(m_logon).read(phone);
        d.now = now;
        d.message = panel.message;
        d.lines = items;
        d.discount = panel.discountAmount();
        d.fee = panel.feeAmount();
        d.change = panel.balanceAmount();
        for (int i = 0; i < int(panel.methods.size()); ++i)
            if (!panel.amount(i).isZero())
                d.methods.push_back({panel.methods[size_t(i)].caption(), panel.amount(i)});
        d.creditSale = result.creditSale;
        d.operatorName = operatorName;
        d.fontSize = fontSize;

        SaleWriter writer(m_logon);
        writer.prepareStockOut(saleOf(ds));

        const cashshift::HeldShift shift =
            cashshift::holdOpenShift<DeliveryRefused>(m_logon, deliverytext::desk::cashClosed);
        const QString numberText = saleNumberText(shift.number, counter);
        result.numberText = numberText;
        result.saleNumber = numberText.toLongLong();
        result.cashShift = shift.number;
        ds.number = result.saleNumber;
        ds.numberText = numberText;
        ds.cashShift = shift.number;
        writer.write(saleOf(ds));

        d.saleLabel = saleLabel(shift.number, counter);
        result.receipt = composeInvoiceReceipt(d);
        return result;
    });
}

void DeliveryInvoicing::offerReceipt(const InvoiceResult& result)
{
    if (ShowMessageWindow(deliverytext::attention, deliverytext::panel::printQuestion, S("2")) != QLatin1String("S"))
        return;
    RouteDeliveryPrintout(result.receipt);
}
