#pragma once
// "Importador ": copies the products of the outside ERP (GDOOR) into this
// system's product table (ProductImport), with the link on and its database on
// this station. The menu opens it for supervisors only.
#include "closing/OutsideErpExport.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormImporta; }

class TFormImporta : public QDialog {
    Q_OBJECT
public:
    explicit TFormImporta(TLogon& logon, QWidget* parent = nullptr);
    ~TFormImporta() override;

    int progress() const;

public slots:
    void confirm();   // "&Confirma"

private:
    std::unique_ptr<::Ui::TFormImporta> ui;
    TLogon& m_logon;
    TLogon m_erp;   // LoginGdoor: its own connection, for as long as the window lives
};
