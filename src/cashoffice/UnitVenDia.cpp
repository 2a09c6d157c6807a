#include "cashoffice/UnitVenDia.h"
#include "ui_UnitVenDia.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "cashoffice/SalesByNote.h"
#include "reports/ShiftFields.h"
#include "cashoffice/UnitVenDiaQui.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"

#include <QRegularExpressionValidator>

TFormVenDia::TFormVenDia(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormVenDia>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormVenDia"));
    ui->cashEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    ui->printButton->setToolTip(QString(shiftfields::printHint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormVenDia::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickShiftButton, &QPushButton::clicked, this, &TFormVenDia::pickShift);
    connect(ui->cashEdit, &QLineEdit::returnPressed, ui->printButton, qOverload<>(&QWidget::setFocus));
}

TFormVenDia::~TFormVenDia() = default;

QString TFormVenDia::cashText() const { return ui->cashEdit->text(); }
void TFormVenDia::setCashText(const QString& text) { ui->cashEdit->setText(text); }

void TFormVenDia::pickShift()
{
    ui->cashEdit->setText(QString::number(chooseCashShift(m_logon)));
}

void TFormVenDia::print()
{
    try {
        const RowSet sales = SalesByNote(m_logon).rows(ui->cashEdit->text());
        TFormVenDiaQui(m_logon, SalesByNote::caption(ui->cashEdit->text())).preview(sales);
    } catch (const ShiftFieldRefused& e) {
        ShowMessageWindow(shiftfields::title, e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}
