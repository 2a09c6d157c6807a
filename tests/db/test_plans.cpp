// The lookups of a busy night use indexes: the optimizer's plan of each hot
// statement, as Firebird gives it, reads no table that grows in full (NATURAL).
// Items and tabs by id, kitchen rows by item key, and the rows of one sale
// (payments, stock-out, service) as the bill reprint and the shift reports read them.
#include "TestStation.h"
#include "db/Schema.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Tables that grow with every night's work (the others hold a few rows).
const QSet<QString> kGrowing = {
    QStringLiteral("MESA"), QStringLiteral("CABMESA"), QStringLiteral("COZINHA2"), QStringLiteral("ACOMPMESA"),
    QStringLiteral("FATURA"), QStringLiteral("RECARQ"), QStringLiteral("SERVICO"), QStringLiteral("ESTFIC"),
    QStringLiteral("PRODUTOS"), QStringLiteral("CLIENTES"), QStringLiteral("HISTORICO"), QStringLiteral("LOG"),
};

// The statements as the sales screen, the closings and the reports run them.
const char* const kHot[] = {
    // items and tabs by id
    "update mesa set cozinha = '0' where id = ?",
    "update mesa set quant = quant - ? where id = ? and quant >= ?",
    "delete from mesa where id = ? and quant = 0",
    "update mesa set cozinha = '0' where id = ? and cozinha = ?",
    "update cabmesa set vendedor = ?, hora2 = ? where id = ?",
    "delete from cabmesa where id = ?",
    // kitchen rows by item key, and by id on the kitchen monitor
    "delete from cozinha2 where idmesa = ?",
    "delete from cozinha2 where id = ?",
    "delete from COZINHA2 where MESA = cast(? as varchar(30))",
    // the rows of one sale: the closed-bill reprint and the counter reports
    "select e.CODIGO, e.HISTORICO, e.VALOR, e.SAIDA, "
    "(select first 1 p.NOME from PRODUTOS p where p.CODIGO = e.CODIGO) as PRODUTO "
    "from ESTFIC e where e.NFISCAL = ? and e.DATA = ? and e.NFISCAL <> 0 order by e.ID",
    "select dup.valor,dup.duplicata,fm.nome  from recarq dup left join formapaga fm on "
    "substring(dup.duplicata from 1 for 2)  = fm.cd where  nfiscal = ? order by dup.id",
    "select e.SAIDA, e.VALOR, p.NOME from ESTFIC e left join PRODUTOS p "
    "on e.CODIGO = p.CODIGO where e.NFISCAL = ? order by e.ID",
    "select e.VENDEDOR, e.SAIDA, e.VALOR, (select first 1 p.NOME from PRODUTOS p "
    "where p.CODIGO = e.CODIGO) as NOME from ESTFIC e "
    "where e.TERMINAL = ? and e.CAIXA = ? and e.NFISCAL = ? order by e.ID",
    "select TIPO, VALOR, CODIGO from SERVICO where CONTROLE = ? order by ID",
    "select DUPLICATA, VALOR from RECARQ where NFISCAL = ? and CAIXA = ?",
    "select NOTA, VALOR, CLIENTE from FATURA where NOTA = ?",
    // the tab and its items by key
    "select VENDEDOR, CLIENTE, VALOR from CABMESA where MESA = ? with lock",
    "select ID, CODIGO, NOMEP, QUANT, VALOR, VEND from MESA where MESA = ? order by ID",
};

// Table names behind the names a plan shows (aliases included).
QMap<QString, QString> tablesOf(const QString& sql)
{
    static const QRegularExpression source(
        QStringLiteral("\\b(?:from|join|update|into)\\s+(\\w+)(?:\\s+(?!where\\b|on\\b|set\\b|left\\b|join\\b|order\\b|"
                       "inner\\b|with\\b|group\\b)(\\w+))?"),
        QRegularExpression::CaseInsensitiveOption);
    QMap<QString, QString> names;
    for (auto it = source.globalMatch(sql); it.hasNext();) {
        const auto m = it.next();
        const QString table = m.captured(1).toUpper();
        names[table] = table;
        if (!m.captured(2).isEmpty())
            names[m.captured(2).toUpper()] = table;
    }
    return names;
}

} // namespace

TEST(Plans, HotStatementsReadNoGrowingTableInFull)
{
    TestStation st;
    static const QRegularExpression natural(QStringLiteral("(\\w+) NATURAL"));
    for (const char* text : kHot) {
        const QString sql = QString::fromUtf8(text);
        const QString plan = st.logon().planOf(sql);
        SCOPED_TRACE(sql.toStdString() + "\n" + plan.toStdString());
        EXPECT_TRUE(plan.contains(QLatin1String("PLAN"))) << plan.toStdString();
        const QMap<QString, QString> tables = tablesOf(sql);
        for (auto it = natural.globalMatch(plan); it.hasNext();) {
            const QString name = it.next().captured(1).toUpper();
            EXPECT_FALSE(kGrowing.contains(tables.value(name, name))) << name.toStdString() << " read in full";
        }
    }
}

TEST(Plans, EveryDeclaredIndexIsThereAndTheCheckSeesAScan)
{
    TestStation st;
    for (const schema::Index& i : schema::indexes())
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = ?"),
                           {QString::fromLatin1(i.name)}), 1) << i.name;
    // A lookup by a column without an index shows as the scan this check looks for.
    EXPECT_TRUE(st.logon().planOf(QStringLiteral("select ID from MESA where TEXTO = ?")).contains(QLatin1String("MESA NATURAL")));
    EXPECT_EQ(tablesOf(QStringLiteral("select dup.valor from recarq dup left join formapaga fm on 1 = 1")).value(QStringLiteral("FM")),
              QStringLiteral("FORMAPAGA"));
}
