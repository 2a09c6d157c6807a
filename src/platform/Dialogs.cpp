#include "platform/Dialogs.h"

#include <QDialog>
#include <cstdio>
#include <stdexcept>

namespace {
Dialogs* g_screen = nullptr;
Dialogs* g_override = nullptr;
}

Dialogs& dialogs()
{
    if (g_override)
        return *g_override;
    if (!g_screen)
        throw std::logic_error("no dialogs installed: the program installs its screen dialogs at start");
    return *g_screen;
}

void setScreenDialogs(Dialogs* screen)
{
    g_screen = screen;
}

void setDialogs(Dialogs* replacement)
{
    g_override = replacement;
}

QString NoDialogs::message(const QString&, const QString&, const QString&, const QString&)
{
    return QStringLiteral("N");
}

QString NoDialogs::inputBox(const QString&, const QString&, const QString& proposed)
{
    return proposed;
}

int NoDialogs::exec(QDialog&)
{
    return QDialog::Rejected;
}

void NoDialogs::errorBox(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
