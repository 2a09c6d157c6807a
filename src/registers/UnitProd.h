#pragma once
// ".:  Cadastro de Produto  :.": the product register. The rules and every
// statement live in ProductRules and ProductStore; the window shows and collects.
#include "registers/ProductStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormProd; }

class TFormProd : public QDialog {
    Q_OBJECT
public:
    explicit TFormProd(TLogon& logon, QWidget* parent = nullptr);
    ~TFormProd() override;

    QString shownCode() const { return m_code; }
    bool initialStockAsked() const;

public slots:
    void codeLeft();              // leaving the code box
    void newProduct();            // "&Novo"
    void save();                  // "&Confirmar / Salvar"
    void confirmInitialStock();   // "Confirme" of "Informe o Estoque Inicial"
    void removeProduct();         // "&Excluir"
    void leave();                 // "&Saida"
    void addAccompaniment();
    void removeAccompaniment();
    void changePicture();         // "&Alterar Imagem"
    void openComposition();       // "Composição"
    void searchByName();          // F2
    void searchByCode();          // F3
    void pizzaOptionClicked(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadLists();
    void reloadProductList();
    void showProduct(registers::Rows product);   // shows the row (or empties the fields)
    void showPicture();
    void runSearch();
    void chooseSearchResult();
    void applyPendingEdits();            // a move in the list keeps what was typed
    void updatePizzaLook();
    product::Fields fields() const;
    QStringList labels() const;

    std::unique_ptr<::Ui::TFormProd> ui;
    TLogon& m_logon;
    ProductStore m_store;
    QString m_code;          // the product shown
    QString m_kitFlag;       // its COMPOSICAO as stored
    bool m_dirty = false;
    bool m_searchByName = true;
    bool m_busy = false;
};
