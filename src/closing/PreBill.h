#pragma once
// The pre-bill of a tab ("PRE – FECHAMENTO DA CONTA"): the persons, the cover and
// service answers, the time and the pre-billed status stored on the tab in one
// action that also composes the printout; the printout is printed after it.
#include "platform/Printout.h"
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TLogon;

struct PreBillFields {
    QString tab;
    QString persons = QStringLiteral("1");
    QString cover = QStringLiteral("N");
    QString service = QStringLiteral("N");
    QString ingredients = QStringLiteral("N");
    QString discount = QStringLiteral("0");   // a percentage
    QString delivery = QStringLiteral("N");
    // What the delivery data window of a delivery tab gives (empty until it is asked).
    QString deliveryMan;           // DeliveryManText
    QString controlNumber;
    QStringList deliveryNotes;     // note lines 1 to 5
};

struct PreBillOutcome {
    enum class Kind { Printed, AlreadyPreBilled, NotFound, ClosedReopenFirst };
    Kind kind = Kind::Printed;
    QStringList messages;              // shown after the action, in order
    bool closeWindow = true;
    std::optional<Printout> printout;  // to print on the conference printer
};

namespace prebillmsg {
inline QString alreadyPreBilled() { return QStringLiteral("  Comanda Fechada..  "); }
inline QString tableNotFound() { return QStringLiteral("  Mesa nao localizada.  "); }
inline QString reopenFirst() { return QStringLiteral(" Mesa fechada..  reabrir primeiro...  "); }
inline QString remoteOrders() { return QStringLiteral("|        Existe pedidos/palms remotos pendentes         |"); }
inline QString noTab() { return QStringLiteral("|        Mesa/Comanda não Localizada         |"); }
}

class PreBill {
public:
    explicit PreBill(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // What the window starts with for a tab.
    PreBillFields defaults(const QString& tab);
    // "&Fechar/Imprimir": checks, stores and composes. Throws DbError (nothing written).
    PreBillOutcome run(PreBillFields fields);
    // Prints a composed pre-bill on the conference printer's slot.
    static void print(const Printout& printout);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
