#include "salesreports/Anniversaries.h"

QDate Anniversaries::dayInYear(const QDate& date, int year)
{
    if (!date.isValid())
        return QDate();
    if (date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, date.month(), date.day());
}

QString Anniversaries::dayText(const QDate& date)
{
    return QStringLiteral("Dia:%1 Mes: %2")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'));
}

RowSet Anniversaries::list(TLogon& logon, Kind kind, const QDate& first, const QDate& last, int year)
{
    const QString column = kind == Kind::Birthday ? QStringLiteral("NASC") : QStringLiteral("CASAMENTO");
    RowSet customers = logon.run(QStringLiteral("select CODIGO, NOME, FONE, %1 as DIA from clientes "
                                                "where %1 is not null order by nome")
                                     .arg(column));
    std::vector<QVariantList> rows;
    while (customers.next()) {
        const QDate date = customers.date(u"DIA");
        const QDate day = dayInYear(date, year);
        if (!day.isValid() || day < first || day > last)
            continue;
        rows.push_back({customers.value(u"CODIGO"), customers.text(u"NOME").left(25),
                        customers.text(u"FONE").left(15), dayText(date)});
    }
    return RowSet({QStringLiteral("Codigo"), QStringLiteral("Nome"), QStringLiteral("Classe"),
                   QStringLiteral("Historico")},
                  std::move(rows));
}

QString Anniversaries::title(Kind kind)
{
    return kind == Kind::Birthday ? QStringLiteral("Listagem Aniversariantes no Periodo")
                                  : QStringLiteral("Listagem Casamentos no Periodo");
}

QString Anniversaries::dateHeading(Kind kind)
{
    return kind == Kind::Birthday ? QStringLiteral("ANIVERSARIO") : QStringLiteral("CASAMENTO");
}
