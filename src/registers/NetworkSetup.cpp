#include "registers/NetworkSetup.h"

#include "core/StationSettings.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QRegularExpression>

namespace networkSetup {

QString shownAddress(const QString& plnText, const std::optional<QString>& fileFirstLine)
{
    QString address = TrimText(plnText) == QLatin1String("nil") ? QString() : plnText;
    if (!address.isEmpty() && fileFirstLine && !fileFirstLine->trimmed().isEmpty())
        address = *fileFirstLine;
    return address;
}

QString shownAddress()
{
    std::optional<QString> firstLine;
    try {
        if (const auto file = LineFile::load(station::path(QString::fromLatin1(kFile))))
            firstLine = file->line(0);
    } catch (const std::exception&) {
    }
    return shownAddress(stationSettings::pln(6), firstLine);
}

bool isUsableAddress(const QString& address)
{
    static const QRegularExpression allowed(QStringLiteral("^[0-9A-Za-z.:\\-]+$"));
    const QString trimmed = TrimText(address);
    return allowed.match(trimmed).hasMatch() && !TLogon::settleServerAddress(trimmed, std::nullopt).isEmpty();
}

void save(const QString& address)
{
    LineFile::save(station::pathForWriting(QString::fromLatin1(kFile)), {address});
}

} // namespace networkSetup
