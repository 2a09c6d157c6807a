#pragma once
// "Relatório Analitico Diario": sale by sale, what one station sold in one cash
// shift: each sale's date, number and value, its products with quantity, unit and
// line value, and its payments with their method. Always shown in the preview.
// Reads the shift in a fixed number of statements.
#include "platform/Printout.h"

#include <QString>

class TLogon;

class AnalyticClosing {
public:
    explicit AnalyticClosing(TLogon& logon) : m_logon(logon) {}

    // The open shift's number as text ("" when there is none).
    QString openCashText();
    // The text of a shift at a station (both whole numbers, ShiftFieldRefused
    // otherwise). DbError when the database fails.
    Printout compose(const QString& cashText, const QString& terminalText);

private:
    TLogon& m_logon;
};
