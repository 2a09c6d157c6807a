#pragma once
// "Relatorio de venda por nota": every sale under one cash number, every
// station's, by sale number, as the page report TFormVenDiaQui.
#include "db/RowSet.h"

#include <QString>

class TLogon;

class SalesByNote {
public:
    explicit SalesByNote(TLogon& logon) : m_logon(logon) {}

    // The sales of a cash number (a whole number, ShiftFieldRefused otherwise):
    // NOTA, DATA, CLIENTE, VENDEDOR, VALOR, by sale number.
    RowSet rows(const QString& cashText);
    // The report's caption for that number.
    static QString caption(const QString& cashText) { return QStringLiteral("Caixa de Numero.:") + cashText; }

private:
    TLogon& m_logon;
};
