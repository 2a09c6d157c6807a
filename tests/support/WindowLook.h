#pragma once
// A register or back-office window shown whole on a screen of a given size
// (1024 x 768 unless said), its photo box aside; see showsWhole.
#include "WindowChecks.h"

inline void checkWholeAndSave(QDialog& w, const QString& name, const QSize& screen = QSize(1024, 768))
{
    showsWhole(w, screen, name, {QStringLiteral("photoLabel")});
}
