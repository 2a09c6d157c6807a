#include "core/EnterMoves.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

constexpr const char* kOwnEnter = "sabrel22OwnEnter";

// Qt keeps these two for a widget's own class; a pointer to the member taken
// through a class of our own reaches them on any widget (and stays virtual).
struct WidgetReach : QWidget {
    // Asked of the window: a field may keep Tab for its own parts (a date's day,
    // month and year).
    static bool focusNext(QWidget* w)
    {
        bool (QWidget::*next)(bool) = &WidgetReach::focusNextPrevChild;
        return (w->window()->*next)(true);
    }
    static int listeners(const QObject* o, const char* signal)
    {
        int (QObject::*count)(const char*) const = &WidgetReach::receivers;
        return (o->*count)(signal);
    }
};

// Fields the rule leaves alone whatever happens: buttons (Enter presses them), the
// multi-line editors (Enter is a new line), a field or a window part that keeps its
// own Enter, and the lists that pop up (their Enter picks).
bool leftAlone(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        if (!qobject_cast<const QCheckBox*>(button) && !qobject_cast<const QRadioButton*>(button))
            return true;
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
        return true;
    if (w->isWindow() || w->window()->windowType() == Qt::Popup)
        return true;
    return EnterMoves::keepsOwnEnter(w);
}

// The field's own Enter: a text line whose returnPressed, or a list whose activated,
// someone listens to.
bool hasOwnEnter(const QWidget* w)
{
    using R = WidgetReach;
    if (qobject_cast<const QLineEdit*>(w))
        return R::listeners(w, SIGNAL(returnPressed())) > 0;
    // the item widgets listen to their view's activated themselves
    if (qobject_cast<const QListWidget*>(w))
        return R::listeners(w, SIGNAL(activated(QModelIndex))) > 1
            || R::listeners(w, SIGNAL(itemActivated(QListWidgetItem*))) > 0;
    if (qobject_cast<const QTableWidget*>(w))
        return R::listeners(w, SIGNAL(activated(QModelIndex))) > 1
            || R::listeners(w, SIGNAL(itemActivated(QTableWidgetItem*))) > 0
            || R::listeners(w, SIGNAL(cellActivated(int,int))) > 0;
    if (qobject_cast<const QTreeWidget*>(w))
        return R::listeners(w, SIGNAL(activated(QModelIndex))) > 1
            || R::listeners(w, SIGNAL(itemActivated(QTreeWidgetItem*,int))) > 0;
    if (qobject_cast<const QAbstractItemView*>(w))
        return R::listeners(w, SIGNAL(activated(QModelIndex))) > 0;
    return false;
}

// A dialog's default button: its Enter presses that button.
bool hasDefaultButton(const QWidget* window)
{
    for (const QPushButton* b : window->findChildren<QPushButton*>())
        if (b->isDefault() && b->isVisible())
            return true;
    return false;
}

} // namespace

bool isEnterKey(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void EnterMoves::keepOwnEnter(QWidget* widget)
{
    widget->setProperty(kOwnEnter, true);
}

bool EnterMoves::keepsOwnEnter(const QWidget* widget)
{
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (w->property(kOwnEnter).toBool())
            return true;
    return false;
}

bool EnterMoves::moveOn(QWidget* from)
{
    return WidgetReach::focusNext(from);
}

bool EnterMoves::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    if (m_delivering) {
        // The key reached the field's window: nothing below it took it.
        if (event == m_key && watched == m_window)
            m_reachedWindow = true;
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    auto* field = qobject_cast<QWidget*>(watched);
    // Only the field that has the focus, as the key reaches it first; a held key
    // moves once.
    if (!isEnterKey(key) || !field || field != QApplication::focusWidget() || key->isAutoRepeat() || leftAlone(field))
        return false;

    // The key goes where it always went: the field, its window, their handlers.
    const QPointer<QWidget> guard(field);
    const QPointer<QWidget> window(field->window());
    const bool windowHasDefault = hasDefaultButton(window);
    m_delivering = true;
    m_reachedWindow = false;
    m_key = key;
    m_window = window;
    key->setAccepted(true);
    QCoreApplication::sendEvent(field, key);
    m_delivering = false;
    m_key = nullptr;
    m_window = nullptr;

    // Taken before the window: a handler of the field used it. A list that takes
    // typing takes Enter too when it completes what was typed (or the text the focus
    // selected): that completes the text, it is no use of its own. The window's own
    // key handling (its base class takes Enter whatever it does with it) counts only
    // by what it did: the focus moved, the window closed.
    auto* typedList = qobject_cast<QComboBox*>(field);
    const bool takenBelow = !m_reachedWindow && !(typedList && typedList->isEditable());
    const bool used = takenBelow || windowHasDefault || !guard || !window || !window->isVisible()
        || QApplication::focusWidget() != field || hasOwnEnter(field);
    if (!used)
        moveOn(field);
    key->accept();
    return true;
}
