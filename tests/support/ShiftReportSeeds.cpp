#include "ShiftReportSeeds.h"

#include "core/Globals.h"

namespace seeds {

void addPaymentMethod(TestStation& st, int code, const QString& name)
{
    st.logon().run(QStringLiteral("insert into FORMAPAGA (ID, NOME, CD, BX) values (?, ?, ?, 'S')"),
                   {100 + code, name, code});
}

qint64 addSale(TestStation& st, int nota, int comanda, int caixa, const QDate& date)
{
    st.logon().run(QStringLiteral("insert into FATURA (NOTA, DATA, VALOR, COMANDA, CAIXA, TERMINAL, TIPO) "
                                  "values (?, ?, 0, ?, ?, 1, 1)"),
                   {nota, date, comanda, caixa});
    return st.scalar(QStringLiteral("select max(ID) from FATURA")).toLongLong();
}

void addPayment(TestStation& st, int nota, int methodCode, const Decimal& value, int caixa)
{
    st.logon().run(QStringLiteral("insert into RECARQ (DUPLICATA, VALOR, NFISCAL, CAIXA, EMISSAO) "
                                  "values (?, ?, ?, ?, CURRENT_DATE)"),
                   {QStringLiteral("%1-%2").arg(methodCode, 2, 10, QLatin1Char('0')).arg(nota), value, nota, caixa});
}

void addStockOut(TestStation& st, int nota, const QDate& date, const QString& code, const QString& history,
                 const Decimal& quantity, const Decimal& price, int caixa, int waiter)
{
    st.logon().run(QStringLiteral("insert into ESTFIC (CODIGO, DATA, HISTORICO, ENTRADA, SAIDA, NFISCAL, VALOR, "
                                  "CAIXA, VENDEDOR) values (?, ?, ?, 0, ?, ?, ?, ?, ?)"),
                   {code, date, history, quantity, nota, price, caixa, waiter});
}

void addCancellation(TestStation& st, const QString& hora, const QString& operador, const QString& motivo,
                     int caixa, const QString& acao)
{
    st.logon().run(QStringLiteral("insert into LOG (HORA, OPERADOR, MOTIVO, CAIXA, ACAO) values (?, ?, ?, ?, ?)"),
                   {hora, operador, motivo, caixa, acao});
}

void addWaiter(TestStation& st, int code, const QString& name)
{
    st.logon().run(QStringLiteral("insert into VENDEDOR (ID, CODIGO, NOME) values (1, ?, ?)"), {code, name});
}

void addGroup(TestStation& st, int code, const QString& name)
{
    st.logon().run(QStringLiteral("insert into TIPOS (ID, CODIGO, NOME) values (?, ?, ?)"), {code, code, name});
}

void addProductInGroup(TestStation& st, const QString& code, const QString& name, int group)
{
    st.logon().run(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, CLASSE) "
                                  "values (GEN_ID(PRODUTOS,1), ?, ?, 0, ?)"),
                   {code, name, group});
}

void addShiftDate(TestStation& st, int caixa, const QDate& date)
{
    st.logon().run(QStringLiteral("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (?, ?, ?, 0)"),
                   {caixa, caixa, date});
}

void setCompany(TestStation& st, const QString& name, const QString& address, const QString& city,
                const QString& state, const QString& cnpj)
{
    st.logon().run(QStringLiteral("update EMPRESA set EMPRESA = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, CNPJ = ?"),
                   {name, address, city, state, cnpj});
    ctx::Company& c = ctx::company();
    c.CompanyName = name;
    c.CompanyAddress = address;
    c.CompanyCity = city;
    c.CompanyState = state;
    c.CompanyCnpj = cnpj;
}

} // namespace seeds
