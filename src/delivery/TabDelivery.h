#pragma once
// The delivery data of a tab without its window: the three lists it offers (delivery
// men, areas with their fee, payment methods), reading a fee and a delivery man's
// code back from a list text (the lists can be typed into), the station's delivery
// control number, and the confirmation: the tab's one DELIVERE row (found by the
// tab's CABMESA row, written the first time, changed when confirmed again) and the
// tab's delivery columns written as one action, the station's two files rewritten
// after it.
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class TLogon;

class TabDelivery {
public:
    explicit TabDelivery(TLogon& logon) : m_logon(logon) {}

    // The list texts: "00003 - JOAO"; "Retira Balcao   " and "CENTRO  R$ 5,00";
    // "01-DINHEIRO".
    QStringList deliveryMen();
    QStringList areas();
    QStringList paymentMethods();

    // The fee of an area text: what follows its first "R$" (at most 20 characters),
    // 0 when there is no "R$"; nullopt when what follows is not an amount of 0 or more.
    static std::optional<Decimal> feeOf(const QString& areaText);
    // The delivery man's code of a list text: what comes before its " - " (the first
    // five characters of a text without one), 0 when blank; nullopt when it is not a
    // whole number of 0 or more.
    static std::optional<qint64> manCodeOf(const QString& manText);

    // contdeli.INI line 0 plus one, six digits ("000001" without a file or a number).
    static QString nextControlNumber();
    // The tab's customer as "code name" (empty when the tab or its customer is gone).
    QString customerText(const QString& tab);
    // A customer chosen with "Clientes", as "code name".
    QString customerText(qint64 code);

    struct Confirmation {
        QString tab;
        QString manText, areaText, paymentText;
        QString amountText;       // what the customer pays with
        QString timeText;         // the delivery time, hh:mm
        QString firstNote;
        QString customerText;     // the customer label
        std::optional<qint64> customer;   // chosen with "Clientes"
        QString controlNumber;    // the number the window shows
        Decimal orderValue;
    };
    // "&Confirmar". Throws DeliveryRefused(fill error) when the tab is gone or a list
    // text cannot be read; DbError when the database refuses (nothing is written).
    // After the commit: Entregador.INI holds the fee, contdeli.INI the control number.
    void confirm(const Confirmation& c, const QDate& today = QDate::currentDate());

private:
    TLogon& m_logon;
};
