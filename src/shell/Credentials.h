#pragma once
// Who may come in and who may authorise: the login's and the supervisor prompt's
// rules, without their windows.

#include <QString>

class TLogon;

// Passwords as the database keeps them (users' MILTREX.SENHA, waiters' VENDEDOR.CEP):
// never the typed text but a salted PBKDF2 digest of it, trimmed and upper-cased
// (letters a to z, as the login has always compared them), written
// "pbkdf2-sha256$<iterations>$<salt>$<digest>" (salt and digest in base64).
namespace passwords {
// The longest password the windows let a user type.
constexpr int kTypedMaxLength = 10;
// What a register's password field shows when a stored password stays as it is.
inline const QString keptHint = QStringLiteral("(em branco: mantém a senha)");
// What the database keeps for a typed password; no password (blank) stays empty.
QString digest(const QString& typed);
bool isDigest(const QString& stored);
// A typed password against a stored one: a digest is computed again with its own
// salt; empty matches empty; a row that still holds typed text (written by a station
// of an older version) is compared as the stations always compared it.
bool matches(const QString& typed, const QString& stored);
// Turns every stored password that is still typed text into its digest (at start,
// after the upgrade has widened the columns; a column still too narrow is left for a
// later start). Returns how many rows it changed. Throws DbError.
int convertStored(TLogon& logon);
}

// A typed name and password against a stored pair: the names trimmed and
// upper-cased (letters a to z only) must be equal, and the password match
// (passwords::matches). A blank typed name never matches.
bool credentialsMatch(const QString& typedName, const QString& typedPassword,
                      const QString& storedName, const QString& storedPassword);

// The login's messages.
namespace loginText {
inline const QString wrong = QStringLiteral("Usuário ou Senha -> Está Incorreta");
inline const QString exhausted = QStringLiteral("Número de tentativas esgotadas.");
}

// The login of one run: counts failed attempts over the whole run.
class LoginSession {
public:
    enum class Outcome {
        Accepted,     // operator set, "Entrou Programa" written
        Wrong,        // show the wrong-login message, stay
        Exhausted,    // the fourth failure: show both messages and end the program
        Failed,       // a database error (already in error()); stay
    };

    explicit LoginSession(TLogon& logon) : m_logon(logon) {}

    // One press of "Confirmar": loads the company header, walks the users, and
    // on a match fills the operator context and writes the login record.
    Outcome confirm(const QString& typedName, const QString& typedPassword);

    QString acceptedName() const { return m_acceptedName; }
    QString acceptedMaster() const { return m_acceptedMaster; }
    int failedAttempts() const { return m_failed; }
    QString error() const { return m_error; }

private:
    TLogon& m_logon;
    int m_failed = 0;
    QString m_acceptedName, m_acceptedMaster, m_error;
};

// The supervisor prompt's "&Confirma": first user in name order that matches.
// Sets AuthoriserIsMaster, CurrentRights, AuthoriserName and AccessUserName on a
// match; returns false (with everything cleared) when none does. Throws DbError.
bool confirmSupervisor(TLogon& logon, const QString& typedName, const QString& typedPassword);
