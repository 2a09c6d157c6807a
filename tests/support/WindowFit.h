#pragma once
// Whether a window fits a 1366 x 768 screen: shown there, the window and every
// caption and button show whole (see showsWhole). With SABREL22_SCREENSHOTS set, a
// picture of it is saved in that folder.
#include "WindowChecks.h"

#include <gtest/gtest.h>

inline void checkFits(QDialog& w, const QString& name)
{
    showsWhole(w, QSize(1366, 768), name);
    EXPECT_LE(w.minimumSizeHint().width(), 1366) << name.toStdString();
    EXPECT_LE(w.minimumSizeHint().height(), 768) << name.toStdString();
    EXPECT_LE(w.frameGeometry().width(), 1366) << name.toStdString();
    EXPECT_LE(w.frameGeometry().height(), 768) << name.toStdString();
}
