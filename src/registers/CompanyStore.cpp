#include "registers/CompanyStore.h"
#include "core/uMensagem.h"

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

ReceiptCompany CompanyStore::receiptCompany()
{
    RowSet row = m_logon.run(QStringLiteral("select first 1 EMPRESA, ENDERECO, CIDADE, ESTADO, CNPJ, FAX, TITULO, "
                                            "SCC4, SCC5 from EMPRESA"));
    row.next();
    ReceiptCompany c;
    c.companyName = row.text(u"EMPRESA");
    c.companyAddress = row.text(u"ENDERECO");
    c.companyCity = row.text(u"CIDADE");
    c.companyState = row.text(u"ESTADO");
    c.cnpj = row.text(u"CNPJ");
    c.phone = row.text(u"FAX");
    c.title = row.text(u"TITULO");
    c.salesOptions = int(row.integer(u"SCC5"));
    c.itemOptions = int(row.integer(u"SCC4"));
    return c;
}

void CompanyStore::save(const QString& cnpj, const QString& iestadual, const QString& fax)
{
    // They head every receipt: pasted tabs and line ends go.
    m_logon.run(QStringLiteral("update EMPRESA set CNPJ = ?, IESTADUAL = ?, FAX = ?"),
                {readText(cnpj), readText(iestadual), readText(fax)});
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
