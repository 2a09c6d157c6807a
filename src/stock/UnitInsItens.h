#pragma once
// ".: Inserir Itens :.": adds an item to the purchase order shown in the purchase
// window. "Custo Anterior" and "Fornecedor" show the product's cost and supplier.
#include "stock/PurchaseOrders.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormInsItens; }
class QLineEdit;

class TFormInsItens : public QDialog {
    Q_OBJECT
public:
    TFormInsItens(TLogon& logon, qint64 orderNumber, QWidget* parent = nullptr);
    ~TFormInsItens() override;

    // "product", "quantity", "cost", "icms", "ipi".
    QLineEdit* field(const QString& role) const;
    QString productName() const;
    QString previousCost() const;
    QString supplierName() const;

public slots:
    bool productLeft();      // leaving "Produto"; false when the code was refused
    void numbersLeft();      // leaving "Quantidade", "Custo", "Aliq ICMS" or "Aliq IPI"
    void lookUpProduct();    // the button beside "Produto"
    bool confirm();          // "Confirmar"

protected:
    // Writes the checked item: a new item of the order here, the same item changed
    // in the window that changes one.
    virtual void write(const purchase::TypedItem& item);
    std::unique_ptr<::Ui::TFormInsItens> ui;
    TLogon& m_logon;
    purchase::PurchaseOrders m_orders;

private:
    qint64 m_order;
};
