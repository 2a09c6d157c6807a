#pragma once
// The product import from the outside ERP (GDOOR): every row of its ESTOQUE table
// becomes a product of PRODUTOS. A code this system does not have yet is inserted
// (code with six digits at least, name cut to 39 characters, unit to 2, group 1,
// sale and cost price rounded to the cent); a code it has gets only its name and
// sale price again. The whole import is one action: every product or none.
#include "core/ActionRefused.h"
#include "core/Decimal.h"
#include "db/UnitLogon.h"

#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

// The import refused before anything was written, with the message for the
// message window ("ATENÇÃO").
class ImportRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

namespace importtext {
inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString linkOff = QStringLiteral(
    "  A ligação com o ERP GDOOR está desligada nesta estação:  \n"
    "  nada foi importado (SIM na segunda linha de programa/estacao.ini liga).  ");
// + the code as the ERP holds it
QString codeNotWhole(const QString& code);
QString codeTooLong(const QString& code);
QString cannotStore(const QString& code);
} // namespace importtext

// One product as the import writes it.
struct ImportedProduct {
    QString code;    // "000007"
    QString name;    // first 39 characters
    QString unit;    // first 2 characters
    Decimal price;   // rounded to the cent
    Decimal cost;
    bool operator==(const ImportedProduct&) const = default;
};

class ProductImport {
public:
    static constexpr int kNameLength = 39;
    static constexpr int kUnitLength = 2;
    static constexpr int kCodeLength = 14;   // PRODUTOS.CODIGO

    // Reads the ERP's ESTOQUE on its own connection, in the order it gives them,
    // and checks every row before anything is written: a code that is not a whole
    // number, too long for our column, or a text the database cannot store refuses
    // the import (ImportRefused). A missing table or column throws DbError.
    static std::vector<ImportedProduct> read(TLogon& erp);
    // One row of ESTOQUE: CODIGO, DESCRICAO, UND, PRECO_VENDA, PRECO_CUSTO.
    static ImportedProduct productOf(const QVariant& code, const QVariant& description, const QVariant& unit,
                                     const QVariant& price, const QVariant& cost);

    struct Counts {
        int inserted = 0;
        int updated = 0;
    };
    // Writes them into this station's database in one action; progress(done, all)
    // is told as each one is written.
    static Counts write(TLogon& local, const std::vector<ImportedProduct>& products,
                        const std::function<void(int, int)>& progress = {});
};
