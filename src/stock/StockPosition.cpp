#include "stock/StockPosition.h"

#include "db/UnitLogon.h"
#include "reports/PageHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockReports.h"

using namespace report;
using stockreports::number;

namespace stockposition {

RowSet MinimumStock::rows(int group) const
{
    RowSet read = stockreports::products(
        m_logon,
        QStringLiteral("p.codigo, p.nome, p.unidade, p.classe, %1, p.fornecedor, p.custo, p.minimo")
            .arg(stockreports::groupNameColumn()),
        group, QStringLiteral("p.classe, p.nome"),
        QStringLiteral("p.minimo is not null and coalesce(p.estgeral, 0) <= p.minimo"));
    const QHash<QString, stock::Movement> ledger = stock::StockLedger(m_logon).movementByCode(group);

    stockreports::Rows rows({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("UNIDADE"),
                             QStringLiteral("CLASSE"), QStringLiteral("GRUPO"), QStringLiteral("FORNECEDOR"),
                             QStringLiteral("ATUAL"), QStringLiteral("MINIMO"), QStringLiteral("CUSTO"),
                             QStringLiteral("SUGESTAO")});
    while (read.next()) {
        const QString code = read.text(u"CODIGO");
        const Decimal stock = ledger.value(code).stock();
        const Decimal minimum = read.decimal(u"MINIMO");
        const Decimal missing = minimum - stock;
        if (missing <= Decimal())
            continue;
        rows.add({code, read.value(u"NOME"), read.value(u"UNIDADE"), read.value(u"CLASSE"), read.value(u"GRUPO"),
                  read.value(u"FORNECEDOR"), number(stock), number(minimum), read.value(u"CUSTO"), number(missing)});
    }
    return rows.take();
}

Definition MinimumStock::report(const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::minimumTitle, empresa, printed);
    const double w = def.bodySize().width();
    const QString quantity = QStringLiteral("##,##0.0");
    listColumns(def, {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 20, true}},
                      {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {22, 58}},
                      {QStringLiteral("Und"), QStringLiteral("UNIDADE"), {81, 9}},
                      {QStringLiteral("FORNECEDOR"), QStringLiteral("FORNECEDOR"), {91, 25, true}},
                      {QStringLiteral("ATUAL"), QStringLiteral("ATUAL"), {117, 17, true}, quantity},
                      {QStringLiteral("MINIMO"), QStringLiteral("MINIMO"), {135, 17, true}, quantity},
                      {QStringLiteral("CUSTO"), QStringLiteral("CUSTO"), {153, 18, true}, QStringLiteral("##,##0.00")},
                      {QStringLiteral("SUGESTÃO"), QStringLiteral("SUGESTAO"), {172, w - 172, true}, quantity}});
    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(stockreports::groupHeading(QStringLiteral("CENTRO DE CUSTO : "), w));
    def.groups.push_back(std::move(g));
    return def;
}

void CurrentStock::clearStoredColumns()
{
    // A product whose four columns are 0 already is left as it is: the same result,
    // without a new version of every product at each print.
    m_logon.exec(QStringLiteral("update produtos set estgeral = 0, estoque = 0, entrada = 0, saida = 0 "
                                "where estgeral is distinct from 0 or estoque is distinct from 0 "
                                "or entrada is distinct from 0 or saida is distinct from 0"));
}

RowSet CurrentStock::rows(int group, Value value, bool onlyWithStock) const
{
    RowSet read = stockreports::products(
        m_logon,
        QStringLiteral("p.codigo, p.nome, p.classe, %1, p.fornecedor, p.custo, p.valor").arg(stockreports::groupNameColumn()),
        group, QStringLiteral("p.classe, p.nome"));
    const QHash<QString, stock::Movement> ledger = stock::StockLedger(m_logon).movementByCode(group);

    stockreports::Rows rows({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("CLASSE"),
                             QStringLiteral("GRUPO"), QStringLiteral("FORNECEDOR"), QStringLiteral("ATUAL"),
                             QStringLiteral("UNITARIO"), QStringLiteral("TOTAL")});
    while (read.next()) {
        const QString code = read.text(u"CODIGO");
        const Decimal stock = ledger.value(code).stock();
        if (onlyWithStock && stock.isZero())
            continue;
        // the unit printed to the cent, the stock valued at the unit cost kept (1.000 × 1,0593 = 1.059,30)
        const Decimal unit = read.decimal(value == Value::Cost ? u"CUSTO" : u"VALOR");
        rows.add({code, read.value(u"NOME"), read.value(u"CLASSE"), read.value(u"GRUPO"), read.value(u"FORNECEDOR"),
                  number(stock), number(unitValue(unit)), number(stock * unit)});
    }
    return rows.take();
}

Definition CurrentStock::report(Value value, const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::currentTitle, empresa, printed);
    const double w = def.bodySize().width();
    const bool cost = value == Value::Cost;
    const QString money = QStringLiteral("##,##0.00");
    const Column lineTotal{172, w - 172, true};
    listColumns(def, {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 22}},
                      {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {24, 78}},
                      {QStringLiteral("FORNECEDOR"), QStringLiteral("FORNECEDOR"), {103, 26, true}},
                      {QStringLiteral("ATUAL"), QStringLiteral("ATUAL"), {130, 20, true}, QStringLiteral("####0.###")},
                      {cost ? QStringLiteral("CUSTO") : QStringLiteral("VENDA"), QStringLiteral("UNITARIO"),
                       {151, 20, true}, cost ? QStringLiteral("####0.00") : QStringLiteral("###0.00")},
                      {QStringLiteral("TOTAL"), QStringLiteral("TOTAL"), lineTotal, money}});

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(stockreports::groupHeading(QStringLiteral("GRUPO/FAMILIA: "), w));
    g.footer.height = 8;
    g.footer.add(rule(lineTotal.x - 30, 0.5, lineTotal.width + 30));
    g.footer.add(label(lineTotal.x - 30, 1.5, 28, 5, QStringLiteral("TOTAL ")).bold().right());
    g.footer.add(total(QStringLiteral("TOTAL"), lineTotal, money, 1.5));
    def.groups.push_back(std::move(g));

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(lineTotal.x - 40, 2.5, 38, 5, QStringLiteral("TOTAL GERAL")).bold().right());
    s.add(total(QStringLiteral("TOTAL"), lineTotal, money, 2.5));
    return def;
}

} // namespace stockposition
