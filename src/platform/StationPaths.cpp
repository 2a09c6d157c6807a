#include "platform/StationPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace station {
namespace {

QString& overriddenRoot()
{
    static QString r;
    return r;
}

// Splits "c:\Miltrex\vavoz\setup.INI" into the parts below the root; a bare
// name goes below the program folder.
QStringList partsOf(QStringView name)
{
    QString n = name.trimmed().toString();
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    bool hasDrive = n.size() >= 2 && n.at(1) == QLatin1Char(':') && n.at(0).isLetter();
    if (hasDrive)
        n = n.mid(2);
    QStringList parts = n.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!hasDrive)
        parts.prepend(QStringLiteral("programa"));
    return parts;
}

QString resolveParts(const QStringList& parts, bool createFolders)
{
    QString current = root();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QDir dir(current);
        QString match;
        if (dir.exists(part)) {
            match = part;
        } else {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = e;
                    break;
                }
            }
        }
        if (match.isEmpty())
            match = part;
        const bool isFolder = i + 1 < parts.size();
        if (isFolder && createFolders && !dir.exists(match))
            dir.mkpath(match);
        current = dir.filePath(match);
    }
    return current;
}

QString resolve(QStringView name, bool createFolders)
{
    // A real absolute path (a picture chosen in a file dialog) is used as it is.
    if (name.startsWith(QLatin1Char('/')))
        return name.toString();
    return resolveParts(partsOf(name), createFolders);
}

} // namespace

QString root()
{
    if (!overriddenRoot().isEmpty())
        return overriddenRoot();
    const QByteArray env = qgetenv("SABREL22_ESTACAO");
    if (!env.isEmpty())
        return QDir(QString::fromLocal8Bit(env)).absolutePath();
    QString base = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/sabrel22");
}

void setRoot(const QString& absolutePath)
{
    overriddenRoot() = absolutePath;
}

QString programFolder()
{
    return resolveParts({QStringLiteral("programa")}, false);
}

QString path(QStringView windowsName)
{
    return resolve(windowsName, false);
}

QString pathForWriting(QStringView windowsName)
{
    return resolve(windowsName, true);
}

bool exists(QStringView windowsName)
{
    return QFileInfo::exists(path(windowsName));
}

} // namespace station
