#include "shell/Credentials.h"
#include "core/Globals.h"
#include "db/Historico.h"
#include "core/StationSettings.h"
#include "db/UnitLogon.h"
#include "core/uMensagem.h"

#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <optional>

namespace passwords {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
// About 30 ms on a station of today: nothing a cashier notices, a lot to guess with.
constexpr int kIterations = 20000;
constexpr int kSaltBytes = 16;
constexpr int kDigestBytes = 32;
constexpr auto kBase64 = QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals;

QString comparable(const QString& typed)
{
    return UpperAZ(TrimText(typed));
}

QByteArray derive(const QString& typed, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, comparable(typed).toUtf8(), salt,
                                              iterations, kDigestBytes);
}

struct Parts {
    int iterations = 0;
    QByteArray salt, key;
};

std::optional<Parts> parse(const QString& stored)
{
    const QStringList p = stored.trimmed().split(QLatin1Char('$'));
    if (p.size() != 4 || p[0] != kScheme)
        return std::nullopt;
    bool ok = false;
    Parts parts{p[1].toInt(&ok), QByteArray::fromBase64(p[2].toLatin1(), kBase64),
                QByteArray::fromBase64(p[3].toLatin1(), kBase64)};
    if (!ok || parts.iterations < 1 || parts.iterations > 10'000'000 || parts.salt.isEmpty()
        || parts.key.size() != kDigestBytes)
        return std::nullopt;
    return parts;
}

// Equal or not, in a time that does not tell how much of it was equal.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

QString digest(const QString& typed)
{
    if (comparable(typed).isEmpty())
        return QString();
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kScheme)
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toBase64(kBase64)), QString::fromLatin1(derive(typed, salt, kIterations).toBase64(kBase64)));
}

bool isDigest(const QString& stored)
{
    return parse(stored).has_value();
}

bool matches(const QString& typed, const QString& stored)
{
    if (const auto p = parse(stored))
        return sameBytes(derive(typed, p->salt, p->iterations), p->key);
    return comparable(typed) == comparable(stored);
}

int convertStored(TLogon& logon)
{
    struct Column { const char* table; const char* column; };
    const Column columns[] = {{"MILTREX", "SENHA"}, {"VENDEDOR", "CEP"}};
    int converted = 0;
    for (const Column& c : columns) {
        const QString table = QString::fromLatin1(c.table), column = QString::fromLatin1(c.column);
        RowSet rows = logon.run(QStringLiteral("SELECT ID, %1 FROM %2 WHERE %1 IS NOT NULL AND %1 <> ''").arg(column, table));
        try {
            while (rows.next()) {
                const QString typed = rows.text(column);
                if (isDigest(typed))
                    continue;
                // Matched on the text it replaces: another station converting the same
                // row at the same moment changes it once.
                converted += int(logon.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE ID = ? AND %2 = ?").arg(table, column),
                                            {digest(typed), rows.integer(u"ID"), typed}));
            }
        } catch (const DbError& e) {
            // A column the upgrade could not widen keeps the typed text, compared as
            // before, until a start can widen it; a lost connection is the start's.
            if (e.isConnectionLost())
                throw;
        }
    }
    return converted;
}

} // namespace passwords

bool credentialsMatch(const QString& typedName, const QString& typedPassword,
                      const QString& storedName, const QString& storedPassword)
{
    const QString name = UpperAZ(TrimText(typedName));
    if (name.isEmpty())
        return false;   // a blank users row must not let anyone in
    return name == UpperAZ(TrimText(storedName)) && passwords::matches(typedPassword, storedPassword);
}

namespace {
QString text(const RowSet& q, const char* field)
{
    return q.text(QString::fromLatin1(field));
}
}

LoginSession::Outcome LoginSession::confirm(const QString& typedName, const QString& typedPassword)
{
    try {
        RowSet e = m_logon.ExecSqlOnDataset(QStringLiteral("Pesquisa"), QStringLiteral("select * from empresa "),
                                            QStringLiteral("OPEN"));
        ctx::Company& c = ctx::company();
        if (e.next()) {
            c.CompanyName = text(e, "EMPRESA");
            c.CompanyAddress = text(e, "ENDERECO");
            c.CompanyCity = text(e, "CIDADE");
            c.CompanyState = text(e, "ESTADO");
            c.CompanyCnpj = text(e, "CNPJ");
            c.CompanyStateRegistration = text(e, "IESTADUAL");
            c.CompanyPhone = text(e, "FAX");
        }
        ctx::station().OutsideErpLink = stationSettings::outsideErpLink();

        RowSet u = m_logon.ExecSqlOnDataset(QStringLiteral("Pesquisa"), QStringLiteral("select * from Miltrex "),
                                            QStringLiteral("OPEN"));
        struct Match { QString name, master; int rights; };
        std::vector<Match> matches;
        while (u.next()) {
            if (credentialsMatch(typedName, typedPassword, text(u, "NOME"), text(u, "SENHA")))
                matches.push_back({text(u, "NOME"), text(u, "MASTER"), int(u.integer(u"SISTEMA"))});
        }
        // Every matching row is a login of its own; the last one is the operator.
        for (const Match& m : matches) {
            m_acceptedName = m.name;
            m_acceptedMaster = m.master;
            ctx::op().CurrentRights = m.rights;
            ctx::op().LoginRights = m.rights;
            writeHistorico(m_logon, m.name, QStringLiteral("Entrou Programa"));
        }
        if (!matches.empty())
            return Outcome::Accepted;
    } catch (const DbError& e) {
        m_error = e.message();
        return Outcome::Failed;
    }
    ++m_failed;
    return m_failed > 3 ? Outcome::Exhausted : Outcome::Wrong;
}

bool confirmSupervisor(TLogon& logon, const QString& typedName, const QString& typedPassword)
{
    ctx::Operator& o = ctx::op();
    o.AuthoriserIsMaster = QStringLiteral("N");
    o.AuthoriserName.clear();
    o.CurrentRights = 0;
    RowSet q = logon.run(QStringLiteral("select * from Miltrex order by nome"));
    bool found = false;
    while (q.next()) {
        if (credentialsMatch(typedName, typedPassword, text(q, "NOME"), text(q, "SENHA"))) {
            o.AuthoriserIsMaster = text(q, "MASTER");
            o.CurrentRights = int(q.integer(u"SISTEMA"));
            o.AuthoriserName = text(q, "NOME");
            o.AccessUserName = o.AuthoriserName;
            found = true;
            break;
        }
    }
    return found;
}
