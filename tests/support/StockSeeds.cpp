#include "StockSeeds.h"

#include "db/UnitLogon.h"

namespace seeds {

void addLedgerRow(TLogon& logon, const QString& code, const QDate& date, std::optional<Decimal> in,
                  std::optional<Decimal> out, const QString& history)
{
    logon.run(QStringLiteral("insert into ESTFIC (ID, CODIGO, DATA, HISTORICO, ENTRADA, SAIDA) "
                             "values (GEN_ID(ESTFIC,1), ?, ?, ?, ?, ?)"),
              {code, date, history, in ? SqlValue(*in) : SqlValue(nullptr), out ? SqlValue(*out) : SqlValue(nullptr)});
}

void addOrder(TLogon& logon, int number, int supplier, const QString& obs)
{
    logon.run(QStringLiteral("insert into COMPRAS (ID, CODIGO, FORNE, DATA, OBS) values (GEN_ID(COMPRAS,1), ?, ?, ?, ?)"),
              {number, supplier, QDate(2026, 3, 2), obs});
}

void addOrderItem(TLogon& logon, int order, const QString& code, const Decimal& quantity, const Decimal& cost,
                  int ipi, int icms)
{
    logon.run(QStringLiteral("insert into COMPPED (ID, CODPED, CODIGO, QUANT, CUSTO, IPI, ICM) "
                             "values (GEN_ID(OUTROS,1), ?, ?, ?, ?, ?, ?)"),
              {order, code, quantity, cost, ipi, icms});
}

void addKitComponent(TLogon& logon, const QString& kit, const QString& component, const QString& name,
                     const Decimal& quantity)
{
    logon.run(QStringLiteral("insert into KITPROD (ID, CODIGO, CODPROD, NOMEP, QUANT) values (GEN_ID(KITPROD,1), ?, ?, ?, ?)"),
              {kit, component, name, quantity});
}

Decimal productColumn(TLogon& logon, const QString& code, const char* column)
{
    return decimalOf(logon.scalar(QStringLiteral("select coalesce(%1, 0) from PRODUTOS where CODIGO = ?")
                                      .arg(QLatin1String(column)), {code}));
}

QDate productDate(TLogon& logon, const QString& code, const char* column)
{
    return logon.scalar(QStringLiteral("select %1 from PRODUTOS where CODIGO = ?").arg(QLatin1String(column)), {code}).toDate();
}

} // namespace seeds
