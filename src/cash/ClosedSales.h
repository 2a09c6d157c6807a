#pragma once
// A closed sale as the lists of closed sales show it: its FATURA row.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>

struct ClosedSaleRow {
    qint64 id = 0, nota = 0;
    QDate data;
    QString cliente;
    Decimal valor;
    int caixa = 0, terminal = 0;
    int tipo = 0;          // 1 a tab, 2 a counter sale, 3 a delivery invoice
};

// The row read from ID, NOTA, DATA, CLIENTE, VALOR, CAIXA, TERMINAL and TIPO.
ClosedSaleRow closedSaleOf(const RowSet& rs);
