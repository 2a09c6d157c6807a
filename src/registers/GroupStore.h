#pragma once
// The product groups of TIPOS: every product carries its group's code in
// PRODUTOS.CLASSE; the sales screen builds its group buttons from them (leaving
// out the groups whose ATIVO is "N") with the picture G + six-digit code + ".jpg".
#include "registers/RegisterSql.h"

#include <QString>

class TLogon;

namespace groups {

namespace text {
inline const QString caption = QStringLiteral(".: CATEGORIAS DOS PRODUTOS :.");
inline const QString heading = QStringLiteral("Cadastro de Categorias");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString invalidCode = QStringLiteral("         Codigo Invalido: informe um numero maior que zero..       ");
} // namespace text

class GroupStore {
public:
    static constexpr int kNameLength = 20;   // what the register writes of a name

    explicit GroupStore(TLogon& logon) : m_logon(logon) {}

    // Every group by name (ID, CODIGO, NOME, QUANT, VALOR, ATIVO).
    registers::Rows list();
    // "Novo": the highest code plus one; 1 when there is no group.
    qint64 nextCode();
    // "Confirme": renames the group of that code and sets its flag, or adds it. A
    // code that is no whole number above 0 is refused with EntryError. Throws DbError.
    void confirm(const QString& code, const QString& name, bool active);
    // "Excluir": the row of that ID only; its products keep their code, its picture stays.
    bool remove(qint64 id);

    // The group's picture ("c:\Miltrex\vavoz\imagens\G000012.jpg"); empty when the
    // code is no whole number.
    static QString pictureName(const QString& code);
    // "&Alterar Imagem": the chosen picture, 47 pixels high, becomes the group's.
    // The old one is replaced only once the new one is written whole. An empty text
    // on success, else what went wrong.
    static QString replacePicture(const QString& code, const QString& chosenFile);

private:
    TLogon& m_logon;
};

} // namespace groups
