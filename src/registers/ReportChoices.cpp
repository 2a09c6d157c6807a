#include "registers/ReportChoices.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "db/UnitLogon.h"

namespace choices {

std::vector<Coded> coded(TLogon& logon, const QString& sql)
{
    std::vector<Coded> list;
    RowSet rs = logon.run(sql);
    while (rs.next())
        list.push_back({integerOf(rs.value(0)), textOf(rs.value(1))});
    return list;
}

QStringList items(const std::vector<Coded>& rows, const Style& style)
{
    const QString mask(style.digits, QLatin1Char('0'));
    QStringList list;
    if (!style.all.isEmpty())
        list << mask + style.separator + style.all;
    for (const Coded& r : rows)
        list << FormatFloat(mask, Decimal(r.code)) + style.separator + r.name;
    return list;
}

std::optional<int> codeOf(const QString& item, int digits)
{
    // Blanks may lead, as the stations read numbers; the digits fill the rest.
    const QStringView t = QStringView(item).left(digits);
    if (!t.isEmpty() && t.back() <= u' ')
        return std::nullopt;
    return readInt(t);
}

std::vector<Coded> groups(TLogon& logon, Order order)
{
    return coded(logon, order == Order::Code ? QStringLiteral("select codigo, nome from tipos order by codigo, id")
                                            : QStringLiteral("select codigo, nome from tipos order by nome, codigo"));
}

std::vector<Coded> waiters(TLogon& logon, Order order)
{
    return coded(logon, order == Order::Code ? QStringLiteral("select codigo, nome from vendedor order by codigo, id")
                                            : QStringLiteral("select codigo, nome from vendedor order by nome, codigo"));
}

QStringList groupItems(TLogon& logon)
{
    return items(groups(logon), stockGroups);
}

} // namespace choices
