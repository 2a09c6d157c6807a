#pragma once
// Emptying chosen groups of tables, to start a new installation or a new period.

#include <QString>
#include <QStringList>
#include <array>

class TLogon;

namespace resetText {
inline const QString done = QStringLiteral("|       Processo Concluindo       |");
}

namespace dataReset {

struct Group {
    const char* caption;
    QStringList statements;   // exact, run in this order
};

constexpr int kGroups = 5;
// Products, stock movements, receivables, payables, cash control.
const std::array<Group, kGroups>& groups();

// A field left: blanks around removed, anything but "N" or "S" reads "N".
QString fieldLeft(const QString& text);

// Runs the statements of every group whose field is exactly "S", in the groups'
// order, as one action: all of them are done or, when one fails, none (DbError).
void run(TLogon& logon, const std::array<QString, kGroups>& fields);

} // namespace dataReset
