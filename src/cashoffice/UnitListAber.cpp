#include "cashoffice/UnitListAber.h"
#include "ui_UnitListAber.h"

#include "cashoffice/ShiftListings.h"
#include "cashoffice/UnitListAberQui.h"
#include "printing/RoutePrintout.h"

TFormListAber::TFormListAber(TLogon& logon, QWidget* parent)
    : ShiftListingDialog(logon, parent)
    , ui(std::make_unique<::Ui::TFormListAber>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormListAber"));
    wire({ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton, ui->rollRadio, ui->pageRadio,
          ui->printButton, ui->returnButton});
}

TFormListAber::~TFormListAber() = default;

void TFormListAber::report(const QString& first, const QString& last, bool page)
{
    const RowSet rows = ShiftListings(m_logon).openings(first, last);
    if (page)
        TFormListAberQui(m_logon, QStringLiteral("Caixas de numeros ") + first + QStringLiteral(" a ") + last).preview(rows);
    else
        RoutePreviewOnly(ShiftListings::openingsRoll(rows));
}
