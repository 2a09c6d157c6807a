#include "sales/KitchenNumberPanel.h"
#include "ui_KitchenNumberPanel.h"

#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "tabs/KitchenTicket.h"

#include <stdexcept>

int kitchenOrderNumberFrom(const QString& typed)
{
    const std::optional<int> n = TextToInt(TrimText(typed));
    return n && *n > 0 ? *n : 1;
}

KitchenNumberPanel::KitchenNumberPanel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<::Ui::KitchenNumberPanel>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("KitchenNumberPanel"));
    ui->numberEdit->setText(QString::number(nextKitchenOrderNumber()));
    connect(ui->closeButton, &QPushButton::clicked, this, &KitchenNumberPanel::closePanel);
    ui->numberEdit->setFocus();
    ui->numberEdit->selectAll();
}

KitchenNumberPanel::~KitchenNumberPanel() = default;

QString KitchenNumberPanel::numberText() const { return ui->numberEdit->text(); }

void KitchenNumberPanel::closePanel()
{
    const int number = kitchenOrderNumberFrom(ui->numberEdit->text());
    ui->numberEdit->setText(QString::number(number));
    try {
        saveKitchenOrderNumber(number);
    } catch (const std::exception& e) {
        // the panel stays: the number was not kept
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}
