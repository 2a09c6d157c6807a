#pragma once
// Preparing a station (sabrel22-instalar): its folders, a new installation's
// database headed by the restaurant's name, address, city and state, and the
// settings files of the printer settings window.
//
//   sabrel22-instalar [--empresa NOME] [--endereco ENDEREÇO] [--cidade CIDADE]
//                     [--estado UF] [DATABASE]
//
// DATABASE is a database file or "host:path" on a server; without it, the local
// database of the station of $SABREL22_ESTACAO (or the default root).
// A new database asks for what the options did not give, once; on a database
// that exists, the options given replace those values of its company row.

#include "db/NewDatabase.h"

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;
class TLogon;

namespace install {

struct Options {
    QString database;                   // empty: the station's local database
    std::optional<QString> name, address, city, state;
    QString error;                      // not empty: the arguments were wrong (the text says why)
    bool help = false;
    bool recalculateTotals = false;     // --recalcular-totais: the stock totals rebuilt from the ledger
    bool any() const { return name || address || city || state; }
};
Options parseArguments(const QStringList& arguments);
QString usage();

// The company values as the EMPRESA row keeps them: trimmed, in capitals. Each
// gives the text of what is wrong with it, or an empty text.
QString normalised(const QString& text);
QString checkName(const QString& text);
QString checkAddress(const QString& text);
QString checkCity(const QString& text);
QString checkState(const QString& text);
// The first of the options' values that is not right; empty when all are.
QString wrongOption(const Options& options);

// The four values: those the options gave, the others asked on `out` and read
// from `in`, a line each (a value that is not right is asked again; `echo`
// writes each answer after its question, for answers that are not typed). Only
// the name must be given. Nullopt when the input ends before a name was given,
// or an option's value is not right; `out` then says why.
std::optional<newdb::Company> askCompany(const Options& options, QTextStream& in, QTextStream& out,
                                         bool echo = false);

// Rebuilds the totals kept beside the stock ledger from its rows (bringing the
// database's schema up to date first) and gives the report it prints: the products
// whose kept totals differed from their rows, one a line, or that none did.
// Throws DbError.
QString recalculateTotals(TLogon& logon);

// Writes the given options' values (checked by wrongOption) into the company row
// of an installed database. Throws DbError.
void updateCompany(TLogon& logon, const Options& options);

// When the station has no setup.INI: the five settings files, exactly as the
// printer settings window writes them when it is confirmed as it opens (every
// printer slot on the preview when no file exists). True when they were written.
// Throws std::runtime_error naming a file that cannot be written.
bool writeStationSettings();

} // namespace install
