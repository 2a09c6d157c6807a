#include "tabs/TabCustomer.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "tabs/TabKey.h"

std::optional<QString> TabCustomer::customerName(const QString& code)
{
    const std::optional<qint64> n = readWhole(code);
    if (!n || *n < 0 || *n > 2147483647)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 nome from clientes where codigo = ? order by id"), {*n});
    if (!rs.first())
        return std::nullopt;
    return rs.text(u"NOME");
}

bool TabCustomer::attach(const QString& tabKey, const QString& code)
{
    const QString key = TrimText(tabKey);
    if (key.isEmpty() || !tabs::storableTabKey(key) || !customerName(code))
        return false;
    return m_logon.exec(QStringLiteral("update cabmesa set cliente = ? where mesa = ?"), {*readWhole(code), key}) > 0;
}

QString TabCustomer::nameOfTabCustomer(const QString& tabKey)
{
    const QString key = TrimText(tabKey);
    if (key.isEmpty() || !tabs::storableTabKey(key))
        return QString();
    RowSet rs = m_logon.run(QStringLiteral(
        "select first 1 (select first 1 nome from clientes where codigo = c.cliente order by id) as nome "
        "from cabmesa c where c.mesa = ? and c.cliente <> 0 order by c.id"), {key});
    return rs.first() ? rs.text(u"NOME") : QString();
}
