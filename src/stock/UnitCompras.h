#pragma once
// ".: Controle de Compras :.": purchase orders: created, shown, edited, deleted
// and printed ("PEDIDO DE COMPRAS"); the item windows add and change items.
#include "stock/PurchaseOrders.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCompras; }
class EntryGuard;
class PickList;
class QLineEdit;

class TFormCompras : public QDialog {
    Q_OBJECT
public:
    explicit TFormCompras(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCompras() override;

    // "number", "date", "delivery", "term", "supplier", "observation".
    QLineEdit* field(const QString& role) const;
    PickList* itemList() const;
    qint64 shownOrder() const { return m_order; }
    QString supplierName() const;
    // "Pedido", "IPI" and "Total" as shown.
    QStringList totalsShown() const;

public slots:
    void showOrder(qint64 number);
    void newOrder();          // "&A-Novo Pedido"
    bool confirmHeader();     // "&D-Confirme"
    void supplierLeft();      // leaving "Fornecedor"
    void searchSupplier();    // the button beside "Fornecedor"
    void pickOrder();         // "&B-Ver Pedidos"
    void deleteOrder();       // "&C-Excluir Pedido"
    void insertItem();        // "&E-Inserir"
    void changeItem();        // "&F-Alterar"
    void removeItem();        // "&G-Excluir"
    void print();             // "&P-Imprimir"

private:
    void refreshItems();
    std::unique_ptr<::Ui::TFormCompras> ui;
    TLogon& m_logon;
    purchase::PurchaseOrders m_orders;
    qint64 m_order = 0;
    std::vector<purchase::Item> m_items;
    EntryGuard* m_guard = nullptr;   // asks before a header typed and not confirmed goes
};
