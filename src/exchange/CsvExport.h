#pragma once
// The three lists written for a spreadsheet at the install root: products,
// suppliers and customers, each a fixed query. One format for all three:
// Windows-1252 text, CR LF after every line, a header line of the column names as
// the database gives them, and every value, header included, followed by ";". Each
// value goes through the one cell writer (core/SpreadsheetCell): a text that would
// run as a formula ("=...", "+...", "@...", "-..." that is no number) is written
// after an apostrophe, numbers stay numbers (a negative cost too), and a value that
// holds ";", a double quote, CR or LF goes in double quotes. The file is written
// whole beside the old one and only then takes its name (platform/WholeFile): a file
// that cannot be written keeps the old one whole.
#include "db/UnitLogon.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace csvtext {
inline const QString attention = QStringLiteral("ATENÇÃO");
// + the file written + "\n" + "Deseja Visualizar?"
QString written(const QString& path);
inline const QString cannotWrite = QStringLiteral("Erro ao gravar, Arquivo aberto,\nfeche o arquivo e tente novamente");
} // namespace csvtext

class CsvExport {
public:
    enum class List { Products, Suppliers, Customers };

    // The list's query and file, as the stations name it.
    static QString sql(List list);
    static QString fileName(List list);

    explicit CsvExport(TLogon& logon) : m_logon(logon) {}

    // The file's lines, header first, without their line ends. progress(row, rows)
    // is told as each row is done.
    static QStringList lines(const RowSet& rows, const std::function<void(int, int)>& progress = {});
    // One line: each value followed by ";".
    static QString line(const QStringList& values);

    struct Written {
        QString path;        // the file written, on this station
        QStringList lines;   // what it holds
    };
    // Runs the list's query (DbError when it fails) and writes its file
    // (std::runtime_error when it cannot be written; the old file stays then).
    Written write(List list, const std::function<void(int, int)>& progress = {});
    // Writes the list's file with these lines.
    static Written save(List list, const QStringList& lines);

private:
    TLogon& m_logon;
};
