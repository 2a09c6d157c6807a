#pragma once
// The dialogs of a benchmark: every message answered with its first button, no
// window shown, errors printed.
#include "platform/Dialogs.h"

#include <QDialog>
#include <cstdio>

class QuietDialogs : public Dialogs {
public:
    QString message(const QString&, const QString&, const QString&, const QString&) override { return QStringLiteral("S"); }
    QString inputBox(const QString&, const QString&, const QString& p) override { return p; }
    int exec(QDialog&) override { return 0; }
    void errorBox(const QString& text) override { std::fprintf(stderr, "erro: %s\n", qPrintable(text)); }
    QString openPictureFile() override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};
