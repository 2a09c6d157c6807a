#pragma once
// Enter on a focused button presses it, on every window of the program: the
// buttons are no window's default button, so without this Qt would pass the key
// on and the keyboard path of a data-entry window would end on a button that Enter
// cannot press. A button that a window gives an Enter of its own (FieldEvents::
// onEnter, such as "&Retornar" moving back to the first field) keeps it
// (EnterMoves::keepOwnEnter). Check boxes and radio buttons are not pressed: Enter
// there moves on to the next field (core/EnterMoves).
#include <QObject>

class ButtonEnter : public QObject {
public:
    explicit ButtonEnter(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
