#pragma once
// "Ficha de Movimento do Produto" (TFormFicMov2, previewed as TFormFicQui): the
// movements of one product over a period, each with its entry, its exit and the
// stock after it, running from the stock the product had before the first day
// (every row before it, undated ones too). Movements after the last day are
// neither listed nor counted. Rows of one day with the same sale number, history
// and entry print as one line with their quantities added.
#include "core/Decimal.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

namespace movementcard {

namespace text {
inline const QString caption = QStringLiteral("Ficha de Movimento");
inline const QString heading = QStringLiteral("Ficha de Movimento do Produto");
inline const QString title = QStringLiteral("Controle de Estoque - Ficha de Movimento");
inline const QString codeCaption = QStringLiteral("Codigo Produto");
inline const QString nameCaption = QStringLiteral("Nome");
} // namespace text

struct Card {
    Decimal opening;   // the stock before the first day
    RowSet rows;       // DATA, HISTORICO ("NF:" + sale number + " " + history), ENTRADA, SAIDA, ESTOQUE
};

class MovementCard {
public:
    explicit MovementCard(TLogon& logon) : m_logon(logon) {}

    // The code as the card reads it: a whole number with six digits ("12" gives
    // "000012"), anything else trimmed.
    static QString codeOf(const QString& typed);

    Card card(const QString& code, const QDate& first, const QDate& last) const;
    static report::Definition report(const RowSet& empresa, const QString& printed, const QString& productName,
                                     const QDate& first, const QDate& last, const Decimal& opening);

private:
    TLogon& m_logon;
};

} // namespace movementcard
