#pragma once
// An advance payment on an open tab ("Pagto Antecipado"): the amount is added to
// the tab's VALOR by the database and the method is kept in PAGAMENTOANTI, in one
// statement; the "RECIBO PAGTO PACIAL" receipt is composed then and printed after.
#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class TLogon;

namespace AdvancePaymentText {
inline const QString kNotFound = QStringLiteral("   Comanda não Localizada ...     |");
inline const QString kFillError = QStringLiteral("|      Erro no Preenchimento     |");
}

struct AdvanceResult {
    Decimal total;      // the tab's advances now, this one included
    Decimal amount;     // this advance
    Printout receipt;
};

class AdvancePayment {
public:
    explicit AdvancePayment(TLogon& logon) : m_logon(logon) {}

    // "00 NOME" per payment method, in the database's order.
    QStringList paymentMethods();
    // The advances already on the tab; nullopt when there is no such tab.
    std::optional<Decimal> paidSoFar(const QString& tab);

    // "&Confirmar". Throws ActionRefused(kFillError) for a tab that does not
    // exist or an amount that is not a number above zero; nothing is written then.
    AdvanceResult confirm(const QString& tab, const QString& method, const QString& amountText, const QDate& today);

    static Printout composeReceipt(const QString& tab, const QString& method, const Decimal& amount, const QDate& today);
    // On the closing printer, with the station's control byte on a printer.
    static void print(const Printout& receipt);

private:
    TLogon& m_logon;
};
