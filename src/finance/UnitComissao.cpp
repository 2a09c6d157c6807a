#include "finance/UnitComissao.h"
#include "ui_UnitComissao.h"

#include "finance/ReportWindow.h"
#include "finance/ShiftListings.h"
#include "finance/UnitComissaoQui.h"
#include "printing/RoutePrintout.h"

TFormComissao::TFormComissao(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormComissao>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormComissao"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    reportwindow::printHint(ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormComissao::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->waiterCombo->addItems(ShiftListings(logon).waiterItems()); });
}

TFormComissao::~TFormComissao() = default;

void TFormComissao::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormComissao::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormComissao::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormComissao::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }
QStringList TFormComissao::waiters() const { return reportwindow::items(ui->waiterCombo); }
void TFormComissao::chooseWaiter(int index) { ui->waiterCombo->setCurrentIndex(index); }

void TFormComissao::print()
{
    const QString first = firstShift(), last = lastShift();
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const QString waiter = ui->waiterCombo->currentText();
        const RowSet rows = ShiftListings(m_logon).serviceFees(first, last, waiter);
        if (ui->pageRadio->isChecked())
            TFormcomissaoQui(m_logon, QStringLiteral("Caixa do periodo de:") + first + QStringLiteral(" a ") + last,
                             waiter)
                .preview(rows);
        else
            RoutePreviewOnly(ShiftListings::serviceFeesRoll(rows, waiter));
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
