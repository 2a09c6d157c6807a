#pragma once
// The start-up work the main window runs before the login, as plain functions.
#include <QString>
#include <functional>

class TLogon;

namespace startup {

// Station number: line 0 of terminal.ini in the program folder, as read;
// "01" when the file is missing or the text is not a whole number. Throws
// std::runtime_error when the file exists but cannot be read.
QString readTerminalNumber();

// Printer pitch code: ESC "(s10h" when line 1 of c:\Miltrex\MrxSETUP.INI is
// exactly "1", DC2 otherwise (missing or unreadable file included).
QString condensedOnCode();

// Clean-up and schema upgrade, then the stored passwords still as typed turned into
// digests, the action journal's old keys pruned and the stock totals' waiting lines
// folded. `progress` is told of a long step (the first fill of the stock totals):
// what it does and how far it is, in percent. Throws DbError on an unguarded failure.
void bringDatabaseUpToDate(TLogon& logon,
                           const std::function<void(const QString& what, int percent)>& progress = {});

// Removes what settings saves cut short (a power failure, a killed program) left
// beside the station's settings files. Run at start, once this copy holds the
// one-copy lock. Returns how many files went; never throws.
int removeUnfinishedSaves();

// True when text converts to a whole number the way the stations always read one.
bool isWholeNumber(const QString& text);

} // namespace startup

namespace startup {
// The central picture the station chose (line 0 of templogo.ini), as a real
// path; empty when none was chosen or the setting cannot be read.
QString centralPicturePath();
// Remembers the chosen picture for the next start.
void saveCentralPicturePath(const QString& file);

// "Configura terminal de Rede": the answer as a whole number with mask "00";
// an answer that is not a number keeps the current number, and a current number
// that is not one either gives "1".
QString terminalFromAnswer(const QString& answer, const QString& current);
// Writes the station number as the only line of terminal.ini.
void writeTerminalNumber(const QString& number);
}
