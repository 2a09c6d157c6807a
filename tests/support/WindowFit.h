#pragma once
// Whether a window fits a 1366 x 768 screen: shown there, the window and every
// caption and button show whole. With SABREL22_SCREENSHOTS set, a picture of it is
// saved in that folder.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

inline void checkFits(QDialog& w, const QString& name)
{
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(w.minimumSizeHint().width(), 1366) << name.toStdString();
    EXPECT_LE(w.minimumSizeHint().height(), 768) << name.toStdString();
    EXPECT_LE(w.frameGeometry().width(), 1366) << name.toStdString();
    EXPECT_LE(w.frameGeometry().height(), 768) << name.toStdString();
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || !(qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)))
            continue;
        EXPECT_GE(child->width(), child->minimumSizeHint().width())
            << name.toStdString() << ": " << child->objectName().toStdString();
        EXPECT_GE(child->height(), child->minimumSizeHint().height())
            << name.toStdString() << ": " << child->objectName().toStdString();
    }
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    w.hide();
}
