#include "registers/UnitSetuprede.h"

#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "registers/NetworkSetup.h"
#include "ui_UnitSetuprede.h"

#include <QCoreApplication>

TFormSetupRede::TFormSetupRede(QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormSetupRede)
{
    ui->setupUi(this);
    ui->addressEdit->setMaxLength(60);
    ui->addressEdit->setText(networkSetup::shownAddress());
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormSetupRede::confirmAddress);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormSetupRede::~TFormSetupRede() = default;

QLineEdit* TFormSetupRede::addressField() const { return ui->addressEdit; }
QRadioButton* TFormSetupRede::serverChoice() const { return ui->serverRadio; }
QRadioButton* TFormSetupRede::terminalChoice() const { return ui->terminalRadio; }

bool TFormSetupRede::confirmAddress()
{
    if (ui->serverRadio->isChecked())
        ui->addressEdit->setText(QString::fromLatin1(networkSetup::kServerItself));
    const QString address = ui->addressEdit->text();
    // The start-up would drop such an address and quietly use this station's own
    // database: say so now rather than report it saved.
    if (!networkSetup::isUsableAddress(address)) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), networkText::invalid, QStringLiteral("1"));
        return false;
    }
    try {
        networkSetup::save(address);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return false;
    }
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), networkText::saved, QStringLiteral("1"));
    m_endsProgram = true;
    accept();
    QCoreApplication::exit(0);
    return true;
}
