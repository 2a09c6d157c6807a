#include "RegisterSeeds.h"
#include "TestStation.h"
#include "db/Schema.h"

#include <QDate>

namespace seeds {

void addCustomer(TestStation& st, int code, const QString& name, const QString& phone)
{
    st.logon().run(QStringLiteral("insert into CLIENTES (CODIGO, NOME, FONE) values (?, ?, ?)"),
                   {code, name, phone.isEmpty() ? QVariant() : QVariant(phone)});
}

void addStaff(TestStation& st, int code, const QString& name, const QString& password)
{
    st.logon().run(QStringLiteral("insert into VENDEDOR (ID, CODIGO, NOME, CEP) values (1, ?, ?, ?)"),
                   {code, name, password});
}

void addPaymentMethod(TestStation& st, int code, const QString& name, const QString& bx, const QString& dav)
{
    st.logon().run(QStringLiteral("insert into FORMAPAGA (ID, CD, NOME, BX, DAV) values (GEN_ID(FORMAPAGA,1), ?, ?, ?, ?)"),
                   {code, name, bx, dav});
}

void addCostCentre(TestStation& st, int code, const QString& name)
{
    st.logon().run(QStringLiteral("insert into CENTROCUSTO (ID, CODIGO, NOME) values (GEN_ID(CENTROCUSTO,1), ?, ?)"),
                   {code, name});
}

void fillEveryTable(TestStation& st)
{
    // Two rows in every table, each column left NULL but ID (and the columns the
    // reset updates, so their change shows).
    for (const schema::Table& t : schema::tables()) {
        const QString name = QString::fromLatin1(t.name);
        if (name == QLatin1String("GERAID") || name == QLatin1String("EMPRESA"))
            continue;   // one-row tables of a new installation
        const bool hasId = schema::findColumn(t, u"ID") != nullptr;
        for (int i = 0; i < 2; ++i) {
            if (hasId)
                st.logon().run(QStringLiteral("insert into %1 (ID) values (?)").arg(name), {9000 + i});
            else
                st.logon().run(QStringLiteral("insert into %1 default values").arg(name));
        }
    }
    st.logon().run(QStringLiteral("update PRODUTOS set ESTGERAL = 5"));
    st.logon().run(QStringLiteral("update RECARQ set CAIXA = 3, CAIXABAIXA = 4"));
    st.logon().run(QStringLiteral("update ESTFIC set CAIXA = 3"));
}

QMap<QString, int> rowCounts(TestStation& st)
{
    QMap<QString, int> counts;
    for (const schema::Table& t : schema::tables()) {
        const QString name = QString::fromLatin1(t.name);
        const bool exists = st.count(QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = ?"), {name}) > 0;
        if (exists)
            counts[name] = st.count(QStringLiteral("select count(*) from %1").arg(name));
    }
    return counts;
}

} // namespace seeds
