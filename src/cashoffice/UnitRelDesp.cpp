#include "cashoffice/UnitRelDesp.h"
#include "ui_UnitRelDesp.h"

#include "cashoffice/ShiftListings.h"
#include "cashoffice/UnitDespQui.h"
#include "printing/RoutePrintout.h"

TFormRelDesp::TFormRelDesp(TLogon& logon, QWidget* parent)
    : ShiftListingDialog(logon, parent)
    , ui(std::make_unique<::Ui::TFormRelDesp>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelDesp"));
    wire({ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton, ui->rollRadio, ui->pageRadio,
          ui->printButton, ui->returnButton});
}

TFormRelDesp::~TFormRelDesp() = default;

void TFormRelDesp::report(const QString& first, const QString& last, bool page)
{
    const RowSet rows = ShiftListings(m_logon).expenses(first, last);
    if (page)
        TFormDespQui(m_logon, QStringLiteral("Caixas de N. ") + first + QStringLiteral(" a ") + last).preview(rows);
    else
        RoutePreviewOnly(ShiftListings::expensesRoll(rows));
}
