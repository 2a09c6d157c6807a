#include "sales/UnitEscrever.h"
#include "ui_UnitEscrever.h"

#include "sales/ComplementText.h"
#include "core/EnterMoves.h"
#include "shell/UnSenha.h"

TFormEscrever::TFormEscrever(QWidget* parent) : QDialog(parent), ui(std::make_unique<::Ui::TFormEscrever>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEscrever"));
    upperCaseWhileTyping(ui->textEdit);
    ui->valueEdit->setText(QStringLiteral("0"));
    enterMovesTo(ui->textEdit, ui->valueEdit);
    enterMovesTo(ui->valueEdit, ui->confirmButton);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormEscrever::confirm);
    ui->textEdit->setFocus();
}

TFormEscrever::~TFormEscrever() = default;

QLineEdit* TFormEscrever::textEdit() const { return ui->textEdit; }
QLineEdit* TFormEscrever::valueEdit() const { return ui->valueEdit; }
QString TFormEscrever::text() const { return complementTextOf(ui->textEdit->text()); }
QString TFormEscrever::value() const { return ui->valueEdit->text(); }

void TFormEscrever::confirm()
{
    ui->valueEdit->setText(complementValueAtConfirm(ui->valueEdit->text()));
    accept();
}
