#include "closing/ClosingReceipt.h"

#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "platform/Printout.h"

#include <algorithm>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kDashes = QStringLiteral("-------------------------------------");
const QString kEquals = QStringLiteral("=====================================");

bool bit(int mask, int b) { return (mask & b) != 0; }

QString amount(const Decimal& d, const char* mask = "######0.00", int width = 12)
{
    return FormatFloatLeftPadded(QString::fromLatin1(mask), width, d);
}

} // namespace

QString receipt::centred(const QString& text)
{
    const int len = int(TrimText(text).size());
    const int half = (len + 1) / 2;
    const int blanks = 18 - half;
    return (blanks > 0 ? QString(blanks, QLatin1Char(' ')) : QString()) + text;
}

QString receipt::columnHeader(int salesOptions, int itemOptions)
{
    const bool codes = bit(salesOptions, 256);
    if (bit(itemOptions, 512))
        return codes ? S("COD   DESCRICAO          QTD   TOTAL") : S("DESCRICAO                QTD   TOTAL");
    return codes ? S("COD   DESCRICAO    QTD  VALOR  TOTAL") : S("DESCRICAO          QTD  VALOR  TOTAL");
}

QStringList receipt::itemLines(const std::vector<SaleItem>& items, const std::map<QString, QString>& names,
                               int salesOptions, int itemOptions, bool mergeAllowed, Decimal* total)
{
    // A merged line's amount is the sum of its items' amounts, each to the cent: the
    // receipt's total is what the items are charged, merged or not.
    struct Line { QString key; SaleItem item; Decimal amount; };
    std::vector<Line> lines;
    for (const SaleItem& i : items) {
        const bool merge = mergeAllowed && i.quantity.isWhole() && bit(salesOptions, 2048);
        const QString key = (merge ? QStringLiteral("S") : QStringLiteral("N")) + i.code.trimmed()
            + QLatin1Char(' ') + i.description.trimmed() + QLatin1Char(' ') + FormatFloat(u"0.00", i.price);
        auto found = std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.key == key; });
        if (merge && found != lines.end()) {
            found->item.quantity += i.quantity;
            found->amount += lineAmount(i.quantity, i.price);
        } else {
            lines.push_back({key, i, lineAmount(i.quantity, i.price)});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.item.id < b.item.id; });
    QStringList out;
    LineTotal sum;
    for (const Line& l : lines) {
        const SaleItem& i = l.item;
        const QString code = i.code.trimmed();
        QString description;
        if (code.startsWith(QLatin1Char('/'))) {
            out << i.description.left(37);
            if (i.description.size() > 37)
                out << i.description.mid(37, 37);
            if (i.description.size() > 74)
                out << i.description.mid(74, 37);
        } else if (code.startsWith(QLatin1Char('*'))) {
            description = code + QLatin1Char(' ') + i.description;
        } else {
            auto n = names.find(code);
            const QString name = n == names.end() ? QString() : n->second;
            description = bit(salesOptions, 256) ? code + QLatin1Char(' ') + name : name;
        }
        const QString q = FormatFloat(u"0.###", i.quantity);
        const QString p = amount(i.price, "####0.00", 8);
        const QString t = amount(sum.add(l.amount), "####0.00", 9);
        out << (bit(itemOptions, 512) ? FormatQuantityItemLine2(description, q, p, t)
                                      : FormatQuantityItemLine(description, q, p, t));
    }
    if (total)
        *total = sum.value();
    return out;
}

QStringList receipt::welcome(const ReceiptCompany& c)
{
    QStringList l;
    l << S("           Seja Bem Vindo") << receipt::centred(c.companyName);
    if (bit(c.salesOptions, 512)) {
        l << receipt::centred(c.companyAddress) << receipt::centred(c.companyCity + QLatin1Char(' ') + c.companyState);
        if (bit(c.salesOptions, 128))
            l << receipt::centred(TrimText(S("CNPJ: ") + c.cnpj));
    }
    l << receipt::centred(TrimText(S("Telefone : ") + c.phone)) << kDashes;
    return l;
}

Printout composeClosingReceipt(const ClosingReceiptData& d)
{
    Printout pr;
    pr.fontSize = d.fontSize;
    QStringList& l = pr.lines;
    l << S("        FECHAMENTO DA CONTA") << S("******* Documento nao fiscal ********") << receipt::welcome(d);
    l << d.title + S(".:") + d.tab + S(" Cupom:") + QStringLiteral("%1").arg(d.saleNumber, 6, 10, QLatin1Char('0'));
    for (const QString& t : d.joinedTabs)
        l << S("Com/Mesa..:") + t;
    if (!d.davTab)
        l << S("Garcom....:") + d.waiterName;
    if (!d.queueNumber.isEmpty())
        l << S("Senha.....:") + d.queueNumber;
    l << S("Cliente...:") + d.customerName;
    if (d.deliveryColumn.isZero())
        l << S("Abertura..:") + d.openedAt;
    l << d.now.toString(QStringLiteral("dd/MM/yy")) + S("  -  ") + d.now.toString(QStringLiteral("hh:mm:ss"));
    bool ok = false;
    const qlonglong tabNumber = d.tab.trimmed().toLongLong(&ok);
    if (ok && tabNumber > 1000000)
        l << S("                       D E L I V E R Y");
    if (!d.cpf.trimmed().isEmpty())
        l << S("CPF.:") + d.cpf;
    l << kEquals << receipt::columnHeader(d.salesOptions, d.itemOptions) << kEquals;
    Decimal itemsTotal;
    l << receipt::itemLines(d.items, d.productNames, d.salesOptions, d.itemOptions, true, &itemsTotal);
    l << kEquals << FormatItemLine(S("Total"), amount(itemsTotal, "####0.00", 9));

    // Totals.
    Decimal running = itemsTotal;
    if (d.minimumConsumption > Decimal() && d.minimumConsumption > itemsTotal) {
        l << FormatItemLine(S("Consumacao"), amount(d.minimumConsumption - itemsTotal, "#0.00"));
        running = d.minimumConsumption;
        l << FormatItemLine(S("Total"), amount(d.minimumConsumption, "#0.00"));
    }
    bool extra = false;
    if (d.bill.deliveryFee > Decimal()) {
        l << FormatItemLine(S("Tx de Entrega"), amount(d.bill.deliveryFee));
        running += d.bill.deliveryFee;
        extra = true;
    }
    if (!d.bill.serviceValue.isZero()) {
        l << FormatItemLine(d.serviceCaption, amount(d.bill.serviceValue));
        running += d.bill.serviceValue;
        extra = true;
    }
    if (!d.bill.coverTotal.isZero()) {
        l << FormatItemLine(d.coverCaption, amount(d.bill.coverTotal));
        running += d.bill.coverTotal;
        extra = true;
    }
    if (!d.bill.discount.isZero()) {
        l << FormatItemLine(S("Descontos"), amount(d.bill.discount));
        running -= d.bill.discount;
        extra = true;
    }
    if (extra)
        l << FormatItemLine(S(" "), S("------------")) << FormatItemLine(S("Total"), amount(running));
    if (d.bill.advance > Decimal())
        l << FormatItemLine(d.advanceCaption, amount(d.bill.advance));
    const Decimal share = ((running - d.bill.advance) / Decimal(std::max(1, d.bill.persons))).roundTo(2);

    // Payments.
    Decimal paid;
    for (const SalePayment& p : d.payments)
        paid += p.amount;
    l << FormatItemLine(S("Valor Pago"), amount(paid));
    for (const SalePayment& p : d.payments)
        if (p.amount > Decimal())
            l << FormatItemLine(p.name, amount(p.amount));
    l << FormatItemLine(d.bill.balanceCaption(), amount(d.bill.changeOrMissing));

    l << QString();
    if (!bit(d.salesOptions, 4096))
        l << FormatItemLine(S("Desp p/Pessoas [") + QString::number(d.bill.persons) + S("]"), amount(share));
    l << QString() << kDashes;
    if (d.hasMessageFile) {
        for (const QString& m : d.messageLines)
            if (!TrimText(m).isEmpty())
                l << m;
        l << kDashes;
    }
    feedPaper(l, d.feedLines);
    return pr;
}
