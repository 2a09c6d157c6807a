#include "platform/Style.h"
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <QStyleFactory>

void applyProgramStyle(QApplication& app)
{
    Q_INIT_RESOURCE(platform);   // the style lives in the program's static library
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The ribbons' pictures come from this icon theme (Debian: oxygen-icon-theme).
    // Not every platform plug-in names the system's icon folders (offscreen names
    // none), so the program adds them itself.
    QStringList iconFolders = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                           QStandardPaths::LocateDirectory))
        if (!iconFolders.contains(folder))
            iconFolders << folder;
    QIcon::setThemeSearchPaths(iconFolders);
    QIcon::setThemeName(QStringLiteral("oxygen"));
    QFile sheet(QStringLiteral(":/style/aqua-light-slate.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
