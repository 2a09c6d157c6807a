#include "finance/UnitListSang.h"
#include "ui_UnitListSang.h"

#include "finance/ReportWindow.h"
#include "finance/ShiftListings.h"
#include "finance/UnitListSangQui.h"
#include "printing/RoutePrintout.h"

TFormListSang::TFormListSang(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormListSang>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormListSang"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormListSang::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormListSang::~TFormListSang() = default;

void TFormListSang::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormListSang::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormListSang::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormListSang::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormListSang::print()
{
    const QString first = firstShift(), last = lastShift();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = ShiftListings(m_logon).withdrawals(first, last);
        if (ui->pageRadio->isChecked())
            TFormListSangQui(m_logon, QStringLiteral("Caixas de numeros ") + first + QStringLiteral(" a ") + last)
                .preview(rows);
        else
            RoutePreviewOnly(ShiftListings::withdrawalsRoll(rows));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
