#include "tabs/AdvancePayment.h"

#include "registers/ReportChoices.h"
#include "tabs/TabVoucher.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"

namespace T = AdvancePaymentText;

QStringList AdvancePayment::paymentMethods()
{
    return choices::items(choices::coded(m_logon, QStringLiteral("select CD, NOME from FormaPaga")),
                          choices::paymentMethods);
}

std::optional<Decimal> AdvancePayment::paidSoFar(const QString& tab)
{
    RowSet rs = m_logon.run(QStringLiteral("select VALOR from cabmesa where mesa = ?"), {tab});
    if (!rs.next())
        return std::nullopt;
    return rs.decimal(u"VALOR");
}

AdvanceResult AdvancePayment::confirm(const QString& tab, const QString& method, const QString& amountText,
                                      const QDate& today)
{
    const auto amount = readAmount(amountText, AmountRules::money().pointAsComma());
    if (!amount || !(*amount > Decimal()))
        throw ActionRefused(T::kFillError);
    AdvanceResult r;
    r.amount = amount->roundTo(2);
    r.total = m_logon.action([&] {
        if (m_logon.exec(QStringLiteral("update cabmesa set PAGAMENTOANTI = ?, valor = coalesce(valor, 0) + ? where mesa = ?"),
                         {method.left(20), r.amount, tab}) == 0)
            throw ActionRefused(T::kFillError);
        return decimalOf(m_logon.scalar(QStringLiteral("select sum(valor) from cabmesa where mesa = ?"), {tab}));
    });
    r.receipt = composeReceipt(tab, method, r.amount, today);
    return r;
}

Printout AdvancePayment::composeReceipt(const QString& tab, const QString& method, const Decimal& amount,
                                        const QDate& today)
{
    const ctx::Company& c = ctx::company();
    Printout p;
    p.fontSize = 7;
    p.lines << QStringLiteral("RECIBO PAGTO PACIAL") << c.CompanyName << c.CompanyAddress
            << c.CompanyCity + QStringLiteral("  -  ") + c.CompanyState << QString(41, QLatin1Char('=')) << QString()
            << QStringLiteral("Mesa       ") + tab << QString()
            << QStringLiteral("Data       ") + today.toString(QStringLiteral("dd/MM/yy")) << QString()
            << QStringLiteral("Pagamento  ") + method << QString()
            << QStringLiteral("Valor      ") + FormatFloat(u"0.00", amount) << QString() << QString()
            << QStringLiteral("Caixa __________________________") << QString() << QString() << QString() << QString();
    return p;
}

void AdvancePayment::print(const Printout& receipt)
{
    RouteOptions o;
    o.controlByte = true;
    RoutePrintout(receipt, PrinterSlot::Closing, o);
}
