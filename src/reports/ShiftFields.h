#pragma once
// The cash-number and station fields of the cash-shift windows: read as the
// reports need them, with the message each shows when the text is no number.
#include "core/ActionRefused.h"
#include <QString>
#include <optional>
#include <stdexcept>

// A report that cannot be made from its fields as typed: the message to show;
// nothing was read.
class ShiftFieldRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

namespace shiftfields {

inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString invalidCash = QStringLiteral("  Numero do Caixa Invalido  ");
inline const QString invalidTerminal = QStringLiteral("  Numero do Terminal Invalido  ");
// The hint of the reports' "Imprimir", one line per "\r".
inline const QString printHint = QStringLiteral("Imprimir Relatorio\rCaso haja problema com a impressão\r"
                                                "talves seja necessario configurar a impressora\r"
                                                "no menu \"Configuração da impressora\"");

} // namespace shiftfields
