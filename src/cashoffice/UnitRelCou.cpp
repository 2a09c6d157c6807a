#include "cashoffice/UnitRelCou.h"
#include "ui_UnitRelCou.h"

#include "cashoffice/ShiftListings.h"
#include "cashoffice/UnitRelCouQui.h"
#include "printing/RoutePrintout.h"

TFormRelCou::TFormRelCou(TLogon& logon, QWidget* parent)
    : ShiftListingDialog(logon, parent)
    , ui(std::make_unique<::Ui::TFormRelCou>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelCou"));
    wire({ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton, ui->rollRadio, ui->pageRadio,
          ui->printButton, ui->returnButton});
}

TFormRelCou::~TFormRelCou() = default;

void TFormRelCou::report(const QString& first, const QString& last, bool page)
{
    const RowSet rows = ShiftListings(m_logon).couvert(first, last);
    if (page)
        TFormRelCouQui(m_logon, QStringLiteral("Caixa do periodo de:") + first + QStringLiteral(" a ") + last).preview(rows);
    else
        RoutePreviewOnly(ShiftListings::couvertRoll(rows));
}
