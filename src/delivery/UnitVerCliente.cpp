#include "delivery/UnitVerCliente.h"
#include "ui_UnitVerCliente.h"

#include "registers/RegisterCommon.h"

#include <QKeyEvent>

TFormVerCliente::TFormVerCliente(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormVerCliente>()), m_store(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormVerCliente"));
    for (Field f : {Name, Address, District, City, State, Reference, Note}) {
        registers::upperCaseField(field(f));
        field(f)->installEventFilter(this);
    }
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormVerCliente::confirm);
    ui->nameEdit->setFocus();
}

TFormVerCliente::~TFormVerCliente() = default;

QLineEdit* TFormVerCliente::field(Field f) const
{
    switch (f) {
    case Name: return ui->nameEdit;
    case Address: return ui->addressEdit;
    case District: return ui->districtEdit;
    case City: return ui->cityEdit;
    case State: return ui->stateEdit;
    case Reference: return ui->referenceEdit;
    case Note: return ui->noteEdit;
    }
    return nullptr;
}

void TFormVerCliente::setCustomer(const DeliveryCustomerData& d)
{
    m_code = d.codigo;
    ui->phoneLabel->setText(QString::number(d.codigo));
    ui->nameEdit->setText(d.nome);
    ui->addressEdit->setText(d.endereco);
    ui->districtEdit->setText(d.bairro);
    ui->cityEdit->setText(d.cidade);
    ui->stateEdit->setText(d.estado);
    ui->referenceEdit->setText(d.ref);
    ui->noteEdit->clear();
}

bool TFormVerCliente::confirm()
{
    DeliveryCustomerData d;
    d.codigo = m_code;
    d.nome = ui->nameEdit->text();
    d.endereco = ui->addressEdit->text();
    d.bairro = ui->districtEdit->text();
    d.cidade = ui->cityEdit->text();
    d.estado = ui->stateEdit->text();
    d.ref = ui->referenceEdit->text();
    if (!registers::attempt([&] { m_store.save(d); }))
        return false;   // the window stays open with what was typed
    accept();
    return true;
}

bool TFormVerCliente::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter acts as Tab; on the last field it moves to "Confirme"
            if (watched == ui->noteEdit)
                ui->confirmButton->setFocus(Qt::TabFocusReason);
            else
                focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormVerCliente::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;   // the name and address typed are not dropped by a key: "Confirme" saves, the close box leaves
    QDialog::keyPressEvent(event);
}
