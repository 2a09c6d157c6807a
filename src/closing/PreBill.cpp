#include "closing/PreBill.h"

#include "tabs/TabKey.h"
#include "closing/ClosingReceipt.h"
#include "closing/ClosingSettings.h"
#include "closing/PaymentEntry.h"
#include "closing/PaymentFirstStep.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
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

PreBillOutcome PreBill::run(PreBillFields f, const DeliveryDataAsk& askDeliveryData)
{
    PreBillOutcome out;
    const QString tab = tabs::readTabKey(f.tab, tabs::TabKeyRules::paymentWindow());
    const bool delivery = f.delivery.trimmed().toUpper() == QLatin1String("S");
    const ClosingSettings settings = ClosingSettings::load();
    const auto discount = readAmount(f.discount, AmountRules::percent().pointAsComma());
    const Decimal discountPercent = discount && !discount->isNegative() && *discount <= Decimal(100) ? *discount : Decimal();
    const auto typedPersons = parseWholeText(f.persons);
    const int persons = typedPersons && *typedPersons > 0 && *typedPersons <= 9999 ? *typedPersons : 1;
    const QString cover = onlySIsYes(f.cover), service = onlySIsYes(f.service);
    const QString ingredients = onlySIsYes(f.ingredients);
    try {
        LineFile::save(station::pathForWriting(QString::fromLatin1(kIngredients)), {ingredients});
    } catch (const std::exception&) {
        // only a remembered switch; the pre-bill goes on
    }

    if (!tabs::storableTabKey(tab)) {
        out.kind = PreBillOutcome::Kind::NotFound;
        out.messages << prebillmsg::tableNotFound();
        return out;
    }
    // The checks and what the tab stores (storing), then the printout from the tab
    // as it stands (composing). A delivery tab asks for its delivery data between
    // the two, outside any action: the window that asks them writes the tab too.
    const auto body = [&](bool storing, bool composing, Decimal* itemsValue) -> PreBillOutcome {
        PreBillOutcome o;
        RowSet head = m_logon.run(S("select first 1 STATUS, VENDEDOR, HORA, DELIVERY, VALOR, PAGAMENTOANTI, OBS, "
                                    "CLIENTE, VALORDELIVERY, PAGADELIVARY from CABMESA where MESA = ? with lock"),
                                  {tab});
        if (!head.next()) {
            o.kind = PreBillOutcome::Kind::NotFound;
            o.messages << (tab == QLatin1String("0") ? prebillmsg::noTab() : prebillmsg::tableNotFound());
            return o;
        }
        const qint64 status = head.integer(u"STATUS");
        const ReceiptCompany company = CompanyStore(m_logon).receiptCompany();
        const int salesOptions = company.salesOptions, itemOptions = company.itemOptions;
        const QDateTime now = m_clock();
        if (storing) {
            if (!delivery && !(salesOptions & 2) && status == 1) {
                o.kind = PreBillOutcome::Kind::AlreadyPreBilled;
                o.messages << prebillmsg::alreadyPreBilled();
                return o;
            }
            if (!delivery && !(salesOptions & 2) && status != 0 && status != 1) {
                o.kind = PreBillOutcome::Kind::ClosedReopenFirst;
                o.messages << prebillmsg::reopenFirst();
                o.closeWindow = false;
                return o;
            }
            const QString obs = (QString::number(persons) + QLatin1Char(' ') + tab + head.text(u"OBS")).left(20);
            m_logon.run(delivery ? S("update CABMESA set CLIMESA = ?, TAXA = ?, COUVER = ?, FECHADO = ?, OBS = ?, "
                                     "STATUS = 1, DELIVERY = 0.01 where MESA = ?")
                                 : S("update CABMESA set CLIMESA = ?, TAXA = ?, COUVER = ?, FECHADO = ?, OBS = ?, "
                                     "STATUS = 1 where MESA = ?"),
                        {persons, service, cover, now.time(), obs, tab});
        }

        // Items.
        std::vector<SaleItem> items;
        bool remote = false;
        RowSet rows = m_logon.run(S("select ID, CODIGO, NOMEP, QUANT, VALOR, VEND, COZINHA from MESA where MESA = ? "
                                    "order by ID"), {tab});
        int firstWaiter = 0;
        while (rows.next()) {
            items.push_back({rows.integer(u"ID"), rows.text(u"CODIGO"), rows.text(u"NOMEP"), rows.decimal(u"QUANT"),
                             rows.decimal(u"VALOR"), rows.text(u"VEND")});
            const QString k = rows.text(u"COZINHA");
            remote = remote || k == QLatin1String("8") || k == QLatin1String("9");
            if (!firstWaiter)
                firstWaiter = int(rows.integer(u"VEND"));
        }
        if (itemsValue) {
            *itemsValue = Decimal();
            for (const SaleItem& i : items)
                *itemsValue += i.quantity * i.price;
        }
        if (!composing)
            return o;
        if (remote)
            o.messages << prebillmsg::remoteOrders();
        if (!settings.printPreBill)
            return o;

        Printout p;
        p.fontSize = settings.fontSize;
        QStringList& l = p.lines;
        l << S("      PRE – FECHAMENTO DA CONTA") << receipt::welcome(company);
        l << company.title + S(".:") + tab;
        if (delivery) {
            l << S("Entrega.:") + f.deliveryMan << S("Controle N.:") + f.controlNumber
              << S("Data/Hora da Entrega.:") + now.toString(S("dd/MM/yy")) + QLatin1Char(' ')
                    + head.value(u"HORA").toTime().toString(S("hh:mm:ss"));
            RowSet c = m_logon.run(S("select first 1 NOME, ENDERECO, CENDERECO, CIDADE, ESTADO, FAX, REF from CLIENTES "
                                     "where CODIGO = ?"), {int(head.integer(u"CLIENTE"))});
            c.next();
            l << S("Cliente.:") + (c.size() ? c.text(u"NOME") : QString())
              << S(":") + (c.size() ? c.text(u"ENDERECO") : QString())
              << S(":") + (c.size() ? c.text(u"CENDERECO") : QString())
              << S(":") + (c.size() ? c.text(u"CIDADE") + S(" - ") + c.text(u"ESTADO") : S(" - "))
              << S(":") + (c.size() ? c.text(u"FAX") : QString())
              << S("Referenc:") + (c.size() ? c.text(u"REF") : QString()) << S("Observacao:");
            for (const QString& n : f.deliveryNotes.mid(0, 5))
                if (!TrimText(n).isEmpty())
                    l << n;
        } else {
            const int waiter = int(head.integer(u"VENDEDOR")) ? int(head.integer(u"VENDEDOR")) : firstWaiter;
            l << S("Garcom....:")
                    + m_logon.scalar(S("select first 1 NOME from VENDEDOR where CODIGO = ?"), {waiter}).toString();
            l << S("Abertura  :") + head.value(u"HORA").toTime().toString(S("hh:mm:ss"));
            l << S("Fechamento:") + now.toString(S("dd/MM/yy")) + S("   ") + now.toString(S("hh:mm:ss"));
        }
        l << kEquals << receipt::columnHeader(salesOptions, itemOptions) << kEquals;
        // The pre-bill prints each item's own description.
        std::map<QString, QString> names;
        for (const SaleItem& i : items)
            names.emplace(i.code.trimmed(), i.description);
        Decimal total;
        QStringList itemLines = receipt::itemLines(items, names, salesOptions, itemOptions, !delivery, &total);
        if (delivery) {
            // Each item followed by its complements.
            itemLines.clear();
            for (const SaleItem& i : items) {
                itemLines << receipt::itemLines({i}, names, salesOptions, itemOptions, false, nullptr);
                RowSet extras = m_logon.run(S("select QUANT, PRODUTO from ACOMPMESA where CODIGO = ? order by ID"),
                                            {QString::number(i.id)});
                while (extras.next())
                    itemLines << S("  ") + FormatFloat(u"0", extras.decimal(u"QUANT")) + S("x ")
                                     + extras.text(u"PRODUTO").left(20).toUpper();
            }
        }
        l << itemLines;
        l << kEquals << FormatItemLine(S("Total"), two(total));

        // A delivery tab holds the fee its delivery data gave, or still the flag 0.01.
        const Decimal deliveryColumn = head.decimal(u"DELIVERY");
        const Decimal customerPays = head.decimal(u"VALORDELIVERY");
        if (!customerPays.isZero()) {
            // A delivery customer who said what he pays with.
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
        } else {
            if (discountPercent > Decimal()) {
                const Decimal off = (total * discountPercent / Decimal(100)).roundTo(2);
                l << FormatItemLine(S("Desconto ") + FormatFloat(u"0.##", discountPercent) + S("%"), two(off));
                total -= off;
            }
            if (settings.minimumConsumption > Decimal() && settings.minimumConsumption > total) {
                l << FormatItemLine(S("Consumacao"), two(settings.minimumConsumption - total));
                total = settings.minimumConsumption;
                l << FormatItemLine(S("Total"), two(total));
            }
            bool extra = false;
            if (deliveryColumn > Decimal::fromCents(1) && two(deliveryColumn) != QLatin1String("0,01")) {
                l << FormatItemLine(S("Tx de Entrega"), two(deliveryColumn));
                total += deliveryColumn;
                extra = true;
            } else {
                if (service != QLatin1String("N")) {
                    const Decimal s = (total * settings.servicePercent / Decimal(100)).roundTo(2);
                    l << FormatItemLine(settings.serviceCaption, two(s));
                    total += s;
                    extra = true;
                }
                if (cover != QLatin1String("N")) {
                    const Decimal c = (settings.coverPerPerson * Decimal(persons)).roundTo(2);
                    l << FormatItemLine(settings.coverCaption, two(c));
                    total += c;
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
                l << S("Desp p/Pessoas [") + QString::number(persons) + S("] ")
                         + two(((total - advance) / Decimal(persons)).roundTo(2));
        }
        l << kDashes;
        for (const QString& m : settings.messageLines)
            if (!TrimText(m).isEmpty())
                l << m;
        l << kDashes;
        for (int i = 0; i < 8; ++i)
            l << QString();
        o.printout = p;
        return o;
    };
    if (!delivery)
        return m_logon.action([&] { return body(true, true, nullptr); });
    Decimal itemsValue;
    const PreBillOutcome stored = m_logon.action([&] { return body(true, false, &itemsValue); });
    if (stored.kind != PreBillOutcome::Kind::Printed)
        return stored;
    if (askDeliveryData)
        askDeliveryData(f, tab, itemsValue);
    return m_logon.action([&] { return body(false, true, nullptr); });
}

void PreBill::print(const Printout& printout)
{
    RoutePrintout(printout, PrinterSlot::Conference);
}
