#include "cashoffice/BillingByPeriod.h"
#include "core/WholeNumber.h"

#include "registers/ReportChoices.h"
#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ShiftFields.h"
#include "printing/RoutePrintout.h"

#include <QHash>
#include <map>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
const QString kMethodRule = S("                    ------------------");
const QString kGap = S("             ");
} // namespace

QStringList BillingByPeriod::methodItems()
{
    QStringList items{allMethods()};
    items << choices::items(choices::coded(m_logon, S("select cd, nome from FormaPaga order by cd")),
                            choices::paymentMethods);
    return items;
}

Printout BillingByPeriod::compose(const QString& firstText, const QString& lastText, const QString& methodItem)
{
    const std::optional<int> first = readInt(firstText);
    const std::optional<int> last = readInt(lastText);
    if (!first || !last)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    const QString method = methodItem.left(2);
    const bool oneMethod = method != QLatin1String("00");

    const QString select = S("SELECT caixa, emissao, SUBSTRING(duplicata FROM 1 FOR 2) AS filtro, "
                             "sum(valor) as Recebido FROM recarq where ");
    const QString group = S("(caixa between ? and ?) GROUP BY caixa, emissao, SUBSTRING(duplicata FROM 1 FOR 2) "
                            "order by 3, 1, 2");
    const RowSet rows = oneMethod
        ? m_logon.run(select + S("(SUBSTRING(duplicata FROM 1 FOR 2) = ?) and ") + group, {method, *first, *last})
        : m_logon.run(select + group, {*first, *last});

    QHash<qint64, QString> dates;
    RowSet rs = m_logon.run(S("select caixa, data from contdata where caixa between ? and ? order by id"),
                            {*first, *last});
    while (rs.next())
        if (!dates.contains(rs.integer(u"CAIXA")))
            dates.insert(rs.integer(u"CAIXA"), rs.date(u"DATA").toString(S("dd/MM/yy")));
    std::map<int, QString> names;
    rs = m_logon.run(S("select cd, nome from FormaPaga order by id"));
    while (rs.next())
        names.try_emplace(int(rs.integer(u"CD")), rs.text(u"NOME"));

    const ctx::Company& c = ctx::company();
    Printout p = roll::newPrintout();
    QStringList& t = p.lines;
    t << S("FATURAMENTO POR PERIODO") << c.CompanyName << c.CompanyAddress
      << c.CompanyCity + S("  -  ") + c.CompanyState
      << S("Caixas de :") + firstText.trimmed() + S(" a ") + lastText.trimmed();

    Decimal methodTotal, grandTotal;
    QString current, label;
    bool started = false;
    auto closeMethod = [&] {
        t << kMethodRule << PadRight(S("Total ") + label, 21) + S("  ") + FormatFloatLeftPadded(S("0.00"), 12, methodTotal);
    };
    for (int i = 0; i < rows.size(); ++i) {
        const QString filtro = textOf(rows.value(i, u"FILTRO"));
        const qint64 caixa = integerOf(rows.value(i, u"CAIXA"));
        const Decimal received = rows.value(i, u"RECEBIDO").isNull() ? Decimal() : decimalOf(rows.value(i, u"RECEBIDO"));
        if (!started || filtro != current) {
            if (started && !methodTotal.isZero()) {
                closeMethod();
                t << kGap;
                methodTotal = Decimal();
            }
            started = true;
            t << RepeatText(S("-"), 38) << S("Caixa  Data     Total ") << RepeatText(S("-"), 38);
            current = filtro;
            const std::optional<int> cd = readInt(filtro);
            auto name = cd ? names.find(*cd) : names.end();
            label = filtro + (name == names.end() ? S(" Não Localizado") : QLatin1Char(' ') + name->second);
            t << S("Filtro.:") + label;
        }
        t << FormatFloat(u"000000", Decimal(caixa)) + S("  ") + dates.value(caixa, S("  /  /  ")) + S("     ")
                 + FormatFloatLeftPadded(S("0.00"), 14, received);
        methodTotal += received;
        grandTotal += received;
    }
    if (!methodTotal.isZero())
        closeMethod();
    if (!grandTotal.isZero())
        t << kGap << kMethodRule
          << PadRight(S("Total Geral "), 21) + S("  ") + FormatFloatLeftPadded(S("0.00"), 12, grandTotal);
    for (int i = 0; i < 6; ++i)
        t << QString();
    return p;
}

void BillingByPeriod::send(const Printout& text, bool preview)
{
    RouteLegacyPrintout(text, PrinterSlot::Closing, preview, false, true);
}
