#include "TabSeeds.h"

#include "db/UnitLogon.h"

namespace seeds {

void openTab(TLogon& logon, const QString& mesa, int waiter, const Decimal& advance)
{
    logon.run(QStringLiteral("insert into CABMESA (MESA, VENDEDOR, CLIENTE, VALOR, STATUS, TAXA, COUVER, DATA, HORA) "
                             "values (?, ?, 1, ?, 0, 'N', 'N', CURRENT_DATE, CURRENT_TIME)"),
              {mesa, waiter, advance});
}

qint64 addItem(TLogon& logon, const QString& mesa, const QString& code, const QString& name,
               const Decimal& quantity, const Decimal& price, int waiter, int idmesa)
{
    RowSet rs = logon.run(QStringLiteral("insert into MESA (MESA, CODIGO, NOMEP, QUANT, VALOR, VEND, IDMESA, COZINHA) "
                                         "values (?, ?, ?, ?, ?, ?, ?, '1') returning ID"),
                          {mesa, code, name, quantity, price, waiter, idmesa ? QVariant(idmesa) : QVariant()});
    rs.next();
    return rs.integer(u"ID");
}

void addKitchenRow(TLogon& logon, const QString& mesa, int idmesa, const QString& product)
{
    logon.run(QStringLiteral("insert into COZINHA2 (HORA, MESA, GARCOM, QUANT, PRODUTO, OK, IDMESA) "
                             "values ('10:00', ?, '1', 1, ?, 'N', ?)"),
              {mesa, product, idmesa});
}

void addComplement(TLogon& logon, qint64 itemId, const QString& product)
{
    logon.run(QStringLiteral("insert into ACOMPMESA (ID, CODIGO, QUANT, IDMESA, PRODUTO) values (GEN_ID(ACOMPMESA,1), '1', 1, ?, ?)"),
              {itemId, product});
}

Decimal quantityOf(TLogon& logon, qint64 itemId)
{
    const QVariant v = logon.scalar(QStringLiteral("select QUANT from MESA where ID = ?"), {itemId});
    return v.isNull() ? Decimal(-1) : decimalOf(v);
}

int count(TLogon& logon, const QString& sql, const QString& param)
{
    return int(integerOf(logon.scalar(sql, {param})));
}

} // namespace seeds
