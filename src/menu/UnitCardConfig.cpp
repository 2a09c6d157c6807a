#include "menu/UnitCardConfig.h"
#include "ui_UnitCardConfig.h"

#include "db/DbError.h"
#include "platform/Dialogs.h"

#include <QPixmap>

TFormCardConfig::TFormCardConfig(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCardConfig>())
    , m_menu(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCardConfig"));
    ui->notesLabel->setText(menutext::logoNotes);
    // The second option only means something while guests order from the menu: it
    // hides with the first one off and keeps its check for when it comes back.
    connect(ui->orderCheck, &QCheckBox::toggled, ui->consumptionCheck, &QWidget::setVisible);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCardConfig::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->changeLogoButton, &QPushButton::clicked, this, &TFormCardConfig::changeLogo);

    showLogo();
    int options = 0;
    try {
        options = m_menu.options();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->orderCheck->setChecked((options & DigitalMenu::kOrderFromMenu) != 0);
    ui->consumptionCheck->setChecked((options & DigitalMenu::kShowConsumption) != 0);
    ui->consumptionCheck->setVisible(ui->orderCheck->isChecked());
}

TFormCardConfig::~TFormCardConfig() = default;

bool TFormCardConfig::orderFromMenu() const { return ui->orderCheck->isChecked(); }
bool TFormCardConfig::showConsumption() const { return ui->consumptionCheck->isChecked(); }
bool TFormCardConfig::consumptionVisible() const { return !ui->consumptionCheck->isHidden(); }
void TFormCardConfig::setOrderFromMenu(bool on) { ui->orderCheck->setChecked(on); }
void TFormCardConfig::setShowConsumption(bool on) { ui->consumptionCheck->setChecked(on); }
bool TFormCardConfig::logoShown() const { return !ui->logoView->picture().isNull(); }

void TFormCardConfig::showLogo()
{
    ui->logoView->setPicture(QPixmap::fromImage(DigitalMenu::loadPicture(DigitalMenu::logoFile())));
}

void TFormCardConfig::confirm()
{
    try {
        m_menu.saveOptions(DigitalMenu::optionsOf(ui->orderCheck->isChecked(), ui->consumptionCheck->isChecked()));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    accept();
}

void TFormCardConfig::changeLogo()
{
    const QString source = dialogs().openPictureFile();
    if (source.isEmpty())
        return;
    const QString problem = DigitalMenu::storePicture(source, DigitalMenu::logoFile(), DigitalMenu::kLogoSize);
    if (!problem.isEmpty())
        dialogs().errorBox(problem);
    showLogo();
}
