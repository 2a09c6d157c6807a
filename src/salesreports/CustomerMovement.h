#pragma once
// "Movimento de Produto por clientes": what one customer took out of stock over a
// range of cash shifts, from the ledger rows of his sales (those with a sale
// number), every row ("Analítico") or one line per product ("Sintético"), for all
// sales or only those on his current account (history "*C..."), optionally one
// product. Lines without a product code are keyed by their history. Reads only.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QString>
#include <utility>
#include <vector>

class TLogon;

struct MovementLine {
    QString key;            // the product code, or the first 30 characters of the history
    QString name;
    qint64 cash = 0;        // the (last) row's cash shift
    Decimal quantity, unitValue, amount;
};

struct MovementFilter {
    bool analytic = false;      // "Analítico": every row
    bool accountOnly = false;   // "Somente C/Corrente"
    QString product;            // "0" or blank: every product
};

class CustomerMovement {
public:
    explicit CustomerMovement(TLogon& logon) : m_logon(logon) {}

    static QStringList kinds() { return {QStringLiteral("Analítico"), QStringLiteral("Sintético")}; }

    // The two cash numbers as the report takes them: both "0" when either is no
    // whole number.
    static std::pair<QString, QString> shiftTexts(const QString& first, const QString& last);

    // The lines of the customer (a whole number, ShiftFieldRefused with "Cliente
    // não Localizado" otherwise) in shifts first..last, by date. In the synthetic
    // list a product's line adds up its rows (amount = Σ quantity × unit value, unit
    // value = amount / quantity) and takes the place and cash shift of its last row.
    // Every line's amount is to the cent, as printed.
    std::vector<MovementLine> lines(const QString& customerText, int firstShift, int lastShift,
                                    const MovementFilter& filter);

    // UNIDADE (cash shift), DATA (empty), NOME, VALOR, SAI, TOTAL.
    static RowSet rows(const std::vector<MovementLine>& lines);

private:
    TLogon& m_logon;
};
