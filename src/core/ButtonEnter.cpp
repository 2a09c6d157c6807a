#include "core/ButtonEnter.h"

#include "core/EnterMoves.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>

bool ButtonEnter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!isEnterKey(key))
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus() || qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)
        || EnterMoves::keepsOwnEnter(button))
        return false;
    // A held key presses once; the button's own handling (a default button would
    // press itself too) never sees it, so nothing runs twice.
    if (!key->isAutoRepeat() && button->isEnabled())
        button->click();
    return true;
}
