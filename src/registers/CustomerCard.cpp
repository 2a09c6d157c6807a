#include "registers/CustomerCard.h"
#include "db/UnitLogon.h"

std::optional<CustomerCard> customerByCode(TLogon& logon, qint64 code)
{
    RowSet rs = logon.run(QStringLiteral("select first 1 CODIGO, NOME, BLOQUEIO from CLIENTES where CODIGO = ?"), {code});
    if (!rs.next())
        return std::nullopt;
    return CustomerCard{rs.integer(u"CODIGO"), rs.text(u"NOME"), rs.text(u"BLOQUEIO").trimmed() == QLatin1String("S")};
}

std::optional<CustomerCard> walkInCustomer(TLogon& logon)
{
    return customerByCode(logon, 1);
}
