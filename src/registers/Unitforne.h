#pragma once
// ".:  Cadastro de Fornecedor  :.": the suppliers (SupplierRegister). Enter moves
// along the fields; Enter in "Contato" saves. A change still pending when the
// navigator moves is saved by the move.
#include "registers/SupplierRegister.h"

#include <QDialog>
#include <QMap>
#include <memory>

namespace Ui { class TFormForne; }
class PickList;
class QLineEdit;
class TLogon;

class TFormForne : public QDialog {
    Q_OBJECT
public:
    explicit TFormForne(TLogon& logon, QWidget* parent = nullptr);
    ~TFormForne() override;

    QLineEdit* field(const char* column) const;
    SupplierRegister& suppliers() { return m_register; }
    PickList* supplierList() const;
    QString idShown() const;

public slots:
    void newSupplier();      // "Novo Fornecedor"
    void leaveCode();        // the code field left
    bool saveSupplier();     // "Confirmar e Salvar"
    void deleteSupplier();   // "Exluir"
    void search();           // "Pesquisa"
    bool step(RecordRegister::Step s);   // the navigator; false when a pending change was refused
    void returnToMenu();     // "Retornar"

private:
    void showSupplier();
    void refreshList();
    Record typed() const;
    bool pending() const;

    std::unique_ptr<::Ui::TFormForne> ui;
    TLogon& m_logon;
    SupplierRegister m_register;
    QMap<QString, QLineEdit*> m_fields;
};
