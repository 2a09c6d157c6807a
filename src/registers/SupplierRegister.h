#pragma once
// The suppliers of FORNECEDOR as the supplier register keeps them: the supplier
// shown, the code typed over it, saving, deleting and moving. Purchase orders,
// entry invoices, stock movements, payables and products refer to a supplier by
// its code. New rows take their ID from the table's insert trigger.
#include "registers/RecordRegister.h"

namespace supplierText {
inline const QString caption = QStringLiteral(".:  Cadastro de Fornecedor  :.");
inline const QString notFoundRegister = QStringLiteral("Fornecedor nao Localizado, Cadastra?");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString invalidCode = QStringLiteral("Codigo do Fornecedor Invalido");
inline const QString codeTaken = QStringLiteral("Codigo de Fornecedor ja Cadastrado");
}

class SupplierRegister : public RecordRegister {
public:
    // The entry fields, in the window's order (Enter moves along it).
    static const std::vector<Field>& fields();

    explicit SupplierRegister(TLogon& logon);

protected:
    Record read(const RowSet& row) const override;
    qint64 write(const Record& edited, qint64 code, qint64 id) override;
};
