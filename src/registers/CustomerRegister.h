#pragma once
// The customers of CLIENTES as the customer register keeps them: the customer
// shown, the code typed over it, saving, deleting, moving, and the photo.

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
struct Customer {
    qint64 id = 0;                    // 0: a new row not saved yet
    QMap<QString, QString> values;    // "CODIGO", "NOME", ... as typed
    QString value(const char* column) const { return values.value(QLatin1String(column)); }
};

class CustomerRegister {
public:
    enum class Mode { Browse, Edit, Insert };
    // The entry fields, in the window's order: column, caption.
    struct Field { const char* column; const char* caption; bool lowerCase; };
    static const std::vector<Field>& fields();

    explicit CustomerRegister(TLogon& logon) : m_logon(logon) {}

    // Shows the first customer (none: an empty new row).
    void open();
    const Customer& shown() const { return m_shown; }
    Mode mode() const { return m_mode; }

    // The list below the fields: CODIGO, NOME, FONE of every customer.
    struct ListRow { qint64 id; QString code, name, phone; };
    std::vector<ListRow> list() const;

    // "Novo Cliente": a new row whose code is the last row's code plus one.
    void beginNew();

    // The code field left with `typed`; `edits` is what the fields hold now.
    // Returns the text the code field shows afterwards.
    QString codeLeft(const QString& typed, const Customer& edits);

    // "Confirmar e Salvar": writes the row; throws EntryError or DbError and then
    // keeps the edits (the window still shows them).
    void save(const Customer& edited);

    // "Exluir": asks, deletes; true when a row went.
    bool remove();

    // Moves to the customer with that code; false (nothing moves) when none has it.
    bool moveToCode(qint64 code);
    enum class Step { First, Prior, Next, Last };
    void step(Step s);
    // Drops pending edits: the shown customer read again.
    void reload();

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

    // The code of the shown customer as a plain number ("0" when none).
    QString shownCodeNumber() const;

private:
    void show(qint64 id);
    void showFirst();
    std::vector<qint64> ids() const;
    qint64 idOfCode(qint64 code) const;

    TLogon& m_logon;
    Customer m_shown;
    Mode m_mode = Mode::Browse;
};
