#include "closing/UnitConsumacao.h"

#include "closing/BillSwitchFiles.h"
#include "platform/Dialogs.h"
#include "ui_UnitConsumacao.h"

TFormConsumacao::TFormConsumacao(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormConsumacao>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    m_ui->minimumEdit->setText(billswitch::minimumText());
    connect(m_ui->minimumEdit, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t.contains(QLatin1Char('.'))) {
            const int at = m_ui->minimumEdit->cursorPosition();
            m_ui->minimumEdit->setText(billswitch::withDecimalComma(t));
            m_ui->minimumEdit->setCursorPosition(at);
        }
    });
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
