#pragma once
// What the window tests check of any window: that the ribbon opens the window
// itself (not a placeholder), and that it shows whole on a screen.
#include "ScriptedDialogs.h"
#include "shell/UnitPrincipal.h"

#include <QDialog>
#include <QSize>
#include <QStringList>

class QToolButton;
class RibbonBar;

// The main window made after the supervisor logged in ("SUPERVISOR", "1234") and
// answered his prompt alike; false when it was not made.
bool madeBySupervisor(ScriptedDialogs& d, TPrincipal& w);

// The ribbon's button of that caption (its accessible name or its text) on any
// tab; nullptr when there is none.
QToolButton* ribbonButton(RibbonBar& bar, const QString& caption);

// Clicks a ribbon button and tells whether the window it opened is a Window.
template <class Window>
bool opensItself(ScriptedDialogs& d, TPrincipal& w, const char* tab, const char* caption, const char* className)
{
    bool real = false;
    d.onWindow(QString::fromLatin1(className), [&real](QDialog& window) {
        real = qobject_cast<Window*>(&window) != nullptr;
        return int(QDialog::Rejected);
    });
    w.clickButton(QString::fromUtf8(tab), QString::fromUtf8(caption));
    return real;
}

// Shows the window: no larger than the screen, every visible caption and button as
// large as its text needs (picture boxes, by object name, aside). With
// SABREL22_SCREENSHOTS naming a folder, the window is also saved there as name.png.
void showsWhole(QDialog& w, QSize screen, const QString& name, const QStringList& pictureBoxes = {});
