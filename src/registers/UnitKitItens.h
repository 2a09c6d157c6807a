#pragma once
// "Composição Pratos/Drinks": the components of one kit and its cost. The opener
// puts the kit's code, name and sale price into Label1, Label2 and Label3.
#include "registers/KitStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormKitItens; }

class TFormKitItens : public QDialog {
    Q_OBJECT
public:
    explicit TFormKitItens(TLogon& logon, QWidget* parent = nullptr);
    ~TFormKitItens() override;

    // What the opener fills in before showing the window; loads the kit's rows.
    void setKit(const QString& code, const QString& name, const QString& price);
    QString costText() const;

public slots:
    void newComponent();     // "Novo Prod"
    bool componentLeft();    // leaving "Cod Produto"; false when the code was refused
    void lookUp();           // the product lookup
    void confirm();          // "Confirma"
    void removeCurrent();    // "Excluir"

private:
    void reload();
    bool checkComponent(bool tell);
    QString kitCode() const;
    std::unique_ptr<::Ui::TFormKitItens> ui;
    TLogon& m_logon;
    KitStore m_store;
};
