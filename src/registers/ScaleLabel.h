#pragma once
// The labels a scale prints for a weighed product: a 13-character code read
// by the item entry windows instead of a product code. The sales screen's labels
// carry the weight; the single-screen delivery order reads labels that carry the
// amount to pay, and the weight is that amount at the product's price.
#include "core/Decimal.h"

#include <QString>
#include <optional>

struct ScaleLabel {
    QString code;        // six digits
    Decimal quantity;    // weight in sale units
};

// A 13-character code beginning with "2": product code in characters 2 to 7 and
// the weight in thousandths in 8 to 12. nullopt for any other code; a weight
// that is not a number gives nullopt too (and the caller reports it).
std::optional<ScaleLabel> parseScaleLabel(const QString& code);
// A scale label's weight as the quantity field shows it: "#0.000" padded with
// blanks to 8 characters ("   1,234").
QString scaleQuantityText(const Decimal& weight);

struct PriceLabel {
    QString code;        // six digits
    Decimal amount;      // the amount printed on the label
};
// A 13-character code beginning with "2": product code in characters 2 to 5 and
// the amount in hundredths in 8 to 12. nullopt for any other code.
std::optional<PriceLabel> parsePriceLabel(const QString& code);
// The weight a price label stands for at the product's price, to the gram; none
// when the product has no price above zero.
std::optional<Decimal> priceLabelQuantity(const Decimal& amount, const Decimal& price);
