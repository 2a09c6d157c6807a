#pragma once
// The four listings of payable titles over a period, each grouped by one date
// with a total per day and a grand total: by due date (TFormRelPeriodoX), paid
// (TFormRelBaixaX), by due date for a supplier (TFormRelPorCliX) and by issue
// date (TFormRelEmiX). Titles are read in one statement, already in the order of
// the grouping date; the report is an A4 (Letter) page report.

#include "db/RowSet.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

enum class PayablesListingKind { ByDueDate, Paid, BySupplier, Issued };

// What tells the four listings apart.
struct PayablesListingTexts {
    const char* className;
    const char* caption;         // the window's caption
    const char* heading;         // its heading panel
    const char* label;           // the label under it
    const char* supplierCaption; // the supplier field's caption; none for the paid listing
    const char* dateColumn;      // the selecting and grouping date
    const char* reportTitle;
    const char* groupCaption;
    const char* supplierTitle;   // the supplier column's title
    bool hasStatus;              // "So em aberto" / "Baixados" / "Todos"
    bool staysOpen;              // the window stays open after the report
};
const PayablesListingTexts& payablesListingTexts(PayablesListingKind kind);

enum class TitleStatus { Open, Paid, All };

struct PayablesListingRequest {
    PayablesListingKind kind = PayablesListingKind::ByDueDate;
    int supplier = 0;            // 0: every supplier
    QDate start, end;
    TitleStatus status = TitleStatus::Open;
};

class PayablesListing {
public:
    explicit PayablesListing(TLogon& logon) : m_logon(logon) {}


    // The titles listed: DUPLICATA, CODIGO, CLIENTE, EMISSAO, VENCIMENTO, BAIXA,
    // VALOR, JUROS, in order of the grouping date (then of the number).
    RowSet titles(const PayablesListingRequest& request) const;

    // The report: period caption "dd/mm/yy A dd/mm/yy", company caption.
    static report::Definition report(PayablesListingKind kind, const QString& periodCaption,
                                     const QString& companyCaption);
    static QString periodCaption(const QDate& start, const QDate& end);

private:
    TLogon& m_logon;
};
