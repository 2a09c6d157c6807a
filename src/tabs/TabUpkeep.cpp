#include "tabs/TabUpkeep.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "tabs/TabKey.h"
#include "tabs/TabVoucher.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

qint64 TabReopen::reopen(const QString& tab)
{
    try {
        return m_logon.exec(QStringLiteral("update cabmesa set status = 0 where mesa = ?"), {tab});
    } catch (const DbError& e) {
        if (e.isCharacterSetError())
            return 0;   // text no tab number can hold names no tab
        throw;
    }
}

std::vector<std::pair<QString, qint64>> PersonsPerTable::list()
{
    std::vector<std::pair<QString, qint64>> out;
    RowSet rs = m_logon.run(QStringLiteral("select MESA, CLIMESA from cabmesa order by mesa"));
    while (rs.next())
        out.emplace_back(rs.text(u"MESA"), rs.integer(u"CLIMESA"));
    return out;
}

QString PersonsPerTable::totalText()
{
    const QVariant sum = m_logon.scalar(QStringLiteral("select sum(climesa) as clientemesa from cabmesa"));
    return TabUpkeepText::kPersonsTotal + QString::number(sum.isNull() ? 0 : integerOf(sum));
}

bool PersonsPerTable::record(QString& tabBox, QString& personsBox)
{
    const auto persons = readInt(personsBox);
    personsBox = QString::number(persons && *persons >= 0 ? *persons : 1);
    tabBox = tabs::readTabKey(tabBox, tabs::TabKeyRules::upkeepBox());
    if (tabBox.isEmpty())
        return false;
    try {
        m_logon.run(QStringLiteral("update cabmesa set climesa = ? where mesa = ?"), {personsBox.toInt(), tabBox});
    } catch (const DbError& e) {
        if (!e.isCharacterSetError())
            throw;   // text no tab number can hold names no tab
    }
    return true;
}

std::vector<Reservation> Reservations::list()
{
    std::vector<Reservation> out;
    RowSet rs = m_logon.run(QStringLiteral("select ID, DATA, MESA, CLIENTE from reserva order by DATA, MESA"));
    while (rs.next())
        out.push_back({rs.integer(u"ID"), rs.date(u"DATA"), rs.text(u"MESA"), rs.text(u"CLIENTE")});
    return out;
}

QString Reservations::save(const QString& idBox, const QString& dateBox, const QString& table, const QString& customer)
{
    const TypedDate typedDate = readDate(dateBox);
    if (!typedDate.isDate())
        return TabUpkeepText::kBadDate;
    const QDate date = typedDate.date;
    const QString mesa = tabs::readTabKey(table, tabs::TabKeyRules::upkeepBox());
    if (const auto id = readInt(idBox)) {
        m_logon.run(QStringLiteral("update reserva set mesa = ?, data = ?, cliente = ? where id = ?"),
                    {mesa, date, customer, *id});
    } else {
        m_logon.run(QStringLiteral("insert into reserva (id,data,mesa,cliente) values (Gen_ID(RESERVA,1),?,?,?)"),
                    {date, mesa, customer});
    }
    return QString();
}

void Reservations::remove(qint64 id)
{
    m_logon.run(QStringLiteral("delete FROM reserva where id = ?"), {id});
}

bool Reservations::reservedOn(const QString& table, const QDate& day)
{
    return !m_logon.scalar(QStringLiteral("select first 1 ID from reserva where mesa = ? and data = ?"), {table, day}).isNull();
}

void Reservations::takeReservation(const QString& table, const QDate& day)
{
    m_logon.run(QStringLiteral("delete from reserva where mesa = ? and data = ?"), {table, day});
}
