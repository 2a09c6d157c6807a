#pragma once
// "Movimenta Estoque": one entry or exit of one product at a time, as a row of the
// stock ledger; an entry also updates the product's average cost, cost, sale price,
// book value and expiry date.
//
// What the window holds is read here, and refused with a message naming the field
// before anything is written: an unknown product, a movement code other than 0
// (exit) or 1 (entry), a quantity that is no number above zero, a value or an
// expiry date that cannot be read, a date that is no date ("31/02/26"). A blank
// cost, sale price or book value leaves the product's own; a blank date is today; a
// blank history is "->".

#include "core/Decimal.h"
#include "stock/StockLedger.h"
#include "stock/StockProducts.h"

#include <QDate>
#include <QString>
#include <optional>

class TLogon;

namespace movement {

namespace text {
inline const QString heading = QStringLiteral("Movimenta Estoque");
inline const QString kindCaption = QStringLiteral("(0) Saida / (1) Entrada");
inline const QString kindCaptionLeft = QStringLiteral("0) Saida / (1) Entrada");
inline const QString entry = QStringLiteral("Entrada");
inline const QString exit = QStringLiteral("Saida");
inline const QString invoiceButton = QStringLiteral("NF Entrada\nVarios Itens");
inline const QString invoiceHint = QStringLiteral("Somente se estiver usando o contas a pagar Miltrex");
inline const QString blankHistory = QStringLiteral("->");
inline const QString badKind = QStringLiteral("     Cod Movimento:  (0) Saida / (1) Entrada     ");
inline const QString badQuantity = QStringLiteral("     Quantidade invalida: informe um numero maior que zero     ");
inline const QString badValue = QStringLiteral("     Valor invalido em %1     ");
inline const QString badExpiry = QStringLiteral("     Data de validade invalida     ");
inline const QString badDate = QStringLiteral("     Data invalida     ");
} // namespace text

// The fields the window refuses back to (FieldError::field()).
namespace field {
inline const QString code = QStringLiteral("code");
inline const QString date = QStringLiteral("date");
inline const QString kind = QStringLiteral("kind");
inline const QString quantity = QStringLiteral("quantity");
inline const QString cost = QStringLiteral("cost");
inline const QString price = QStringLiteral("price");
inline const QString bookValue = QStringLiteral("bookValue");
inline const QString expiry = QStringLiteral("expiry");
} // namespace field

// What the window holds when "&Confirme" is pressed.
struct Typed {
    QString code, date, history, kind, quantity, cost, price, bookValue, expiry;
};

class StockMovement {
public:
    explicit StockMovement(TLogon& logon) : m_logon(logon), m_ledger(logon) {}

    stock::ProductCard product(const QString& code);
    Decimal stockOf(const QString& code) { return m_ledger.stockOf(code); }
    // "#,##0.###" left-padded to 12, as "Estoque Atual" shows it.
    static QString stockText(const Decimal& stock);

    // "&Confirme": false when the code is blank (nothing happens). Throws
    // stock::FieldError for a refused entry, DbError when the database refuses.
    bool confirm(const Typed& typed, const QDate& today);

private:
    TLogon& m_logon;
    stock::StockLedger m_ledger;
};

} // namespace movement
