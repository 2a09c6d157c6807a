#include "finance/UnitListAber.h"
#include "ui_UnitListAber.h"

#include "finance/ReportWindow.h"
#include "finance/ShiftListings.h"
#include "finance/UnitListAberQui.h"
#include "printing/RoutePrintout.h"

TFormListAber::TFormListAber(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormListAber>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormListAber"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormListAber::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormListAber::~TFormListAber() = default;

void TFormListAber::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormListAber::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormListAber::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormListAber::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormListAber::print()
{
    const QString first = firstShift(), last = lastShift();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = ShiftListings(m_logon).openings(first, last);
        if (ui->pageRadio->isChecked())
            TFormListAberQui(m_logon, QStringLiteral("Caixas de numeros ") + first + QStringLiteral(" a ") + last)
                .preview(rows);
        else
            RoutePreviewOnly(ShiftListings::openingsRoll(rows));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
