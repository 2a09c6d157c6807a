#include "stock/StockPosition.h"

#include "db/UnitLogon.h"
#include "reports/PageHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockReports.h"

using namespace report;
using stockreports::number;

namespace stockposition {

namespace {

// The caption of a group's header: the caption, the code and the group's name.
Item groupHeading(const QString& caption, double width)
{
    return computed(0, 1, width, 5, [caption](const BandContext& c) {
               return caption + formatValue(c.value(u"CLASSE"), QString(), QString()) + QStringLiteral("  ")
                      + c.value(u"GRUPO").toString();
           })
        .bold();
}

} // namespace

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
    const Column code{0, 20, true}, name{22, 58}, unit{81, 9}, supplier{91, 25, true}, stock{117, 17, true},
        minimum{135, 17, true}, cost{153, 18, true}, suggestion{172, w - 172, true};
    columnTitles(def.columnHeader, 0,
                 {{code, QStringLiteral("CODIGO")}, {name, QStringLiteral("PRODUTO")}, {unit, QStringLiteral("Und")},
                  {supplier, QStringLiteral("FORNECEDOR")}, {stock, QStringLiteral("ATUAL")},
                  {minimum, QStringLiteral("MINIMO")}, {cost, QStringLiteral("CUSTO")},
                  {suggestion, QStringLiteral("SUGESTÃO")}},
                 w);

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(groupHeading(QStringLiteral("CENTRO DE CUSTO : "), w));
    def.groups.push_back(std::move(g));

    const QString quantity = QStringLiteral("##,##0.0");
    Band& d = def.detail;
    d.height = 5;
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CODIGO")), code));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("NOME")), name));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("UNIDADE")), unit));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("FORNECEDOR")), supplier));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ATUAL")).mask(quantity), stock));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("MINIMO")).mask(quantity), minimum));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CUSTO")).mask(QStringLiteral("##,##0.00")), cost));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("SUGESTAO")).mask(quantity), suggestion));
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
        const Decimal unit = unitValue(read.decimal(value == Value::Cost ? u"CUSTO" : u"VALOR"));
        rows.add({code, read.value(u"NOME"), read.value(u"CLASSE"), read.value(u"GRUPO"), read.value(u"FORNECEDOR"),
                  number(stock), number(unit), number(stock * unit)});
    }
    return rows.take();
}

Definition CurrentStock::report(Value value, const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::currentTitle, empresa, printed);
    const double w = def.bodySize().width();
    const Column code{0, 22}, name{24, 78}, supplier{103, 26, true}, stock{130, 20, true}, unit{151, 20, true},
        total{172, w - 172, true};
    const bool cost = value == Value::Cost;
    columnTitles(def.columnHeader, 0,
                 {{code, QStringLiteral("CODIGO")}, {name, QStringLiteral("PRODUTO")},
                  {supplier, QStringLiteral("FORNECEDOR")}, {stock, QStringLiteral("ATUAL")},
                  {unit, cost ? QStringLiteral("CUSTO") : QStringLiteral("VENDA")}, {total, QStringLiteral("TOTAL")}},
                 w);

    const QString money = QStringLiteral("##,##0.00");
    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(groupHeading(QStringLiteral("GRUPO/FAMILIA: "), w));
    g.footer.height = 8;
    g.footer.add(rule(total.x - 30, 0.5, total.width + 30));
    g.footer.add(label(total.x - 30, 1.5, 28, 5, QStringLiteral("TOTAL ")).bold().right());
    g.footer.add(placed(sum(0, 0, 0, 0, QStringLiteral("TOTAL")).mask(money).bold(), total, 1.5));
    def.groups.push_back(std::move(g));

    Band& d = def.detail;
    d.height = 5;
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CODIGO")), code));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("NOME")), name));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("FORNECEDOR")), supplier));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ATUAL")).mask(QStringLiteral("####0.###")), stock));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("UNITARIO")).mask(cost ? QStringLiteral("####0.00")
                                                                         : QStringLiteral("###0.00")),
                 unit));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("TOTAL")).mask(money), total));

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(total.x - 40, 2.5, 38, 5, QStringLiteral("TOTAL GERAL")).bold().right());
    s.add(placed(sum(0, 0, 0, 0, QStringLiteral("TOTAL")).mask(money).bold(), total, 2.5));
    return def;
}

} // namespace stockposition
