#include "registers/UnitLimpa.h"

#include "core/uMensagemWindow.h"
#include "registers/RegisterCommon.h"
#include "ui_UnitLimpa.h"

TFormLimpa::TFormLimpa(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormLimpa)
    , m_logon(logon)
{
    ui->setupUi(this);
    m_fields = {ui->productsEdit, ui->stockEdit, ui->receivablesEdit, ui->payablesEdit, ui->cashEdit};
    for (int i = 0; i < dataReset::kGroups; ++i) {
        QLineEdit* edit = m_fields[size_t(i)];
        edit->setText(QStringLiteral("N"));
        registers::upperCaseField(edit);
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { leaveField(i); });
        if (i + 1 < dataReset::kGroups) {
            QLineEdit* next = m_fields[size_t(i + 1)];
            connect(edit, &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
        } else {
            connect(edit, &QLineEdit::returnPressed, this, [this] { ui->confirmButton->setFocus(); });
        }
    }
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormLimpa::confirmReset);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormLimpa::~TFormLimpa() = default;

QLineEdit* TFormLimpa::groupField(int group) const { return m_fields[size_t(group)]; }
bool TFormLimpa::confirmEnabled() const { return ui->confirmButton->isEnabled(); }

void TFormLimpa::leaveField(int group)
{
    QLineEdit* edit = m_fields[size_t(group)];
    edit->setText(dataReset::fieldLeft(edit->text()));
}

bool TFormLimpa::confirmReset()
{
    ui->confirmButton->setEnabled(false);
    std::array<QString, dataReset::kGroups> fields;
    for (int i = 0; i < dataReset::kGroups; ++i)
        fields[size_t(i)] = m_fields[size_t(i)]->text();
    // One action: a failing statement leaves every table as it was.
    if (!registers::attempt([&] { dataReset::run(m_logon, fields); }))
        return false;
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), resetText::done, QStringLiteral("1"));
    accept();
    return true;
}
