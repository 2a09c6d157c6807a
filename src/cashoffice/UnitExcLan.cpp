#include "cashoffice/UnitExcLan.h"
#include "core/WholeNumber.h"
#include "ui_UnitExcLan.h"

#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"

TFormExcLan::TFormExcLan(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormExcLan>())
    , m_account(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormExcLan"));
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormExcLan::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormExcLan::~TFormExcLan() = default;

void TFormExcLan::setEntry(const AccountCustomer& customer, const QString& entryCode)
{
    m_customer = customer;
    ui->entryEdit->setText(entryCode);
}

QString TFormExcLan::entryCode() const { return ui->entryEdit->text(); }
void TFormExcLan::setEntryCode(const QString& text) { ui->entryEdit->setText(text); }

void TFormExcLan::confirm()
{
    if (!readInt(ui->entryEdit->text()))
        ui->entryEdit->setText(QStringLiteral("0"));
    try {
        m_removed = m_account.removeEntry(m_customer, ui->entryEdit->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    accept();
}
