#pragma once
// A register of one table's rows, each with a whole-number code, browsed in the
// order of their IDs as the data-aware table components showed them: the row
// shown, a code typed over it, new rows, saving, deleting and moving. The customer
// and supplier registers are this, with their own columns.

#include <QMap>
#include <QString>
#include <vector>

class RowSet;
class TLogon;

// One row as the fields show it: column name → text.
struct Record {
    qint64 id = 0;                    // 0: a new row not saved yet
    QMap<QString, QString> values;    // "CODIGO", "NOME", ... as typed
    QString value(const char* column) const { return values.value(QLatin1String(column)); }
};

class RecordRegister {
public:
    enum class Mode { Browse, Edit, Insert };
    enum class Step { First, Prior, Next, Last };
    // An entry field of the register's window: its column, caption and case.
    struct Field { const char* column; const char* caption; bool lowerCase; };
    // The register's messages.
    struct Texts {
        QString invalidCode;        // a code that is no whole number above 0
        QString notFoundRegister;   // a new row's code nobody has: "..., Cadastra?"
        QString askDelete;
        QString codeTaken;          // saving over another row's code
    };

    RecordRegister(TLogon& logon, const char* table, Texts texts);
    virtual ~RecordRegister();

    // Shows the first row (none: an empty new row).
    void open();
    const Record& shown() const { return m_shown; }
    Mode mode() const { return m_mode; }

    // The list below the fields: CODIGO, NOME, FONE of every row.
    struct ListRow { qint64 id; QString code, name, phone; };
    std::vector<ListRow> list() const;

    // "Novo": a new row whose code is the last row's code plus one.
    void beginNew();

    // The code field left with `typed`; `edits` is what the fields hold now.
    // Returns the text the code field shows afterwards.
    QString codeLeft(const QString& typed, const Record& edits);

    // "Confirmar e Salvar": writes the row; throws EntryError or DbError and then
    // keeps the edits (the window still shows them).
    void save(const Record& edited);

    // "Excluir": asks, deletes; true when a row went.
    bool remove();

    // Moves to the row with that code; false (nothing moves) when none has it.
    bool moveToCode(qint64 code);
    void step(Step s);
    // Drops pending edits: the shown row read again.
    void reload();

    // The code of the shown row as a plain number ("0" when none).
    QString shownCodeNumber() const;

protected:
    // A stored row (select * of the table) as the fields show it.
    virtual Record read(const RowSet& row) const = 0;
    // Writes the edited row under its checked code, inside the save's action: an
    // UPDATE of row `id`, or a new row when id is 0. Returns the row's ID. Throws
    // EntryError for a value it refuses, before writing anything.
    virtual qint64 write(const Record& edited, qint64 code, qint64 id) = 0;
    // Whether the shown row may be deleted; says why not itself.
    virtual bool mayRemove(const Record& shown) { return true; }

    TLogon& m_logon;

private:
    void show(qint64 id);
    void showFirst();
    std::vector<qint64> ids() const;
    qint64 idOfCode(qint64 code) const;

    QString m_table;
    Texts m_texts;
    Record m_shown;
    Mode m_mode = Mode::Browse;
};
