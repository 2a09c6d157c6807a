#include "sales/TableReports.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/SetComSettings.h"

void PositionList::add(const QString& code, const QString& name, const Decimal& price, const Decimal& quantity)
{
    const QString index = (TrimText(code) + u' ' + FormatFloat(u"00000000000.000", price)).left(30);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].index == index) {
            m_lines[i].quant += quantity;
            m_current = i;
            return;
        }
    }
    const size_t at = m_lines.empty() ? 0 : m_current;
    m_lines.insert(m_lines.begin() + qsizetype(at), PositionLine{index, name.left(40), price, quantity});
    m_current = at;
}

QString FormatReportItemLine(const QString& name, const QString& quantity, const QString& unitPrice, const QString& total)
{
    QString t = TrimText(total);
    if (t.size() < 8)
        t = QString(8 - t.size(), u' ') + t;
    const QString q = TrimText(quantity);
    QString qty = q;
    if (const std::optional<Decimal> d = readAmount(q, AmountRules::quantity()))
        qty = FormatFloat(d->isWhole() ? u"0" : u"0.###", *d);
    const QString tail = qty + u'x' + TrimText(unitPrice) + u'=' + t;
    const int room = 34 - int(tail.size());
    return (room > 0 ? PadRight(TrimText(name), 34).left(room) : QString()) + QStringLiteral("  ") + tail;
}

QStringList TableReports::header(const QString& companyName, const QString& cashLabel)
{
    return {QStringLiteral("RELATORIO VENDA MESAS ABERTAS/FECHADAS"), QString(38, u'='), companyName, cashLabel,
            QString(38, u'=')};
}

QStringList TableReports::section(const PositionList& list, Decimal* total)
{
    QStringList lines;
    LineTotal sum;
    for (const PositionLine& l : list.lines()) {
        const Decimal amount = sum.add(l.quant, l.valor);
        lines << FormatReportItemLine(l.nome, FormatFloat(u"0.######", l.quant), FormatFloat(u"0.00", l.valor),
                                      FormatFloat(u"0.00", amount));
    }
    lines << FormatItemLine(QString(), QStringLiteral("------------"));
    lines << FormatItemLine(QString(), FormatFloatLeftPadded(QStringLiteral("######0.00"), 12, sum.value()));
    *total += sum.value();
    return lines;
}

PositionList TableReports::closedSales(int cashShift)
{
    PositionList list;
    RowSet rs = m_logon.run(QStringLiteral(
        "select est.codigo, est.valor, est.saida, prod.nome from estfic est left join produtos prod on est.codigo = prod.codigo "
        "where est.NFiscal is not null and est.caixa = ? order by est.id"), {cashShift});
    while (rs.next())
        list.add(rs.text(u"CODIGO"), rs.text(u"NOME"), rs.decimal(u"VALOR"), rs.decimal(u"SAIDA"));
    return list;
}

PositionList TableReports::openTabs()
{
    PositionList list;
    RowSet rs = m_logon.run(QStringLiteral(
        "select mes.codigo, mes.nomep, mes.quant, mes.valor from cabmesa cab left join mesa mes on cab.mesa = mes.mesa "
        "order by cab.id, mes.id"));
    while (rs.next())
        list.add(rs.text(u"CODIGO"), rs.text(u"NOMEP"), rs.decimal(u"VALOR"), rs.decimal(u"QUANT"));
    return list;
}

Printout TableReports::openAndClosed(int cashShift, const QString& companyName, const QString& cashLabel)
{
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    Decimal closed(0), open(0);
    p.lines = header(companyName, cashLabel);
    p.lines << QStringLiteral("              FECHADAS");
    p.lines << section(closedSales(cashShift), &closed);
    p.lines << QStringLiteral("              ABERTAS");
    p.lines << section(openTabs(), &open);
    p.lines << FormatItemLine(QStringLiteral("TOTAL GERAL  "), FormatFloatLeftPadded(QStringLiteral("######0.00"), 12, closed + open));
    p.lines << QString(38, u'=');
    return p;
}

Printout TableReports::openOnly(const QString& companyName, const QString& cashLabel)
{
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    Decimal open(0);
    p.lines = header(companyName, cashLabel);
    p.lines << QStringLiteral("              ABERTAS");
    p.lines << section(openTabs(), &open);
    return p;
}
