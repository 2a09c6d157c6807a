#include "salesreports/SupplierMovement.h"

#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "registers/ReportChoices.h"

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr int kProductText = 35;
} // namespace

QStringList SupplierMovement::supplierItems()
{
    std::vector<choices::Coded> rows;
    RowSet rs = m_logon.run(S("select codigo, nome from fornecedor order by codigo, id"));
    while (rs.next())
        rows.push_back({rs.integer(u"CODIGO"), rs.text(u"NOME")});
    return choices::items(rows, {5, S(" - "), QString()});
}

QString SupplierMovement::period(const QString& firstDay, const QString& lastDay)
{
    return S("PERIODO ") + firstDay + S(" A ") + lastDay;
}

RowSet SupplierMovement::rows(const QString& supplierItem, const QString& firstDay, const QString& lastDay)
{
    const std::optional<int> supplier = choices::codeOf(supplierItem, 5);
    if (!supplier)
        throw ShiftFieldRefused(reportmsg::supplierNotFound);
    const QDate first = reportfields::date(firstDay);
    const QDate last = reportfields::date(lastDay);
    RowSet rs = m_logon.run(S("select p.codigo, p.nome, p.unidade, p.custo, sum(e.entrada) as tent, "
                              "sum(e.saida) as tsai from produtos p join estfic e on e.codigo = p.codigo "
                              "where p.fornecedor = ? and e.data between ? and ? "
                              "group by p.codigo, p.nome, p.unidade, p.custo order by p.codigo"),
                            {*supplier, first, last});
    const QString forn = supplierItem.left(5);
    std::vector<QVariantList> rows;
    while (rs.next()) {
        const Decimal in = rs.decimal(u"TENT"), out = rs.decimal(u"TSAI"), cost = rs.decimal(u"CUSTO");
        rows.push_back({rs.text(u"CODIGO"), forn, TrimText(rs.text(u"NOME")).left(kProductText), rs.text(u"UNIDADE"),
                        QVariant::fromValue(in), QVariant::fromValue(out), QVariant::fromValue(cost),
                        QVariant::fromValue(lineAmount(in, cost)), QString()});
    }
    return RowSet({S("CODIGO"), S("FORN"), S("NOME"), S("UNIDADE"), S("ENTRADA"), S("SAIDA"), S("CUSTO"), S("TOTAL"),
                   S("GRUPO")},
                  std::move(rows));
}
