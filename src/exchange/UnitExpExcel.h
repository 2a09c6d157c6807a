#pragma once
// "Exporta para Excel": writes the product, supplier or customer list as a CSV
// file at the install root, says where, and shows it on request.
#include "exchange/CsvExport.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormExpExcel; }

class TFormExpExcel : public QDialog {
    Q_OBJECT
public:
    explicit TFormExpExcel(TLogon& logon, QWidget* parent = nullptr);
    ~TFormExpExcel() override;

    int progress() const;

public slots:
    void exportProducts();    // "Exportar Arquivo de Produtos"
    void exportSuppliers();   // "Exportar Arquivo de Fornecedores"
    void exportCustomers();   // "Exportar Arquivo de Clientes"

private:
    void exportList(CsvExport::List list);
    void setProgress(int row, int rows);

    std::unique_ptr<::Ui::TFormExpExcel> ui;
    CsvExport m_export;
};
