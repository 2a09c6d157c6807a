#include "stock/StockBalance.h"

#include "core/LineAmount.h"
#include "reports/PageHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockReports.h"

using namespace report;
using stockreports::number;

namespace stockbalance {

RowSet StockBalance::rows(int group, const QDate& first, const QDate& last) const
{
    RowSet read = stockreports::products(
        m_logon,
        QStringLiteral("p.codigo, p.nome, p.classe, %1, p.fornecedor, p.custo, p.composicao")
            .arg(stockreports::groupNameColumn()),
        group, QStringLiteral("p.classe, p.nome"));
    const QHash<QString, stock::PeriodMovement> ledger = stock::StockLedger(m_logon).movementOver(first, last, group);

    stockreports::Rows rows({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("CLASSE"),
                             QStringLiteral("GRUPO"), QStringLiteral("FORNECEDOR"), QStringLiteral("ANTERIOR"),
                             QStringLiteral("ENTRADA"), QStringLiteral("SAIDA"), QStringLiteral("ATUAL"),
                             QStringLiteral("CUSTO"), QStringLiteral("VALOR"), QStringLiteral("ENTRADAS"),
                             QStringLiteral("SAIDAS")});
    while (read.next()) {
        const auto found = ledger.constFind(read.text(u"CODIGO"));
        if (found == ledger.constEnd() || found->within.rows == 0)
            continue;
        const stock::PeriodMovement& m = *found;
        const bool kit = read.text(u"COMPOSICAO") == QLatin1String("S");
        const Decimal cost = read.decimal(u"CUSTO");
        rows.add({read.value(u"CODIGO"), read.text(u"NOME").left(25).trimmed(), read.value(u"CLASSE"),
                  read.value(u"GRUPO"), read.value(u"FORNECEDOR"), number(m.before), number(m.within.in),
                  number(m.within.out), number(m.after()), kit ? QVariant() : number(cost),
                  kit ? QVariant() : number(lineAmount(m.after(), cost)), number(kit ? Decimal() : m.within.in),
                  number(kit ? Decimal() : m.within.out)});
    }
    return rows.take();
}

Definition StockBalance::report(const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::title, empresa, printed);
    def.font.size = 8;
    const double w = def.bodySize().width();
    const QString quantity = QStringLiteral("##,##0.000");
    const QString money = QStringLiteral("##,##0.00");
    const Column before{79, 19, true}, in{99, 19, true}, out{119, 19, true}, now{139, 19, true}, cost{159, 15, true},
        value{175, w - 175, true};
    listColumns(def,
                {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 15, true}},
                 {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {16, 39}},
                 {QStringLiteral("FORNECEDOR"), QStringLiteral("FORNECEDOR"), {56, 22, true}},
                 {QStringLiteral("ANTERIOR"), QStringLiteral("ANTERIOR"), before, quantity},
                 {QStringLiteral("ENTRADAS"), QStringLiteral("ENTRADA"), in, quantity},
                 {QStringLiteral("SAIDAS"), QStringLiteral("SAIDA"), out, quantity},
                 {QStringLiteral("ATUAL"), QStringLiteral("ATUAL"), now, quantity},
                 {QStringLiteral("CUSTO"), QStringLiteral("CUSTO"), cost, money},
                 {QStringLiteral("TOTAL"), QStringLiteral("VALOR"), value, money}},
                4.5);

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(stockreports::groupHeading(QStringLiteral("CENTRO DE CUSTO : "), w));
    g.footer.height = 8;
    g.footer.add(rule(in.x, 0.5, w - in.x));
    g.footer.add(label(before.x, 1.5, before.width, 5, QStringLiteral("TOTAL ")).bold().right());
    g.footer.add(total(QStringLiteral("ENTRADAS"), in, quantity, 1.5));
    g.footer.add(total(QStringLiteral("SAIDAS"), out, quantity, 1.5));
    g.footer.add(total(QStringLiteral("VALOR"), value, money, 1.5));
    def.groups.push_back(std::move(g));

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(now.x, 2.5, now.width + cost.width, 5, QStringLiteral("TOTAL GERAL")).bold().right());
    s.add(total(QStringLiteral("VALOR"), value, money, 2.5));
    return def;
}

} // namespace stockbalance
