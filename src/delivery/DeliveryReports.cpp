#include "delivery/DeliveryReports.h"

#include "closing/ClosingReceipt.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"
#include "registers/CompanyStore.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QString kRule37 = QString(37, QLatin1Char('='));

void companyLines(QStringList& o, const RollCompany& c)
{
    o << receipt::centred(c.name) << receipt::centred(c.address)
      << receipt::centred(c.city + QLatin1Char(' ') + c.state);
}

void emptyLines(QStringList& o, int n)
{
    for (int i = 0; i < n; ++i)
        o << QString();
}

QString amount8(const Decimal& v) { return PadRight(FormatFloatLeftPadded(S("0.00"), 8, v), 8); }

} // namespace

QString shiftText(const choices::Shift& shift)
{
    return QStringLiteral("%1").arg(shift.cash, 6, 10, QLatin1Char('0')) + S(" - ") + shift.date.toString(S("dd/MM/yy"));
}

std::vector<DeliveryManChoice> DeliveryReports::deliveryMen()
{
    std::vector<DeliveryManChoice> v;
    RowSet rs = m_logon.run(S("select ID, CODIGO, NOME from DELICAD order by NOME, ID"));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), rs.integer(u"CODIGO"), rs.text(u"NOME").trimmed()});
    return v;
}

std::vector<choices::Shift> DeliveryReports::lastShifts()
{
    std::vector<choices::Shift> v;
    RowSet rs = m_logon.run(S("select first 100 CAIXA, DATA from CONTDATA order by CAIXA desc"));
    while (rs.next())
        v.push_back({int(rs.integer(u"CAIXA")), rs.date(u"DATA")});
    return v;
}

RollCompany DeliveryReports::company()
{
    const CompanyRow row = CompanyStore(m_logon).load();
    return {row.empresa, row.endereco, row.cidade, row.estado};
}

QDate DeliveryReports::shiftDate(int caixa)
{
    return m_logon.scalar(S("select first 1 DATA from CONTDATA where CAIXA = ? order by ID desc"), {caixa}).toDate();
}

std::vector<CommissionRow> DeliveryReports::commission(qint64 manId, int firstShift, int lastShift)
{
    std::vector<CommissionRow> v;
    RowSet rs = m_logon.run(S("select DELYENTREGA, NOTA, DATA, CAIXA, DELYTAXA from FATURA "
                              "where DELYENTREGA = ? and (CAIXA between ? and ?) order by NOTA"),
                            {manId, firstShift, lastShift});
    while (rs.next())
        v.push_back({rs.integer(u"DELYENTREGA"), rs.integer(u"NOTA"), rs.date(u"DATA"), int(rs.integer(u"CAIXA")),
                     rs.decimal(u"DELYTAXA")});
    return v;
}

std::vector<DeliverySaleRow> DeliveryReports::sales(int caixa)
{
    std::vector<DeliverySaleRow> v;
    RowSet rs = m_logon.run(S("select f.NOTA, f.DATA, f.CLIENTE, f.VALOR, f.DELYTAXA, "
                              "(select first 1 m.NOME from DELICAD m where m.CODIGO = f.DELYENTREGA order by m.ID) "
                              "as ENTREGADOR from FATURA f "
                              "where ((f.DELYENTREGA > 0) or (f.DELIVERY = 'S')) and f.CAIXA = ? order by f.NOTA"),
                            {caixa});
    v.reserve(size_t(rs.size()));
    while (rs.next())
        v.push_back({rs.integer(u"NOTA"), rs.date(u"DATA"), rs.text(u"CLIENTE"), rs.decimal(u"VALOR"),
                     rs.decimal(u"DELYTAXA"), rs.text(u"ENTREGADOR").left(15)});
    return v;
}

Printout DeliveryReports::commissionRoll(const RollCompany& company, const QString& manName,
                                         const std::vector<CommissionRow>& rows, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& o = p.lines;
    o << S("  Relatorio de Comissão de Entrega") << S("           Delivery");
    companyLines(o, company);
    o << S("Entregador:") + manName;
    o << kRule37 << S("DATA      NOTA      CAIXA     VALOR") << kRule37;
    Decimal total;
    for (const CommissionRow& r : rows) {
        o << PadRight(r.data.toString(S("dd/MM/yy")), 10) + QLatin1Char(' ') + PadRight(QString::number(r.nota), 8)
                 + S("   ") + PadRight(QString::number(r.caixa), 8) + S("  ")
                 + PadRight(FormatFloat(u"0.00", r.valor), 8);
        total += r.valor;
    }
    o << kRule37;
    o << FormatItemLine(S("Total"), FormatFloatLeftPadded(S("######0.00"), 12, total));
    emptyLines(o, 8);
    return p;
}

Printout DeliveryReports::salesRoll(const RollCompany& company, int caixa, const QDate& shiftDate,
                                    const std::vector<DeliverySaleRow>& rows, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& o = p.lines;
    o << S("  RELATÓRIO DE VENDA  - DELIVERY");
    companyLines(o, company);
    o << S("Caixa n.") + QString::number(caixa) + S("  ") + shiftDate.toString(S("dd/MM/yy"));
    o << kRule37 << S("NOTA   CLIENTES              VALOR") << kRule37;
    Decimal values, fees;
    for (const DeliverySaleRow& r : rows) {
        o << PadRight(FormatFloatLeftPadded(S("0"), 6, Decimal(r.nota)) + QLatin1Char(' ') + r.cliente.trimmed(), 27)
                 + QLatin1Char(' ') + amount8(r.valor);
        values += r.valor;
        fees += r.taxa;
    }
    o << kRule37;
    o << PadRight(S("SUB-TOTAL"), 27) + QLatin1Char(' ') + amount8(values);
    o << PadRight(S("VALOR ENTREGAS"), 27) + QLatin1Char(' ') + amount8(fees);
    o << PadRight(S("TOTAL"), 27) + QLatin1Char(' ') + amount8(values + fees);
    emptyLines(o, 8);
    return p;
}

void DeliveryReports::sendRoll(const Printout& roll, bool print)
{
    if (print)
        RoutePrintout(roll, PrinterSlot::Conference);
    else
        RoutePreviewOnly(roll);
}

RowSet DeliveryReports::commissionRows(const std::vector<CommissionRow>& rows)
{
    std::vector<QVariantList> v;
    v.reserve(rows.size());
    for (const CommissionRow& r : rows)
        v.push_back({qlonglong(r.codigo), QString::number(r.nota).left(10), r.data, r.caixa,
                     QVariant::fromValue(r.valor)});
    return RowSet({S("Codigo"), S("Nota"), S("data"), S("Caixa"), S("Valor")}, std::move(v));
}

RowSet DeliveryReports::salesRows(const std::vector<DeliverySaleRow>& rows)
{
    std::vector<QVariantList> v;
    v.reserve(rows.size());
    for (const DeliverySaleRow& r : rows)
        v.push_back({qlonglong(r.nota), r.data, r.cliente, QVariant::fromValue(r.valor), QVariant::fromValue(r.taxa),
                     r.entregador});
    return RowSet({S("NOTA"), S("DATA"), S("CLIENTE"), S("VALOR"), S("TAXA"), S("ENTREGADOR")}, std::move(v));
}
