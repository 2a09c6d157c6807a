#pragma once
// "Entrada de Notas Fiscais": a supplier's invoice with several items entered into
// stock. Items are typed one by one or imported from a purchase order; processing
// writes one ledger row per item ("NF:" + number + " OBS:" + observation) and
// updates each product's average cost item by item, all as one action with the
// removal of the orders whose items it holds: a failure writes nothing.
//
// An item's unit cost is the cost typed, or the order's cost with its IPI with every
// place kept (0,99 with IPI 7 % is 1,0593), so an item's total, quantity × unit cost
// rounded to the cent once, is the order's line (1.000 × 1,0593 = 1.059,30); it is
// the ledger row's value, the product's new cost and its share of the average. The
// sale price and book value reach the product only when they were given.
//
// An imported order is received as it was imported: processing holds the order and
// its lines, and refuses, writing nothing, when another station added, removed or
// changed a line meanwhile. The lines the invoice received leave the order; the order
// goes when none is left (an item taken out of the invoice stays on the order).

#include "core/Decimal.h"
#include "stock/PayableTitles.h"
#include "stock/PurchaseOrders.h"

#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <vector>

class TLogon;

namespace invoice {

namespace text {
inline const QString caption = QStringLiteral(".: Entrada N. Fiscais :.");
inline const QString heading = QStringLiteral("Entrada de Notas Fiscais");
inline const QString fillError = QStringLiteral("|      Erro no preenchimento...      |");
inline const QString orderPrefix = QStringLiteral("Pedido n.");
inline const QString alreadyImported = QStringLiteral("|      Esse Pedido ja foi importado nesta nota...      |");
inline const QString orderGone = QStringLiteral("|      Pedido %1 nao localizado: ja processado ou excluido...      |");
inline const QString orderChanged =
    QStringLiteral("|      Pedido %1 alterado em outro terminal: estorne os itens e importe-o novamente...      |");
inline const QString historyPrefix = QStringLiteral("NF:");
inline const QString historyObservation = QStringLiteral(" OBS:");
} // namespace text

// The fields a refusal sends the focus back to.
namespace field {
inline const QString number = QStringLiteral("number");
inline const QString product = QStringLiteral("product");
inline const QString quantity = QStringLiteral("quantity");
inline const QString cost = QStringLiteral("cost");
inline const QString price = QStringLiteral("price");
inline const QString bookValue = QStringLiteral("bookValue");
inline const QString order = QStringLiteral("order");
} // namespace field

struct Item {
    QString code;
    QString name;                      // 25 characters
    Decimal quantity;
    Decimal unitCost;
    std::optional<Decimal> salePrice;  // typed "Venda" above 0
    std::optional<Decimal> bookValue;  // typed "Contabil" above 0
    qint64 order = 0;                  // the purchase order it came from; 0 when typed
    qint64 orderLine = 0;              // its line on that order (COMPPED.ID)
    Decimal total() const;             // quantity × unit cost, to the cent
};

struct TypedItem {
    QString code, quantity, cost, price, bookValue;
};

struct Header {
    QString number, date, observation;
};

// What importing an order found.
struct ImportedOrder {
    bool found = false;
    QString supplier;   // the order's FORNE as text
    int items = 0;
};

class EntryInvoice {
public:
    static constexpr int kNameLength = 25;
    static constexpr int kHistoryLength = 29;

    explicit EntryInvoice(TLogon& logon) : m_logon(logon) {}

    const std::vector<Item>& items() const { return m_items; }
    titles::PayableTitles& titles() { return m_titles; }

    // "&Confirme": appends a typed item. Throws stock::FieldError.
    void addTyped(const TypedItem& typed);
    void removeAt(int index);
    // "Importar Pedido": appends the order's items (an order already in the list is
    // refused) and keeps its lines as imported. A number that is no whole number is
    // 0; no order, nothing imported.
    ImportedOrder importOrder(const QString& number);

    Decimal totalCost() const;                       // Σ of the items' totals
    static QString totalText(const Decimal& total);  // "#0.00" left-padded to 12

    // The ledger history of the invoice: "NF:" + number + " OBS:" + observation,
    // first 29 characters.
    static QString history(const Header& header);

    // "&Processar entrada": needs a whole invoice number above 0 and at least one
    // item (else "|      Erro no preenchimento...      |"); a date that cannot be
    // read is today. An imported order gone or changed meanwhile is refused
    // (text::orderGone, text::orderChanged). Everything or nothing is written; on
    // success the list empties. Throws stock::FieldError or DbError.
    void process(const Header& header, const QDate& today);

    void clear() { m_items.clear(); m_imported.clear(); }

private:
    TLogon& m_logon;
    std::vector<Item> m_items;
    std::map<qint64, std::vector<purchase::Item>> m_imported;   // each order's lines as imported
    titles::PayableTitles m_titles;
};

} // namespace invoice
