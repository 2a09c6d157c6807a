#pragma once
#include <QSqlError>
#include <QString>
#include <stdexcept>

// A failed database statement. what() is the text the standard error box shows:
// the database's own message, or a plain sentence where the database's one would
// mean nothing to a user (text with characters the database cannot store).
class DbError : public std::runtime_error {
public:
    DbError(const QSqlError& error, const QString& sql = QString());
    explicit DbError(const QString& message);

    QString message() const { return QString::fromUtf8(what()); }
    QString sql() const { return m_sql; }
    QString nativeCode() const { return m_native; }
    bool isCharacterSetError() const;  // text the database's character set cannot hold

private:
    static std::string describe(const QSqlError& error);
    QString m_sql;
    QString m_native;
    QString m_raw;
};

// The message a user sees when he typed text the database cannot store.
inline QString characterSetMessage()
{
    return QStringLiteral("O texto digitado tem caracteres que não podem ser gravados.\n"
                          "Use apenas letras, números e sinais comuns.");
}
