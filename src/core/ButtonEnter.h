#pragma once
// Enter on a focused button presses it, on every window of the program: the
// buttons are no window's default button, so without this Qt would pass the key
// on and the keyboard path of a data-entry window would end on a button that Enter
// cannot press. A button that a window gives an Enter of its own (FieldEvents::
// onEnter, such as "&Retornar" moving back to the first field) keeps it. Check
// boxes and radio buttons are not pressed: Enter there is the window's.
#include <QObject>

class QWidget;

class ButtonEnter : public QObject {
public:
    explicit ButtonEnter(QObject* parent = nullptr) : QObject(parent) {}

    // The button's Enter is its window's own, not a press.
    static void keepOwnEnter(QWidget* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
