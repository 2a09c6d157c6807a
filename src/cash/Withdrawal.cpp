#include "cash/Withdrawal.h"

#include "cash/CashShift.h"
#include "core/ActionRefused.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"

qint64 Withdrawal::openCashShift()
{
    return CashShift(m_logon).openNumber();
}

QString Withdrawal::normalizeKind(const QString& text)
{
    const QString t = TrimText(text);
    return t == QLatin1String("2") ? t : QStringLiteral("1");
}

Printout Withdrawal::record(const WithdrawalRequest& r)
{
    // Money in the drawer: cents, never more places (a "0,004" is no withdrawal).
    const auto amount = readAmount(r.amount, AmountRules::money().pointAsComma().notNegative().atMostDecimals(2));
    if (!amount || !(*amount > Decimal()))
        throw ActionRefused(WithdrawalText::kFillError);
    return m_logon.action([&] {
        // The shift the window shows, held: its closing waits for this row, or this
        // row finds it closed and is not written.
        cashshift::holdOpenShift<ActionRefused>(m_logon, WithdrawalText::kCashClosed, int(r.cashShift));
        const Printout out = composeRecord(r, *amount);
        m_logon.run(QStringLiteral("insert into Sangria (id,caixa,terminal,valor,dc,historico) "
                                   "values (GEN_ID(SANGRIA,1),?,?,?,?,?)"),
                    {r.cashShift, TextToInt(r.terminal).value_or(0), *amount, normalizeKind(r.kind),
                     r.description.left(25)});
        return out;
    });
}

Printout Withdrawal::composeRecord(const WithdrawalRequest& r, const Decimal& amount)
{
    const ctx::Company& c = ctx::company();
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    const QString rule(33, QLatin1Char('='));
    p.lines << ctx::station().CondensedOnCode + QStringLiteral("MOVIMENTO DO CAIXA")
            << (normalizeKind(r.kind) == QLatin1String("1") ? QStringLiteral("REGISTRO DE SANGRIA")
                                                              : QStringLiteral("REGISTRO DE REFORCO"))
            << TrimText(c.CompanyName).left(36) << TrimText(c.CompanyAddress)
            << TrimText(c.CompanyCity + QStringLiteral("  -  ") + c.CompanyState)
            << r.when.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral(" - ") + r.when.toString(QStringLiteral("hh:mm:ss"))
            << QStringLiteral("Terminal :") + r.terminal << rule
            << QStringLiteral(" Valor .:") + FormatFloat(u"0.00", amount) << QString()
            << QStringLiteral(" Historico.:") + r.description << QString() << rule
            << QStringLiteral("Op.: ") + r.operatorName;
    for (int i = 0; i < 8; ++i)
        p.lines << QString();
    return p;
}

void Withdrawal::print(const Printout& record)
{
    RouteOptions o;
    o.controlByte = true;
    RoutePrintout(record, PrinterSlot::Closing, o);
}
