#include "core/StationSettings.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace stationSettings {
namespace {
QString lineOf(int n)
{
    try {
        if (auto f = LineFile::load(station::path(QString::fromLatin1(kFile))))
            return f->line(n);
    } catch (const std::exception&) {
    }
    return QString();
}
}

QString pln(int index)
{
    return index == 6 ? lineOf(0) : QString();
}

QString outsideErpLink()
{
    return lineOf(1);
}

QString serverDatabasePath()
{
    const QString p = lineOf(2).trimmed();
    return p.isEmpty() ? QString::fromLatin1(kDefaultServerDatabase) : p;
}

int lockTimeoutSeconds()
{
    bool ok = false;
    const int s = lineOf(3).trimmed().toInt(&ok);
    return ok && s >= 1 && s <= 600 ? s : 5;
}

QString calculatorCommand()
{
    return lineOf(4).trimmed();
}

} // namespace stationSettings
