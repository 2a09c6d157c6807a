#pragma once
// Kits ("Composição de Pratos e Drinks / Kits"): products whose COMPOSICAO is "S",
// whose sale takes their components (KITPROD rows) out of stock. A kit is created
// with its code, then named, priced and given its kitchen printer (CLAS); deleting
// it deletes its own ledger rows and its components, never the components' rows.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QString>
#include <vector>

class TLogon;

namespace kits {

namespace text {
inline const QString caption = QStringLiteral(".: Composição de Custo :.");
inline const QString heading = QStringLiteral("Composição de Pratos e Drinks / Kits");
inline const QString codeTaken = QStringLiteral("         Codigo Ja Existe, escolha outro..       ");
inline const QString askCreate = QStringLiteral("Produto nao Localizado, Cadastra?");
inline const QString badValue = QStringLiteral("     Valor invalido: informe o preço de venda do kit     ");
inline const QString blankName = QStringLiteral("*");
inline const QString compositionButton = QStringLiteral("Incluir/Alterar\nComposição");
inline const QString listCaption = QStringLiteral(".: Ver Kits / Composições:.");
inline const QString listTitle = QStringLiteral("RELATÓRIO DE KITS - LISTAGEM GERAL DOS KITS");
inline const QString sheetTitle = QStringLiteral("FICHA TÉCNICA");
inline const QString helpCaption = QStringLiteral("Ajuda - Como utilizar a composição de Pratos / drinks");
} // namespace text

struct Kit {
    qint64 id = 0;
    QString code, name, printer;   // printer: CLAS, the kitchen printer of the item
    Decimal price;
};

class KitRegister {
public:
    // KITPROD.CODIGO holds ten characters: a kit code is no longer.
    static constexpr int kCodeLength = 10;

    explicit KitRegister(TLogon& logon) : m_logon(logon) {}

    // The kits by code.
    std::vector<Kit> list();
    // The kit list as rows (ID, CODIGO, NOME, CLASSE, VALOR), for the list window
    // and the kit report.
    RowSet rows();

    // A new kit code typed: a whole number gets six digits, other text is trimmed.
    static QString newCode(const QString& typed);
    // True when a product (kit or not) already has the code.
    bool taken(const QString& code);
    // Writes the new kit: only its ID, code and COMPOSICAO "S". A code a product
    // took meanwhile (another station) throws EntryError (text::codeTaken) and
    // writes nothing: a new kit is only inserted.
    void create(const QString& code);
    // "Confirma": a blank name is "*", a blank value 0, a blank printer leaves CLAS
    // as it was; a value that cannot be read is refused with stock::FieldError.
    void save(const QString& code, const QString& name, const QString& printer, const QString& value);
    // "Excluir": the kit's product row, its ledger rows and its components, as one action.
    void remove(const Kit& kit);

    // The technical sheet's lines: the kit's components with their product's cost
    // (CUSTOPROD) and the line's cost (TOTAL, QUANT × CUSTOPROD to the cent).
    RowSet sheetRows(const QString& code);

private:
    TLogon& m_logon;
};

} // namespace kits
