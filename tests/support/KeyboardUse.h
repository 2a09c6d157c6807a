#pragma once
// Driving a window from the keyboard as a user does: the window shown and active,
// keys sent to whatever control has the focus, so the focus moves as the window
// moves it (no handler called directly).
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace keyboard {

// Shows the window and makes it the active one (false when the platform would not).
inline bool showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    return QTest::qWaitForWindowActive(&w);
}

// The key, pressed and released on the focused control.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget* focused = QApplication::focusWidget())
        QTest::keyClick(focused, key, modifiers);
    else
        ADD_FAILURE() << "no control has the focus";
}

// The text typed into the focused control.
inline void type(const QString& text)
{
    if (QWidget* focused = QApplication::focusWidget())
        QTest::keyClicks(focused, text);
    else
        ADD_FAILURE() << "no control has the focus";
}

inline void typeAndEnter(const QString& text)
{
    type(text);
    press(Qt::Key_Return);
}

// What the focused field holds replaced by the text, as Ctrl+A and typing do.
inline void selectAllAndType(const QString& text)
{
    press(Qt::Key_A, Qt::ControlModifier);
    type(text);
}

inline QString focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace keyboard
