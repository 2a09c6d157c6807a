#include "sales/CounterReports.h"

#include "registers/ReportChoices.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

#include <cmath>
#include <map>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
QString num(const char* mask, int width, const Decimal& v) { return FormatFloatLeftPadded(QString::fromLatin1(mask), width, v); }
}

CompanyHeader CompanyHeader::fromGlobals()
{
    const ctx::Company& c = ctx::company();
    return {c.CompanyName, c.CompanyAddress, c.CompanyCity, c.CompanyState, c.CompanyCnpj};
}

QStringList paymentMethodEntries(TLogon& logon)
{
    return choices::items(choices::coded(logon, S("select CD, NOME from FORMAPAGA order by CD")),
                          choices::paymentMethods);
}

Printout composePaymentMethodReport(TLogon& logon, int cashShift, const QString& methodEntry,
                                    const CompanyHeader& company, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& o = p.lines;
    const QString rule = QString(38, QLatin1Char('='));
    o << S("FATURAMENTO POR PERIODO") << company.name << company.address
      << company.city + S("  -  ") + company.state << S("Caixas de :") + QString::number(cashShift) << rule
      << S("Caixa  Data  ") + PadRight(methodEntry.mid(3, 14), 10) + S("   Total ") << rule;

    // The method of a sale is that of its first payment row.
    std::map<qint64, QString> firstMethod;
    RowSet pay = logon.run(S("select NFISCAL, DUPLICATA from RECARQ where CAIXA = ? order by ID"), {cashShift});
    while (pay.next()) {
        const qint64 sale = pay.integer(u"NFISCAL");
        if (!firstMethod.count(sale))
            firstMethod[sale] = pay.text(u"DUPLICATA").trimmed().left(2);
    }
    const QVariant day = logon.scalar(S("select first 1 DATA from CONTDATA where CAIXA = ? order by ID desc"), {cashShift});
    const QString dayText = day.toDate().isValid() ? day.toDate().toString(S("dd/MM/yy")) : QString();
    RowSet totals = logon.run(S("select NFISCAL, sum(VALOR) as VALOR from RECARQ where CAIXA = ? group by NFISCAL "
                                "order by NFISCAL"), {cashShift});
    while (totals.next()) {
        const qint64 sale = totals.integer(u"NFISCAL");
        const Decimal total = totals.decimal(u"VALOR");
        if (firstMethod[sale] != methodEntry.left(2) || total.isZero())
            continue;
        const QString number = QString::number(sale);
        if (total.isNegative())
            o << PadRight(number, 8) + S(" ") + PadRight(S("TROCO"), 12) + S("  ") + num("0.00", 12, total);
        else
            o << PadRight(number, 8) + S(" ") + PadRight(dayText, 12);
        o << QString(38, QLatin1Char('-'));
        LineTotal sum;
        RowSet items = logon.run(S("select e.SAIDA, e.VALOR, p.NOME from ESTFIC e left join PRODUTOS p "
                                   "on e.CODIGO = p.CODIGO where e.NFISCAL = ? order by e.ID"), {sale});
        while (items.next()) {
            const Decimal out = items.decimal(u"SAIDA"), value = items.decimal(u"VALOR");
            sum.add(out, value);
            o << S("  ") + PadRight(items.text(u"NOME"), 14) + S(" ") + num("0.#", 8, out) + S("  ")
                    + num("0.00", 8, value);
        }
        o << QString(28, QLatin1Char(' ')) + QString(10, QLatin1Char('-'));
        o << PadRight(S("  "), 26) + S(" ") + num("0.00", 8, sum.value());
        o << QString() << QString();
    }
    o << rule;
    for (int i = 0; i < 8; ++i)
        o << QString();
    return p;
}

QString LoyaltyCustomer::pointsText() const { return FormatFloat(u"0", points); }

std::optional<LoyaltyCustomer> readLoyaltyCustomer(TLogon& logon, int code)
{
    RowSet rs = logon.run(S("select first 1 CODIGO, NOME, FIDELIDADE from CLIENTES where CODIGO = ?"), {code});
    if (!rs.next())
        return std::nullopt;
    return LoyaltyCustomer{int(rs.integer(u"CODIGO")), rs.text(u"NOME"), rs.decimal(u"FIDELIDADE")};
}

Printout composeLoyaltyVoucher(const QString& companyName, const LoyaltyCustomer& c, const QDate& today, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    const int half = int(std::lround(double(companyName.trimmed().size()) / 2.0));
    p.lines << S("          PONTO FIDELIDADE") << S("*******     R E S G A T E     ********")
            << QString(std::max(0, 18 - half), QLatin1Char(' ')) + companyName << QString(37, QLatin1Char('-'))
            << QString() << S("CLIENTE:") << c.name << QString() << S("PONTOS:") << c.pointsText() << QString()
            << S("DATA.:") + today.toString(S("dd/MM/yy")) << QString() << QString() << QString()
            << QString(27, QLatin1Char('-')) << S("ASS CLIENTE");
    for (int i = 0; i < 6; ++i)
        p.lines << QString();
    return p;
}

void redeemLoyalty(TLogon& logon, const LoyaltyCustomer& c)
{
    logon.run(S("update CLIENTES set FIDELIDADE = coalesce(FIDELIDADE, 0) - ? where CODIGO = ?"), {c.points, c.code});
}

std::vector<ClosedSaleRow> closedSales(TLogon& logon, bool all)
{
    std::vector<ClosedSaleRow> out;
    RowSet rs = logon.run(all ? S("select ID, NOTA, DATA, CLIENTE, VALOR, CAIXA, TERMINAL, TIPO from FATURA "
                                  "order by ID desc")
                              : S("select first 50 ID, NOTA, DATA, CLIENTE, VALOR, CAIXA, TERMINAL, TIPO from FATURA "
                                  "order by ID desc"));
    while (rs.next())
        out.push_back(closedSaleOf(rs));
    return out;
}

Printout composeReprintedReceipt(TLogon& logon, const ClosedSaleRow& sale, const CompanyHeader& company, int fontSize,
                                 const QStringList& messageLines)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& o = p.lines;
    const QString rule = QString(33, QLatin1Char('=')), dash = QString(33, QLatin1Char('-'));
    o << company.name.trimmed().left(38) << company.address.trimmed()
      << (company.city + S("  -  ") + company.state).trimmed() << S("CNPJ ") + company.cnpj
      << sale.cliente.left(36) << S("Term:") + QString::number(sale.terminal) + S(" ") + QString::number(sale.nota)
      << sale.data.toString(S("dd/MM/yy")) << rule << S("Descricao") << S(" Vend    Qtdes   Valor     Total") << rule;
    LineTotal items;
    RowSet rs = logon.run(S("select e.VENDEDOR, e.SAIDA, e.VALOR, (select first 1 p.NOME from PRODUTOS p "
                            "where p.CODIGO = e.CODIGO) as NOME from ESTFIC e "
                            "where e.TERMINAL = ? and e.CAIXA = ? and e.NFISCAL = ? order by e.ID"),
                          {sale.terminal, sale.caixa, sale.nota});
    while (rs.next()) {
        const Decimal out = rs.decimal(u"SAIDA"), value = rs.decimal(u"VALOR");
        o << rs.text(u"NOME").left(32);
        o << num("000", 3, Decimal(rs.integer(u"VENDEDOR"))) + S("  ") + num("####0.###", 6, out) + S("x ")
                + num("0.00", 7, value) + S("= ") + num("####0.00", 11, items.add(out, value));
    }
    const Decimal sum = items.value();
    o << dash << PadRight(S("Total"), 21) + num("###0.00", 12, sum)
      << PadRight(S("Servico/Couver"), 21) + num("###0.00", 12, sale.valor - sum)
      << PadRight(S("Total"), 21) + num("###0.00", 12, sale.valor) << dash << QString();
    for (int i = 0; i < 4 && i < messageLines.size(); ++i)
        if (!messageLines[i].trimmed().isEmpty())
            o << messageLines[i];
    o << QString() << dash;
    for (int i = 0; i < 8; ++i)
        o << QString();
    return p;
}
