#pragma once
// The payment panel the delivery note and the invoicing share, without its window:
// the first ten payment methods, the opening that takes the delivery fee out of
// the hand-over list, the totals (sale value, fee, sub-total, ten amounts, the
// discount, the change or what is missing), the discount in money or per cent,
// and the two checks that start both print actions.
//
// Every field is a text as the window shows it ("12,50"). The totals read them all
// with the one amount reader: an empty field is 0, a field that holds no number is
// kept as typed and refused ("  Valor Invalido  ") instead of being taken as 0, and
// every comparison is in cents.
#include "core/Decimal.h"
#include "delivery/DeliveryOrders.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class TLogon;

// A payment method row of the panel (FORMAPAGA).
struct PanelMethod {
    int code = 0;        // CD
    QString bx;          // BX: "S" settled at once, "N" a receivable
    QString name;        // NOME
    // "   01S - DINHEIRO": three blanks, the code by "00", BX, " - " and the name.
    QString caption() const;
    bool settled() const { return bx.trimmed() == QLatin1String("S"); }
    bool grey() const { return bx.trimmed() == QLatin1String("N"); }
};

class DeliveryPaymentPanel {
public:
    static constexpr int kMethods = 10;

    // The first ten payment methods by code.
    static std::vector<PanelMethod> readMethods(TLogon& logon);

    // The panel as it opens: the desk's total text goes into the first method;
    // the hand-over list's "Taxa de Entrega" line is taken out of it, its value is
    // the fee (and the unit value DeliveryFee), its code the delivery man's; the
    // sale value is the total less the fee.
    void open(const std::vector<PanelMethod>& methods, const QString& totalText, std::vector<HandOverLine>& lines);

    // The totals routine (leaving an amount, the fee or the discount). False when a
    // field holds no number, or a discount beyond the sub-total: that field keeps
    // its text (invalidField() tells which) and nothing else changes.
    bool totals();
    // Leaving the percentage: the discount becomes that share of the sale value.
    bool percentToMoney();
    // The two checks, after the totals: the message that stops the print action,
    // or nothing when it may go on.
    std::optional<QString> check();

    // The fields a refused text can sit in.
    enum class Field { None, Fee, Amount, Discount, Percent };
    Field invalidField() const { return m_invalid; }
    int invalidAmount() const { return m_invalidAmount; }

    // The values the totals left (valid after totals() returned true).
    Decimal saleValueAmount() const { return m_saleValue; }
    Decimal feeAmount() const;
    Decimal subtotalAmount() const;
    Decimal discountAmount() const;
    Decimal amount(int i) const;
    Decimal balanceAmount() const;
    bool missing() const { return balanceCaption == captionMissing(); }

    // The method whose amount is not 0, last in panel order ("" when none): the
    // expected payment the delivery note records.
    QString paymentName() const;

    static QString captionDesign() { return QStringLiteral("   Troco"); }
    static QString captionChange() { return QStringLiteral("   TROCO"); }
    static QString captionMissing() { return QStringLiteral("   FALTA"); }

    // The fields, as the window shows them.
    std::vector<PanelMethod> methods;       // at most ten
    QString saleValue = QStringLiteral("0,00");   // Label4
    QString fee = QStringLiteral("0");            // Edit14
    QString subtotal = QStringLiteral("0,00");    // Label7
    QString percent;                              // Edit1
    QString discount;                             // Edit12
    std::array<QString, kMethods> amounts;        // Edit2 .. Edit11
    QString balanceCaption = captionDesign();     // Panel4
    QString balance = QStringLiteral("0,00");     // Label5
    QString message;                              // Edit13 "Mensagem Complementar"
    // The unit values: the hand-over list's fee and its code.
    Decimal deliveryFee;
    QString deliveryManCode = QStringLiteral("0");

private:
    std::optional<Decimal> read(const QString& text) const;
    Decimal m_saleValue;
    Field m_invalid = Field::None;
    int m_invalidAmount = -1;
};

// An amount as the panel shows it: two decimals, the comma.
QString panelText(const Decimal& amount);
