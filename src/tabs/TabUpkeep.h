#pragma once
// The small tab records: reopening a pre-billed tab, persons per table and table
// reservations (RESERVA), with the reservation check the sales screen makes when
// it opens a table.
#include <QDate>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class TLogon;

namespace TabUpkeepText {
inline const QString kReopenQuestion = QStringLiteral("Deseja reabrir essa mesa ?");
inline const QString kBadDate = QStringLiteral("|        Data Incorreta....       |");
inline const QString kReservedQuestion = QStringLiteral("Mesa com Reserva");
inline const QString kPersonsTotal = QStringLiteral("Total de Clientes  ");
}

// "Reabrir Comanda": STATUS back to 0.
class TabReopen {
public:
    explicit TabReopen(TLogon& logon) : m_logon(logon) {}
    // Rows reopened (0 when no tab has that number).
    qint64 reopen(const QString& tab);
private:
    TLogon& m_logon;
};

// "Qtd Pessoas na mesa": CLIMESA of the open tabs.
class PersonsPerTable {
public:
    explicit PersonsPerTable(TLogon& logon) : m_logon(logon) {}
    // Every open tab and its persons, by table number.
    std::vector<std::pair<QString, qint64>> list();
    // "Total de Clientes  N".
    QString totalText();
    // "Confirma": the persons box ("1" when not a whole number, at least 0) for the
    // normalised table; false when the table box is empty (nothing written).
    bool record(QString& tabBox, QString& personsBox);
private:
    TLogon& m_logon;
};

struct Reservation {
    qint64 id = 0;
    QDate date;
    QString table, customer;
};

// "Reserva de Mesa".
class Reservations {
public:
    explicit Reservations(TLogon& logon) : m_logon(logon) {}
    std::vector<Reservation> list();
    // "Confirmar": a new reservation when idBox is not a whole number, else that
    // one changed. Returns kBadDate for a date box (dd/mm/yy) that holds no date,
    // nothing written; "" when saved. DbError when the database refuses.
    QString save(const QString& idBox, const QString& dateBox, const QString& table, const QString& customer);
    void remove(qint64 id);
    // The sales screen opening a table: whether it is reserved for that day, and
    // the reservation of the day taken off once the table opens.
    bool reservedOn(const QString& table, const QDate& day);
    void takeReservation(const QString& table, const QDate& day);
private:
    TLogon& m_logon;
};
