#pragma once
// "Alterar Lançamentos": a supervisor's correction of single rows of the stock
// ledger: one product's rows of a period are listed, and a row's date, history,
// entry and exit are changed, or the row deleted. The stock follows at once, since
// it is always read from the rows. A sale row keeps its other columns.
#include "core/Decimal.h"
#include "db/RowSet.h"
#include "stock/StockLedger.h"
#include "stock/StockWindows.h"

#include <QDate>
#include <QString>

class TLogon;

namespace ledgeredit {

namespace text {
inline const QString caption = QStringLiteral("Altera Lançamento");
inline const QString listCaption = QStringLiteral("Altera Lancamento");
inline const QString heading = QStringLiteral("Alterar Lançamentos");
inline const QString badDate = QStringLiteral("     Data invalida     ");
inline const QString badQuantity = QStringLiteral("     Quantidade invalida: %1     ");
inline const QString rowGone = QStringLiteral("|      Lancamento nao localizado: excluido em outro terminal...      |");
} // namespace text

namespace field {
inline const QString from = QStringLiteral("from");
inline const QString to = QStringLiteral("to");
inline const QString date = QStringLiteral("date");
inline const QString entrada = QStringLiteral("entrada");
inline const QString saida = QStringLiteral("saida");
} // namespace field

using Period = stock::Period;

struct TypedRow {
    QString date, history, entrada, saida;
};

class LedgerEdit {
public:
    explicit LedgerEdit(TLogon& logon) : m_ledger(logon) {}

    RowSet rows(const QString& code, const Period& period) const { return m_ledger.rowsOf(code, period.from, period.to); }

    // "&Confirma": the row's new date (required), history and quantities (blank:
    // none); refused with stock::FieldError before anything is written, DbError when
    // the database refuses.
    void change(qint64 id, const TypedRow& typed);
    bool remove(qint64 id) { return m_ledger.remove(id); }

private:
    stock::StockLedger m_ledger;
};

} // namespace ledgeredit
