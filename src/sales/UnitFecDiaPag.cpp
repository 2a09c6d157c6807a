#include "sales/UnitFecDiaPag.h"
#include "core/WholeNumber.h"
#include "ui_UnitFecDiaPag.h"

#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "printing/SetComSettings.h"
#include "printing/RoutePrintout.h"
#include "registers/Lookups.h"
#include "sales/CounterReports.h"

namespace {
const QString kInvalidShift = QStringLiteral("  Numero do Caixa Invalido  ");
}

TFormFecDiaPag::TFormFecDiaPag(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormFecDiaPag>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFecDiaPag"));
    connect(ui->pickShiftButton, &QPushButton::clicked, this, &TFormFecDiaPag::pickShift);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormFecDiaPag::printReport);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    try {
        ui->methodBox->addItems(paymentMethodEntries(m_logon));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormFecDiaPag::~TFormFecDiaPag() = default;

void TFormFecDiaPag::pickShift()
{
    ui->cashShiftEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormFecDiaPag::printReport()
{
    const auto shift = readInt(ui->cashShiftEdit->text());
    if (!shift || *shift < 0) {
        dialogs().message(QStringLiteral("ATENÇÃO"), kInvalidShift, QStringLiteral("1"), QStringLiteral("alerta"));
        ui->cashShiftEdit->setText(QStringLiteral("0"));
        return;
    }
    try {
        const Printout report = composePaymentMethodReport(m_logon, *shift, ui->methodBox->currentText(),
                                                           CompanyHeader::fromGlobals(), SetComSettings::receiptFontSize());
        if (ui->previewBox->isChecked())
            RoutePreviewOnly(report);
        else
            RouteLegacyPrintout(report, PrinterSlot::Closing, false, false, true);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}
