#pragma once
// ".: Entrada N. Fiscais :.": a supplier's invoice with several items into stock
// (the rules in EntryInvoice). Opened from the manual stock movement. While it lists
// items not processed yet, Esc, the close box and "&Retornar" ask before they drop them.
#include "stock/EntryInvoice.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormNFEntrada; }
class PickList;
class QLineEdit;

class TFormNFEntrada : public QDialog {
    Q_OBJECT
public:
    explicit TFormNFEntrada(TLogon& logon, QWidget* parent = nullptr);
    ~TFormNFEntrada() override;

    // "number", "date", "observation", "supplier", "order", "product", "quantity",
    // "cost", "price", "percent", "bookValue".
    QLineEdit* field(const QString& role) const;
    PickList* itemList() const;
    const invoice::EntryInvoice& entry() const { return m_invoice; }
    QString totalShown() const;
    QString productName() const;
    QString supplierName() const;

public slots:
    void numberArrived();     // entering "Nota Fiscal N."
    void percentLeft();       // leaving the percentage
    void supplierLeft();      // leaving "Fornecedor"
    void searchSupplier();    // the button beside "Fornecedor"
    void productArrived();    // entering "Produto"
    bool productLeft();       // leaving "Produto"
    void costLeft();          // leaving "Custo"
    bool confirmItem();       // "&Confirme"
    void removeItem();        // "&Estornar"
    void pickOrder();         // "Ver Pedidos"
    bool importOrder();       // "Importar Pedido"
    bool process();           // "&Processar entrada"
    void openTitles();        // "Lanc C. Pagar" (hidden)

private:
    void refreshItems();
    std::unique_ptr<::Ui::TFormNFEntrada> ui;
    TLogon& m_logon;
    invoice::EntryInvoice m_invoice;
};
