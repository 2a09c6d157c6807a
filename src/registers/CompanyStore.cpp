#include "registers/CompanyStore.h"

#include "core/Globals.h"
#include "db/UnitLogon.h"

CompanyRow CompanyStore::load()
{
    CompanyRow r;
    auto q = m_logon.run(QStringLiteral("select EMPRESA, ENDERECO, CIDADE, ESTADO, CNPJ, IESTADUAL, FAX from EMPRESA"));
    if (q.next()) {
        r.empresa = q.value(0).toString();
        r.endereco = q.value(1).toString();
        r.cidade = q.value(2).toString();
        r.estado = q.value(3).toString();
        r.cnpj = q.value(4).toString();
        r.iestadual = q.value(5).toString();
        r.fax = q.value(6).toString();
    }
    return r;
}

void CompanyStore::save(const QString& cnpj, const QString& iestadual, const QString& fax)
{
    m_logon.run(QStringLiteral("update EMPRESA set CNPJ = ?, IESTADUAL = ?, FAX = ?"), {cnpj, iestadual, fax});
}

void CompanyStore::applyToHeader(const CompanyRow& row)
{
    ctx::Company& c = ctx::company();
    c.CompanyName = row.empresa;
    c.CompanyAddress = row.endereco;
    c.CompanyCity = row.cidade;
    c.CompanyState = row.estado;
    c.CompanyCnpj = row.cnpj;
    c.CompanyStateRegistration = row.iestadual;
    c.CompanyPhone = row.fax;
}
