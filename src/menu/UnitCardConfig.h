#pragma once
// "Configuracao do Cardápio": the digital menu's two options (guests order from
// the menu; the menu shows the table's consumption, offered only while the first
// is on) and the company logo the menu pages show (430 x 119).
#include "menu/DigitalMenu.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCardConfig; }

class TFormCardConfig : public QDialog {
    Q_OBJECT
public:
    explicit TFormCardConfig(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCardConfig() override;

    bool orderFromMenu() const;
    bool showConsumption() const;
    bool consumptionVisible() const;
    void setOrderFromMenu(bool on);
    void setShowConsumption(bool on);
    bool logoShown() const;

public slots:
    void confirm();         // "&1-Confirmar"
    void changeLogo();      // "&Alterar Imagem"

private:
    void showLogo();

    std::unique_ptr<::Ui::TFormCardConfig> ui;
    DigitalMenu m_menu;
};
