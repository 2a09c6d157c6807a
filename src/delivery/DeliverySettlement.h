#pragma once
// The settlement of deliveries with the delivery man (TFormPCEDelivere) without its
// window: the deliveries a tab's delivery data wrote (DELIVERE rows without a
// telephone: CODIGO the delivery man's code, VALOR the order value, MOTOBOY the
// value with the fee) and moving one of them into DELIFIC as one action.
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class TLogon;

struct PendingDelivery {
    qint64 id = 0;
    qint64 codigo = 0;        // the delivery man's code
    QDate data;
    QString hora, cliente;
    Decimal valor;            // the order value
    Decimal motoboy;          // the order value with the delivery fee
};

class DeliverySettlement {
public:
    explicit DeliverySettlement(TLogon& logon) : m_logon(logon) {}

    std::vector<PendingDelivery> pending();
    // The amount the delivery man hands over, as typed; nullopt when it is no amount.
    static std::optional<Decimal> handedOver(const QString& text);
    // "&Confirmar": the DELIFIC row (the delivery man's code, today, the value, the
    // value with the fee) and the delivery's DELIVERE row deleted, together. False
    // when another station settled it first (nothing written).
    bool settle(qint64 deliveryId, const QDate& today = QDate::currentDate());

private:
    TLogon& m_logon;
};
