#include "stock/ProductLists.h"

#include "reports/PageHeader.h"
#include "stock/StockReports.h"

using namespace report;

namespace productlists {

RowSet ProductLists::rows(Kind kind, int group) const
{
    RowSet read = stockreports::products(
        m_logon,
        QStringLiteral("p.codigo, p.classe, p.nome, p.unidade, p.valor, ") + stockreports::groupNameColumn(),
        group, kind == Kind::Prices ? QStringLiteral("p.classe, p.codigo") : QStringLiteral("p.classe, p.nome"));
    stockreports::Rows rows(read.columns());
    while (read.next()) {
        QVariantList row = read.row(read.at());
        if (read.isNull(u"CLASSE"))
            row.last() = text::undeclared;
        rows.add(std::move(row));
    }
    return rows.take();
}

Definition ProductLists::report(Kind kind, const RowSet& empresa, const QString& printed)
{
    const bool prices = kind == Kind::Prices;
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, prices ? text::pricesTitle : text::productsTitle, empresa,
                                             prices ? QString() : printed);
    const double w = def.bodySize().width();
    std::vector<ListColumn> columns{{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 30, !prices}},
                                    {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {34, 110}}};
    if (prices)
        columns.insert(columns.end(), {{QStringLiteral("Und"), QStringLiteral("UNIDADE"), {146, 18}},
                                       {QStringLiteral("VENDA"), QStringLiteral("VALOR"), {166, w - 166, true},
                                        QStringLiteral("0.00")}});
    else
        columns.push_back({QStringLiteral("Unidade"), QStringLiteral("UNIDADE"), {146, 30}});
    listColumns(def, columns);

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(stockreports::groupHeading(text::groupCaption, w, prices));
    def.groups.push_back(std::move(g));
    return def;
}

} // namespace productlists
