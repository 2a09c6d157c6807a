#pragma once
// "Cadastro Complementos": extras offered with the products of one group, with
// an optional picture "CP" + code + ".jpg".
#include "registers/ComplementStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormComplemento; }

class TFormComplemento : public QDialog {
    Q_OBJECT
public:
    explicit TFormComplemento(TLogon& logon, QWidget* parent = nullptr);
    ~TFormComplemento() override;

public slots:
    void newComplement();   // "Novo"
    void confirm();         // "Confirme"
    void removeCurrent();   // "Excluir"
    void changePicture();   // "&Alterar Imagem"
    void showCurrent();     // the list's current row into the fields

private:
    void reload(qint64 code = -1);
    void loadPicture();
    std::unique_ptr<::Ui::TFormComplemento> ui;
    ComplementStore m_store;
};
