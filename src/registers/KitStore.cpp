#include "registers/KitStore.h"

Decimal kit::cost(const reg::Rows& components)
{
    Decimal total;
    for (int i = 0; i < components.size(); ++i) {
        const QVariant c = components.value(i, u"CUSTOPROD");
        if (c.isNull())
            continue;
        const QVariant q = components.value(i, u"QUANT");
        total += (q.isNull() ? Decimal() : decimalOf(q)) * decimalOf(c);
    }
    return total;
}

reg::Rows KitStore::components(const QString& kitCode)
{
    // KITPROD.CODIGO holds ten characters: a longer kit code has no rows.
    if (kitCode.size() > 10)
        return reg::Rows();
    return reg::run(m_logon, QStringLiteral(
        "select k.*, (select first 1 p.nome from produtos p where p.codigo = k.codprod) as nomeprod, "
        "(select first 1 p.custo from produtos p where p.codigo = k.codprod) as custoprod "
        "from KitProd k where k.codigo = ? order by k.id"), {kitCode});
}

reg::Rows KitStore::product(const QString& code)
{
    return reg::run(m_logon, QStringLiteral("select first 1 codigo, nome, composicao from produtos where codigo = ?"), {code});
}

void KitStore::add(const QString& kitCode, const QString& componentCode, const QString& componentName,
                   const Decimal& quantity)
{
    reg::run(m_logon, QStringLiteral("insert into kitprod (id,codigo,codprod,nomep,quant) values (GEN_ID(KITPROD,1),?,?,?,?)"),
             {kitCode, componentCode, componentName.left(19), reg::value(quantity)});
}

void KitStore::remove(qint64 id)
{
    reg::run(m_logon, QStringLiteral("delete from kitprod where id = ?"), {id});
}
