#pragma once
// The users of MILTREX as the users register keeps them: name, password,
// supervisor flag and the 16-bit rights mask, with at least one supervisor kept.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class TLogon;

namespace userText {
inline const QString askDelete = QStringLiteral("Excluir Usuario?");
inline const QString supervisorRequired =
    QStringLiteral("Obrigatorio marcar como Master [S] \no usuario adminstrador do sistema");
inline const QString nameRequired = QStringLiteral("Informe o Nome do Usuario");
}

// The rights mask, one box per bit (bit 1 first, 32768 last).
namespace rights {
constexpr int kBits = 16;
using Boxes = std::array<bool, kBits>;
// The box captions, as the users register shows them.
const QStringList& captions();
int maskOf(const Boxes& ticked);
Boxes boxesOf(int mask);
}

struct UserRow {
    qint64 id = 0;                 // 0: a new user not written yet
    QString nome;
    QString senha;                 // as stored: a digest, never shown
    QString master;
    int sistema = 0;               // NULL reads as 0
};

class UserRegister {
public:
    explicit UserRegister(TLogon& logon) : m_logon(logon) {}

    // Reads every user again (in the database's order of IDs); the first becomes current.
    void reload();
    const std::vector<UserRow>& users() const { return m_users; }
    QStringList names() const;

    const UserRow& current() const;
    int currentIndex() const { return m_current; }
    void select(int index);
    // The first user whose name equals `name` exactly; false (no move) when none.
    bool selectByName(const QString& name);

    // "&Novo": a new user, held here until it is confirmed.
    void beginNew();
    bool isNew() const { return m_new.has_value(); }

    // "&Confirmar": writes the current (or new) user; then the first user is current.
    // The password is stored as its digest; a blank one keeps a user's stored password.
    // Throws EntryError (no name, or the last supervisor would go) or DbError.
    void save(const QString& nome, const QString& senha, const QString& master, int mask);

    // "&Excluir": asks, deletes; refuses the last supervisor. True when a user went.
    bool remove();

    // "&Retornar": true when some user is a supervisor; otherwise shows the warning.
    bool mayLeave();

private:
    bool anotherSupervisor(qint64 id);

    TLogon& m_logon;
    std::vector<UserRow> m_users;
    int m_current = 0;
    std::optional<UserRow> m_new;
};
