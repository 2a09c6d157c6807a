#include "WindowChecks.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

void showsWhole(QDialog& w, QSize screen, const QString& name, const QStringList& pictureBoxes)
{
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(w.width(), screen.width()) << name.toStdString();
    EXPECT_LE(w.height(), screen.height()) << name.toStdString();
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || pictureBoxes.contains(child->objectName()))
            continue;
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
            EXPECT_GE(child->width(), child->minimumSizeHint().width())
                << name.toStdString() << ": " << child->objectName().toStdString();
            EXPECT_GE(child->height(), child->minimumSizeHint().height())
                << name.toStdString() << ": " << child->objectName().toStdString();
        }
    }
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    w.hide();
}
