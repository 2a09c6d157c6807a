#pragma once
// The waiter commission: what one waiter sold in a range of cash shifts, shift by
// shift, from the stock-out rows of closed sales (ESTFIC, sale number above 0),
// optionally for one product group, and the commission at a percentage. Printed
// as the roll "RECIBO DE COMISSAO" on the closing printer's slot or as the A4
// report TFormComGarQui. Writes nothing.
#include "db/UnitLogon.h"
#include "platform/Printout.h"

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

struct ShiftSales {
    QDate data;        // date of the last stock-out row read for the shift
    qint64 caixa = 0;
    Decimal valor;     // sum of SAIDA x VALOR, to the cent as printed
};

class CommissionReport {
public:
    explicit CommissionReport(TLogon& logon) : m_logon(logon) {}

    // The lists of the window: "00005 NOME" per waiter, "000000-Todos" and
    // "000003-NOME" per product group, in code order.
    QStringList waiters() const;
    QStringList groups() const;
    static QString allGroups() { return QStringLiteral("000000-Todos"); }

    // The waiter of a list text: its first 5 characters as a whole number, 1 when
    // they are not one; the group: its first 6, 0 (all groups) when not one.
    static int waiterCode(const QString& waiterText);
    static int groupCode(const QString& groupText);
    // A percentage as typed (decimal comma); nullopt when it is not a number.
    static std::optional<Decimal> percent(const QString& text);

    // The shifts of the range (digits as typed; anything else reads as 0), in shift order.
    std::vector<ShiftSales> shifts(const QString& firstShift, const QString& lastShift, const QString& waiterText,
                                   const QString& groupText) const;

    // The commission of a total at the percentage typed (0 when it is not a number).
    static Decimal commission(const Decimal& total, const QString& percentText);
    static Printout roll(const std::vector<ShiftSales>& shifts, const QString& waiterText,
                         const QString& percentText);

private:
    TLogon& m_logon;
};
