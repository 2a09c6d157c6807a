#include "closing/UnitConsumacao.h"

#include "closing/BillSwitchFiles.h"
#include "registers/RegisterCommon.h"
#include "platform/Dialogs.h"
#include "ui_UnitConsumacao.h"

TFormConsumacao::TFormConsumacao(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormConsumacao>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    m_ui->minimumEdit->setText(billswitch::minimumText());
    registers::commaForPointField(m_ui->minimumEdit);
    connect(m_ui->minimumEdit, &QLineEdit::returnPressed, m_ui->confirmButton, [this] { m_ui->confirmButton->setFocus(); });
    connect(m_ui->confirmButton, &QPushButton::clicked, this, &TFormConsumacao::confirm);
}

TFormConsumacao::~TFormConsumacao() = default;

void TFormConsumacao::confirm()
{
    try {
        m_ui->minimumEdit->setText(billswitch::saveMinimum(m_ui->minimumEdit->text()));
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}
