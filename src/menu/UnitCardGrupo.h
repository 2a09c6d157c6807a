#pragma once
// "Cadastro de Grupo (Cardapio)": the product groups by name, with whether the
// digital menu shows each one (a double click turns it on or off) and the group's
// square picture for the menu.
#include "menu/DigitalMenu.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCardGrupo; }

class TFormCardGrupo : public QDialog {
    Q_OBJECT
public:
    explicit TFormCardGrupo(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCardGrupo() override;

    int groupCount() const;
    void setCurrentGroup(int row);
    bool pictureShown() const;

public slots:
    void toggleCurrent();   // double click on a group
    void changePicture();   // "&Alterar Imagem"
    void showPicture();

private:
    void reload(qint64 keepId = -1);

    std::unique_ptr<::Ui::TFormCardGrupo> ui;
    DigitalMenu m_menu;
};
