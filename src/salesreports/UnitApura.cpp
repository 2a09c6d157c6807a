#include "salesreports/UnitApura.h"
#include "ui_UnitApura.h"

#include "reports/ReportFields.h"
#include "reports/ReportWindow.h"
#include "salesreports/ResultReport.h"
#include "salesreports/UnitApuQui.h"

TFormApura::TFormApura(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormApura>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormApura"));
    reportwindow::shiftRange(logon, ui->firstShiftEdit, ui->pickFirstButton, ui->lastShiftEdit, ui->pickLastButton,
                             ui->printButton);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormApura::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reportwindow::run([&] { ui->waiterCombo->addItems(ResultReport(logon).waiterItems()); });
    ui->waiterCombo->setCurrentIndex(0);
}

TFormApura::~TFormApura() = default;

void TFormApura::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormApura::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormApura::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormApura::setWaiterText(const QString& text) { ui->waiterCombo->setCurrentText(text); }

QStringList TFormApura::waiters() const { return reportwindow::items(ui->waiterCombo); }

void TFormApura::print()
{
    for (QLineEdit* e : {ui->firstShiftEdit, ui->lastShiftEdit})
        e->setText(e->text().trimmed());
    const QString first = ui->firstShiftEdit->text(), last = ui->lastShiftEdit->text();
    const QString waiterText = ui->waiterCombo->currentText();
    const bool done = reportwindow::run(
        [&] {
            const auto lines = ResultReport(m_logon).lines(first, last, ResultReport::waiterOf(waiterText));
            const RowSet rows = ResultReport::rows(lines);
            TFormApuQui(m_logon, waiterText, QStringLiteral("Caixas de numeros ") + first + QStringLiteral(" a ") + last)
                .preview(rows);
        },
        reportmsg::reportError);
    if (done)
        accept();
}
