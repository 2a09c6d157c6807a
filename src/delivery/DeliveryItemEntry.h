#pragma once
// The delivery item entry without its window: what a code becomes (a product, a
// kit, or a flavour list from the fractions window), its size prices, the
// accompaniments and complements it offers ticked, and writing the item with its
// ticked extras into the order.
#include "core/Decimal.h"
#include "registers/MultiFlavour.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

// One row of the extras list: an accompaniment (value 0), a complement of the
// product's group, or a text typed by the operator (not ticked until he ticks it).
struct ItemExtra {
    bool ticked = true;
    QString produto;
    Decimal valor;
};

struct ItemInHand {
    QString code;                     // "000012", "*3" a kit, "/12/15/" a flavour list
    QString name;
    Decimal price;                    // before the extras
    QString kitchen = QStringLiteral("1");   // the kitchen-printer number, one character
    std::optional<SizedProduct> sized;       // a single product with size prices
    bool flavourList = false;
    std::vector<ItemExtra> extras;

    Decimal extrasValue() const;      // the ticked extras' values
    // A double click on a row of the extras list: ticked, or no longer.
    bool toggleExtra(int row);
    // A text typed by the operator, without a value; false when it is blank.
    bool addTypedExtra(const QString& text, bool ticked);
};

class DeliveryItemEntry {
public:
    // itemOptions: EMPRESA.SCC4 as the window read it when it was created (bit 64:
    // a flavour list costs its highest flavour, else the average).
    DeliveryItemEntry(TLogon& logon, int itemOptions) : m_logon(logon), m_flavours(logon, itemOptions) {}
    // SCC4 of the company row (0 when there is none).
    static int readItemOptions(TLogon& logon);

    // "1 GRANDE": the size entries, in MOEDA order.
    QStringList sizeEntries();
    // A typed code: a whole number with six digits ("12" → "000012"), else trimmed.
    static QString normaliseCode(const QString& typed);

    struct Loaded {
        std::optional<ItemInHand> item;
        QStringList messages;     // shown in order
        bool showSizes = false;   // the size box shows (and takes the focus)
    };
    // A product or kit code left in the code box.
    Loaded load(const QString& code);
    // A flavour list ("/12/15/") priced at entry; sizeEntry is the size box's entry,
    // used once a flavour with size prices shows the box.
    Loaded flavours(const QString& list, const QString& sizeEntry);
    // The size box left: a sized product takes the chosen column (its own price
    // for an entry of none of 1 to 5); a flavour list is priced again at that size.
    void chooseSize(ItemInHand& item, const QString& sizeEntry);

    // "Confirmar": the item and its ticked extras, as one action on the held order;
    // the order's total follows. Returns the item's id. Throws DeliveryRefused (a
    // quantity that is not a number above 0; the order is gone) or DbError.
    qint64 confirm(qint64 orderId, const ItemInHand& item, const QString& quantity, const QString& observation,
                   const QDateTime& now = QDateTime::currentDateTime());

private:
    std::vector<ItemExtra> extrasOf(const QString& code, qint64 group);
    TLogon& m_logon;
    MultiFlavour m_flavours;
};
