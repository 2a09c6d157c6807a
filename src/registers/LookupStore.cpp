#include "registers/LookupStore.h"
#include "db/Schema.h"
#include "core/WholeNumber.h"
#include "core/uMensagem.h"

namespace {
// A search for a text anywhere in the column, cut to what the column can match.
QVariant containing(const QString& text, const char* table, const char* column)
{
    return schema::containingPattern(text, QString::fromLatin1(table), QString::fromLatin1(column));
}
}

registers::Rows LookupStore::customers(CustomerField field, const QString& text)
{
    QString sql;
    const char* column = "NOME";
    switch (field) {
    case CustomerField::Name:
        sql = QStringLiteral("SELECT first 78 * FROM CLIENTES WHERE NOME LIKE ? order by nome ");
        break;
    case CustomerField::Address:
        sql = QStringLiteral("SELECT first 78 * FROM CLIENTES WHERE endereco LIKE ? order by endereco ");
        column = "ENDERECO";
        break;
    case CustomerField::Phone:
        sql = QStringLiteral("SELECT first 78 * FROM CLIENTES WHERE fone LIKE ? order by fone ");
        column = "FONE";
        break;
    }
    return registers::run(m_logon, sql, {containing(text, "CLIENTES", column)});
}

registers::Rows LookupStore::firstProducts()
{
    return registers::run(m_logon, QStringLiteral("Select  first 20 * from Produtos order by nome"));
}

registers::Rows LookupStore::products(ProductField field, const QString& text)
{
    const QString sql = field == ProductField::Name
        ? QStringLiteral("SELECT first 25 * FROM PRODUTOS WHERE NOME LIKE ?")
        : QStringLiteral("SELECT first 25 * FROM PRODUTOS WHERE CODIGO LIKE ?");
    return registers::run(m_logon, sql, {containing(text, "PRODUTOS", field == ProductField::Name ? "NOME" : "CODIGO")});
}

registers::Rows LookupStore::suppliers()
{
    // Shown by name; suppliers of one name keep the order of their codes.
    return registers::run(m_logon, QStringLiteral("Select * from Fornecedor order by nome, codigo"));
}

registers::Rows LookupStore::firstSuppliers()
{
    return registers::run(m_logon, QStringLiteral("Select First 20 * from Fornecedor  order by nome"));
}

registers::Rows LookupStore::suppliersNamed(const QString& text)
{
    return registers::run(m_logon, QStringLiteral("SELECT first 25 * FROM fornecedor WHERE NOME LIKE ?"), {containing(text.toUpper(), "FORNECEDOR", "NOME")});
}

std::optional<QString> LookupStore::supplierName(const QString& code)
{
    const std::optional<int> number = readInt(code);
    if (!number)
        return std::nullopt;
    registers::Rows r = registers::run(m_logon, QStringLiteral("select first 1 nome from fornecedor where codigo = ?"), {*number});
    if (!r.next())
        return std::nullopt;
    return r.text(u"NOME");
}

registers::Rows LookupStore::cashShifts(bool all)
{
    return registers::run(m_logon, all
        ? QStringLiteral("SELECT data,caixa, COUNT(*) FROM ContData  where caixa <> '0'  GROUP BY data,caixa order  by caixa desc")
        : QStringLiteral("SELECT FIRST 60 data,caixa, COUNT(*) FROM ContData  where caixa <> '0'  GROUP BY data,caixa order  by caixa desc"));
}
