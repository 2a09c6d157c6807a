#pragma once
// Opening a table or tab: the key typed in the table field, taking up an open
// tab or creating its CABMESA row. The day's reservation is asked by the tab
// upkeep's own check (tabmenu::reservedTableMayOpen) before the tab opens.
//
// CABMESA.MESA has a unique key, so two stations opening the same table get one
// tab: the one that comes second takes up the tab the first created. A database
// that still holds two tabs under one key (made before the key) works on the
// older one.

#include "core/Decimal.h"
#include "tabs/TabKey.h"

#include <QString>
#include <optional>

class TLogon;

// The tab key for what was typed: tabs::readTabKey with TabKeyRules::salesScreen().

// The key read as a number (delivery tabs are keyed above 1,000,000); 0 when it is none.
Decimal tabKeyNumber(const QString& key);

// Longest key the kitchen monitor and the reservations can carry.
constexpr int kTabKeyMax = 15;

struct TabHeader {
    qint64 id = 0;
    QString mesa;
    QString vendedor;    // empty when none
    int status = 0;      // 1 = pre-billed
    QString fechado;     // pre-bill time, hh:mm:ss
    QString hora;        // opening time
    qint64 cliente = 0;
    QString clienteNome;
    bool isOpen() const { return status == 0; }
};

class TabOpening {
public:
    explicit TabOpening(TLogon& logon) : m_logon(logon) {}

    // The open tab of a key (the oldest when there are two), nullopt when none.
    std::optional<TabHeader> find(const QString& key);

    enum class Outcome { Created, TakenUp };
    // Creates the tab (CLIENTE 0, TAXA and COUVER "N", HORA and DATA of now). When
    // another station created it first the existing tab is taken up. DbError when
    // the row could not be written (the caller reports it; no tab exists then).
    Outcome open(const QString& key, TabHeader* header = nullptr);

    // Removes tabs and items with no real key (blank, ".", counter "AVO…" leftovers),
    // as the screen does when it closes; in one action.
    void dropKeylessTabs();

private:
    TLogon& m_logon;
};
