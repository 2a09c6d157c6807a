#pragma once
// "Balancete por Cliente (Saida)": every ledger row of one customer in a period,
// day by day, the quantity out valued at the product's cost, sale price or average
// cost. One statement. Reads only.
#include "db/RowSet.h"

#include <QString>
#include <QStringList>

class TLogon;

class CustomerOutflow {
public:
    explicit CustomerOutflow(TLogon& logon) : m_logon(logon) {}

    enum class Valuation { Cost, Sale, Average };
    // "CUSTO", "VALOR" or "MEDIO": the title of the value column.
    static QString title(Valuation v);

    // "000123  -  NAME" (the name's first 20 characters) per customer, by name.
    QStringList customerItems();
    // The code of a list text: what comes before its first "-", as a whole number.
    static std::optional<int> customerOf(const QString& item);

    // The rows of the customer of a list text (ShiftFieldRefused with "Cliente não
    // Localizado" when it holds no code) dated first..last (typed dd/mm/yy, "Erro
    // em uma das datas" otherwise), by date: DATA, CODIGO, UNIDADE, NOME, LOCACAO,
    // HISTORICO (30 characters), SAIDA, CUSTO (the unit value), TOTAL.
    RowSet rows(const QString& customerItem, const QString& firstDay, const QString& lastDay, Valuation v);

    static QString period(const QString& firstDay, const QString& lastDay);

private:
    TLogon& m_logon;
};
