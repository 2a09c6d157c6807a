#pragma once
// The expense cost centres of CENTROCUSTO.

#include <QString>
#include <optional>
#include <vector>

class TLogon;

namespace costCentreText {
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
}

struct CostCentre {
    qint64 id = 0;
    qint64 codigo = 0;
    QString nome;
};

class CostCentreStore {
public:
    explicit CostCentreStore(TLogon& logon) : m_logon(logon) {}

    std::vector<CostCentre> list();               // ordered by code
    std::optional<CostCentre> find(int code);
    int nextCode();                               // the highest code plus one, 1 for none

    // "Confirme": the code a text writes under, 0 (nothing written) when it is not
    // a whole number above 0.
    static int confirmedCode(const QString& typed);
    // Inserts a new code or renames the centre of that code; false when nothing was
    // written. Throws DbError.
    bool confirm(const QString& typedCode, const QString& name);

    // "Excluir": asks, deletes every centre of that code. True when some went.
    bool remove(const QString& typedCode);

private:
    TLogon& m_logon;
};
