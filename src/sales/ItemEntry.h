#pragma once
// The entry row of the tab page without the window: the waiter, the product code
// (typed, scale label, kit mark), the price rule and the complements a product
// brings (its group's complements and its own accompaniments).

#include "core/Decimal.h"
#include "core/uMensagem.h"
#include "registers/ScaleLabel.h"

#include <QString>
#include <optional>
#include <vector>

class TLogon;

struct ProductInfo {
    QString codigo, nome, clas;
    qint64 classe = 0;
    Decimal valor, cubagem;
    QString composicao, juntar;
    bool hasSizes = false;     // VGRANDE, VFAMILIA or VPEQUENA above 0
    // The price by the price rule: the promotion price when the promotion is on
    // and the product has one.
    Decimal price(bool promotion) const { return promotion && cubagem != Decimal(0) ? cubagem : valor; }
};

// One row of the complement list of the item being entered.
struct ComplementRow {
    QString flag;        // "X": left out when the item is confirmed
    QString produto;
    Decimal valor;
    qint64 cod = 0;
};

// What the code field holds once left: accents stripped, a leading "*" removed,
// a whole number of fewer than six characters with six digits.
QString normaliseProductCode(const QString& typed);
// The quantity typed: a number above zero, else 1.
Decimal quantityOrOne(const QString& text);
// What the quantity field keeps when it is left: its text when that is a number
// above zero (a scale label's weight stays as shown, "   1,234"), else "1".
QString quantityFieldLeft(const QString& text);

class ItemEntry {
public:
    explicit ItemEntry(TLogon& logon) : m_logon(logon) {}

    std::optional<ProductInfo> findProduct(const QString& code);
    // The group's complements (flagged, their value in the text unless 0) and the
    // product's accompaniments (flagged), in that order.
    std::vector<ComplementRow> complementsOf(const ProductInfo& product);
    std::vector<ComplementRow> accompanimentsOf(const QString& code);

    // The staff member's name, nullopt when there is no such code.
    std::optional<QString> waiterName(qint64 code);
    // The code when code and password match a staff member (its stored digest), else nullopt.
    std::optional<qint64> checkWaiterPassword(const QString& code, const QString& password);
    // Sets the tab's waiter when the tab exists.
    void setTabWaiter(const QString& tabKey, qint64 code);

private:
    TLogon& m_logon;
};
