#include "delivery/UnitVerEndCliente.h"
#include "ui_UnitVerEndCliente.h"

#include "delivery/DeliveryCustomer.h"
#include "platform/Dialogs.h"
#include "db/DbError.h"

TFormVerEndCliente::TFormVerEndCliente(TLogon& logon, qint64 customerCode, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormVerEndCliente>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormVerEndCliente"));
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    try {
        if (const std::optional<DeliveryCustomerData> c = DeliveryCustomers(logon).read(customerCode)) {
            ui->nameLabel->setText(c->nome);
            ui->addressLabel->setText(c->endereco);
            ui->cityLabel->setText(c->cidade);
            ui->stateLabel->setText(c->estado);
            ui->phoneLabel->setText(c->fax);
            ui->referenceLabel->setText(c->ref);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormVerEndCliente::~TFormVerEndCliente() = default;

QString TFormVerEndCliente::shown(const char* labelName) const
{
    const QLabel* l = findChild<QLabel*>(QString::fromLatin1(labelName));
    return l ? l->text() : QString();
}
