#include "sales/UnitSenGarcom.h"
#include "core/WholeNumber.h"
#include "ui_UnitSenGarcom.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "sales/ItemEntry.h"
#include "sales/SalesMessages.h"

#include <QKeyEvent>

TFormSenGarcom::TFormSenGarcom(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormSenGarcom>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormSenGarcom"));
    ctx::lookup().LookupCode.clear();
    ui->codeEdit->installEventFilter(this);
    ui->passwordEdit->installEventFilter(this);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormSenGarcom::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormSenGarcom::~TFormSenGarcom() = default;

void TFormSenGarcom::codeLeft()
{
    const QString code = TrimText(ui->codeEdit->text());
    if (code.isEmpty())
        return;
    const std::optional<qint64> n = readWhole(code);
    std::optional<QString> name;
    try {
        if (n && *n >= 0 && *n <= 2147483647)
            name = ItemEntry(m_logon).waiterName(*n);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (!name) {
        if (code == QLatin1String("0"))
            return;
        ShowMessageWindow(salesmsg::title, salesmsg::waiterCodeNotFound);
        ui->codeEdit->clear();
        ui->codeEdit->setFocus();
        return;
    }
    ui->nameLabel->setText(name->left(12));
    ui->passwordEdit->setFocus();
}

void TFormSenGarcom::confirm()
{
    ctx::lookup().LookupCode.clear();
    const QString code = TrimText(ui->codeEdit->text());
    if (!code.isEmpty()) {
        try {
            if (ItemEntry(m_logon).checkWaiterPassword(code, ui->passwordEdit->text()))
                ctx::lookup().LookupCode = code;
        } catch (const DbError&) {
            // a password the database cannot hold matches nobody
        }
    }
    accept();
}

bool TFormSenGarcom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->codeEdit) {
                codeLeft();
                if (ui->codeEdit->hasFocus() && !ui->codeEdit->text().isEmpty())
                    ui->passwordEdit->setFocus();
            } else {
                ui->confirmButton->setFocus();
            }
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && watched == ui->codeEdit
        && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        codeLeft();
    return QDialog::eventFilter(watched, event);
}
