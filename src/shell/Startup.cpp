#include "shell/Startup.h"
#include "shell/Credentials.h"
#include "db/LedgerTotals.h"
#include "db/SchemaUpgrade.h"
#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace startup {

bool isWholeNumber(const QString& text)
{
    return TextToInt(text).has_value();
}

QString readTerminalNumber()
{
    QString number = QStringLiteral("01");
    if (auto f = LineFile::load(station::path(u"terminal.ini")))
        number = f->line(0);
    if (!isWholeNumber(number))
        number = QStringLiteral("01");
    return number;
}

QString condensedOnCode()
{
    try {
        if (auto f = LineFile::load(station::path(u"c:\\Miltrex\\MrxSETUP.INI"))) {
            if (f->line(1) == QLatin1String("1"))
                return QStringLiteral("\x1b(s10h");
        }
    } catch (...) {
    }
    return QString(QChar(0x12));
}

int removeUnfinishedSaves()
{
    int removed = 0;
    // the folders the station's settings files are saved in
    for (const QString& folder : {station::path(u"c:\\Miltrex\\vavoz"), station::programFolder()}) {
        try {
            removed += LineFile::removeLeftovers(folder);
        } catch (...) {
        }
    }
    return removed;
}

void bringDatabaseUpToDate(TLogon& logon, const std::function<void(const QString&, int)>& progress)
{
    SchemaUpgrade upgrade(logon);
    upgrade.setProgress(progress);
    upgrade.cleanUp();
    upgrade.run();
    passwords::convertStored(logon);
    logon.pruneActionJournal();
    ledgertotals::foldWhenMany(logon, 0);
}

} // namespace startup

namespace startup {

QString terminalFromAnswer(const QString& answer, const QString& current)
{
    const std::optional<int> n = TextToInt(answer);
    QString result = n ? FormatFloat(u"00", Decimal(*n)) : current;
    if (!isWholeNumber(result))
        result = QStringLiteral("1");
    return result;
}

namespace {
const QString kTempLogo = QStringLiteral("c:\\Miltrex\\vavoz\\templogo.ini");
}

QString centralPicturePath()
{
    try {
        if (auto f = LineFile::load(station::path(kTempLogo))) {
            if (!f->line(0).isEmpty())
                return station::path(f->line(0));
        }
    } catch (...) {
    }
    return QString();
}

void saveCentralPicturePath(const QString& file)
{
    LineFile::save(station::pathForWriting(kTempLogo), {file});
}

void writeTerminalNumber(const QString& number)
{
    LineFile::save(station::pathForWriting(u"terminal.ini"), {number});
}

} // namespace startup
