#include "closing/PaymentEntry.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"


void PaymentEntry::load(TLogon& logon)
{
    m_rows.clear();
    RowSet rs = logon.run(QStringLiteral("select CD, NOME, BX, DAV from FORMAPAGA order by CD"));
    while (rs.next())
        m_rows.push_back(PaymentRow{int(rs.integer(u"CD")), rs.text(u"NOME").left(19), Decimal(),
                                    rs.text(u"BX").left(1), rs.text(u"DAV").left(1)});
}

const PaymentRow* PaymentEntry::find(int code) const
{
    for (const PaymentRow& r : m_rows)
        if (r.code == code)
            return &r;
    return nullptr;
}

int PaymentEntry::codeOfName(const QString& name) const
{
    for (const PaymentRow& r : m_rows)
        if (r.name == name)
            return r.code;
    return 0;
}

PaymentEntry::Result PaymentEntry::confirm(int code, const QString& amountText, int customer)
{
    const PaymentRow* row = find(code);
    if (customer == 1 && row && row->bx == QLatin1String("N"))
        return Result::ConsumerRefused;
    const auto amount = readAmount(amountText, AmountRules::money().pointAsComma());
    if (!row || code <= 0 || !amount || amount->isNegative())
        return Result::Ignored;
    for (PaymentRow& r : m_rows)
        if (r.code == code)
            r.amount = amount->roundTo(2);
    return Result::Stored;
}

Decimal PaymentEntry::paid() const
{
    Decimal sum;
    for (const PaymentRow& r : m_rows)
        sum += r.amount;
    return sum;
}

bool PaymentEntry::consumerRuleBroken(int customer) const
{
    if (customer != 1)
        return false;
    for (const PaymentRow& r : m_rows)
        if (!r.amount.isZero() && r.bx != QLatin1String("S"))
            return true;
    return false;
}

std::vector<SalePayment> PaymentEntry::payments() const
{
    std::vector<SalePayment> out;
    for (const PaymentRow& r : m_rows)
        out.push_back(SalePayment{r.code, r.name, r.amount, r.bx == QLatin1String("S"), r.dav == QLatin1String("S")});
    return out;
}
