#pragma once
// "Movimenta Estoque": one stock entry or exit of one product at a time (the rules
// in StockMovement); its top button opens the entry invoice for several items.
#include "stock/StockMovement.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormMovEst; }
class EntryGuard;
class QLineEdit;

class TFormMovEst : public QDialog {
    Q_OBJECT
public:
    explicit TFormMovEst(TLogon& logon, QWidget* parent = nullptr);
    ~TFormMovEst() override;

    // The entry fields by their role: "code", "date", "history", "kind", "quantity",
    // "cost", "price", "percent", "bookValue", "supplier", "expiry".
    QLineEdit* field(const QString& role) const;
    QString productName() const;
    QString stockShown() const;
    QString supplierName() const;
    bool kitShown() const;

public slots:
    void productArrived();   // entering "Produto"
    void productLeft();      // leaving "Produto"
    void kindLeft();         // leaving "Cod Movimento"
    void costLeft();         // leaving "Custo"
    void percentLeft();      // leaving the percentage
    void supplierLeft();     // leaving "Fornecedor"
    void searchSupplier();   // the button beside "Fornecedor"
    void lookUpProduct();    // the button beside "Produto"
    bool confirm();          // "&Confirme"
    void clearEntry();       // "&Limpar lancamento"
    void openInvoice();      // "NF Entrada / Varios Itens"

private:
    void showKind(bool entry);
    std::unique_ptr<::Ui::TFormMovEst> ui;
    TLogon& m_logon;
    movement::StockMovement m_movement;
    EntryGuard* m_guard = nullptr;   // Esc, the close box and "&Retornar" ask before a typed movement goes
};
