#pragma once
// "Faturamento por Periodo": the amounts received in a range of cash shifts, by
// payment method, one line per shift and issue date, with a total per method and
// a grand total; a 38-column text shown in the preview, printed in pages or
// written raw to a port by the legacy printer choice of setup.INI line 15.
#include "platform/Printout.h"

#include <QString>
#include <QStringList>

class TLogon;

class BillingByPeriod {
public:
    explicit BillingByPeriod(TLogon& logon) : m_logon(logon) {}

    // "00  Todos", then the code by "00", a blank and the name of every method, by code.
    QStringList methodItems();
    static QString allMethods() { return QStringLiteral("00  Todos"); }

    // The report of the shifts first..last (both whole numbers, ShiftFieldRefused
    // otherwise) for the method of a list item ("00": every method). DbError when
    // the database fails.
    Printout compose(const QString& firstText, const QString& lastText, const QString& methodItem);

    // The preview when "Visualizar o relatório" is ticked; otherwise the legacy
    // choice of setup.INI line 15: pages on the printer, raw lines on a port, the
    // preview, or nothing.
    static void send(const Printout& text, bool preview);

private:
    TLogon& m_logon;
};
