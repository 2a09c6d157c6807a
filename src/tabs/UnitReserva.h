#pragma once
// ".; Reserva de Mesas :.": table reservations (Reservations).
#include "tabs/TabUpkeep.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui { class TFormReserva; }
class TLogon;

class TFormReserva : public QDialog {
    Q_OBJECT
public:
    explicit TFormReserva(TLogon& logon, QWidget* parent = nullptr);
    ~TFormReserva() override;

public slots:
    void tableLeft();
    void rowChosen(int row);    // double-click: table, customer and id into the boxes
    void newReservation();      // "Nova Reserva"
    void removeCurrent();       // "Excluir Reserva"
    void confirm();             // "Confirmar"
    void reload();

private:
    std::unique_ptr<::Ui::TFormReserva> ui;
    TLogon& m_logon;
    std::vector<Reservation> m_list;
};
