#include "closing/PreBill.h"
#include "core/WholeNumber.h"

#include "tabs/TabKey.h"
#include "closing/ClosingReceipt.h"
#include "closing/ClosingSettings.h"
#include "closing/PaymentEntry.h"
#include "closing/PaymentFirstStep.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kDashes = QStringLiteral("-------------------------------------");
const QString kEquals = QStringLiteral("=====================================");
constexpr const char* kIngredients = "c:\\Miltrex\\vavoz\\ingred.INI";

QString two(const Decimal& d) { return FormatFloat(u"0.00", d); }

// The pre-bill's switches: "S" (blanks around it aside) is yes, anything else
// (emptied, "X", "0") is "N", so nothing is charged that was not asked for.
QString onlySIsYes(const QString& typed) { return typed.trimmed() == QLatin1String("S") ? S("S") : S("N"); }

} // namespace

PreBillFields PreBill::defaults(const QString& typedTab)
{
    PreBillFields f;
    f.tab = typedTab;
    const ClosingSettings settings = ClosingSettings::load();
    f.cover = settings.coverPerPerson.roundTo(2).isZero() ? S("N") : S("S");
    f.service = settings.servicePercent.roundTo(2).isZero() ? S("N") : S("S");
    const QString tab = tabs::readTabKey(typedTab, tabs::TabKeyRules::paymentWindow());
    if (tabs::isDeliveryTab(tab))
        f.cover = f.service = S("N");
    RowSet rs;
    if (tabs::storableTabKey(tab))
        rs = m_logon.run(S("select first 1 CLIMESA, EDELIVERY from CABMESA where MESA = ?"), {tab});
    if (rs.next()) {
        const qint64 persons = rs.integer(u"CLIMESA");
        f.persons = QString::number(persons > 0 ? persons : 1);
        f.delivery = rs.text(u"EDELIVERY") == QLatin1String("S") ? S("S") : S("N");
    }
    f.ingredients = station::exists(QString::fromLatin1(kIngredients))
        ? settingsLine(kIngredients, 0).trimmed() : S("N");
    return f;
}

namespace {

// What the window's fields come to, read once before the actions.
struct Choices {
    QString tab;
    bool delivery = false;
    ClosingSettings settings;
    Decimal discountPercent;
    int persons = 1;
    QString cover, service;
};

Choices choicesOf(const PreBillFields& f)
{
    Choices c;
    c.tab = tabs::readTabKey(f.tab, tabs::TabKeyRules::paymentWindow());
    c.delivery = f.delivery.trimmed().toUpper() == QLatin1String("S");
    c.settings = ClosingSettings::load();
    const auto discount = readAmount(f.discount, AmountRules::percent().pointAsComma());
    c.discountPercent = discount && !discount->isNegative() && *discount <= Decimal(100) ? *discount : Decimal();
    const auto typedPersons = readInt(f.persons);
    c.persons = typedPersons && *typedPersons > 0 && *typedPersons <= 9999 ? *typedPersons : 1;
    c.cover = onlySIsYes(f.cover);
    c.service = onlySIsYes(f.service);
    return c;
}

// The ingredients switch is remembered for the next pre-bill.
void rememberIngredients(const PreBillFields& f)
{
    const QString ingredients = onlySIsYes(f.ingredients);
    try {
        LineFile::save(station::pathForWriting(QString::fromLatin1(kIngredients)), {ingredients});
    } catch (const std::exception&) {
        // only a remembered switch; the pre-bill goes on
    }
}

// The tab's items, and what the pre-bill needs of them.
struct TabItems {
    std::vector<SaleItem> items;
    bool remote = false;   // a kitchen 8 or 9 order (palms, remote stations)
    int firstWaiter = 0;
    // The items' amounts as printed (each to the cent), added.
    Decimal value() const
    {
        return linesTotal(items, [](const SaleItem& i) { return i.quantity * i.price; });
    }
};

// One pass over the held tab: the checks and what the tab stores (storing), then
// the printout from the tab as it stands (composing). A delivery tab asks for its
// delivery data between two passes, outside any action: the window that asks them
// writes the tab too.
class Pass {
public:
    Pass(TLogon& logon, const std::function<QDateTime()>& clock, const PreBillFields& fields, const Choices& c)
        : m_logon(logon), m_clock(clock), f(fields), c(c)
    {
    }

    PreBillOutcome run(bool storing, bool composing, Decimal* itemsValue)
    {
        PreBillOutcome o;
        RowSet head = m_logon.run(S("select first 1 STATUS, VENDEDOR, HORA, DELIVERY, VALOR, PAGAMENTOANTI, OBS, "
                                    "CLIENTE, VALORDELIVERY, PAGADELIVARY from CABMESA where MESA = ? with lock"),
                                  {c.tab});
        if (!head.next()) {
            o.kind = PreBillOutcome::Kind::NotFound;
            o.messages << (c.tab == QLatin1String("0") ? prebillmsg::noTab() : prebillmsg::tableNotFound());
            return o;
        }
        const ReceiptCompany company = CompanyStore(m_logon).receiptCompany();
        const QDateTime now = m_clock();
        if (storing && !store(o, head, company.salesOptions, now))
            return o;
        const TabItems items = readItems();
        if (itemsValue)
            *itemsValue = items.value();
        if (!composing)
            return o;
        if (items.remote)
            o.messages << prebillmsg::remoteOrders();
        if (!c.settings.printPreBill)
            return o;
        o.printout = compose(head, company, now, items);
        return o;
    }

private:
    // Refuses a tab already pre-billed or closed (unless SalesOptions 2 allows it);
    // else stores the persons, the switches, the time and the pre-billed status.
    bool store(PreBillOutcome& o, const RowSet& head, int salesOptions, const QDateTime& now)
    {
        const qint64 status = head.integer(u"STATUS");
        if (!c.delivery && !(salesOptions & 2) && status == 1) {
            o.kind = PreBillOutcome::Kind::AlreadyPreBilled;
            o.messages << prebillmsg::alreadyPreBilled();
            return false;
        }
        if (!c.delivery && !(salesOptions & 2) && status != 0 && status != 1) {
            o.kind = PreBillOutcome::Kind::ClosedReopenFirst;
            o.messages << prebillmsg::reopenFirst();
            o.closeWindow = false;
            return false;
        }
        const QString obs = (QString::number(c.persons) + QLatin1Char(' ') + c.tab + head.text(u"OBS")).left(20);
        m_logon.run(c.delivery ? S("update CABMESA set CLIMESA = ?, TAXA = ?, COUVER = ?, FECHADO = ?, OBS = ?, "
                                   "STATUS = 1, DELIVERY = 0.01 where MESA = ?")
                               : S("update CABMESA set CLIMESA = ?, TAXA = ?, COUVER = ?, FECHADO = ?, OBS = ?, "
                                   "STATUS = 1 where MESA = ?"),
                    {c.persons, c.service, c.cover, now.time(), obs, c.tab});
        return true;
    }

    TabItems readItems()
    {
        TabItems t;
        RowSet rows = m_logon.run(S("select ID, CODIGO, NOMEP, QUANT, VALOR, VEND, COZINHA from MESA where MESA = ? "
                                    "order by ID"), {c.tab});
        while (rows.next()) {
            t.items.push_back({rows.integer(u"ID"), rows.text(u"CODIGO"), rows.text(u"NOMEP"), rows.decimal(u"QUANT"),
                               rows.decimal(u"VALOR"), rows.text(u"VEND")});
            const QString k = rows.text(u"COZINHA");
            t.remote = t.remote || k == QLatin1String("8") || k == QLatin1String("9");
            if (!t.firstWaiter)
                t.firstWaiter = int(rows.integer(u"VEND"));
        }
        return t;
    }

    Printout compose(const RowSet& head, const ReceiptCompany& company, const QDateTime& now, const TabItems& items)
    {
        Printout p;
        p.fontSize = c.settings.fontSize;
        QStringList& l = p.lines;
        l << S("      PRE – FECHAMENTO DA CONTA") << receipt::welcome(company);
        l << company.title + S(".:") + c.tab;
        if (c.delivery)
            l << deliveryHead(head, now);
        else
            l << tableHead(head, now, items.firstWaiter);
        l << kEquals << receipt::columnHeader(company.salesOptions, company.itemOptions) << kEquals;
        Decimal total;
        l << itemLines(items.items, company, &total);
        l << kEquals << FormatItemLine(S("Total"), two(total));
        if (!head.decimal(u"VALORDELIVERY").isZero())
            l << paidWithLines(head, total);
        else
            l << tableTotalLines(head, company.salesOptions, total);
        l << kDashes;
        for (const QString& m : c.settings.messageLines)
            if (!TrimText(m).isEmpty())
                l << m;
        l << kDashes;
        for (int i = 0; i < 8; ++i)
            l << QString();
        return p;
    }

    // The delivery: who takes it, its control number and time, the customer and the notes.
    QStringList deliveryHead(const RowSet& head, const QDateTime& now)
    {
        QStringList l;
        l << S("Entrega.:") + f.deliveryMan << S("Controle N.:") + f.controlNumber
          << S("Data/Hora da Entrega.:") + now.toString(S("dd/MM/yy")) + QLatin1Char(' ')
                + head.value(u"HORA").toTime().toString(S("hh:mm:ss"));
        RowSet cu = m_logon.run(S("select first 1 NOME, ENDERECO, CENDERECO, CIDADE, ESTADO, FAX, REF from CLIENTES "
                                  "where CODIGO = ?"), {int(head.integer(u"CLIENTE"))});
        cu.next();
        l << S("Cliente.:") + (cu.size() ? cu.text(u"NOME") : QString())
          << S(":") + (cu.size() ? cu.text(u"ENDERECO") : QString())
          << S(":") + (cu.size() ? cu.text(u"CENDERECO") : QString())
          << S(":") + (cu.size() ? cu.text(u"CIDADE") + S(" - ") + cu.text(u"ESTADO") : S(" - "))
          << S(":") + (cu.size() ? cu.text(u"FAX") : QString())
          << S("Referenc:") + (cu.size() ? cu.text(u"REF") : QString()) << S("Observacao:");
        for (const QString& n : f.deliveryNotes.mid(0, 5))
            if (!TrimText(n).isEmpty())
                l << n;
        return l;
    }

    // A table: its waiter (the tab's, else the first item's), when it opened and now.
    QStringList tableHead(const RowSet& head, const QDateTime& now, int firstWaiter)
    {
        QStringList l;
        const int waiter = int(head.integer(u"VENDEDOR")) ? int(head.integer(u"VENDEDOR")) : firstWaiter;
        l << S("Garcom....:")
                + m_logon.scalar(S("select first 1 NOME from VENDEDOR where CODIGO = ?"), {waiter}).toString();
        l << S("Abertura  :") + head.value(u"HORA").toTime().toString(S("hh:mm:ss"));
        l << S("Fechamento:") + now.toString(S("dd/MM/yy")) + S("   ") + now.toString(S("hh:mm:ss"));
        return l;
    }

    // Each item by its own description (merged on a table); on a delivery each
    // followed by its complements. Adds the items to `total`.
    QStringList itemLines(const std::vector<SaleItem>& items, const ReceiptCompany& company, Decimal* total)
    {
        std::map<QString, QString> names;
        for (const SaleItem& i : items)
            names.emplace(i.code.trimmed(), i.description);
        QStringList lines =
            receipt::itemLines(items, names, company.salesOptions, company.itemOptions, !c.delivery, total);
        if (c.delivery) {
            lines.clear();
            for (const SaleItem& i : items) {
                lines << receipt::itemLines({i}, names, company.salesOptions, company.itemOptions, false, nullptr);
                RowSet extras = m_logon.run(S("select QUANT, PRODUTO from ACOMPMESA where CODIGO = ? order by ID"),
                                            {QString::number(i.id)});
                while (extras.next())
                    lines << S("  ") + FormatFloat(u"0", extras.decimal(u"QUANT")) + S("x ")
                                 + extras.text(u"PRODUTO").left(20).toUpper();
            }
        }
        return lines;
    }

    // A delivery customer who said what he pays with: the fee its delivery data gave
    // (the tab holds it, or still the flag 0.01), what he pays with and his change.
    QStringList paidWithLines(const RowSet& head, Decimal total)
    {
        QStringList l;
        const Decimal deliveryColumn = head.decimal(u"DELIVERY");
        const Decimal customerPays = head.decimal(u"VALORDELIVERY");
        if (two(deliveryColumn) != QLatin1String("0,01")) {
            l << FormatItemLine(S("Tx de Entrega"), two(deliveryColumn));
            total += deliveryColumn;
        }
        l << FormatItemLine(S("Sub-Total"), two(total))
          << FormatItemLine(head.text(u"PAGADELIVARY"), two(customerPays))
          << FormatItemLine(S("Troco"), two(customerPays - total));
        for (const QString& n : f.deliveryNotes.mid(0, 3))
            if (!TrimText(n).isEmpty())
                l << n;
        return l;
    }

    // The discount, the minimum consumption, the delivery fee or the service and
    // cover charges, the advance paid, what is due and its share per person.
    QStringList tableTotalLines(const RowSet& head, int salesOptions, Decimal total)
    {
        QStringList l;
        const Decimal deliveryColumn = head.decimal(u"DELIVERY");
        if (c.discountPercent > Decimal()) {
            const Decimal off = (total * c.discountPercent / Decimal(100)).roundTo(2);
            l << FormatItemLine(S("Desconto ") + FormatFloat(u"0.##", c.discountPercent) + S("%"), two(off));
            total -= off;
        }
        if (c.settings.minimumConsumption > Decimal() && c.settings.minimumConsumption > total) {
            l << FormatItemLine(S("Consumacao"), two(c.settings.minimumConsumption - total));
            total = c.settings.minimumConsumption;
            l << FormatItemLine(S("Total"), two(total));
        }
        bool extra = false;
        if (deliveryColumn > Decimal::fromCents(1) && two(deliveryColumn) != QLatin1String("0,01")) {
            l << FormatItemLine(S("Tx de Entrega"), two(deliveryColumn));
            total += deliveryColumn;
            extra = true;
        } else {
            if (c.service != QLatin1String("N")) {
                const Decimal s = (total * c.settings.servicePercent / Decimal(100)).roundTo(2);
                l << FormatItemLine(c.settings.serviceCaption, two(s));
                total += s;
                extra = true;
            }
            if (c.cover != QLatin1String("N")) {
                const Decimal cv = (c.settings.coverPerPerson * Decimal(c.persons)).roundTo(2);
                l << FormatItemLine(c.settings.coverCaption, two(cv));
                total += cv;
                extra = true;
            }
        }
        if (extra)
            l << FormatItemLine(S(" "), S("-------------")) << FormatItemLine(S("Total"), two(total));
        l << QString() << QString();
        const Decimal advance = head.decimal(u"VALOR");
        if (advance > Decimal())
            l << FormatItemLine(head.text(u"PAGAMENTOANTI"), two(advance));
        l << FormatItemLine(S("A Receber"), two(total - advance));
        if (!(salesOptions & 4096))
            l << S("Desp p/Pessoas [") + QString::number(c.persons) + S("] ")
                     + two(((total - advance) / Decimal(c.persons)).roundTo(2));
        return l;
    }

    TLogon& m_logon;
    const std::function<QDateTime()>& m_clock;
    const PreBillFields& f;
    const Choices& c;
};

} // namespace

PreBillOutcome PreBill::run(PreBillFields f, const DeliveryDataAsk& askDeliveryData)
{
    const Choices c = choicesOf(f);
    rememberIngredients(f);
    if (!tabs::storableTabKey(c.tab)) {
        PreBillOutcome out;
        out.kind = PreBillOutcome::Kind::NotFound;
        out.messages << prebillmsg::tableNotFound();
        return out;
    }
    Pass pass(m_logon, m_clock, f, c);
    if (!c.delivery)
        return m_logon.action([&] { return pass.run(true, true, nullptr); });
    Decimal itemsValue;
    const PreBillOutcome stored = m_logon.action([&] { return pass.run(true, false, &itemsValue); });
    if (stored.kind != PreBillOutcome::Kind::Printed)
        return stored;
    if (askDeliveryData)
        askDeliveryData(f, c.tab, itemsValue);
    return m_logon.action([&] { return pass.run(false, true, nullptr); });
}

void PreBill::print(const Printout& printout)
{
    RoutePrintout(printout, PrinterSlot::Conference);
}
