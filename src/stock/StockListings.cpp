#include "stock/StockListings.h"
#include "core/WholeNumber.h"

#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/PageHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"
#include "stock/StockReports.h"

using namespace report;
using stockreports::number;

namespace stocklistings {

namespace {

const QString kProductName =
    QStringLiteral("(select first 1 p.nome from produtos p where p.codigo = e.codigo order by p.id) as nome");

// "PERIODO DE" and the period under the company block, and what the listing adds.
double periodLines(Definition& def, const RowSet& empresa, const QString& title, const QDate& first,
                   const QDate& last, const QString& extra)
{
    const double top = backOfficeHeader(def, title, empresa);
    Band& h = def.pageHeader;
    h.add(label(0, top, 28, 5, QStringLiteral("PERIODO DE")).bold());
    h.add(label(30, top, 60, 5, stockreports::periodText(first, last)));
    h.add(label(100, top, 95, 5, extra));
    h.height = top + 6;
    return h.height;
}

// A group per product ("Produto" and its code) with the product's total of a
// column under a short rule, and the listing's total under a rule with "Total".
void totals(Definition& def, const QString& column, const Column& at, const QString& mask, const Column& captionAt)
{
    const double width = def.bodySize().width();
    Group g;
    g.column = QStringLiteral("CODIGO");
    g.header.height = 6;
    g.header.add(computed(0, 0.5, width, 5, [](const BandContext& c) {
                     return QStringLiteral("Produto ") + c.value(u"CODIGO").toString();
                 }).bold());
    g.footer.height = 7;
    g.footer.add(rule(at.x, 0.5, at.width));
    g.footer.add(total(column, at, mask, 1));
    def.groups.push_back(std::move(g));

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, width));
    s.add(placed(label(0, 0, 0, 0, QStringLiteral("Total")).bold().right(), captionAt, 2.5));
    s.add(total(column, at, mask, 2.5));
}

} // namespace

qint64 StockListings::numberOf(const QString& typed)
{
    return readInt(typed).value_or(0);
}

RowSet StockListings::entries(const EntriesRequest& request) const
{
    QString sql = QStringLiteral("select e.codigo, e.data, e.historico, e.entrada, e.valor, e.nfiscal, %1 from estfic e "
                                 "where e.data between ? and ? and e.entrada <> 0 and e.codigo <> ''")
                      .arg(kProductName);
    Params params{request.first, request.last};
    if (const qint64 invoice = numberOf(request.invoice)) {
        sql += QStringLiteral(" and e.nfiscal = ?");
        params.append(invoice);
    }
    RowSet read = m_logon.run(sql + QStringLiteral(" order by e.codigo, e.data, e.id"), params);
    stockreports::Rows rows({QStringLiteral("CODIGO"), QStringLiteral("DATA"), QStringLiteral("NOME"),
                             QStringLiteral("NFISCAL"), QStringLiteral("ENTRADA"), QStringLiteral("VALOR"),
                             QStringLiteral("TOTAL")});
    while (read.next())
        rows.add({read.value(u"CODIGO"), read.value(u"DATA"), read.text(u"NOME").left(25), read.value(u"NFISCAL"),
                  read.value(u"ENTRADA"), read.value(u"VALOR"),
                  read.isNull(u"VALOR") ? QVariant()
                                         : number(lineAmount(read.decimal(u"ENTRADA"), read.decimal(u"VALOR")))});
    return rows.take();
}

RowSet StockListings::exits(const ExitsRequest& request) const
{
    stockreports::Rows rows({QStringLiteral("CODIGO"), QStringLiteral("DATA"), QStringLiteral("NOME"),
                             QStringLiteral("HISTORICO"), QStringLiteral("SAIDA")});
    const QString product = TrimText(request.product);
    if (!stock::storableCode(product))
        return rows.take();   // no row holds such a code
    QString sql = QStringLiteral("select e.codigo, e.data, e.historico, e.saida, %1 from estfic e "
                                 "where e.data between ? and ? and e.saida <> 0 and e.codigo is not null")
                      .arg(kProductName);
    Params params{request.first, request.last};
    if (const qint64 sale = numberOf(request.sale)) {
        sql += QStringLiteral(" and e.nfiscal = ?");
        params.append(sale);
    }
    if (!product.isEmpty()) {
        sql += QStringLiteral(" and e.codigo = ?");
        params.append(product);
    }
    RowSet read = m_logon.run(sql + QStringLiteral(" order by e.codigo, e.data, e.id"), params);
    while (read.next())
        rows.add({read.value(u"CODIGO"), read.value(u"DATA"), read.text(u"NOME").left(25),
                  read.text(u"HISTORICO").left(30), read.value(u"SAIDA")});
    return rows.take();
}

Definition StockListings::entriesReport(const RowSet& empresa, const QDate& first, const QDate& last, qint64 invoice)
{
    Definition def;
    periodLines(def, empresa, text::entriesTitle, first, last,
                invoice ? text::invoiceLine + QString::number(invoice) : QString());
    const double w = def.bodySize().width();
    const Column unit{153, 20, true}, value{175, w - 175, true};
    const QString money = QStringLiteral("##,##0.00");
    listColumns(def, {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 24, true}},
                      {QStringLiteral("DATA"), QStringLiteral("DATA"), {27, 18}},
                      {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {47, 62}},
                      {QStringLiteral("NF"), QStringLiteral("NFISCAL"), {111, 18, true}},
                      {QStringLiteral("Entrada"), QStringLiteral("ENTRADA"), {131, 20, true}, QStringLiteral("####0.0##")},
                      {QStringLiteral("Valor"), QStringLiteral("VALOR"), unit, QStringLiteral("####0.00")},
                      {QStringLiteral("Valor"), QStringLiteral("TOTAL"), value, money}});
    totals(def, QStringLiteral("TOTAL"), value, money, unit);
    return def;
}

Definition StockListings::exitsReport(const RowSet& empresa, const QDate& first, const QDate& last)
{
    Definition def;
    periodLines(def, empresa, text::exitsTitle, first, last, QString());
    const double w = def.bodySize().width();
    const Column history{111, 60}, quantity{173, w - 173, true};
    const QString mask = QStringLiteral("##,##0.0##");
    listColumns(def, {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 24, true}},
                      {QStringLiteral("DATA"), QStringLiteral("DATA"), {27, 18}},
                      {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {47, 62}},
                      {QStringLiteral("Historico"), QStringLiteral("HISTORICO"), history},
                      {QStringLiteral("Saidas"), QStringLiteral("SAIDA"), quantity, mask}});
    totals(def, QStringLiteral("SAIDA"), quantity, mask, history);
    return def;
}

} // namespace stocklistings
