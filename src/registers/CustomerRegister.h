#pragma once
// The customers of CLIENTES as the customer register keeps them: the customer
// shown, the code typed over it, saving, deleting, moving, and the photo.

#include "registers/RecordRegister.h"

#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>
#include <vector>

class TLogon;

namespace customerText {
inline const QString walkInNoDelete = QStringLiteral("Cliente Consumidor não excluir");
inline const QString notFoundRegister = QStringLiteral("Cliente nao Localizado, Cadastra?");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Cliente ?");
inline const QString invalidCode = QStringLiteral("Codigo do Cliente Invalido");
inline const QString codeTaken = QStringLiteral("Codigo de Cliente ja Cadastrado");
inline const QString photoTooSmall = QStringLiteral("Foto muito pequena para o quadro do cliente");
inline const QString photoUnreadable = QStringLiteral("Nao foi possivel ler a foto escolhida");
}

// One customer as the fields show it: column name → text.
using Customer = Record;

class CustomerRegister : public RecordRegister {
public:
    // The entry fields, in the window's order.
    static const std::vector<Field>& fields();

    explicit CustomerRegister(TLogon& logon);

    // Photo files of a code ("C:\Miltrex\vavoz\imagens\C42.jpg").
    static QString storedPhotoName(const QString& code);
    static QString shownPhotoName(const QString& code);
    // The photo of the shown code: where it is stored, or the older shown place; null when none.
    QImage photo() const;
    // The photo box's size for a picture (193 x 237 box); an empty size when the
    // picture is too narrow to be scaled.
    static QSize photoSize(QSize picture);
    // "Alterar foto cliente": scales the picked file and stores it as the shown code's photo.
    // Throws EntryError.
    void setPhoto(const QString& pickedFile);

protected:
    Record read(const RowSet& row) const override;
    qint64 write(const Record& edited, qint64 code, qint64 id) override;
    bool mayRemove(const Record& shown) override;   // never the walk-in customer
};
