#pragma once
// ".: Cancela Vendas :.": the latest sales; a sale picked in the list (or typed)
// shows its products and is cancelled after the confirmation.
#include "cashoffice/SaleCancellation.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCancel; }
class TLogon;

class TFormCancel : public QDialog {
    Q_OBJECT
public:
    explicit TFormCancel(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCancel() override;

    int rowCount() const;
    QStringList rowCells(int row) const;
    QString cashText() const;
    QString saleText() const;
    QString dateText() const;
    QString terminalText() const;
    QString productsText() const;
    void setFields(const QString& cash, const QString& sale, const QString& date, const QString& terminal);

public slots:
    void pickRow(int row);      // a click, a double click or a key in the list
    void showProducts();        // "Ver Prods"
    void cancelSale();          // "&Cancelar Venda"

private:
    void reload(bool byDate);

    std::unique_ptr<::Ui::TFormCancel> ui;
    TLogon& m_logon;
    SaleCancellation m_cancellation;
    std::vector<ClosedSaleRow> m_sales;
};
