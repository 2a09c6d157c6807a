#include "salesreports/UnitKitVend.h"
#include "ui_UnitKitVend.h"

#include "salesreports/SalesRanking.h"
#include "salesreports/UnitKitVendQui.h"

TFormKitVend::TFormKitVend(TLogon& logon, QWidget* parent)
    : PeriodReportDialog(logon, parent, true)
    , ui(std::make_unique<::Ui::TFormKitVend>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormKitVend"));
    wire({ui->firstDateEdit, ui->lastDateEdit, ui->printButton, ui->returnButton});
}

TFormKitVend::~TFormKitVend() = default;

void TFormKitVend::report(const QString& first, const QString& last)
{
    const auto lines = SalesRanking(m_logon).kits(first, last);
    TFormKitVendQui(m_logon, SalesRanking::kitPeriod(first, last)).preview(SalesRanking::rows(lines));
}
