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
    const double top = backOfficeHeader(def, prices ? text::pricesTitle : text::productsTitle, empresa,
                                        prices ? QString() : printed);
    def.pageHeader.height = top;
    const double w = def.bodySize().width();

    const Column code{0, 30, !prices}, name{34, 110}, unit{146, 18}, value{166, w - 166, true};
    std::vector<std::pair<Column, QString>> titles{{code, QStringLiteral("CODIGO")}, {name, QStringLiteral("PRODUTO")}};
    if (prices)
        titles.insert(titles.end(), {{unit, QStringLiteral("Und")}, {value, QStringLiteral("VENDA")}});
    else
        titles.push_back({{146, 30}, QStringLiteral("Unidade")});
    columnTitles(def.columnHeader, 0, titles, w);

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(computed(0, 1, w, 5, [prices](const BandContext& c) {
        const QString code = formatValue(c.value(u"CLASSE"), QString(), QString());
        return text::groupCaption + code + (prices ? QStringLiteral("  ") + c.value(u"GRUPO").toString() : QString());
    }).bold());
    def.groups.push_back(std::move(g));

    Band& d = def.detail;
    d.height = 5;
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CODIGO")), code));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("NOME")), name));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("UNIDADE")), prices ? unit : Column{146, 30}));
    if (prices)
        d.add(placed(field(0, 0, 0, 0, QStringLiteral("VALOR")).mask(QStringLiteral("0.00")), value));
    return def;
}

} // namespace productlists
