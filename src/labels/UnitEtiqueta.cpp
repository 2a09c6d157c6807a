#include "labels/UnitEtiqueta.h"
#include "ui_UnitEtiqueta.h"

#include "core/Globals.h"
#include "db/DbError.h"
#include "labels/UnitAjuEti1.h"
#include "labels/UnitEtiqBar.h"
#include "platform/Dialogs.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"

TFormEtiqueta::TFormEtiqueta(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormEtiqueta>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEtiqueta"));
    ui->sheetLabel->setText(labeltext::sheetCaption);
    ui->copiesCombo->addItems(labeltext::copyChoices());
    ui->copiesCombo->setCurrentIndex(0);
    upperCaseWhileTyping(ui->companyEdit);
    ui->companyEdit->setText(ctx::company().CompanyName.toUpper());
    for (QLineEdit* code : {ui->firstEdit, ui->lastEdit})
        connect(code, &QLineEdit::editingFinished, this, [code] { code->setText(registers::sixDigitCode(code->text())); });
    connect(ui->firstEdit, &QLineEdit::returnPressed, ui->lastEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->lastEdit, &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormEtiqueta::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->adjustButton, &QPushButton::clicked, this, &TFormEtiqueta::adjust);
    try {
        const auto [first, last] = BarcodeLabels::codeRange(m_logon);
        ui->firstEdit->setText(first);
        ui->lastEdit->setText(last);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormEtiqueta::~TFormEtiqueta() = default;

LabelOptions TFormEtiqueta::options() const
{
    LabelOptions o;
    o.firstCode = ui->firstEdit->text();
    o.lastCode = ui->lastEdit->text();
    o.company = ui->companyEdit->text();
    o.perRow = ui->perRow1->isChecked() ? 1 : ui->perRow2->isChecked() ? 2 : ui->perRow3->isChecked() ? 3 : 4;
    o.copiesChoice = std::max(0, ui->copiesCombo->currentIndex());
    o.withoutPrice = ui->withoutPriceCheck->isChecked();
    o.a4 = ui->a4Radio->isChecked();
    return o;
}

void TFormEtiqueta::setRange(const QString& first, const QString& last)
{
    ui->firstEdit->setText(registers::sixDigitCode(first));
    ui->lastEdit->setText(registers::sixDigitCode(last));
}

void TFormEtiqueta::setPerRow(int labels)
{
    QRadioButton* choice[] = {ui->perRow1, ui->perRow2, ui->perRow3, ui->perRow4};
    choice[std::clamp(labels, 1, 4) - 1]->setChecked(true);
}

void TFormEtiqueta::setCopiesChoice(int index) { ui->copiesCombo->setCurrentIndex(index); }
void TFormEtiqueta::setWithoutPrice(bool on) { ui->withoutPriceCheck->setChecked(on); }
void TFormEtiqueta::setA4(bool on) { (on ? ui->a4Radio : ui->letterRadio)->setChecked(true); }

void TFormEtiqueta::confirm()
{
    ui->confirmButton->setEnabled(false);
    const LabelOptions o = options();
    try {
        const RowSet rows = BarcodeLabels::rows(m_logon, o);
        TFormEtiqBar(o, BarcodeLabels::geometry()).preview(rows);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        ui->confirmButton->setEnabled(true);
        return;
    }
    accept();
}

void TFormEtiqueta::adjust()
{
    TFormAjuEti1 adjustment;
    dialogs().exec(adjustment);
}
