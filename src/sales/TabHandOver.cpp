#include "sales/TabHandOver.h"
#include "core/WholeNumber.h"

#include "tabs/TabKey.h"
#include "closing/PaymentFirstStep.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace handover {

namespace {
bool has(int mask, int bit) { return RightsBitSet(mask, bit) == QLatin1String("S"); }
} // namespace

bool mayPreBill(int loginRights) { return has(loginRights, 32) || has(loginRights, 8192); }

bool mayPay(int loginRights) { return has(loginRights, 32); }

bool paymentAllowed(bool preBillRequired, int tabStatus, int salesOptions)
{
    return !preBillRequired || tabStatus == 1 || has(salesOptions, 16);
}

QString paymentKey(const QString& typed)
{
    const QString key = TrimText(typed);
    return key.isEmpty() ? QStringLiteral("0") : key;
}

void TabHandOver::fillEmptyCustomers()
{
    m_logon.run(QStringLiteral("update cabmesa set cliente = '0' where cliente is null"));
}

std::optional<TabInHand> TabHandOver::tab(const QString& key)
{
    const QString k = TrimText(key);
    if (k.isEmpty() || !tabs::storableTabKey(k))
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 MESA, VENDEDOR, CLIENTE, STATUS from CABMESA where MESA = ? "
                                           "order by ID"), {k});
    if (!rs.next())
        return std::nullopt;
    TabInHand t;
    t.mesa = rs.text(u"MESA");
    t.waiter = rs.isNull(u"VENDEDOR") ? QString() : rs.text(u"VENDEDOR");
    t.customerCode = rs.isNull(u"CLIENTE") ? QString() : TrimText(rs.text(u"CLIENTE"));
    t.status = rs.isNull(u"STATUS") ? 0 : int(rs.integer(u"STATUS"));
    if (const std::optional<int> code = readInt(t.customerCode))
        t.customerName = m_logon.scalar(QStringLiteral("select first 1 NOME from CLIENTES where CODIGO = ?"), {*code})
                             .toString().left(15);
    return t;
}

PaymentStart TabHandOver::paymentStart(const QString& key, bool preBillRequired, int salesOptions,
                                       std::optional<TabInHand>* found)
{
    const std::optional<TabInHand> t = tab(key);
    if (found)
        *found = t;
    if (!t)
        return PaymentStart::NotFound;
    if (paymentKey(key) == QLatin1String("0") || !paymentAllowed(preBillRequired, t->status, salesOptions))
        return PaymentStart::Refused;
    return PaymentStart::Allowed;
}

} // namespace handover
