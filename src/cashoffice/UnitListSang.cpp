#include "cashoffice/UnitListSang.h"
#include "ui_UnitListSang.h"

#include "cashoffice/ShiftListings.h"
#include "cashoffice/UnitListSangQui.h"
#include "printing/RoutePrintout.h"

TFormListSang::TFormListSang(TLogon& logon, QWidget* parent)
    : ShiftListingDialog(logon, parent)
    , ui(std::make_unique<::Ui::TFormListSang>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormListSang"));
    wire({ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton, ui->rollRadio, ui->pageRadio,
          ui->printButton, ui->returnButton});
}

TFormListSang::~TFormListSang() = default;

void TFormListSang::report(const QString& first, const QString& last, bool page)
{
    const RowSet rows = ShiftListings(m_logon).withdrawals(first, last);
    if (page)
        TFormListSangQui(m_logon, QStringLiteral("Caixas de numeros ") + first + QStringLiteral(" a ") + last).preview(rows);
    else
        RoutePreviewOnly(ShiftListings::withdrawalsRoll(rows));
}
