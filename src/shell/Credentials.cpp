#include "shell/Credentials.h"
#include "core/Globals.h"
#include "db/Historico.h"
#include "core/StationSettings.h"
#include "db/UnitLogon.h"
#include "core/uMensagem.h"


bool credentialsMatch(const QString& typedName, const QString& typedPassword,
                      const QString& storedName, const QString& storedPassword)
{
    const QString name = UpperAZ(TrimText(typedName));
    if (name.isEmpty())
        return false;   // a blank users row must not let anyone in
    return name == UpperAZ(TrimText(storedName))
        && UpperAZ(TrimText(typedPassword)) == UpperAZ(TrimText(storedPassword));
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
