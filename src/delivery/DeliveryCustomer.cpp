#include "delivery/DeliveryCustomer.h"

#include "db/UnitLogon.h"

std::optional<DeliveryCustomerData> DeliveryCustomers::read(qint64 code)
{
    RowSet rs = m_logon.run(QStringLiteral("select first 1 CODIGO, NOME, ENDERECO, CENDERECO, CIDADE, ESTADO, REF, FAX, FONE, "
                                           "DDD, CEP from CLIENTES where CODIGO = ? order by ID"), {code});
    if (!rs.next())
        return std::nullopt;
    DeliveryCustomerData d{rs.integer(u"CODIGO"), rs.text(u"NOME"), rs.text(u"ENDERECO"), rs.text(u"CENDERECO"),
                           rs.text(u"CIDADE"), rs.text(u"ESTADO"), rs.text(u"REF"), rs.text(u"FAX"),
                           rs.text(u"FONE"), std::nullopt, rs.text(u"CEP")};
    if (!rs.isNull(u"DDD"))
        d.ddd = int(rs.integer(u"DDD"));
    return d;
}

void DeliveryCustomers::save(const DeliveryCustomerData& d)
{
    m_logon.run(QStringLiteral("update CLIENTES set NOME = ?, ENDERECO = ?, CENDERECO = ?, CIDADE = ?, REF = ?, "
                               "ESTADO = ? where CODIGO = ?"),
                {d.nome, d.endereco, d.bairro, d.cidade, d.ref.left(39), d.estado.left(2), d.codigo});
}

void DeliveryCustomers::saveWithAreaCode(const DeliveryCustomerData& d)
{
    m_logon.run(QStringLiteral("update CLIENTES set NOME = ?, ENDERECO = ?, CENDERECO = ?, CIDADE = ?, REF = ?, "
                               "ESTADO = ?, DDD = ?, CEP = ? where CODIGO = ?"),
                {d.nome.left(40), d.endereco.left(50), d.bairro.left(50), d.cidade.left(20), d.ref.left(50),
                 d.estado.left(2), d.ddd ? QVariant(*d.ddd) : QVariant(), d.cep.left(9), d.codigo});
}
