#include "stock/UnitCompraQui.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyHeader.h"
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
    const qint64 supplierCode = TextToInt(order.supplier).value_or(0);
    const RowSet supplier = logon.run(QStringLiteral("select first 1 * from fornecedor where codigo = ?"), {supplierCode});

    m_def.title = QStringLiteral("PEDIDO DE COMPRAS");
    m_def.paper = QPageSize::Letter;
    m_def.font.size = 9;

    Band& h = m_def.pageHeader;
    m_def.pageHeaderOn = Where::FirstPage;
    h.height = 92;
    h.add(label(0, 0, 195, 9, m_def.title).withFont(14, true).center());
    companyBlock(h, 12, empresa);
    h.add(label(0, 37, 28, 5, QStringLiteral("INSC ESTADUAL")).bold());
    h.add(label(30, 37, 100, 5, valueOf(empresa, "IESTADUAL")));
    h.add(label(140, 14, 55, 6, QStringLiteral("PEDIDO N.")).bold().center());
    h.add(label(140, 21, 55, 9, QString::number(order.number)).withFont(16, true).center());

    h.add(rule(0, 44, 195));
    h.add(label(0, 45, 60, 6, QStringLiteral("FORNECEDOR")).withFont(10, true));
    struct Line { double x, y; const char* caption; const char* column; };
    const Line lines[] = {{0, 51, "EMPRESA", "NOME"}, {0, 56, "ENDEREÇO", "ENDERECO"}, {0, 61, "CIDADE", "CIDADE"},
                          {110, 51, "CNPJ", "CNPJ"}, {110, 56, "ESTADO", "ESTADO"}, {110, 61, "INSC ESTADUAL", "ESTADUAL"}};
    for (const Line& l : lines) {
        h.add(label(l.x, l.y, 28, 5, QString::fromUtf8(l.caption)).bold());
        h.add(label(l.x + 28, l.y, 80, 5, valueOf(supplier, l.column)));
    }
    h.add(rule(0, 67, 195));
    h.add(label(0, 68, 30, 5, QStringLiteral("Data do Pedido")).bold());
    h.add(label(30, 68, 25, 5, stock::dateText(order.date)));
    h.add(label(60, 68, 35, 5, QStringLiteral("PREVISTO ENTREGA")).bold());
    h.add(label(96, 68, 25, 5, stock::dateText(order.delivery)));
    h.add(label(125, 68, 15, 5, QStringLiteral("PRAZO")).bold());
    h.add(label(140, 68, 55, 5, order.term));
    h.add(label(0, 74, 15, 5, QStringLiteral("OBS")).bold());
    h.add(label(15, 74, 180, 5, order.observation));
    h.add(rule(0, 81, 195));
    h.add(label(0, 83, 30, 6, QStringLiteral("CODIGO")).bold());
    h.add(label(32, 83, 80, 6, QStringLiteral("PRODUTO")).bold());
    h.add(label(112, 83, 22, 6, QStringLiteral("Quant")).bold().right());
    h.add(label(136, 83, 25, 6, QStringLiteral("CUSTO")).bold().right());
    h.add(label(163, 83, 15, 6, QStringLiteral("ICMS")).bold().right());
    h.add(label(180, 83, 15, 6, QStringLiteral("IPI")).bold().right());
    h.add(rule(0, 90, 195));

    Band& d = m_def.detail;
    d.height = 6;
    d.add(field(0, 0, 30, 5, QStringLiteral("CODIGO")));
    d.add(field(32, 0, 80, 5, QStringLiteral("NOME")));
    d.add(field(112, 0, 22, 5, QStringLiteral("QUANT")).mask(QStringLiteral("#,##0.###")).right());
    d.add(field(136, 0, 25, 5, QStringLiteral("CUSTO")).mask(QStringLiteral("#,##0.00")).right());
    d.add(field(163, 0, 15, 5, QStringLiteral("ICM")).right());
    d.add(field(180, 0, 15, 5, QStringLiteral("IPI")).right());
    d.add(rule(0, 5.6, 195));

    Band& s = m_def.summary;
    s.height = 46;
    const QString amounts[] = {purchase::PurchaseOrders::totalText(totals.order).trimmed(),
                               purchase::PurchaseOrders::totalText(totals.ipi).trimmed(),
                               purchase::PurchaseOrders::totalText(totals.total).trimmed()};
    const char* captions[] = {"SUB-TOTAL", "IPI", "TOTAL"};
    for (int i = 0; i < 3; ++i) {
        s.add(label(130, 2 + i * 6, 30, 5, QString::fromLatin1(captions[i])).bold());
        s.add(label(160, 2 + i * 6, 35, 5, amounts[i]).right().bold());
    }
    s.add(rule(10, 38, 70));
    s.add(label(10, 39, 70, 5, QStringLiteral("Compras")).center());
    s.add(rule(115, 38, 70));
    s.add(label(115, 39, 70, 5, QStringLiteral("Gerência")).center());
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
