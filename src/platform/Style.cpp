#include "platform/Style.h"
#include <QApplication>
#include <QFile>
#include <QStyleFactory>

void applyProgramStyle(QApplication& app)
{
    Q_INIT_RESOURCE(platform);   // the style lives in the program's static library
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile sheet(QStringLiteral(":/style/aqua-light-slate.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
