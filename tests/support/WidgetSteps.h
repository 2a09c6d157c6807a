#pragma once
// What the window tests do as a user would: find a box by name, show a window
// active, type into a box and press Enter, let the queued events run.
#include <QString>

class QLineEdit;
class QWidget;

// The window's box of that object name; a test failure when it has none.
QLineEdit* edit(QWidget& w, const char* name);
// Shown, made the active window and waited for.
void showActive(QWidget& w);
// Focus, every character selected, the text typed (keys for plain ASCII; inserted
// whole otherwise, as an on-screen keyboard or a paste puts it), then Enter.
void type(QLineEdit* field, const QString& text);
// The queued events run `rounds` times.
void settle(int rounds = 3);
