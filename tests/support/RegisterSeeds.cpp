#include "RegisterSeeds.h"
#include "registers/RegisterSql.h"
#include "db/Schema.h"
#include "db/UnitLogon.h"

namespace seeds {

void addCustomer(TLogon& logon, int code, const QString& name, const QString& address,
                 const QString& phone, const QString& cnpj)
{
    registers::run(logon, QStringLiteral("INSERT INTO CLIENTES (ID, CODIGO, NOME, ENDERECO, FONE, CNPJ) "
                                   "VALUES (GEN_ID(CLIENTE,1), ?, ?, ?, ?, ?)"),
             {code, name, address, phone, cnpj});
}

void addSupplier(TLogon& logon, int code, const QString& name, const QString& cnpj)
{
    registers::run(logon, QStringLiteral("INSERT INTO FORNECEDOR (CODIGO, NOME, CNPJ) VALUES (?, ?, ?)"),
             {code, name, cnpj});
}

void addGroup(TLogon& logon, int code, const QString& name)
{
    registers::run(logon, QStringLiteral("INSERT INTO TIPOS (ID, CODIGO, NOME) VALUES (?, ?, ?)"), {code, code, name});
}

void addProduct(TLogon& logon, const QString& code, const QString& name, const Decimal& price,
                const Decimal& cost, bool kit)
{
    registers::run(logon, QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR, CUSTO, COMPOSICAO, CLAS, UNIDADE) "
                                   "VALUES (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, ?, '0', 'UN')"),
             {code, name, registers::value(price), registers::value(cost), QString(kit ? QStringLiteral("S") : QStringLiteral("N"))});
}

void addCashShiftDay(TLogon& logon, int shift, const QDate& date)
{
    registers::run(logon, QStringLiteral("INSERT INTO CONTDATA (ID, CAIXA, DATA, ABERTURA) VALUES (GEN_ID(CONTCAIXA,1), ?, ?, 0)"),
             {shift, date});
}

void addStaff(TLogon& logon, int code, const QString& name, const QString& password)
{
    logon.run(QStringLiteral("insert into VENDEDOR (ID, CODIGO, NOME, CEP) values (1, ?, ?, ?)"), {code, name, password});
}

void addPaymentMethod(TLogon& logon, int code, const QString& name, const QString& bx, const QString& dav)
{
    logon.run(QStringLiteral("insert into FORMAPAGA (ID, CD, NOME, BX, DAV) values (GEN_ID(FORMAPAGA,1), ?, ?, ?, ?)"),
              {code, name, bx, dav});
}

void addCostCentre(TLogon& logon, int code, const QString& name)
{
    logon.run(QStringLiteral("insert into CENTROCUSTO (ID, CODIGO, NOME) values (GEN_ID(CENTROCUSTO,1), ?, ?)"),
              {code, name});
}

void fillEveryTable(TLogon& logon)
{
    // Every column NULL but ID, and the columns the data reset updates.
    for (const schema::Table& t : schema::tables()) {
        const QString name = QString::fromLatin1(t.name);
        if (name == QLatin1String("GERAID") || name == QLatin1String("EMPRESA") || t.origin == schema::Origin::Added)
            continue;
        const bool hasId = schema::findColumn(t, u"ID") != nullptr;
        for (int i = 0; i < 2; ++i) {
            if (hasId)
                logon.run(QStringLiteral("insert into %1 (ID) values (?)").arg(name), {9000 + i});
            else
                logon.run(QStringLiteral("insert into %1 default values").arg(name));
        }
    }
    logon.run(QStringLiteral("update PRODUTOS set ESTGERAL = 5"));
    logon.run(QStringLiteral("update RECARQ set CAIXA = 3, CAIXABAIXA = 4"));
    logon.run(QStringLiteral("update ESTFIC set CAIXA = 3"));
}

QMap<QString, int> rowCounts(TLogon& logon)
{
    QMap<QString, int> counts;
    for (const schema::Table& t : schema::tables()) {
        const QString name = QString::fromLatin1(t.name);
        if (t.origin == schema::Origin::Added)
            continue;   // the data layer's own: every action writes to it
        const QVariant exists = logon.scalar(
            QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = ?"), {name});
        if (integerOf(exists) > 0)
            counts[name] = int(integerOf(logon.scalar(QStringLiteral("select count(*) from %1").arg(name))));
    }
    return counts;
}

} // namespace seeds
