#pragma once
// Cancelling a closed sale (a paid tab, a counter sale or a delivery invoice):
// after checking the fields, one action writes the log row of EXCLUIDOS and
// deletes the sale's payments and receivables (RECARQ), its stock rows (ESTFIC,
// so the ledger's sums give the stock back), its sale row (FATURA), its service,
// cover and discount rows (SERVICO) and a delivery invoice's discount row
// (DESPLOJA); all of it or nothing.
#include "cash/ClosedSales.h"
#include "core/ActionRefused.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

class TLogon;

namespace cancelmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString question = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString notFound = QStringLiteral("        Venda Não Localizada         ");
inline const QString cancelled = QStringLiteral("       venda Extornada          ");
inline const QString failed = QStringLiteral("       Erro no Processo         ");
inline const QString invalidTerminal = QStringLiteral("  Numero do Terminal Invalido  ");
inline const QString invalidDate = QStringLiteral("  Data da Venda Invalida  ");
inline const QString whichCash = QStringLiteral("| Venda em mais de um caixa: informe o Caixa |");
} // namespace cancelmsg

// A cancellation stopped with a message before anything was written.
class CancelRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

// The fields as "&Cancelar Venda" finds them.
struct CancelRequest {
    QString cash;        // "Caixa": narrows the sale when its number repeats at the station
    QString sale;        // "Cupom"
    QString date;        // "Data da Venda", dd/mm/yy
    QString terminal;    // "Num. Terminal"
    QString authoriser;  // who authorised the cancellation
};

class SaleCancellation {
public:
    explicit SaleCancellation(TLogon& logon) : m_logon(logon) {}

    // The last 100 sales, by sale number or (after a cancellation) by date, newest first.
    std::vector<ClosedSaleRow> latest(bool byDate);

    // "Ver Prods": the heading and one line per stock row of that sale number at
    // every station, the rows of its kit components and flavours included; empty
    // when there is none.
    QStringList products(const QString& saleText);

    // The sale number of a "Cupom" text: the number rounded to the nearest whole
    // one; 0 when it is not a number.
    static qint64 saleNumberOf(const QString& text);

    // Checks the fields (sale number above 0, station a whole number, a valid
    // date, exactly one sale of that number at that station, narrowed by the cash
    // number when there are more), then cancels in one action. Returns the sale
    // cancelled. Throws CancelRefused (nothing written) or DbError (nothing
    // changed either).
    ClosedSaleRow cancel(const CancelRequest& request);

private:
    // The sale's stock rows: those that carry its number, and the kit-component
    // and flavour rows that carry it only in PEDIDO. The stock is the ledger's
    // sum, so deleting them gives the quantities back.
    void removeStockRows(const ClosedSaleRow& sale, bool narrowByCash);
    // A delivery invoice's discount, written among the shift's expenses.
    void removeDeliveryDiscount(const ClosedSaleRow& sale);

    TLogon& m_logon;
};
