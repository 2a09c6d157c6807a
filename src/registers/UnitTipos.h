#pragma once
// ".: CATEGORIAS DOS PRODUTOS :.": the product groups (GroupStore), their flag in
// the digital menu and the picture of their button on the sales screen.
#include "registers/GroupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormTipos; }
class PickList;
class QLineEdit;

class TFormTipos : public QDialog {
    Q_OBJECT
public:
    explicit TFormTipos(TLogon& logon, QWidget* parent = nullptr);
    ~TFormTipos() override;

    QLineEdit* codeField() const;
    QLineEdit* nameField() const;
    PickList* groupList() const;
    bool activeShown() const;       // the radio group shows "SIM"
    void setActive(bool active);
    bool pictureShown() const;

public slots:
    void newGroup();          // "Novo"
    bool confirm();           // "Confirme"
    void deleteGroup();       // "Excluir"
    void changePicture();     // "&Alterar Imagem"
    void refreshPicture();    // the picture of the code shown
    void chooseRow();         // a row chosen in the list

private:
    void reload(const QString& code = QString());
    std::unique_ptr<::Ui::TFormTipos> ui;
    groups::GroupStore m_store;
};
