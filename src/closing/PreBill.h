#pragma once
// The pre-bill of a tab ("PRE – FECHAMENTO DA CONTA"): the persons, the cover and
// service answers, the time and the pre-billed status stored on the tab in one
// action that also composes the printout; the printout is printed after it.
#include "core/Decimal.h"
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
    // Asks the delivery data of a delivery tab (a window), given the tab key and the
    // value of its items; fills the fields' delivery man, control number and notes.
    using DeliveryDataAsk = std::function<void(PreBillFields& fields, const QString& tab, const Decimal& itemsValue)>;

    // "&Fechar/Imprimir": checks, stores and composes. Throws DbError (nothing
    // written by the failing action). A delivery tab is stored as pre-billed first,
    // then its delivery data are asked, then the printout is composed from the tab
    // as the delivery data left it.
    PreBillOutcome run(PreBillFields fields, const DeliveryDataAsk& askDeliveryData = {});
    // Prints a composed pre-bill on the conference printer's slot.
    static void print(const Printout& printout);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
