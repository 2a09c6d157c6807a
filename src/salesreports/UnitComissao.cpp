#include "salesreports/UnitComissao.h"
#include "ui_UnitComissao.h"

#include "reports/ReportWindow.h"
#include "cashoffice/ShiftListings.h"
#include "salesreports/UnitComissaoQui.h"
#include "printing/RoutePrintout.h"

TFormComissao::TFormComissao(TLogon& logon, QWidget* parent)
    : ShiftListingDialog(logon, parent)
    , ui(std::make_unique<::Ui::TFormComissao>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormComissao"));
    wire({ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton, ui->rollRadio, ui->pageRadio,
          ui->printButton, ui->returnButton});
    reportwindow::enterMovesFromList(ui->waiterCombo, ui->printButton);
    reportwindow::run([&] { ui->waiterCombo->addItems(ShiftListings(logon).waiterItems()); });
}

TFormComissao::~TFormComissao() = default;

QStringList TFormComissao::waiters() const { return reportwindow::items(ui->waiterCombo); }
void TFormComissao::chooseWaiter(int index) { ui->waiterCombo->setCurrentIndex(index); }

void TFormComissao::report(const QString& first, const QString& last, bool page)
{
    const QString waiter = ui->waiterCombo->currentText();
    const RowSet rows = ShiftListings(m_logon).serviceFees(first, last, waiter);
    if (page)
        TFormcomissaoQui(m_logon, QStringLiteral("Caixa do periodo de:") + first + QStringLiteral(" a ") + last, waiter)
            .preview(rows);
    else
        RoutePreviewOnly(ShiftListings::serviceFeesRoll(rows, waiter));
}
