#pragma once
// Multi-flavour items ("/c1/c2/" from the fractions window) and size prices.
//
// A product with size prices shows the size selector; the first character of the
// chosen entry names the price column (1 VFAMILIA, 2 VALOR, 3 VGRANDE, 4 VPEQUENA,
// 5 PESO). A multi-flavour item is priced from its flavours: the average of the
// prices above zero, or the highest (ItemOptions bit 64). No flavour priced above
// zero gives 0,00, never a division by zero.

#include "core/Decimal.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class TLogon;

// The flavour codes of a code field beginning with "/": characters 2 to 21 read
// left to right, each position ending at the next "/"; a position with no closing
// "/" is empty, unless the last one is taken as it stands (the counter page's code
// field: "/12/15" is 12 and 15). Codes are trimmed; a whole number becomes six digits.
enum class LastFlavour { NeedsSlash, TakenAsItStands };
std::array<QString, 4> splitFlavours(const QString& codeField, LastFlavour last = LastFlavour::NeedsSlash);
// The codes of splitFlavours that are not empty, in order.
QStringList flavourCodesOf(const QString& codeField, LastFlavour last = LastFlavour::NeedsSlash);

// The price column of a size entry's first character; empty for any other.
QString sizeColumn(const QString& sizeEntry);

// The item price from the flavour prices (absent or not found count 0): the
// average of those above 0, or the highest; 0 when none is above 0.
Decimal flavourItemPrice(const std::array<Decimal, 4>& prices, bool highest);

struct SizedProduct {
    QString codigo, nome, clas;
    qint64 classe = 0;           // the product group
    Decimal valor, vfamilia, vgrande, vpequena, peso;
    bool hasSizes() const { return vgrande > Decimal(0) || vfamilia > Decimal(0) || vpequena > Decimal(0); }
    // The column the size entry names; nullopt for an entry of none of 1 to 5.
    std::optional<Decimal> sizePrice(const QString& sizeEntry) const;
};

struct KitRow {
    QString codigo, nome, impfiscal;   // IMPFISCAL: the kit's kitchen number
    qint64 classe = 0;
    Decimal valot;                     // the kit's price
};

struct FlavourPrice {
    Decimal price;               // the item price
    QString kitchen;             // kitchen number of the last flavour found; empty when none
    bool showSizes = false;      // a flavour has size prices
    bool focusSizes = false;     // ... at the first, third or fourth position
    QStringList notFound;        // one message per flavour without a row
    QStringList names;           // the first 35 characters of each flavour found, in order
};

class MultiFlavour {
public:
    MultiFlavour(TLogon& logon, int itemOptions) : m_logon(logon), m_itemOptions(itemOptions) {}

    // "1 GRANDE", one entry per MOEDA row, in MOEDA order.
    QStringList sizeEntries();
    std::optional<SizedProduct> product(const QString& code);
    // The kit of that code (without its "*"); nullopt when there is none.
    std::optional<KitRow> kit(const QString& code);

    // The price at entry: kits (KITMASTER) at the first kitPositions positions
    // (the sales screen takes them at the first two, the delivery item entry at
    // any), products priced by the selected size once the selector shows.
    FlavourPrice entryPrice(const QString& codeField, bool sizesVisible, const QString& sizeEntry,
                            int kitPositions = 2);
    // The price after a size is chosen: every flavour by the chosen size column
    // (products only).
    FlavourPrice sizePrice(const QString& codeField, const QString& sizeEntry);

private:
    bool highest() const;
    TLogon& m_logon;
    int m_itemOptions;
};

namespace flavourmsg {
QString codeNotFound(const QString& code);
QString kitNotFound(const QString& code);
} // namespace flavourmsg
