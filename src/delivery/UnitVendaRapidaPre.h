#pragma once
// "CUPOM PARA ENTREGA": the delivery note on the payment panel (no discount).
// "(F3) Imprimir" composes the note, records the expected payment and change on
// the order, prints the note and closes. Opened by the desk's "F6-Imp Entrega",
// which marks the order "SAIU P/ENTREGA" when the window closes, printed or not.
#include "delivery/DeliveryPanelWindow.h"
#include "platform/Printout.h"

#include <QDateTime>
#include <functional>
#include <optional>

class TFormVenRapidaPre : public DeliveryPanelWindow {
    Q_OBJECT
public:
    explicit TFormVenRapidaPre(TLogon& logon, QWidget* parent = nullptr);
    const std::optional<Printout>& note() const { return m_note; }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

protected:
    bool run() override;

private:
    std::optional<Printout> m_note;
    std::function<QDateTime()> m_clock;
};
