#include "closing/UnitFechaSim.h"

#include "closing/BillSwitchFiles.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitFechaSim.h"

TFormFechasim::TFormFechasim(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormFechasim>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    m_ui->requiredEdit->setText(billswitch::preBillRequiredText());
    upperCaseWhileTyping(m_ui->requiredEdit);
    connect(m_ui->confirmButton, &QPushButton::clicked, this, &TFormFechasim::confirm);
}

TFormFechasim::~TFormFechasim() = default;

void TFormFechasim::confirm()
{
    try {
        m_ui->requiredEdit->setText(billswitch::savePreBillRequired(m_ui->requiredEdit->text()));
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}
