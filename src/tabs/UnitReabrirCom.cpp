#include "tabs/UnitReabrirCom.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabUpkeep.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "ui_UnitReabrirCom.h"

TFormReabrirCom::TFormReabrirCom(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormReabrirCom), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->tabEdit, [this] { tabLeft(); });
    events->chain({ui->tabEdit, ui->confirmButton});
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormReabrirCom::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormReabrirCom::~TFormReabrirCom() = default;

void TFormReabrirCom::setTab(const QString& tab)
{
    ui->tabEdit->setText(tab);
}

void TFormReabrirCom::tabLeft()
{
    ui->tabEdit->setText(tabs::readTabKey(ui->tabEdit->text(), tabs::TabKeyRules::reopenBox()));
}

void TFormReabrirCom::confirm()
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), TabUpkeepText::kReopenQuestion, QStringLiteral("2"))
        == QLatin1String("S")) {
        try {
            TabReopen(m_logon).reopen(ui->tabEdit->text());
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
            return;
        }
    }
    accept();
}
