#include "cash/UnitRelCan.h"

#include "cash/CancellationReport.h"
#include "registers/Lookups.h"
#include "cash/RollText.h"
#include "cash/UnitRelCanQui.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "ui_UnitRelCan.h"

#include <QKeyEvent>

TFormRelCan::TFormRelCan(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormRelCan)
    , m_logon(logon)
{
    ui->setupUi(this);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormRelCan::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickShiftButton, &QPushButton::clicked, this, &TFormRelCan::pickShift);
    ui->shiftEdit->installEventFilter(this);
}

TFormRelCan::~TFormRelCan() = default;

QString TFormRelCan::shiftText() const { return ui->shiftEdit->text(); }
void TFormRelCan::setShiftText(const QString& text) { ui->shiftEdit->setText(text); }

void TFormRelCan::choosePageReport(bool a4)
{
    (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true);
}

bool TFormRelCan::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the shift field is swallowed and moves on to "&Confirmar".
    if (watched == ui->shiftEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->confirmButton->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormRelCan::pickShift()
{
    ui->shiftEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormRelCan::confirm()
{
    try {
        const CancellationReport report(m_logon);
        const RowSet rows = report.rows(ui->shiftEdit->text());
        if (ui->pageRadio->isChecked())
            TFormRelCanQui(m_logon).preview(rows);
        else
            RoutePreviewOnly(CancellationReport::roll(rows));
        accept();
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}
