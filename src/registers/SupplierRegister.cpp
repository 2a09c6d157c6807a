#include "registers/SupplierRegister.h"

#include "db/UnitLogon.h"
#include "registers/RegisterCommon.h"

#include <QStringList>

namespace {
// Text columns written as typed (blank: NULL).
const char* const kTextColumns[] = {"NOME", "ENDERECO", "CIDADE", "ESTADO", "CEP", "CNPJ", "ESTADUAL",
                                    "FONE", "FAX", "EMAIL", "PAGINA", "CONTATO"};
}

const std::vector<SupplierRegister::Field>& SupplierRegister::fields()
{
    static const std::vector<Field> all = {
        {"CODIGO", "Codigo", false},
        {"NOME", "Fornecedor", false},
        {"ENDERECO", "Endereço", false},
        {"CIDADE", "Cidade", false},
        {"ESTADO", "Estado", false},
        {"CEP", "CEP", false},
        {"CNPJ", "CNPJ/CPF", false},
        {"ESTADUAL", "I Estadual/Identidade", false},
        {"FONE", "Telefone", false},
        {"FAX", "Fax", false},
        {"EMAIL", "Email", true},
        {"PAGINA", "homepage", true},
        {"CONTATO", "Contato", false},
    };
    return all;
}

SupplierRegister::SupplierRegister(TLogon& logon)
    : RecordRegister(logon, "FORNECEDOR",
                     {supplierText::invalidCode, supplierText::notFoundRegister, supplierText::askDelete,
                      supplierText::codeTaken})
{
}

Record SupplierRegister::read(const RowSet& row) const
{
    Record r;
    for (const char* col : kTextColumns)
        r.values[QLatin1String(col)] = row.value(QString::fromLatin1(col)).toString();
    r.values[QStringLiteral("OPERADOR")] = row.value(QStringLiteral("OPERADOR")).toString();
    return r;
}

qint64 SupplierRegister::write(const Record& edited, qint64 code, qint64 id)
{
    QVariantList params;
    params << code;
    QStringList columns{QStringLiteral("CODIGO")};
    for (const char* col : kTextColumns) {
        params << registers::textOrNull(edited.value(col));
        columns << QLatin1String(col);
    }
    if (id == 0) {
        const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(u',');
        return m_logon.scalar(QStringLiteral("insert into FORNECEDOR (%1) values (%2) returning ID")
                                  .arg(columns.join(QStringLiteral(", ")), marks), params).toLongLong();
    }
    params << id;
    m_logon.run(QStringLiteral("update FORNECEDOR set %1 = ? where ID = ?").arg(columns.join(QStringLiteral(" = ?, "))), params);
    return id;
}
