#pragma once
// A product as the stock windows show it when its code is left.
#include "core/Decimal.h"

#include <QString>

class TLogon;

namespace stock {

struct ProductCard {
    bool found = false;
    QString code, name;
    Decimal cost, price, bookValue;
    QString supplier;       // FORNECEDOR as text; empty when none
    QString supplierName;   // that supplier's NOME; empty when none
    bool kit = false;       // COMPOSICAO "S"
};

// PRODUTOS.CODIGO and ESTFIC.CODIGO hold 14 characters: no product has a longer code.
constexpr int kCodeLength = 14;
// A code some product or ledger row could have: at most 14 characters, each one the
// database stores (an emoji is none).
bool storableCode(const QString& code);

// The product of a code (as typed, already normalised); found false when none.
ProductCard readProduct(TLogon& logon, const QString& code);

} // namespace stock
