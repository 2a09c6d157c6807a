#include "finance/AccountBookReports.h"

#include "core/FormatFloat.h"
#include "db/UnitLogon.h"

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
    // The running balance is the database's: the opening plus every credit minus
    // every debit up to the entry, in the statement's own order.
    s.rows = m_logon.run(
        QStringLiteral("select DATA, DESP, HISTORICO, CREDITO, DEBITO, "
                       "cast(? as numeric(18,2)) + sum(coalesce(CREDITO, 0) - coalesce(DEBITO, 0)) "
                       "over (order by DATA, ID) as SALDO "
                       "from CAIXA where CONTA = ? and DATA between ? and ? order by DATA, ID"),
        {s.opening, account, start, end});
    return s;
}

RowSet AccountBookReports::totalsPerCode(const QDate& start, const QDate& end, bool onlyWithMovement) const
{
    QString sql = QStringLiteral(
        "select d.CODIGO, d.NOME, coalesce(t.VALOR, 0) as VALOR from DESPESA d "
        "left join (select DESP, sum(coalesce(DEBITO, 0) + coalesce(CREDITO, 0)) as VALOR from CAIXA "
        "           where DATA between ? and ? and DESP > 0 group by DESP) t on t.DESP = d.CODIGO");
    if (onlyWithMovement)
        sql += QStringLiteral(" where coalesce(t.VALOR, 0) <> 0");
    sql += QStringLiteral(" order by d.CODIGO, d.ID");
    return m_logon.run(sql, {start, end});
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
                                               const QString& periodCaption, const Decimal& opening,
                                               const QDateTime& printedAt)
{
    const QString mask = QStringLiteral("0.00");
    Definition def;
    def.title = QStringLiteral("Extrato do Caixa");
    def.paper = QPageSize::A4;
    def.font.size = 8;

    Band& h = def.pageHeader;
    h.height = 50;
    h.add(label(0, 0, 190, 8, def.title).withFont(12, true).center());
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
    h.add(rule(0, 42, 190));
    h.add(label(0, 43, 18, 5, QStringLiteral("Data")).bold());
    h.add(label(19, 43, 16, 5, QStringLiteral("Cod Desp.")).bold());
    h.add(label(36, 43, 70, 5, QStringLiteral("Histórico")).bold());
    h.add(label(107, 43, 26, 5, QStringLiteral("Crédito")).bold().right());
    h.add(label(134, 43, 26, 5, QStringLiteral("Débito")).bold().right());
    h.add(label(161, 43, 29, 5, QStringLiteral("Saldo")).bold().right());
    h.add(rule(0, 48.5, 190));

    Band& d = def.detail;
    d.height = 4.5;
    d.add(field(0, 0, 18, 4.5, QStringLiteral("DATA")));
    d.add(field(19, 0, 14, 4.5, QStringLiteral("DESP")).right());
    d.add(field(36, 0, 70, 4.5, QStringLiteral("HISTORICO")));
    d.add(field(107, 0, 26, 4.5, QStringLiteral("CREDITO")).mask(mask).right());
    d.add(field(134, 0, 26, 4.5, QStringLiteral("DEBITO")).mask(mask).right());
    d.add(field(161, 0, 29, 4.5, QStringLiteral("SALDO")).mask(mask).right());

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, 190));
    s.add(sum(107, 2.5, 26, 5, QStringLiteral("CREDITO")).mask(mask).right().bold());
    s.add(sum(134, 2.5, 26, 5, QStringLiteral("DEBITO")).mask(mask).right().bold());
    s.add(computed(161, 2.5, 29, 5, [opening, mask](const BandContext& c) {
        return FormatFloat(mask, opening + c.sum(u"CREDITO") - c.sum(u"DEBITO"));
    }).right().bold());
    return def;
}

Definition AccountBookReports::totalsReport(const QString& companyName, const QString& accountCaption,
                                            const QString& periodCaption)
{
    const QString mask = QStringLiteral("#,##0.00");
    Definition def;
    def.title = QStringLiteral("CAIXA/RAZAO - Por Codigo Desp/Créditos");
    def.paper = QPageSize::Letter;
    def.font.size = 9;

    Band& h = def.pageHeader;
    h.height = 36;
    h.add(label(0, 0, 195, 8, def.title).withFont(12, true).center());
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
