#pragma once
// "Relatório por Fornecedor": each product of one supplier that moved in a period,
// with its entries and exits and the entries valued at the product's current cost.
// One grouped statement. Reads only.
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

class TLogon;

class SupplierMovement {
public:
    explicit SupplierMovement(TLogon& logon) : m_logon(logon) {}

    // "00003 - NAME" per supplier, by code.
    QStringList supplierItems();

    // The products of the supplier of a list text (its first five characters;
    // ShiftFieldRefused with "Fornecedor não Localizado" when they are no number)
    // that have ledger rows between first and last (typed dd/mm/yy; "Erro em uma
    // das datas" otherwise), by code: CODIGO, FORN (the five digits), NOME, UNIDADE,
    // ENTRADA, SAIDA, CUSTO, TOTAL (CUSTO x ENTRADA), GRUPO (one group for the whole report).
    RowSet rows(const QString& supplierItem, const QString& firstDay, const QString& lastDay);

    // "PERIODO " + first + " A " + last.
    static QString period(const QString& firstDay, const QString& lastDay);

private:
    TLogon& m_logon;
};
