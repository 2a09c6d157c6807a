#pragma once
// Handing a tab over to the bill windows: F5 (pre-bill) and F9 (payment). Who
// may act, whether a tab may be paid before its pre-bill was printed, the
// customer shown with the tab, and what the screen shows once the windows close.
// The sales screen creates the windows; this class holds the rules and the reads.

#include <QString>
#include <optional>

class TLogon;

namespace handover {

// "[F5] Fechar Conta": rights bit 32 (cash functions) or 8192 (close a tab).
bool mayPreBill(int loginRights);
// "[F9] Receber": rights bit 32.
bool mayPay(int loginRights);

// Whether a tab may go to payment: pre-billed (STATUS 1) when the station
// requires the pre-bill (fechasim.INI), any tab when it does not, or any tab when
// SalesOptions bit 16 ("Finalizar venda sem precisar imprimir conferência") is set.
bool paymentAllowed(bool preBillRequired, int tabStatus, int salesOptions);

// The tab in hand as the screen shows it after a window.
struct TabInHand {
    QString mesa;            // the stored key; empty when the tab is gone
    QString waiter;          // VENDEDOR; empty when none
    QString customerCode;    // CLIENTE
    QString customerName;    // that customer's NOME, at most 15 characters
    int status = 0;          // 1 = pre-billed
};

enum class PaymentStart {
    NotFound,   // "|     Comanda não Localizada      |"
    Refused,    // "   Fechar Primeiro a mesa....    "
    Allowed,
};

class TabHandOver {
public:
    explicit TabHandOver(TLogon& logon) : m_logon(logon) {}

    // A tab without a customer gets customer 0, as every window that reads it expects.
    void fillEmptyCustomers();
    // The tab of a key; nullopt when there is none (or the key cannot name one).
    std::optional<TabInHand> tab(const QString& key);
    // F9 after the first payment window: whether the payment window opens for the key.
    // The key "0" (nothing typed) never does.
    PaymentStart paymentStart(const QString& key, bool preBillRequired, int salesOptions,
                              std::optional<TabInHand>* found = nullptr);

private:
    TLogon& m_logon;
};

// The key of F9 after the first window: trimmed; blank becomes "0".
QString paymentKey(const QString& typed);

} // namespace handover
