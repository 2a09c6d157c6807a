#include "stock/UnitCompraQui.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/PageHeader.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"
#include "stock/StockFields.h"

using namespace report;

namespace {

QString valueOf(const RowSet& row, const char* column)
{
    return row.isEmpty() ? QString() : textOf(row.value(0, QString::fromLatin1(column)));
}

} // namespace

TFormCompraQui::TFormCompraQui(TLogon& logon, const purchase::Order& order, const purchase::Totals& totals)
{
    const RowSet empresa = logon.run(QStringLiteral("Select * from empresa"));
    const qint64 supplierCode = readInt(order.supplier).value_or(0);
    const RowSet supplier = logon.run(QStringLiteral("select first 1 * from fornecedor where codigo = ?"), {supplierCode});

    Band& h = titledForm(m_def, {.title = QStringLiteral("PEDIDO DE COMPRAS"), .headerHeight = 85,
                                 .firstPageOnly = true, .titleSize = 14, .titleHeight = 9});
    companyBlock(h, 11, empresa);
    h.add(label(0, 36, 28, 5, QStringLiteral("INSC ESTADUAL")).bold());
    h.add(label(30, 36, 100, 5, valueOf(empresa, "IESTADUAL")));
    h.add(label(140, 12, 25, 7, QStringLiteral("PEDIDO N.")).withFont(11, true));
    h.add(label(166, 12, 29, 7, QString::number(order.number)).withFont(14, true));

    h.add(rule(0, 42, 195));
    h.add(label(0, 43, 60, 5, QStringLiteral("FORNECEDOR")).withFont(10, true));
    struct Line { double x, y; const char* caption; const char* column; };
    const Line lines[] = {{0, 48, "EMPRESA", "NOME"}, {0, 53, "ENDEREÇO", "ENDERECO"}, {0, 58, "CIDADE", "CIDADE"},
                          {110, 48, "CNPJ", "CNPJ"}, {110, 53, "ESTADO", "ESTADO"}, {110, 58, "INSC ESTADUAL", "ESTADUAL"}};
    for (const Line& l : lines) {
        h.add(label(l.x, l.y, 28, 5, QString::fromUtf8(l.caption)).bold());
        h.add(label(l.x + 28, l.y, 80, 5, valueOf(supplier, l.column)));
    }
    h.add(rule(0, 64, 195));
    h.add(label(0, 65, 30, 5, QStringLiteral("Data do Pedido")).bold());
    h.add(label(30, 65, 25, 5, stock::dateText(order.date)));
    h.add(label(60, 65, 35, 5, QStringLiteral("PREVISTO ENTREGA")).bold());
    h.add(label(96, 65, 25, 5, stock::dateText(order.delivery)));
    h.add(label(125, 65, 15, 5, QStringLiteral("PRAZO")).bold());
    h.add(label(140, 65, 55, 5, order.term));
    h.add(label(0, 70, 15, 5, QStringLiteral("OBS")).bold());
    h.add(label(15, 70, 180, 5, order.observation));
    columnTitles(h, 76,
                 {{{0, 30}, QStringLiteral("CODIGO")}, {{32, 80}, QStringLiteral("PRODUTO")},
                  {{112, 22, true}, QStringLiteral("Quant")}, {{136, 25, true}, QStringLiteral("CUSTO")},
                  {{163, 15, true}, QStringLiteral("ICMS")}, {{180, 15, true}, QStringLiteral("IPI")}},
                 195, {6, 7.5});

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 30, 4.6, QStringLiteral("CODIGO")));
    d.add(field(32, 0, 80, 4.6, QStringLiteral("NOME")));
    d.add(field(112, 0, 22, 4.6, QStringLiteral("QUANT")).mask(QStringLiteral("#,##0.###")).right());
    d.add(field(136, 0, 25, 4.6, QStringLiteral("CUSTO")).mask(QStringLiteral("#,##0.00")).right());
    d.add(field(163, 0, 15, 4.6, QStringLiteral("ICM")).right());
    d.add(field(180, 0, 15, 4.6, QStringLiteral("IPI")).right());
    d.add(rule(0, 4.8, 195));

    Band& s = m_def.summary;
    s.height = 39;
    const QString amounts[] = {purchase::PurchaseOrders::totalText(totals.order).trimmed(),
                               purchase::PurchaseOrders::totalText(totals.ipi).trimmed(),
                               purchase::PurchaseOrders::totalText(totals.total).trimmed()};
    const char* captions[] = {"SUB-TOTAL", "IPI", "TOTAL"};
    for (int i = 0; i < 3; ++i) {
        s.add(label(130, 2 + i * 5, 30, 5, QString::fromLatin1(captions[i])).bold());
        s.add(label(160, 2 + i * 5, 35, 5, amounts[i]).right().bold());
    }
    s.add(rule(10, 32, 70));
    s.add(label(10, 33, 70, 5, QStringLiteral("Compras")).center());
    s.add(rule(115, 32, 70));
    s.add(label(115, 33, 70, 5, QStringLiteral("Gerência")).center());
}

RowSet TFormCompraQui::rowsOf(const std::vector<purchase::Item>& items)
{
    std::vector<QVariantList> rows;
    for (const purchase::Item& i : items)
        rows.push_back({i.code, i.name, QVariant::fromValue(i.quantity), QVariant::fromValue(i.cost),
                        qlonglong(i.icms), qlonglong(i.ipi)});
    while (rows.size() < size_t(kLines))
        rows.push_back({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    return RowSet({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("QUANT"), QStringLiteral("CUSTO"),
                   QStringLiteral("ICM"), QStringLiteral("IPI")},
                  std::move(rows));
}

void TFormCompraQui::preview(const RowSet& rows) const
{
    report::preview(m_def, rows);
}
