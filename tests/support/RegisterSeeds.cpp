#include "RegisterSeeds.h"
#include "registers/RegisterSql.h"

namespace seeds {

void addCustomer(TLogon& logon, int code, const QString& name, const QString& address,
                 const QString& phone, const QString& cnpj)
{
    reg::run(logon, QStringLiteral("INSERT INTO CLIENTES (ID, CODIGO, NOME, ENDERECO, FONE, CNPJ) "
                                   "VALUES (GEN_ID(CLIENTE,1), ?, ?, ?, ?, ?)"),
             {code, name, address, phone, cnpj});
}

void addSupplier(TLogon& logon, int code, const QString& name, const QString& cnpj)
{
    reg::run(logon, QStringLiteral("INSERT INTO FORNECEDOR (CODIGO, NOME, CNPJ) VALUES (?, ?, ?)"),
             {code, name, cnpj});
}

void addGroup(TLogon& logon, int code, const QString& name)
{
    reg::run(logon, QStringLiteral("INSERT INTO TIPOS (ID, CODIGO, NOME) VALUES (?, ?, ?)"), {code, code, name});
}

void addProduct(TLogon& logon, const QString& code, const QString& name, const Decimal& price,
                const Decimal& cost, bool kit)
{
    reg::run(logon, QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR, CUSTO, COMPOSICAO, CLAS, UNIDADE) "
                                   "VALUES (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, ?, '0', 'UN')"),
             {code, name, reg::value(price), reg::value(cost), QString(kit ? QStringLiteral("S") : QStringLiteral("N"))});
}

void addCashShiftDay(TLogon& logon, int shift, const QDate& date)
{
    reg::run(logon, QStringLiteral("INSERT INTO CONTDATA (ID, CAIXA, DATA, ABERTURA) VALUES (GEN_ID(CONTCAIXA,1), ?, ?, 0)"),
             {shift, date});
}

} // namespace seeds
