#include "registers/ComplementStore.h"
#include "core/WholeNumber.h"
#include "registers/RegisterRules.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Win1252.h"

namespace complement {

Entry readEntry(const QString& code, const QString& name, const QString& group, const QString& value)
{
    Entry e;
    e.code = readInt(code).value_or(0);
    e.name = name.toUpper().left(30);
    e.group = readInt(group).value_or(0);
    const registers::Number n = registers::readNumber(value);
    if (n.ok())
        e.value = n.value;
    if (e.code < 0)
        e.refusal = text::negativeCode;
    else if (n.kind == registers::Number::TooLarge || e.value.isNegative())
        e.refusal = text::badValue;
    else if (!fitsWin1252(e.name))
        e.refusal = characterSetMessage();
    return e;
}

} // namespace complement

registers::Rows ComplementStore::list()
{
    return registers::run(m_logon, QStringLiteral(
        "select c.*, (select first 1 t.nome from tipos t where t.codigo = c.grupo) as categoria "
        "from COMPLEMENTO c order by c.codigo"));
}

registers::Rows ComplementStore::groups()
{
    return registers::run(m_logon, QStringLiteral("select * from tipos order by codigo"));
}

qint64 ComplementStore::highestCode()
{
    return registers::scalar(m_logon, QStringLiteral("select max(codigo) from complemento")).toLongLong();
}

void ComplementStore::save(const complement::Entry& e)
{
    registers::action(m_logon, [&] {
        const bool found = !registers::run(m_logon, QStringLiteral("select first 1 id from Complemento where codigo = ?"), {e.code}).isEmpty();
        if (!found)
            registers::run(m_logon, QStringLiteral("insert into Complemento (id,codigo,nome,grupo,valor) values (GEN_ID(OUTROS,1),?,?,?,?)"),
                     {e.code, e.name, e.group, registers::value(e.value)});
        else
            registers::run(m_logon, QStringLiteral("update Complemento set nome = ?,  grupo = ?,  valor= ? where codigo  = ?"),
                     {e.name, e.group, registers::value(e.value), e.code});
    });
}

void ComplementStore::remove(qint64 id)
{
    registers::run(m_logon, QStringLiteral("delete from COMPLEMENTO where id = ?"), {id});
}
