#include "finance/AccountBookReports.h"

#include "reports/PageHeader.h"
#include "reports/ReportForm.h"
#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "registers/RegisterCommon.h"

#include <map>

using namespace report;

CompanyBlock CompanyBlock::read(TLogon& logon)
{
    RowSet rs = logon.run(QStringLiteral("select EMPRESA, ENDERECO, CIDADE, ESTADO, CNPJ from EMPRESA"));
    CompanyBlock c;
    if (rs.first()) {
        c.name = rs.text(u"EMPRESA").trimmed();
        c.address = rs.text(u"ENDERECO").trimmed();
        c.city = rs.text(u"CIDADE").trimmed();
        c.state = rs.text(u"ESTADO").trimmed();
        c.cnpj = rs.text(u"CNPJ").trimmed();
    }
    return c;
}

AccountStatement AccountBookReports::statement(qint64 account, const QDate& start, const QDate& end) const
{
    AccountStatement s;
    const QVariant opening = m_logon.scalar(
        QStringLiteral("select sum(coalesce(CREDITO, 0) - coalesce(DEBITO, 0)) from CAIXA "
                       "where CONTA = ? and (DATA < ? or DATA is null)"),
        {account, start});
    s.opening = opening.isNull() ? Decimal() : decimalOf(opening);
    s.rows = m_logon.run(QStringLiteral("select DATA, DESP, HISTORICO, CREDITO, DEBITO from CAIXA "
                                        "where CONTA = ? and DATA between ? and ? order by DATA, ID"),
                         {account, start, end});
    auto balances = std::make_shared<std::vector<Decimal>>();
    balances->reserve(size_t(s.rows.size()));
    const int credit = s.rows.columnIndex(u"CREDITO"), debit = s.rows.columnIndex(u"DEBITO");
    Decimal running = s.opening;
    for (int i = 0; i < s.rows.size(); ++i) {
        const QVariantList& row = s.rows.row(i);
        running += registers::amountFrom(row.at(credit)) - registers::amountFrom(row.at(debit));
        balances->push_back(running);
    }
    s.balances = std::move(balances);
    return s;
}

RowSet AccountBookReports::totalsPerCode(const QDate& start, const QDate& end, bool onlyWithMovement) const
{
    // One pass over the period's entries, grouped by code; the codes' names beside.
    RowSet sums = m_logon.run(QStringLiteral("select DESP, sum(coalesce(DEBITO, 0) + coalesce(CREDITO, 0)) as VALOR "
                                             "from CAIXA where DATA between ? and ? and DESP > 0 group by DESP"),
                              {start, end});
    std::map<qint64, Decimal> byCode;
    while (sums.next())
        byCode[sums.integer(u"DESP")] = sums.decimal(u"VALOR");
    RowSet codes = m_logon.run(QStringLiteral("select CODIGO, NOME from DESPESA order by CODIGO, ID"));
    std::vector<QVariantList> rows;
    while (codes.next()) {
        const auto it = codes.isNull(u"CODIGO") ? byCode.end() : byCode.find(codes.integer(u"CODIGO"));
        const Decimal total = it == byCode.end() ? Decimal() : it->second;
        if (onlyWithMovement && total.isZero())
            continue;
        rows.push_back({codes.value(u"CODIGO"), codes.value(u"NOME"), QVariant::fromValue(total)});
    }
    return RowSet({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("VALOR")}, std::move(rows));
}

QString AccountBookReports::statementPeriod(const QDate& start, const QDate& end)
{
    return QStringLiteral("PERIODO DE ") + start.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral(" A ")
         + end.toString(QStringLiteral("dd/MM/yy"));
}

QString AccountBookReports::totalsPeriod(const QDate& start, const QDate& end)
{
    return QStringLiteral("PERIODO DE  : ") + start.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("  A  ")
         + end.toString(QStringLiteral("dd/MM/yy"));
}

Definition AccountBookReports::statementReport(const CompanyBlock& company, const QString& accountCaption,
                                               const QString& periodCaption, const AccountStatement& statement,
                                               const QDateTime& printedAt)
{
    const QString mask = QStringLiteral("0.00");
    Definition def;
    Band& h = titledForm(def, {.title = QStringLiteral("Extrato do Caixa"), .paper = QPageSize::A4, .fontSize = 8,
                               .headerHeight = 50});
    h.add(label(0, 10, 22, 5, QStringLiteral("EMPRESA")).bold());
    h.add(label(23, 10, 120, 5, company.name));
    h.add(label(0, 15, 22, 5, QStringLiteral("ENDEREÇO")).bold());
    h.add(label(23, 15, 120, 5, company.address));
    h.add(label(0, 20, 22, 5, QStringLiteral("CIDADE")).bold());
    h.add(label(23, 20, 70, 5, company.city));
    h.add(label(95, 20, 16, 5, QStringLiteral("ESTADO")).bold());
    h.add(label(112, 20, 20, 5, company.state));
    h.add(label(0, 25, 22, 5, QStringLiteral("CNPJ")).bold());
    h.add(label(23, 25, 80, 5, company.cnpj));
    h.add(label(140, 10, 12, 5, QStringLiteral("DATA")).bold());
    h.add(label(152, 10, 38, 5, printedAt.toString(QStringLiteral("dd/MM/yy hh:mm:ss"))));
    h.add(pageNumber(140, 15, 50, 5).right());
    h.add(label(0, 31, 190, 5, periodCaption));
    h.add(label(0, 36, 190, 5, accountCaption));
    columnTitles(h, 42,
                 {{{0, 18}, QStringLiteral("Data")}, {{19, 16}, QStringLiteral("Cod Desp.")},
                  {{36, 70}, QStringLiteral("Histórico")}, {{107, 26, true}, QStringLiteral("Crédito")},
                  {{134, 26, true}, QStringLiteral("Débito")}, {{161, 29, true}, QStringLiteral("Saldo")}},
                 190);

    Band& d = def.detail;
    d.height = 4.5;
    d.add(field(0, 0, 18, 4.5, QStringLiteral("DATA")));
    d.add(field(19, 0, 14, 4.5, QStringLiteral("DESP")).right());
    d.add(field(36, 0, 70, 4.5, QStringLiteral("HISTORICO")));
    d.add(field(107, 0, 26, 4.5, QStringLiteral("CREDITO")).mask(mask).right());
    d.add(field(134, 0, 26, 4.5, QStringLiteral("DEBITO")).mask(mask).right());
    const std::shared_ptr<const std::vector<Decimal>> balances = statement.balances;
    d.add(computed(161, 0, 29, 4.5, [balances, mask](const BandContext& c) {
        return c.row() >= 0 && c.row() < int(balances->size()) ? FormatFloat(mask, balances->at(size_t(c.row())))
                                                                 : QString();
    }).right());

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, 190));
    s.add(sum(107, 2.5, 26, 5, QStringLiteral("CREDITO")).mask(mask).right().bold());
    s.add(sum(134, 2.5, 26, 5, QStringLiteral("DEBITO")).mask(mask).right().bold());
    s.add(label(161, 2.5, 29, 5, FormatFloat(mask, statement.closing())).right().bold());
    return def;
}

Definition AccountBookReports::totalsReport(const QString& companyName, const QString& accountCaption,
                                            const QString& periodCaption)
{
    const QString mask = QStringLiteral("#,##0.00");
    Definition def;
    Band& h = titledForm(def, {.title = QStringLiteral("CAIXA/RAZAO - Por Codigo Desp/Créditos"), .headerHeight = 36});
    h.add(label(0, 10, 25, 5, QStringLiteral("EMPRESA")).bold());
    h.add(label(26, 10, 169, 5, companyName));
    h.add(label(0, 16, 195, 5, accountCaption));
    h.add(label(0, 22, 195, 5, periodCaption));
    h.add(rule(0, 29, 195));
    h.add(label(0, 30, 25, 5, QStringLiteral("codigo")).bold());
    h.add(label(30, 30, 100, 5, QStringLiteral("NOME")).bold());
    h.add(label(140, 30, 40, 5, QStringLiteral("VALORES")).bold().right());
    h.add(rule(0, 35.5, 195));

    Band& d = def.detail;
    d.height = 5;
    d.add(field(0, 0, 25, 5, QStringLiteral("CODIGO")));
    d.add(field(30, 0, 100, 5, QStringLiteral("NOME")));
    d.add(field(140, 0, 40, 5, QStringLiteral("VALOR")).mask(mask).right());

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, 195));
    s.add(label(30, 2.5, 40, 5, QStringLiteral("TOTAL")).bold());
    s.add(sum(140, 2.5, 40, 5, QStringLiteral("VALOR")).mask(mask).right().bold());
    return def;
}
