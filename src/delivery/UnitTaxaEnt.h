#pragma once
// ".: Cadastro Taxa Entrega :.": the delivery areas and their fees.
#include "delivery/DeliveryRegisters.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormTaxaEnt; }
class QLineEdit;
class QTableWidget;

class TFormTaxaEnt : public QDialog {
    Q_OBJECT
public:
    explicit TFormTaxaEnt(TLogon& logon, QWidget* parent = nullptr);
    ~TFormTaxaEnt() override;

    QLineEdit* areaField() const;
    QLineEdit* feeField() const;
    QTableWidget* list() const;
    const std::vector<DeliveryArea>& areas() const { return m_list; }

public slots:
    void newArea();        // "Novo"
    bool saveArea();       // "Confirmar / Salvar"
    void deleteArea();     // "Excluir"
    void showRow(int row); // the row's name and fee into the fields

protected:
    void done(int result) override;

private:
    void reloadList(const QString& keepName = QString());

    std::unique_ptr<::Ui::TFormTaxaEnt> ui;
    DeliveryAreas m_store;
    std::vector<DeliveryArea> m_list;
};
