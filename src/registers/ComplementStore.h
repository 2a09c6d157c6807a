#pragma once
// Complements (table COMPLEMENTO): what a typed entry comes to, and its writes.
#include "registers/RegisterSql.h"

class TLogon;

namespace complement {

namespace text {
inline const QString confirmDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString negativeCode = QStringLiteral("  Codigo não aceito: informe um numero positivo   ");
inline const QString badValue = QStringLiteral("  Valor não aceito: informe um valor positivo   ");
}

// The fields as typed, read the way "Confirme" reads them.
struct Entry {
    int code = 0;             // not a whole number: 0
    QString name;             // upper case, at most 30 characters
    int group = 0;            // none chosen: 0
    Decimal value;            // not a number: 0
    QString refusal;          // not empty: nothing is written, show this
    bool writes() const { return code > 0 && refusal.isEmpty(); }
};
Entry readEntry(const QString& code, const QString& name, const QString& group, const QString& value);

} // namespace complement

class ComplementStore {
public:
    explicit ComplementStore(TLogon& logon) : m_logon(logon) {}
    // Every complement by code, with its group's name (CATEGORIA).
    registers::Rows list();
    registers::Rows groups();
    qint64 highestCode();     // 0 when there is none
    // Inserts the complement, or updates every row of that code, as one action.
    void save(const complement::Entry& entry);
    void remove(qint64 id);

private:
    TLogon& m_logon;
};
