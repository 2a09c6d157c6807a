#pragma once
// "RELATÓRIO DE LOGS": the audit table HISTORICO (logins, program exits, cash
// openings, closings and reopenings), newest first by ID (not by the text of
// HORA): the 50 newest rows, or every row.
#include "reports/PageReport.h"

#include <QString>

class TLogon;

namespace loginhistory {

namespace text {
inline const QString question = QStringLiteral("Imprimir Relatório de LOGs resumido ");
inline const QString title = QStringLiteral("RELATÓRIO DE LOGS");
} // namespace text

inline constexpr int kSummaryRows = 50;

// HORA, OPERADOR, ACAO; the 50 newest when `summary`.
RowSet rows(TLogon& logon, bool summary);
// `printed`: the date and time beside "DATA".
report::Definition report(const RowSet& empresa, const QString& printed);

} // namespace loginhistory
