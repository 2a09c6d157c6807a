#include "menu/UnitCardQrCode.h"
#include "ui_UnitCardQrCode.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "menu/DigitalMenu.h"

TFormCardQrCode::TFormCardQrCode(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCardQrCode>())
    , m_cards(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCardQrCode"));
    connect(ui->makeButton, &QPushButton::clicked, this, &TFormCardQrCode::makeCard);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->ipEdit, &QLineEdit::returnPressed, ui->networkEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->networkEdit, &QLineEdit::returnPressed, ui->passwordEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->passwordEdit, &QLineEdit::returnPressed, ui->tableEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->tableEdit, &QLineEdit::returnPressed, ui->makeButton, qOverload<>(&QWidget::setFocus));
    try {
        setFields(m_cards.stored());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->tableEdit->clear();
}

TFormCardQrCode::~TFormCardQrCode() = default;

WifiCard TFormCardQrCode::fields() const
{
    return {ui->ipEdit->text(), ui->networkEdit->text(), ui->passwordEdit->text()};
}

void TFormCardQrCode::setFields(const WifiCard& card)
{
    ui->ipEdit->setText(card.ip);
    ui->networkEdit->setText(card.network);
    ui->passwordEdit->setText(card.password);
}

QString TFormCardQrCode::table() const { return ui->tableEdit->text(); }
void TFormCardQrCode::setTable(const QString& table) { ui->tableEdit->setText(table); }

void TFormCardQrCode::makeCard()
{
    const WifiCard card = fields();
    try {
        m_cards.save(card);
    } catch (const MenuRefused& e) {
        ShowMessageWindow(menutext::attention, e.message());
        return;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    TFormImpQrCode(card, ui->tableEdit->text()).preview();
}
