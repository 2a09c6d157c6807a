#pragma once
// Cancelling chosen quantities of a tab's items ("Excluir Item"): per item one LOG
// row, the quantity taken off in the statement (never below zero, never more than
// the row holds at that moment), the row deleted when nothing is left, and the
// item's kitchen-monitor rows deleted; all items in one action.
#include "tabs/TabVoucher.h"   // ActionRefused
#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QDateTime>
#include <QString>
#include <stdexcept>
#include <vector>

class TLogon;

namespace ItemCancellationText {
inline const QString kAboveOnLeave = QStringLiteral("saida superior a quantidade do lancamento");
inline const QString kAbove = QStringLiteral("saida superior a quantidade ");
inline const QString kNegative = QStringLiteral("   Quantidade  negativa nao permitida   ");
inline const QString kChanged = QStringLiteral("saida superior a quantidade do lancamento");
inline const QString kPrintQuestion = QStringLiteral("Deseja imprimir comprovante ?");
inline const QString kPrintFailed = QStringLiteral("Itens excluídos; o comprovante não foi impresso: ");
}

struct CancelItemRow {
    qint64 id = 0;
    QString mesa, codigo, nomep;
    QVariant idmesa;        // the item's link key to its kitchen-monitor rows
    Decimal valor, qtde;    // unit price and quantity on the tab when loaded
    qint64 vend = 0;
    Decimal quant;          // quantity to cancel, 0 = none
};

class ItemCancellation {
public:
    explicit ItemCancellation(TLogon& logon) : m_logon(logon) {}

    // The tab's items ordered by description.
    std::vector<CancelItemRow> load(const QString& table);

    // "&Excluir": the typed quantity for a row; an empty text when taken, else the
    // message (the row keeps what it had). Letters count as 0.
    static QString choose(CancelItemRow& row, const QString& typed);

    // "Confirmar": the voucher, or an empty one when no row had a quantity.
    // Throws ActionRefused when an item no longer holds the quantity (another
    // station took it), DbError when the database refuses; nothing is written then.
    Printout cancel(const QString& table, const std::vector<CancelItemRow>& rows, const QString& reason,
                    const QString& operatorName, const QDateTime& when);

    static QString actionText(const QString& table, const CancelItemRow& row);
    static Printout composeVoucher(const QString& table, const std::vector<CancelItemRow>& rows,
                                   const QString& reason);

private:
    TLogon& m_logon;
};
