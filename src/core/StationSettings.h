#pragma once
// Station settings of our own, kept in "estacao.ini" in the program folder
// (one value per line, like every settings file of the station):
//   line 0  the database server address ("nil" or blank: this station's own file)
//   line 1  "SIM" switches the link to the outside ERP database on
//   line 2  path of the database on the server (default below)
//   line 3  seconds a write waits for rows another station holds (default 5)
//   line 4  the calculator the payables window starts with F2 (a command line;
//           blank: none)

#include <QString>

namespace stationSettings {

constexpr const char* kFile = "estacao.ini";
constexpr const char* kDefaultServerDatabase = "/var/lib/firebird/3.0/data/RUZUZIDEDI22.FDB";

// What the maker's client/server library used to answer; index 6 is the server address.
QString pln(int index);
QString outsideErpLink();
QString serverDatabasePath();
int lockTimeoutSeconds();
QString calculatorCommand();

} // namespace stationSettings
