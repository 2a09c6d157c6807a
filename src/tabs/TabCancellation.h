#pragma once
// Cancelling a whole open tab ("Excluir Comanda"): one LOG row "Cmd Excl :", the
// tab's kitchen-monitor rows, its CABMESA and MESA rows, all in one action; the
// voucher is composed inside and printed by the caller after the commit.
#include "platform/Printout.h"
#include "tabs/TabKey.h"

#include <QDateTime>
#include <QString>
#include <optional>

class TLogon;

namespace TabCancellationText {
inline const QString kNotFound = tabs::tabNotFound();
inline const QString kPrintQuestion = QStringLiteral("Deseja imprimir comprovante ?");
inline const QString kPrintFailed = QStringLiteral("Comanda excluída; o comprovante não foi impresso: ");
}

struct TabCancellationRequest {
    QString tab;            // as the tab box holds it after leaving it (normalised)
    QString reason;
    bool printItems = true; // "Imprimir itens da comanda"
    QString operatorName;   // the user confirmed in the supervisor prompt
    QDateTime when;
};

class TabCancellation {
public:
    explicit TabCancellation(TLogon& logon) : m_logon(logon) {}

    // The cancellation; the voucher it composed, or nullopt when the tab does not
    // exist (nothing written). Throws DbError when the database refuses.
    std::optional<Printout> cancel(const TabCancellationRequest& request);

    // The voucher for the tab's items as they are now (composed, not printed).
    Printout composeVoucher(const TabCancellationRequest& request, const QString& waiter);

    // On the closing printer, ending with ESC 'v' 'd' on a port or printer.
    static void print(const Printout& voucher);

private:
    TLogon& m_logon;
};
