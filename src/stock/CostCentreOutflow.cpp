#include "stock/CostCentreOutflow.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"

#include <algorithm>

QString CostCentreOutflow::costCentreText(qint64 code, const QString& name)
{
    return FormatFloat(u"0000", Decimal(code)) + QStringLiteral("  -  ") + name;
}

QStringList CostCentreOutflow::costCentres() const
{
    QStringList list;
    RowSet rows = m_logon.run(QStringLiteral("select CODIGO, GENERO from GENERO"));
    while (rows.next())
        list << costCentreText(rows.integer(u"CODIGO"), rows.text(u"GENERO"));
    return list;
}

std::optional<qint64> CostCentreOutflow::costCentreCode(const QString& text)
{
    const QString code = text.left(4);
    if (TrimText(code).isEmpty())
        return std::nullopt;
    const std::optional<int> n = readInt(code);
    if (!n)
        return std::nullopt;
    return *n;
}

RowSet CostCentreOutflow::lines(const QDate& first, const QDate& last, const QString& costCentreText) const
{
    const std::optional<qint64> centre = costCentreCode(costCentreText);
    QString sql = QStringLiteral(
        "select t.CODIGO, t.SAIDA, t.PRIMEIRO, t.PRIMEIRA,"
        " (select first 1 p.NOME from PRODUTOS p where p.CODIGO = t.CODIGO order by p.ID) as NOME,"
        " (select first 1 p.CUSTO from PRODUTOS p where p.CODIGO = t.CODIGO order by p.ID) as CUSTO,"
        " (select first 1 p.CLASSE from PRODUTOS p where p.CODIGO = t.CODIGO order by p.ID) as CLASSE,"
        " (select count(*) from PRODUTOS p where p.CODIGO = t.CODIGO) as CADASTRADO"
        " from (select e.CODIGO, sum(coalesce(e.SAIDA, 0)) as SAIDA, min(e.DATA) as PRIMEIRA, min(e.ID) as PRIMEIRO"
        "       from ESTFIC e where (e.DATA between ? and ?)");
    Params params{first, last};
    if (centre) {
        sql += QStringLiteral(" and e.CCUSTO = ?");
        params.append(*centre);
    }
    sql += QStringLiteral(" group by e.CODIGO) t order by t.PRIMEIRA, t.PRIMEIRO");
    RowSet read = m_logon.run(sql, params);

    struct Line {
        QVariantList values;
        qint64 group;
        bool hasGroup;
    };
    std::vector<Line> lines;
    while (read.next()) {
        const Decimal outflow = read.decimal(u"SAIDA");
        const QVariant cost = read.value(u"CUSTO");
        const Decimal total = lineAmount(outflow, cost.isNull() ? Decimal(0) : decimalOf(cost));
        const bool known = read.integer(u"CADASTRADO") > 0;
        lines.push_back({{read.value(u"CODIGO"), known ? read.value(u"NOME") : QVariant(outflowtext::noProduct),
                          QVariant::fromValue(outflow), cost, QVariant::fromValue(total), read.value(u"CLASSE")},
                         read.integer(u"CLASSE"), !read.isNull(u"CLASSE")});
    }
    // Each group once, groups by code (products without one last).
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        if (a.hasGroup != b.hasGroup)
            return a.hasGroup;
        return a.group < b.group;
    });
    std::vector<QVariantList> rows;
    rows.reserve(lines.size());
    for (Line& l : lines)
        rows.push_back(std::move(l.values));
    return RowSet({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("SAIDA"), QStringLiteral("CUSTO"),
                   QStringLiteral("TOTAL"), QStringLiteral("CLASSE")},
                  std::move(rows));
}
