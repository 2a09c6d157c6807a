#pragma once
// The counter page's entry row without the window: handling a code when the code
// field is left (product, scale label carrying an amount, kit "*", flavours "/"),
// and turning the fields into an item of the sale. A line that does not convert
// is refused with its message and adds nothing.
#include "core/Decimal.h"
#include "sales/CounterSale.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

struct CounterCode {
    enum class Kind { Empty, Search, FlavourDialog, Found, NotFound };
    Kind kind = Kind::Empty;
    QString code;          // what the code field shows afterwards
    QString name;          // the name label (first 30 characters)
    QString price;         // "12,50"
    QString kitchen;       // "0".."5"
    QString quantity;      // a scale label's quantity, left-padded to 8
    bool hasSizes = false;
    std::vector<Decimal> sizePrices;   // VFAMILIA, VALOR, VGRANDE, VPEQUENA, PESO when hasSizes
    QStringList messages;  // for the message window, in order
};

// The entry fields when "Confirma [F4]" is pressed.
struct CounterDraft {
    QString code, name, price, complementValue, quantity, kitchen, complement, sizeText;
    bool hasSizes = false;
};

struct CounterConfirm {
    bool added = false;
    QString message;                   // why nothing was added
    CounterItem item;
    std::optional<CounterKitchenLine> kitchenLine;
    int tickets = 0;                   // sale-control tickets, one per unit
};

class CounterEntry {
public:
    CounterEntry(TLogon& logon, int itemOptions = 0) : m_logon(logon), m_itemOptions(itemOptions) {}

    CounterCode handle(const QString& typed, bool promotion = false);
    // The size list: "1 GRANDE", one entry per MOEDA row.
    QStringList sizeEntries();
    // The price of a size entry: its first character chooses the column; nullopt leaves the price.
    static std::optional<Decimal> sizePrice(const CounterCode& code, const QString& sizeEntry);
    // The fields as an item of the sale; nothing is read from the database.
    static CounterConfirm build(const CounterDraft& draft, const QString& saleKey, bool ticketsPerUnit);

private:
    std::optional<CounterCode> product(const QString& code, bool promotion);
    std::optional<CounterCode> kit(const QString& code);
    TLogon& m_logon;
    int m_itemOptions = 0;
};
