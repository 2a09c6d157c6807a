#pragma once
// The reprint of closed bills: the list of the last 100 closed sales with their
// payment sums, and the printout of one of them rebuilt from the rows its closing
// left: stock-out rows (ESTFIC), payment rows (RECARQ) and the company header.
// Writes nothing.
#include "db/UnitLogon.h"
#include "platform/Printout.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct ClosedSale {
    QDate data;
    qint64 nfiscal = 0;   // FATURA.NOTA, the sale number
    qint64 comanda = 0;
    std::optional<Decimal> valor;   // payments, change counting negative
    qint64 id = 0;
    qint64 caixa = 0;
};

class ClosedBillReprint {
public:
    // The texts this reprint shows.
    static QString chooseFirstMessage() { return QStringLiteral(" Selecione primeiro um cupom..  "); }
    static QString notFoundMessage() { return QStringLiteral("  Nota não Localizada   "); }
    static QString invalidDateMessage(const QString& text);

    explicit ClosedBillReprint(TLogon& logon) : m_logon(logon) {}

    // The last 100 closed sales, newest first, each with the sum of its payments.
    std::vector<ClosedSale> lastClosedSales() const;

    // The printout of the sale named by its number and date (dd/mm/yy), as the
    // two fields hold them. Every part (header, items, payments) comes from that
    // sale. On refusal the result holds the message for the message window
    // (`message`) or for the error box (`error`), and no printout.
    struct Result {
        std::optional<Printout> printout;
        QString message;
        QString error;
    };
    Result compose(const QString& saleNumberText, const QString& dateText) const;

    // Composes and sends it to the conference printer's slot (setup.INI line 12,
    // control byte of line 8 on the printer path, nothing after the lines).
    // Shows the refusals itself; printing errors go to the error box.
    bool reprint(const QString& saleNumberText, const QString& dateText) const;

private:
    TLogon& m_logon;
};
