#pragma once
// The sales ribbon's tab-maintenance buttons: each checks the rights its action
// needs (the supervisor prompt, skipped when the station's item options say so),
// then opens its window with the table box's text. The sales screen refreshes its
// own display afterwards. Each returns whether its window was shown.
#include <QDate>
#include <QString>

class TLogon;

namespace TabMaintenanceMenuText {
inline const QString kDenied = QStringLiteral("|    Acesso não autorizado...     |");
inline const QString kDeniedTab = QStringLiteral("       Acesso não autorizado         ");
inline const QString kDeniedReopen = QStringLiteral("|      Acesso não autorizado     |");
inline const QString kCashClosed = QStringLiteral("     Caixa Fechado... abrir caixa primeiro      ");
}

namespace tabmenu {

// ItemOptions bits that let an action skip the supervisor prompt. Reopening a tab
// goes by bit 256 (the system options call it "Excluir item Delivery"); bit 128,
// "Reabrir Comandas" there, is tested by no action.
enum ItemOption {
    CancelItemFreely = 1, CancelTabFreely = 2, TransferFreely = 4, ChangeTableFreely = 8,
    AdvanceFreely = 16, ReopenFreely = 256,
};

bool advancePayment(TLogon& logon, int itemOptions, const QString& tableBox);   // "Pagto Antecipado"
bool withdrawal(TLogon& logon);                                                // "Sangria Reforço de Caixa"
bool itemTransfer(TLogon& logon, int itemOptions, const QString& tableBox);     // "Transferência Produtos"
bool tableMove(TLogon& logon, int itemOptions, const QString& tableBox);        // "Troca Cliente  de Mesa"
bool cancelTab(TLogon& logon, int itemOptions, const QString& tableBox);        // "Excluir Comanda"
bool cancelItems(TLogon& logon, int itemOptions, const QString& tableBox);      // "Excluir Item"
bool reopenTab(TLogon& logon, int itemOptions, const QString& tableBox);        // "Reabrir Comanda"
bool persons(TLogon& logon);                                                   // "Qtd Pessoas na mesa"
bool reservations(TLogon& logon);                                              // "Reserva de Mesa"

// Opening a table: when it is reserved for that day asks "Mesa com Reserva";
// "Sim" takes the reservation off and gives true, "Não" gives false (the table is
// not opened). A table without a reservation gives true at once.
bool reservedTableMayOpen(TLogon& logon, const QString& table, const QDate& day);

} // namespace tabmenu
