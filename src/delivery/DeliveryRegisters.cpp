#include "delivery/DeliveryRegisters.h"

#include "core/uMensagem.h"
#include "db/NewRecord.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "registers/RegisterCommon.h"

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr int kAreaName = 20;   // ENTREGA.BAIRRO
}

// ---- areas ------------------------------------------------------------------------------

std::vector<DeliveryArea> DeliveryAreas::list()
{
    std::vector<DeliveryArea> v;
    RowSet rs = m_logon.run(S("select ID, BAIRRO, TAXA from ENTREGA order by BAIRRO, ID"));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), rs.text(u"BAIRRO"), rs.decimal(u"TAXA")});
    return v;
}

qint64 DeliveryAreas::save(const QString& name, const QString& fee)
{
    const QString bairro = TrimText(name);
    if (bairro.isEmpty())
        throw EntryError(deliverytext::areas::noName);
    if (bairro.size() > kAreaName)
        throw EntryError(deliverytext::areas::longName);
    const std::optional<Decimal> taxa = delivery::readAmount(fee);
    if (!taxa || taxa->isNegative())
        throw EntryError(deliverytext::areas::badFee);
    return m_logon.action([&]() -> qint64 {
        RowSet found = m_logon.run(S("select first 1 ID from ENTREGA where BAIRRO = ? order by ID with lock"), {bairro});
        if (found.next()) {
            const qint64 id = found.integer(u"ID");
            m_logon.run(S("update ENTREGA set BAIRRO = ?, TAXA = ? where BAIRRO = ?"), {bairro, *taxa, bairro});
            return id;
        }
        RowSet added = m_logon.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (GEN_ID(ENTREGA,1), ?, ?) "
                                     "returning ID"), {bairro, *taxa});
        added.next();
        return added.integer(u"ID");
    });
}

void DeliveryAreas::remove(qint64 id)
{
    m_logon.run(S("delete from ENTREGA where ID = ?"), {id});
}

// ---- delivery men -----------------------------------------------------------------------

std::vector<DeliveryMan> DeliveryMen::list(Order order)
{
    std::vector<DeliveryMan> v;
    RowSet rs = m_logon.run(order == Order::ByName
                                ? S("select * from DELICAD order by NOME, CODIGO, ID")
                                : S("select * from DELICAD order by CODIGO, ID"));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), rs.integer(u"CODIGO"), rs.text(u"NOME"), rs.text(u"ENDERECO"),
                     rs.text(u"CIDADE"), rs.text(u"ESTADO"), rs.text(u"FONE")});
    return v;
}

qint64 DeliveryMen::nextCode()
{
    return integerOf(m_logon.scalar(S("select coalesce(max(CODIGO), 0) from DELICAD"))) + 1;
}

qint64 DeliveryMen::codeOf(const QString& typed)
{
    const std::optional<int> code = registers::codeOf(typed);
    return code && *code > 0 ? *code : 0;
}

bool DeliveryMen::save(const QString& code, const QString& nome, const QString& endereco, const QString& cidade,
                       const QString& estado, const QString& fone, bool startedAsNew)
{
    const qint64 codigo = codeOf(code);
    if (codigo == 0)
        return false;
    const Params values{nome.left(39), endereco.left(39), cidade.left(19), estado.left(2), fone.left(14), codigo};
    m_logon.action([&] {
        // A delivery man shown and edited is held and written; a new one is only inserted.
        const bool stored = !startedAsNew
            && !m_logon.run(S("select first 1 ID from DELICAD where CODIGO = ? with lock"), {codigo}).isEmpty();
        if (stored)
            m_logon.run(S("update DELICAD set NOME = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, FONE = ? "
                          "where CODIGO = ?"), values);
        else if (!newrecord::insert(m_logon, {"DELICAD", "CODIGO", codigo},
                                    S("insert into DELICAD (ID, NOME, ENDERECO, CIDADE, ESTADO, FONE, CODIGO) "
                                      "values (GEN_ID(DELICAD,1), ?, ?, ?, ?, ?, ?)"), values))
            throw EntryError(deliverytext::men::codeTaken);
    });
    return true;
}

void DeliveryMen::remove(qint64 id)
{
    m_logon.run(S("delete from DELICAD where ID = ?"), {id});
}
