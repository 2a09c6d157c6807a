#pragma once
// The product register's rules, without a window: what a typed code means, the
// next code New proposes, and the one UPDATE a save writes.

#include "registers/RegisterSql.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <array>

namespace product {

// The register's messages, as the users have always seen them.
namespace text {
inline const QString reservedWord = QStringLiteral("          Palavra \"PRATO\" é reservado ao sistema         ");
inline const QString codeRefused = QStringLiteral("Codigo não aceito no Sistema");
inline const QString notFoundRegister = QStringLiteral("Produto nao Localizado, Cadastra?");
inline const QString codeTaken = QStringLiteral("         Codigo Ja Existe, escolha outro..       ");
inline const QString initialStockNotNumber = QStringLiteral("  Informar valor numerico   ");
inline const QString confirmDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString negativeValue = QStringLiteral("  Valor negativo não aceito: %1   ");
inline const QString tooLarge = QStringLiteral("  Valor muito grande: %1   ");
inline const QString kitchenRange = QStringLiteral("  Impressora da cozinha: informe de 0 a 5   ");
inline const QString badFileCode = QStringLiteral("  Esse codigo não pode dar nome a um arquivo de imagem   ");
inline const QString nothingSaved = QStringLiteral("  Produto não localizado: nada foi gravado   ");
inline const QString attention = QStringLiteral("ATENÇÃO");
}

// What a code typed in the code box comes to.
struct CodeEntry {
    enum Kind { Reserved, Empty, Refused, Code };
    Kind kind = Empty;
    QString code;   // six digits for a whole number, else the text as typed
};
CodeEntry readCode(const QString& typed);

// The code New proposes after the highest code in text order: that code as a
// whole number plus one, six digits; empty when it is not a whole number.
QString nextCode(const QString& highest);

// The entry fields of the window, as typed.
struct Fields {
    QString code, name, group, unit, supplier, location, kitFlag, minimum;
    bool keepApart = false;
    // Size prices in row order 1 to 5 (row 2 is the sale price).
    std::array<QString, 5> sizePrices;
    QString cost, price, promotion, kitchen;
};

struct Update {
    QString sql;
    QVariantList params;
    QString refusal;   // not empty: nothing may be written, show this
};
// "update produtos set ..." with only the parts whose text is not empty (texts)
// or is a number (numbers); JUNTAR is always there, so the statement is never
// empty, and an empty name is simply left out.
Update composeUpdate(const Fields& f);

// The picture file of a product or complement, as the stations name it;
// empty when the code cannot name a file.
QString pictureFileName(const QString& prefix, const QString& code);
// The same in another folder ("C:\...\image\", with its last backslash).
QString pictureFileIn(const QString& folder, const QString& prefix, const QString& code);

} // namespace product
