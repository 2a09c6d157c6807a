#include "delivery/UnitVenDiaDely.h"
#include "ui_UnitVenDiaDely.h"

#include "printing/SetComSettings.h"
#include "core/FieldEvents.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitVenDiaQuiDely.h"
#include "platform/Dialogs.h"

TFormVenDiaDely::TFormVenDiaDely(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormVenDiaDely>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormVenDiaDely"));
    ui->printButton->setToolTip(QString(deliverytext::reports::printHint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormVenDiaDely::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    (new FieldEvents(this))->chain({ui->shiftCombo, ui->printButton});   // Enter in the shift: to "Imprimir"
    try {
        m_shifts = DeliveryReports(logon).lastShifts();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    for (const choices::Shift& s : m_shifts)
        ui->shiftCombo->addItem(shiftText(s));
    ui->shiftCombo->setCurrentIndex(m_shifts.empty() ? -1 : 0);   // the newest shift
}

TFormVenDiaDely::~TFormVenDiaDely() = default;

QComboBox* TFormVenDiaDely::shiftList() const { return ui->shiftCombo; }
void TFormVenDiaDely::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }
void TFormVenDiaDely::choosePrinting(bool print) { (print ? ui->printRadio : ui->previewRadio)->setChecked(true); }

void TFormVenDiaDely::print()
{
    const int at = ui->shiftCombo->currentIndex();
    const int shift = at >= 0 && at < int(m_shifts.size()) ? m_shifts[size_t(at)].cash : 0;
    DeliveryReports reports(m_logon);
    std::vector<DeliverySaleRow> rows;
    try {
        rows = reports.sales(shift);
    } catch (const DbError&) {
        ShowMessageWindow(deliverytext::attention, deliverytext::reports::openError, QStringLiteral("1"));
        return;
    }
    try {
        if (ui->pageRadio->isChecked()) {
            TFormVenDiaQuiDely(m_logon, deliverytext::reports::cashCaption + QString::number(shift)).preview(rows);
            return;
        }
        DeliveryReports::sendRoll(
            DeliveryReports::salesRoll(reports.company(), shift, reports.shiftDate(shift), rows, SetComSettings::receiptFontSize()),
            ui->printRadio->isChecked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}
