#include "core/ButtonEnter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>

namespace {
constexpr const char* kOwnEnter = "sabrel22OwnEnter";
}

void ButtonEnter::keepOwnEnter(QWidget* button)
{
    button->setProperty(kOwnEnter, true);
}

bool ButtonEnter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus() || qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)
        || button->property(kOwnEnter).toBool())
        return false;
    // A held key presses once; the button's own handling (a default button would
    // press itself too) never sees it, so nothing runs twice.
    if (!key->isAutoRepeat() && button->isEnabled())
        button->click();
    return true;
}
