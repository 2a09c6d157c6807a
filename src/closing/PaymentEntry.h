#pragma once
// The payment lines of the payment window: one per payment method, the amount
// received with it (a second amount for a method replaces the first; 0 removes
// it), and the rule that the walk-in consumer may not use a receivable method.
#include "closing/SaleWriter.h"
#include <QString>
#include <optional>
#include <vector>

class TLogon;

struct PaymentRow {
    int code = 0;          // FORMAPAGA.CD
    QString name;          // first 19 characters of FORMAPAGA.NOME
    Decimal amount;
    QString bx;            // "S" settled at once
    QString dav;           // "S" exported to the outside ERP
};

class PaymentEntry {
public:
    enum class Result { Stored, ConsumerRefused, Ignored };

    void load(TLogon& logon);   // "select * from formapaga order by cd"
    const std::vector<PaymentRow>& rows() const { return m_rows; }
    const PaymentRow* find(int code) const;
    int codeOfName(const QString& name) const;   // 0 when none

    // Stores an amount for a method; the customer code decides the consumer rule.
    Result confirm(int code, const QString& amountText, int customer);
    Decimal paid() const;
    // A line with an amount whose method is receivable, for the consumer.
    bool consumerRuleBroken(int customer) const;
    std::vector<SalePayment> payments() const;

private:
    std::vector<PaymentRow> m_rows;
};
