#pragma once
// The customers whose birthday (NASC) or wedding anniversary (CASAMENTO) falls
// within a range of days: each date is placed in the range's year (29 February on
// 28 February in a year that has none) and compared with the range.
#include "db/UnitLogon.h"

#include <QDate>
#include <QString>

namespace anniversarytext {
inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString none = QStringLiteral("       Não Existe Aniversariante neste dia       ");
inline const QString badPeriod = QStringLiteral("       Período inválido: informe as duas datas (dd/mm/aa)       ");
} // namespace anniversarytext

class Anniversaries {
public:
    enum class Kind { Birthday, Wedding };

    // The day of that date in the given year.
    static QDate dayInYear(const QDate& date, int year);
    // "Dia:07 Mes: 03".
    static QString dayText(const QDate& date);

    // The customers by name whose day, placed in `year`, lies from `first` to
    // `last`: Codigo, Nome (25), Classe (the telephone, 15), Historico (the day).
    static RowSet list(TLogon& logon, Kind kind, const QDate& first, const QDate& last, int year);

    static QString title(Kind kind);         // "Listagem Aniversariantes no Periodo" ...
    static QString dateHeading(Kind kind);   // "ANIVERSARIO" or "CASAMENTO"
};
