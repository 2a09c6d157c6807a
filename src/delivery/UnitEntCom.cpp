#include "delivery/UnitEntCom.h"
#include "ui_UnitEntCom.h"

#include "printing/SetComSettings.h"
#include "core/FieldEvents.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitEntComQ.h"
#include "platform/Dialogs.h"

TFormEntCom::TFormEntCom(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormEntCom>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEntCom"));
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormEntCom::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter goes through the three lists to "&Confirmar"
    (new FieldEvents(this))->chain({ui->manCombo, ui->firstShiftCombo, ui->lastShiftCombo, ui->confirmButton});
    try {
        DeliveryReports reports(logon);
        m_men = reports.deliveryMen();
        m_shifts = reports.lastShifts();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    for (const DeliveryManChoice& m : m_men)
        ui->manCombo->addItem(m.nome);
    for (const choices::Shift& s : m_shifts) {
        ui->firstShiftCombo->addItem(shiftText(s));
        ui->lastShiftCombo->addItem(shiftText(s));
    }
    // The newest shift in both lists, the first delivery man: confirming at once reports them.
    ui->manCombo->setCurrentIndex(m_men.empty() ? -1 : 0);
    ui->firstShiftCombo->setCurrentIndex(m_shifts.empty() ? -1 : 0);
    ui->lastShiftCombo->setCurrentIndex(m_shifts.empty() ? -1 : 0);
}

TFormEntCom::~TFormEntCom() = default;

QComboBox* TFormEntCom::manList() const { return ui->manCombo; }
QComboBox* TFormEntCom::firstShiftList() const { return ui->firstShiftCombo; }
QComboBox* TFormEntCom::lastShiftList() const { return ui->lastShiftCombo; }
void TFormEntCom::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }
void TFormEntCom::choosePrinting(bool print) { (print ? ui->printRadio : ui->previewRadio)->setChecked(true); }

void TFormEntCom::confirm()
{
    const int man = ui->manCombo->currentIndex();
    const int first = ui->firstShiftCombo->currentIndex(), last = ui->lastShiftCombo->currentIndex();
    const DeliveryManChoice chosen = man >= 0 && man < int(m_men.size()) ? m_men[size_t(man)] : DeliveryManChoice{};
    const int firstShift = first >= 0 && first < int(m_shifts.size()) ? m_shifts[size_t(first)].cash : 0;
    const int lastShift = last >= 0 && last < int(m_shifts.size()) ? m_shifts[size_t(last)].cash : 0;
    DeliveryReports reports(m_logon);
    std::vector<CommissionRow> rows;
    RollCompany company;
    try {
        rows = reports.commission(chosen.id, firstShift, lastShift);
        company = reports.company();
    } catch (const DbError&) {
        ShowMessageWindow(deliverytext::attention, deliverytext::reports::openError, QStringLiteral("1"));
        return;
    }
    try {
        if (ui->pageRadio->isChecked()) {
            TFormEntComQ(m_logon, QString::number(firstShift) + QStringLiteral(" A ") + QString::number(lastShift),
                         QStringLiteral("Codigo/Nome ") + QString::number(chosen.id) + QLatin1Char(' ') + chosen.nome)
                .preview(rows);
            return;
        }
        DeliveryReports::sendRoll(DeliveryReports::commissionRoll(company, chosen.nome, rows, SetComSettings::receiptFontSize()),
                                  ui->printRadio->isChecked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}
