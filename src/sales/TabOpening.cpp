#include "sales/TabOpening.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

#include <QDateTime>

Decimal tabKeyNumber(const QString& key)
{
    return readAmount(key).value_or(Decimal(0));
}

std::optional<TabHeader> TabOpening::find(const QString& key)
{
    RowSet rs = m_logon.run(QStringLiteral(
        "select first 1 me.id, me.mesa, me.vendedor, me.status, me.fechado, me.hora, me.cliente, cl.nome "
        "from cabmesa me left join clientes cl on cl.codigo = me.cliente "
        "where me.mesa = ? order by me.id"), {key});
    if (!rs.first())
        return std::nullopt;
    TabHeader h;
    h.id = rs.integer(u"ID");
    h.mesa = rs.text(u"MESA");
    h.vendedor = rs.isNull(u"VENDEDOR") ? QString() : QString::number(rs.integer(u"VENDEDOR"));
    h.status = int(rs.integer(u"STATUS"));
    h.fechado = rs.isNull(u"FECHADO") ? QString() : rs.value(u"FECHADO").toTime().toString(QStringLiteral("hh:mm:ss"));
    h.hora = rs.isNull(u"HORA") ? QString() : rs.value(u"HORA").toTime().toString(QStringLiteral("hh:mm:ss"));
    h.cliente = rs.integer(u"CLIENTE");
    h.clienteNome = rs.text(u"NOME");
    return h;
}

TabOpening::Outcome TabOpening::open(const QString& key, TabHeader* header)
{
    const QDateTime now = QDateTime::currentDateTime();
    Outcome outcome = Outcome::Created;
    try {
        m_logon.run(QStringLiteral("insert into cabmesa (id,mesa,cliente,taxa,couver,hora,data) "
                                   "values (GEN_ID(CABMESA,1),?,?,?,?,?,?)"),
                    {key, 0, QStringLiteral("N"), QStringLiteral("N"), now.time(), now.date()});
    } catch (const DbError&) {
        // another station opened it a moment ago: its tab is this one
        if (!find(key))
            throw;
        outcome = Outcome::TakenUp;
    }
    if (header) {
        const std::optional<TabHeader> h = find(key);
        if (!h)
            throw DbError(QStringLiteral("A mesa %1 não foi gravada.").arg(key));
        *header = *h;
    }
    return outcome;
}

void TabOpening::dropKeylessTabs()
{
    m_logon.action([&] {
        m_logon.run(QStringLiteral("delete from CabMesa where (mesa = '') or (mesa = '.')  or (SUBSTRING(MESA FROM 1 FOR 3) = 'AVO')  "));
        m_logon.run(QStringLiteral("delete from Mesa where (mesa = '') or (mesa = '.')  or (SUBSTRING(MESA FROM 1 FOR 3) = 'AVO')  "));
    });
}
