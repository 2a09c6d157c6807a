#pragma once
// The staff of VENDEDOR as the staff register keeps them: a copy read when the
// window opens, changed through the fields, written on confirmation in one action.

#include <QMap>
#include <QString>
#include <QVariant>
#include <vector>

class TLogon;

namespace staffText {
inline const QString notRegistered = QStringLiteral("Vendedor Nao Cadastrado");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString invalidCode = QStringLiteral("Codigo do Funcionario Invalido");
inline const QString changedElsewhere =
    QStringLiteral("Funcionario alterado em outro terminal.\nA lista foi lida de novo; confira e confirme outra vez.");
}

struct StaffRow {
    enum class State { Unchanged, New, Changed };
    qint64 id = 0;                        // 0: a new row not written yet
    QMap<QString, QString> values;        // "CODIGO", "NOME", ... as the fields show them
    QMap<QString, QVariant> original;     // every column as it was read
    State state = State::Unchanged;
    QString value(const char* column) const { return values.value(QLatin1String(column)); }
};

class StaffRegister {
public:
    // The bound fields, in the window's order: column, caption.
    struct Field { const char* column; const char* caption; };
    static const std::vector<Field>& fields();

    explicit StaffRegister(TLogon& logon) : m_logon(logon) {}

    // Reads "select * from vendedor order by codigo" into the copy; drops every change.
    void load();
    const std::vector<StaffRow>& rows() const { return m_rows; }
    int current() const { return m_current; }
    const StaffRow* currentRow() const;
    void select(int index);
    int indexOfCode(qint64 code) const;
    bool hasPendingChanges() const;

    // "&Novo": the last row's code plus one, "000001" for an empty copy.
    QString nextCodeText() const;

    enum class CodeOutcome { CloseWindow, Moved, Added, Cleared };
    // The code field left with `typed` (asks "Vendedor Nao Cadastrado" for a new code).
    CodeOutcome codeLeft(const QString& typed);

    // A field of the current row changed.
    void setValue(const char* column, const QString& text);

    // "&Confirmar": writes every pending change in one action. A typed waiter password
    // (CEP) is stored as its digest; a blank one keeps what the row held. Throws
    // EntryError or DbError; then nothing is written and the changes stay pending.
    void confirm();

    // Whether a row as read holds a waiter password (the field shows it blank).
    static bool hasStoredPassword(const StaffRow& r);

    // "&Excluir": asks and deletes the current row. True when it went.
    bool remove();

private:
    TLogon& m_logon;
    std::vector<StaffRow> m_rows;
    int m_current = -1;
};
