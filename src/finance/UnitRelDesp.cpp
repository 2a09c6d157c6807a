#include "finance/UnitRelDesp.h"
#include "ui_UnitRelDesp.h"

#include "finance/ReportWindow.h"
#include "finance/ShiftListings.h"
#include "finance/UnitDespQui.h"
#include "printing/RoutePrintout.h"

TFormRelDesp::TFormRelDesp(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelDesp>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelDesp"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelDesp::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRelDesp::~TFormRelDesp() = default;

void TFormRelDesp::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormRelDesp::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormRelDesp::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormRelDesp::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormRelDesp::print()
{
    const QString first = firstShift(), last = lastShift();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = ShiftListings(m_logon).expenses(first, last);
        if (ui->pageRadio->isChecked())
            TFormDespQui(m_logon, QStringLiteral("Caixas de N. ") + first + QStringLiteral(" a ") + last).preview(rows);
        else
            RoutePreviewOnly(ShiftListings::expensesRoll(rows));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
