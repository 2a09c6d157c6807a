#pragma once
// The cash movement report ("Encerramento do dia"): everything one station did
// in one cash shift, as a 36-column roll text: the header, the products sold by
// group (a total only, or every line in one or two lines), the charges, the
// sales by kind, the receipts per payment method, the cash closing, the
// discounts, the expenses, the receivables settled in the shift and, on request,
// the cancellation log. Reads only.
//
// gather() reads the figures in a fixed number of statements, whatever the number
// of sales; compose() lays them out without the database; send() routes the text
// by the closing printer's destination (setup.INI line 15).
#include "core/Decimal.h"
#include "reports/ShiftFields.h"
#include "platform/Printout.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

class TLogon;

namespace cashreportmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString printError = QStringLiteral("    Erro ao tentar imprimir     ");
} // namespace cashreportmsg

struct CashMovementOptions {
    bool complete = false;        // "Completo": every product line, by group
    bool twoLines = false;        // "Incluir Cod/Vlr Unitário (2 lin p/prod)"
    bool cancellations = false;   // "Incaluir listagem Cancelamento"
};

// One product line: the sale rows of one product at one unit price (to the cent).
struct CashProductLine {
    QString code;        // the rows' code, or their description when the code is blank (14 characters)
    QString name;
    int group = 0;       // TIPOS code; 0 when the product is unknown
    Decimal quantity;
    Decimal price;       // the first row's unit price
};

struct CashMethodLine {
    QString name;
    Decimal value;
};

struct CashMovementFigures {
    int cash = 0;
    QString terminalText;                        // as printed on the header
    QString date, operatorName;
    Decimal opening;
    std::vector<CashProductLine> products;       // in print order: by group, then by name
    std::map<int, QString> groupNames;           // the TIPOS names (only with "Completo")
    Decimal deliveryFees, service, cover;        // delivery fees: every station under the shift
    struct Kind { int count = 0; Decimal value; };
    Kind tabs, counter, delivery;
    std::vector<CashMethodLine> methods;         // every method but cash, list order; unknown codes last
    Decimal cashReceived;
    Decimal topUps, withdrawals;
    std::vector<std::pair<QString, Decimal>> discounts;   // sale number, value
    std::vector<std::pair<QString, Decimal>> expenses;    // history, value
    struct Settled { QString name, issued; Decimal amount; };
    std::vector<Settled> settled;                // every station's, under the shift
    std::vector<std::pair<QString, QString>> log;         // operator, action
};

class CashMovementReport {
public:
    explicit CashMovementReport(TLogon& logon) : m_logon(logon) {}

    // The window's defaults: the open shift's number as text, with the cash closed
    // the last shift opened ("" when none ever opened), and the lock flag of the
    // main window's entries (Vavoz.INI line 2, "S" when the file or the line is
    // missing or blank).
    QString proposedCashText();
    static QString lockFlagFromSettings();
    // A lock flag other than "S" and "N" locks the window on the shift it opened with.
    static bool locks(const QString& lockFlag);

    // Reads the figures of a shift at a station. The cash text must be a whole
    // number of a shift that was opened (ShiftFieldRefused otherwise, before
    // anything else is read); a terminal text that is not one is replaced by
    // TerminalNumber. Throws DbError when the database fails.
    CashMovementFigures gather(const QString& cashText, const QString& terminalText, const CashMovementOptions& options);

    // The text, line by line.
    static Printout compose(const CashMovementFigures& figures, const CashMovementOptions& options);

    // Routes the text; "Forçar Visualizar" shows the preview whatever the
    // destination. A port or printer that fails shows "Erro ao tentar imprimir"
    // and gives false.
    static bool send(const Printout& text, bool forcePreview);

private:
    TLogon& m_logon;
};
