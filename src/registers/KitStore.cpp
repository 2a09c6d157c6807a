#include "registers/KitStore.h"

#include "core/LineAmount.h"

Decimal kit::lineCost(const QVariant& quantity, const QVariant& componentCost)
{
    if (componentCost.isNull() || quantity.isNull())
        return Decimal();
    return lineAmount(decimalOf(quantity), decimalOf(componentCost));
}

Decimal kit::cost(const registers::Rows& components)
{
    Decimal total;
    for (int i = 0; i < components.size(); ++i)
        total += lineCost(components.value(i, u"QUANT"), components.value(i, u"CUSTOPROD"));
    return total;
}

registers::Rows KitStore::components(const QString& kitCode)
{
    // KITPROD.CODIGO holds ten characters: a longer kit code has no rows.
    if (kitCode.size() > 10)
        return registers::Rows();
    return registers::run(m_logon, QStringLiteral(
        "select k.*, (select first 1 p.nome from produtos p where p.codigo = k.codprod) as nomeprod, "
        "(select first 1 p.custo from produtos p where p.codigo = k.codprod) as custoprod "
        "from KitProd k where k.codigo = ? order by k.id"), {kitCode});
}

registers::Rows KitStore::product(const QString& code)
{
    return registers::run(m_logon, QStringLiteral("select first 1 codigo, nome, composicao from produtos where codigo = ?"), {code});
}

void KitStore::add(const QString& kitCode, const QString& componentCode, const QString& componentName,
                   const Decimal& quantity)
{
    registers::run(m_logon, QStringLiteral("insert into kitprod (id,codigo,codprod,nomep,quant) values (GEN_ID(KITPROD,1),?,?,?,?)"),
             {kitCode, componentCode, componentName.left(19), registers::value(quantity)});
}

void KitStore::remove(qint64 id)
{
    registers::run(m_logon, QStringLiteral("delete from kitprod where id = ?"), {id});
}
