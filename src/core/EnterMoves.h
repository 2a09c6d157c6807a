#pragma once
// Enter in a data-entry field moves the focus on, as on every entry window.
//
// The program's one rule (EnterMoves, installed once on the application): Enter in
// a field that does nothing with it moves the focus to the next field in the
// window's order, as Tab does, so the keyboard path of a window ends on the button
// that runs it (pressed by the next Enter: core/ButtonEnter). The key is first
// delivered as usual; the rule moves on only when nothing used it: no handler of
// the field or of its window took it, moved the focus or closed the window, and the
// field has no Enter of its own (a line's returnPressed, a list's activated). Text
// fields, date and number fields, lists, check boxes and radio buttons all move;
// multi-line editors keep their new line. A field whose Enter is its window's own
// (a list that filters by typing and picks with Enter) says so with keepOwnEnter.
#include <QLineEdit>
#include <QObject>
#include <QPointer>

class QKeyEvent;

// Return or the keypad's Enter, with no modifier.
bool isEnterKey(const QKeyEvent* key);

inline void enterMovesTo(QLineEdit* from, QWidget* to)
{
    QObject::connect(from, &QLineEdit::returnPressed, to, [to] { to->setFocus(Qt::TabFocusReason); });
}

class EnterMoves : public QObject {
public:
    explicit EnterMoves(QObject* parent = nullptr) : QObject(parent) {}

    // The field's (or button's) Enter is its window's own: the rule neither moves
    // the focus from it nor presses it.
    static void keepOwnEnter(QWidget* widget);
    static bool keepsOwnEnter(const QWidget* widget);

    // The focus moved on from the widget to the next field, as Tab moves it.
    // False when the window has no other field to go to.
    static bool moveOn(QWidget* from);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_delivering = false;      // the key on its usual way, watched
    bool m_reachedWindow = false;   // it reached the field's window: nothing below took it
    const QEvent* m_key = nullptr;
    const QObject* m_window = nullptr;
};
