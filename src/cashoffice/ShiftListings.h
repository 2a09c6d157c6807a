#pragma once
// The listings of a range of cash shifts, each on the roll (always previewed) or on
// a page: the daily expenses by cost centre, a waiter's service fees, the couvert,
// the opening floats and the withdrawals and top-ups. The rows are read in one
// statement each; the roll texts are composed from them. Reads only.
//
// Every listing takes the two cash numbers as typed: both must be whole numbers
// (ShiftFieldRefused otherwise); a first number above the last selects nothing.
#include "db/RowSet.h"
#include "platform/Printout.h"

#include <QString>
#include <QStringList>

class TLogon;

class ShiftListings {
public:
    explicit ShiftListings(TLogon& logon) : m_logon(logon) {}

    // DESPLOJA by cash shift and cost centre: DATA, CAIXA, HISTORICO, VALOR, CCUSTO, NOME
    // (the cost centre's, "" without one).
    RowSet expenses(const QString& first, const QString& last);
    static Printout expensesRoll(const RowSet& rows);

    // "00004 CARLOS" per waiter, by code.
    QStringList waiterItems();
    // The service-fee shares (SERVICO type 1) of the waiter of the list text's first
    // five characters (" Erro no Preenchimento  " when they are no number), one row
    // per sale: CAIXA, DATA, CONTROLE, TENT.
    RowSet serviceFees(const QString& first, const QString& last, const QString& waiterItem);
    static Printout serviceFeesRoll(const RowSet& rows, const QString& waiterText);

    // The couvert of each sale (SERVICO type 2): CAIXA, DATA, CONTROLE, VALOR.
    RowSet couvert(const QString& first, const QString& last);
    static Printout couvertRoll(const RowSet& rows);

    // CONTDATA by date: DATA, CAIXA, ABERTURA.
    RowSet openings(const QString& first, const QString& last);
    static Printout openingsRoll(const RowSet& rows);

    // SANGRIA by cash shift, with the opening day of each row's shift (null when the
    // shift has no CONTDATA row): CAIXA, DATA, TERMINAL, HISTORICO, SANGRIA (DC "1"),
    // REFORCO (any other DC); the other column of a row is null.
    RowSet withdrawals(const QString& first, const QString& last);
    static Printout withdrawalsRoll(const RowSet& rows);

private:
    TLogon& m_logon;
};
