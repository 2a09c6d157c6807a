#pragma once
#include <QString>
#include <stdexcept>
#include <vector>

// A failed database statement or action. what() is the text the standard error
// box shows: the database's own message, or a plain sentence where the database's
// one would mean nothing to a user (text the database cannot store, another
// station holding the rows, a lost connection).
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message);
    // From the database: its error codes (gds codes of the status vector, main one
    // first), its own text, and the statement that failed.
    DbError(std::vector<long> codes, const QString& databaseText, const QString& sql = QString());
    // A lost connection told in the caller's own words (what became of the write).
    static DbError connectionLost(const QString& message);

    QString message() const { return QString::fromUtf8(what()); }
    QString sql() const { return m_sql; }
    QString databaseText() const { return m_databaseText; }
    const std::vector<long>& codes() const { return m_codes; }
    long code() const { return m_codes.empty() ? 0 : m_codes.front(); }
    bool hasCode(long code) const;

    bool isCharacterSetError() const;   // text the database's character set cannot hold
    bool isConflict() const;            // another station changed or holds the rows: run the action again
    bool isConnectionLost() const;      // the attachment is gone: reconnect
    bool isDuplicateKey() const;        // a unique or primary key already holds the value
    bool isUnknownTable() const;        // the statement names a table the database does not have

private:
    DbError(const QString& message, std::vector<long> codes);
    static std::string describe(const std::vector<long>& codes, const QString& databaseText);
    std::vector<long> m_codes;
    QString m_databaseText;
    QString m_sql;
};

// The message a user sees when he typed text the database cannot store.
inline QString characterSetMessage()
{
    return QStringLiteral("O texto digitado tem caracteres que não podem ser gravados.\n"
                          "Use apenas letras, números e sinais comuns.");
}

// The message after the last try of an action that kept meeting another station's changes.
inline QString conflictMessage()
{
    return QStringLiteral("Outra estação está alterando estes mesmos dados.\n"
                          "Nada foi gravado: tente novamente.");
}

// The message when the connection to the database server was lost.
inline QString connectionLostMessage()
{
    return QStringLiteral("A conexão com o banco de dados foi perdida.\n"
                          "Nada foi gravado: a conexão será refeita na próxima operação.");
}

// The message when the connection was lost right after an action asked for its
// commit, and the station, attached again, found that nothing had been written.
inline QString commitLostNothingWrittenMessage()
{
    return QStringLiteral("A conexão com o banco de dados caiu durante a gravação.\n"
                          "A conexão foi refeita e nada foi gravado: tente novamente.");
}

// The message when the connection was lost right after a write asked for its
// commit and the station could not find out whether it was done.
inline QString commitUncertainMessage()
{
    return QStringLiteral("A conexão com o banco de dados caiu durante a gravação e não foi possível\n"
                          "saber se ela foi concluída: confira se os dados foram gravados antes de repetir.");
}
