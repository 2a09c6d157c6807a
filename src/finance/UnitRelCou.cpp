#include "finance/UnitRelCou.h"
#include "ui_UnitRelCou.h"

#include "finance/ReportWindow.h"
#include "finance/ShiftListings.h"
#include "finance/UnitRelCouQui.h"
#include "printing/RoutePrintout.h"

TFormRelCou::TFormRelCou(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelCou>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelCou"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelCou::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRelCou::~TFormRelCou() = default;

void TFormRelCou::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormRelCou::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormRelCou::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormRelCou::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormRelCou::print()
{
    const QString first = firstShift(), last = lastShift();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = ShiftListings(m_logon).couvert(first, last);
        if (ui->pageRadio->isChecked())
            TFormRelCouQui(m_logon, QStringLiteral("Caixa do periodo de:") + first + QStringLiteral(" a ") + last)
                .preview(rows);
        else
            RoutePreviewOnly(ShiftListings::couvertRoll(rows));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
