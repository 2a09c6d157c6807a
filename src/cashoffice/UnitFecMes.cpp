#include "cashoffice/UnitFecMes.h"
#include "ui_UnitFecMes.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "cashoffice/BillingByPeriod.h"
#include "reports/ShiftFields.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"

#include <QRegularExpressionValidator>

TFormFecMes::TFormFecMes(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormFecMes>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFecMes"));
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    ui->firstShiftEdit->setValidator(digits);
    ui->lastShiftEdit->setValidator(digits);
    ui->printButton->setToolTip(QString(shiftfields::printHint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormFecMes::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->pickFirstButton, &QPushButton::clicked, this, &TFormFecMes::pickFirstShift);
    connect(ui->pickLastButton, &QPushButton::clicked, this, &TFormFecMes::pickLastShift);
    connect(ui->firstShiftEdit, &QLineEdit::returnPressed, ui->lastShiftEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->lastShiftEdit, &QLineEdit::returnPressed, ui->printButton, qOverload<>(&QWidget::setFocus));
    try {
        ui->methodCombo->addItems(BillingByPeriod(logon).methodItems());
    } catch (const DbError& e) {
        ui->methodCombo->addItem(BillingByPeriod::allMethods());
        dialogs().errorBox(e.message());
    }
    ui->methodCombo->setCurrentIndex(0);
}

TFormFecMes::~TFormFecMes() = default;

void TFormFecMes::setRange(const QString& first, const QString& last)
{
    ui->firstShiftEdit->setText(first);
    ui->lastShiftEdit->setText(last);
}

QString TFormFecMes::firstShift() const { return ui->firstShiftEdit->text(); }
QString TFormFecMes::lastShift() const { return ui->lastShiftEdit->text(); }
void TFormFecMes::chooseMethod(int index) { ui->methodCombo->setCurrentIndex(index); }
void TFormFecMes::setPreview(bool preview) { ui->previewBox->setChecked(preview); }

QStringList TFormFecMes::methods() const
{
    QStringList items;
    for (int i = 0; i < ui->methodCombo->count(); ++i)
        items << ui->methodCombo->itemText(i);
    return items;
}

void TFormFecMes::pickFirstShift() { ui->firstShiftEdit->setText(QString::number(chooseCashShift(m_logon))); }
void TFormFecMes::pickLastShift() { ui->lastShiftEdit->setText(QString::number(chooseCashShift(m_logon))); }

void TFormFecMes::print()
{
    ui->printButton->setEnabled(false);
    try {
        const Printout text = BillingByPeriod(m_logon).compose(ui->firstShiftEdit->text(), ui->lastShiftEdit->text(),
                                                              ui->methodCombo->currentText());
        BillingByPeriod::send(text, ui->previewBox->isChecked());
    } catch (const ShiftFieldRefused& e) {
        ShowMessageWindow(shiftfields::title, e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    ui->printButton->setEnabled(true);
}
