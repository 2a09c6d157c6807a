#include "platform/Style.h"
#include <QApplication>
#include <QFile>
#include <QStyleFactory>

void applyProgramStyle(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile sheet(QStringLiteral(":/style/aqua-light-slate.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
