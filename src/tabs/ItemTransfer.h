#pragma once
// Moving chosen quantities of a tab's items to another tab ("Transferência
// Produtos"): each quantity is taken off the origin row in the statement (refused
// when the row holds less at that moment) and becomes a new row of the
// destination; all rows in one action, the "TROCA DE MESA" voucher composed inside.
#include "core/Decimal.h"
#include "platform/Printout.h"
#include "tabs/TabItem.h"

#include <QString>
#include <vector>

class TLogon;

namespace ItemTransferText {
inline const QString kNotFound = QStringLiteral("|     Não não localizada...     |");
inline const QString kSame = QStringLiteral("|  Mesa de Origem e Destinos com noms iguais    |");
inline const QString kAskDestination = QStringLiteral(" Informar a mesa destino   ");
inline const QString kNoDestination = QStringLiteral(" Informar mesa destino   ");
inline const QString kOpenQuestion = QStringLiteral("Mesa não foi aberta, dejesa abrir?");
inline const QString kNotOpened = QStringLiteral("|     Não localizada...     |");
inline const QString kInputCaption = QStringLiteral("Transferir Produto");
inline const QString kInputPrompt = QStringLiteral("Quantidade a Transferir ");
inline const QString kAbove = QStringLiteral("   Quantidade  superior nao permitida   ");
inline const QString kNegative = QStringLiteral("   Quantidade  negativa nao permitida   ");
inline const QString kPrintQuestion = QStringLiteral("Deseja imprimir comprovante ?");
}

struct TransferRow : tabs::TabItem {   // its quantity as loaded
    Decimal tq;                         // quantity to move, 0 = none
};

class ItemTransfer {
public:
    explicit ItemTransfer(TLogon& logon) : m_logon(logon) {}

    // The origin's items; false when the origin has no tab.
    bool load(const QString& origin, std::vector<TransferRow>& rows);

    // The answer of the quantity box for a row: "" when taken, else the message
    // (the row's quantity becomes 0).
    static QString choose(TransferRow& row, const QString& answer);

    // What leaving the destination box says: "" when the destination is a tab,
    // kSame / kAskDestination, or kOpenQuestion when it can be opened.
    QString checkDestination(const QString& origin, const QString& destination);

    // "Transferir". Returns the voucher (no lines when nothing was chosen).
    // Throws ActionRefused (kNoDestination, kNotOpened, kAbove) or DbError;
    // nothing is written then.
    Printout move(const QString& origin, const QString& destination, const std::vector<TransferRow>& rows,
                  const QString& reason);

    // waiter: the origin tab's, printed after "Garcom :".
    static Printout composeVoucher(const QString& origin, const QString& destination,
                                   const std::vector<TransferRow>& rows, const QString& reason,
                                   const QString& waiter = QString());

private:
    TLogon& m_logon;
};
