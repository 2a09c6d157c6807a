#pragma once
// Where a station keeps its files.
//
// The program names its files the way the stations have always named them
// ("c:\Miltrex\vavoz\setup.INI"). Every such name maps here, and only here, to a
// file under the station root: the drive stands for the root, each folder and the
// file name are matched without regard to case against what exists, so "vavoz" and
// "Vavoz", "fechasim.INI" and "fechasim.ini" are one file. A name without a drive
// ("terminal.ini") lives in the program folder, a folder of its own in the root.
//
// The root is $SABREL22_ESTACAO when set, else ~/.local/share/sabrel22
// (following $XDG_DATA_HOME). Tests and several stations on one machine set the
// variable, or call setRoot().

#include <QString>

namespace station {

QString root();
void setRoot(const QString& absolutePath);   // for tests; overrides the environment

QString programFolder();                      // <root>/programa

// Real path for a station file name, Windows-style or bare. Existing folders and
// files are matched without regard to case; what does not exist keeps the
// spelling given.
QString path(QStringView windowsName);

// Like path(), and creates the missing folders on the way (for writers).
QString pathForWriting(QStringView windowsName);

bool exists(QStringView windowsName);

} // namespace station
