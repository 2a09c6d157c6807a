#include "closing/UnitRecDin.h"

#include "tabs/TabKey.h"
#include "core/EnterMoves.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitRecDin.h"

#include <QEvent>

TFormRecDin::TFormRecDin(TLogon& logon, QWidget* parent)
    : QDialog(parent), m_logon(logon), m_ui(std::make_unique<Ui::TFormRecDin>()), m_step(logon)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    for (QLineEdit* e : {m_ui->tabEdit, m_ui->coverSwitchEdit, m_ui->serviceSwitchEdit})
        upperCaseWhileTyping(e);
    m_ui->coverSwitchEdit->setMaxLength(1);
    m_ui->serviceSwitchEdit->setMaxLength(1);
    m_ui->tabEdit->setMaxLength(30);
    enterMovesTo(m_ui->tabEdit, m_ui->confirmButton);
    enterMovesTo(m_ui->coverSwitchEdit, m_ui->serviceSwitchEdit);
    enterMovesTo(m_ui->serviceSwitchEdit, m_ui->confirmButton);
    connect(m_ui->tabEdit, &QLineEdit::editingFinished, this, &TFormRecDin::tabLeft);
    connect(m_ui->confirmButton, &QPushButton::clicked, this, &TFormRecDin::confirm);
}

TFormRecDin::~TFormRecDin() = default;

void TFormRecDin::setTab(const QString& tab)
{
    m_ui->tabEdit->setText(tab);
    try {
        m_switches = m_step.presets(tab);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showSwitches();
    m_ui->coverSwitchEdit->setEnabled(!m_switches.locked);
    m_ui->serviceSwitchEdit->setEnabled(!m_switches.locked);
    m_ui->tabEdit->setFocus();
}

QString TFormRecDin::tab() const { return m_ui->tabEdit->text().trimmed(); }

void TFormRecDin::showSwitches()
{
    m_ui->coverSwitchEdit->setText(m_switches.cover);
    m_ui->serviceSwitchEdit->setText(m_switches.service);
}

void TFormRecDin::tabLeft()
{
    m_ui->tabEdit->setText(tabs::readTabKey(m_ui->tabEdit->text(), tabs::TabKeyRules::paymentWindow()));
    m_switches.cover = m_ui->coverSwitchEdit->text();
    m_switches.service = m_ui->serviceSwitchEdit->text();
    try {
        m_step.tabChanged(m_ui->tabEdit->text(), m_switches);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showSwitches();
}

void TFormRecDin::confirm()
{
    const QString tab = tabs::readTabKey(m_ui->tabEdit->text(), tabs::TabKeyRules::paymentWindow());
    m_ui->tabEdit->setText(tab);
    try {
        m_step.confirm(tab, m_ui->coverSwitchEdit->text(), m_ui->serviceSwitchEdit->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    m_joined = {tab};
    accept();
}
