#include "TabServiceSeeds.h"

#include "db/UnitLogon.h"

namespace seeds {

void sizes(TLogon& logon, const QStringList& labels)
{
    for (int i = 0; i < labels.size(); ++i)
        logon.run(QStringLiteral("insert into moeda (moeda, local) values (?, ?)"), {i + 1, labels[i]});
}

void sizedProduct(TLogon& logon, const QString& code, const QString& name, const Decimal& familia, const Decimal& valor,
                  const Decimal& grande, const Decimal& pequena, const Decimal& peso, const QString& kitchen)
{
    logon.run(QStringLiteral("insert into produtos (id, codigo, nome, valor, vfamilia, vgrande, vpequena, peso, clas, classe, unidade) "
                             "values (GEN_ID(PRODUTOS,1),?,?,?,?,?,?,?,?,1,'UN')"),
              {code, name, valor, familia, grande, pequena, peso, kitchen});
}

void kit(TLogon& logon, const QString& code, const QString& name, const Decimal& price, const QString& kitchen)
{
    logon.run(QStringLiteral("insert into kitmaster (id, codigo, nome, valot, impfiscal) "
                             "values ((select coalesce(max(id),0)+1 from kitmaster),?,?,?,?)"), {code, name, price, kitchen});
}

void customer(TLogon& logon, int code, const QString& name)
{
    logon.run(QStringLiteral("insert into clientes (codigo, nome) values (?, ?)"), {code, name});
}

qint64 tabItem(TLogon& logon, const QString& tab, const QString& code, const QString& name, const Decimal& quantity,
               const Decimal& price, const QString& kitchen, const QStringList& complements)
{
    RowSet rs = logon.run(QStringLiteral("insert into mesa (idmesa, mesa, quant, codigo, nomep, cozinha, valor, impressora, vend) "
                                         "values (0,?,?,?,?,?,?,?,3) returning id"),
                          {tab, quantity, code, name, kitchen, price, kitchen});
    rs.first();
    const qint64 id = rs.integer(u"ID");
    for (const QString& c : complements)
        logon.run(QStringLiteral("insert into acompmesa (id, produto, codigo, idmesa, quant, cod) values (GEN_ID(ACOMPMESA,1),?,?,?,0,0)"),
                  {c, QString::number(id), id});
    return id;
}

} // namespace seeds
