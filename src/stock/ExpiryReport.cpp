#include "stock/ExpiryReport.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/SetComSettings.h"
#include "reports/PageHeader.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockReports.h"

using namespace report;

namespace expiry {

bool ExpiryReport::noDate(const QDate& validity)
{
    return !validity.isValid() || (validity.day() == 30 && validity.month() == 12 && validity.year() % 100 == 99);
}

RowSet ExpiryReport::rows(const QDate& day) const
{
    RowSet read = m_logon.run(
        QStringLiteral("select p.codigo, p.nome, p.classe, p.unidade, p.validade, %1, "
                       "(select first 1 f.nome from fornecedor f where f.codigo = p.fornecedor order by f.id) as fornome "
                       "from produtos p where p.validade <= ? order by p.codigo")
            .arg(stockreports::groupNameColumn()),
        {day});
    stockreports::Rows rows({QStringLiteral("DUPLICATA"), QStringLiteral("CLASSE"), QStringLiteral("NOME"),
                             QStringLiteral("FORNECEDOR"), QStringLiteral("UNIDADE"), QStringLiteral("ANTERIOR"),
                             QStringLiteral("DATA")});
    if (read.isEmpty())
        return rows.take();
    const QHash<QString, stock::Movement> ledger = stock::StockLedger(m_logon).movementUpTo(day);
    while (read.next()) {
        const QDate validity = read.date(u"VALIDADE");
        if (noDate(validity))
            continue;
        const QString code = read.text(u"CODIGO");
        const Decimal balance = ledger.value(code).stock();
        if (FormatFloatLeftPadded(QStringLiteral("0.0"), 12, balance).trimmed() == QLatin1String("0,0"))
            continue;   // a balance that shows as none: 0,04 kg of butter is no stock to list
        const QString group = read.isNull(u"CLASSE")
            ? QString()
            : (FormatFloatLeftPadded(QStringLiteral("#0"), 4, Decimal(read.integer(u"CLASSE"))) + QLatin1Char('-')
               + read.text(u"GRUPO"))
                  .left(15);
        rows.add({code, group, read.text(u"NOME").left(25), read.text(u"FORNOME").left(20), read.value(u"UNIDADE"),
                  stockreports::number(balance), validity});
    }
    return rows.take();
}

Definition ExpiryReport::report(const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::pageTitle, empresa, printed);
    const double w = def.bodySize().width();
    listColumns(def, {{QStringLiteral("CODIGO"), QStringLiteral("DUPLICATA"), {0, 26, true}},
                      {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {30, 66}},
                      {QStringLiteral("FORNECEDOR"), QStringLiteral("FORNECEDOR"), {98, 50}},
                      {QStringLiteral("Validade"), QStringLiteral("DATA"), {150, 20}},
                      {QStringLiteral("Estoque"), QStringLiteral("ANTERIOR"), {172, w - 172, true},
                       QStringLiteral("##,##0.0##")}});
    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 7;
    g.header.add(computed(0, 1, w, 5, [](const BandContext& c) {
                     return QStringLiteral("CENTRO DE CUSTO : ") + c.value(u"CLASSE").toString();
                 }).bold());
    def.groups.push_back(std::move(g));
    return def;
}

Printout ExpiryReport::roll(const RowSet& rows)
{
    const ctx::Company& c = ctx::company();
    const QString frame = RepeatText(QStringLiteral("="), 38);
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    p.lines << text::rollTitle << RepeatText(QStringLiteral("="), 29) << c.CompanyName << c.CompanyAddress
            << c.CompanyCity + QStringLiteral(" Estado.:") + c.CompanyState << frame << text::rollColumns << frame;
    for (int i = 0; i < rows.size(); ++i) {
        const QString product = rows.value(i, u"DUPLICATA").toString() + QLatin1Char('/') + rows.value(i, u"NOME").toString();
        p.lines << PadRight(product, 22) + stock::dateText(rows.value(i, u"DATA").toDate())
                       + FormatFloatLeftPadded(QStringLiteral("0.##"), 8, decimalOf(rows.value(i, u"ANTERIOR")));
    }
    p.lines << frame;
    return p;
}

} // namespace expiry
