#include "stock/StockReports.h"

#include "db/UnitLogon.h"
#include "registers/ReportChoices.h"
#include "stock/StockFields.h"

namespace stockreports {

std::optional<int> groupOf(const QString& item, int digits)
{
    return choices::codeOf(item, digits);
}

int groupOrAll(const QString& item, int digits)
{
    return groupOf(item, digits).value_or(0);
}

QString groupNameColumn(const QString& as)
{
    return QStringLiteral("coalesce((select first 1 t.nome from tipos t where t.codigo = p.classe order by t.id), '') as %1")
        .arg(as);
}

report::Item groupHeading(const QString& caption, double width, bool named)
{
    return report::computed(0, 1, width, 5,
                            [caption, named](const report::BandContext& c) {
                                const QString code = report::formatValue(c.value(u"CLASSE"), QString(), QString());
                                return caption + code
                                       + (named ? QStringLiteral("  ") + c.value(u"GRUPO").toString() : QString());
                            })
        .bold();
}

RowSet products(TLogon& logon, const QString& columns, int group, const QString& order, const QString& condition)
{
    QStringList where;
    if (!condition.isEmpty())
        where << condition;
    Params params;
    if (group != 0) {
        where << QStringLiteral("p.classe = ?");
        params.append(group);
    }
    const QString filter = where.isEmpty() ? QString() : QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    return logon.run(QStringLiteral("select %1 from produtos p%2 order by %3").arg(columns, filter, order), params);
}

QString printedAt(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yy hh:mm:ss"));
}

QString periodText(const QDate& first, const QDate& last, const QString& between)
{
    return stock::dateText(first) + between + stock::dateText(last);
}

} // namespace stockreports
