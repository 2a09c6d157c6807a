#pragma once
// What a user sees of a window: shown on a screen of a given size (1024 x 768
// unless said), the window fits it and every caption and button shows whole. With
// SABREL22_SCREENSHOTS naming a folder, the window is also saved there as a picture.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QSize>

#include <gtest/gtest.h>

inline void checkWholeAndSave(QDialog& w, const QString& name, const QSize& screen = QSize(1024, 768))
{
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(w.width(), screen.width()) << name.toStdString();
    EXPECT_LE(w.height(), screen.height()) << name.toStdString();
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
            if (child->objectName() == QLatin1String("photoLabel"))
                continue;
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
