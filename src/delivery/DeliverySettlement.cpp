#include "delivery/DeliverySettlement.h"

#include "core/AmountReader.h"
#include "db/UnitLogon.h"

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

std::vector<PendingDelivery> DeliverySettlement::pending()
{
    std::vector<PendingDelivery> v;
    RowSet rs = m_logon.run(S("select ID, CODIGO, DATA, HORA, VALOR, MOTOBOY, CLIENTE from DELIVERE "
                              "where FONE is null order by ID"));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), rs.integer(u"CODIGO"), rs.date(u"DATA"), rs.text(u"HORA"),
                     rs.text(u"CLIENTE"), rs.decimal(u"VALOR"), rs.decimal(u"MOTOBOY")});
    return v;
}

std::optional<Decimal> DeliverySettlement::handedOver(const QString& text)
{
    const std::optional<Decimal> v = readAmount(text, AmountRules::money().pointAsComma().notNegative());
    if (!v)
        return std::nullopt;
    return v->roundTo(2);
}

bool DeliverySettlement::settle(qint64 deliveryId, const QDate& today)
{
    return m_logon.action([&] {
        RowSet rs = m_logon.run(S("select CODIGO, VALOR, MOTOBOY from DELIVERE where ID = ? and FONE is null with lock"),
                                {deliveryId});
        if (!rs.next())
            return false;
        m_logon.run(S("insert into DELIFIC (ID, CODIGO, DATA, VALORENTREGA, COMISSAO) "
                      "values (GEN_ID(DELIFIC,1), ?, ?, ?, ?)"),
                    {rs.integer(u"CODIGO"), today, rs.decimal(u"VALOR"), rs.decimal(u"MOTOBOY")});
        m_logon.run(S("delete from DELIVERE where ID = ?"), {deliveryId});
        return true;
    });
}
