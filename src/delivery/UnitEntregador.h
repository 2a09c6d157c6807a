#pragma once
// ".:  Cadastro de Entregador  :.": the delivery men.
#include "delivery/DeliveryRegisters.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormEntregador; }
class EntryGuard;
class QLineEdit;
class QTableWidget;

class TFormEntregador : public QDialog {
    Q_OBJECT
public:
    explicit TFormEntregador(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEntregador() override;

    enum Field { Code, Name, Address, City, State, Phone };
    QLineEdit* field(Field f) const;
    QTableWidget* list() const;
    const std::vector<DeliveryMan>& men() const { return m_list; }

public slots:
    void newMan();          // "&Novo"
    bool saveMan();         // "Confirmar / Salvar"
    void deleteMan();       // "&Excluir"
    void showRow(int row);

private:
    void reloadList(qint64 keepCode = 0);

    std::unique_ptr<::Ui::TFormEntregador> ui;
    DeliveryMen m_store;
    std::vector<DeliveryMan> m_list;
    bool m_new = false;   // "&Novo" pressed: the entry is a new delivery man until saved or left
    EntryGuard* m_guard = nullptr;   // asks before a man typed and not saved goes
};
