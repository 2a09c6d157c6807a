#include "core/FieldEvents.h"

#include "core/EnterMoves.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

void FieldEvents::onEnter(QWidget* field, std::function<void()> handler)
{
    field->installEventFilter(this);
    if (qobject_cast<QAbstractButton*>(field))
        EnterMoves::keepOwnEnter(field);   // its Enter is this handler, not a press
    m_enter[field] = std::move(handler);
}

void FieldEvents::onLeave(QWidget* field, std::function<void()> handler)
{
    field->installEventFilter(this);
    m_leave[field] = std::move(handler);
}

void FieldEvents::onArrive(QWidget* field, std::function<void()> handler)
{
    field->installEventFilter(this);
    m_arrive[field] = std::move(handler);
}

void FieldEvents::chain(std::initializer_list<QWidget*> fields)
{
    chain(std::vector<QWidget*>(fields));
}

void FieldEvents::chain(const std::vector<QWidget*>& fields)
{
    for (size_t i = 0; i + 1 < fields.size(); ++i) {
        QWidget* next = fields[i + 1];
        onEnter(fields[i], [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto it = m_enter.find(watched);
            if (it != m_enter.end()) {
                it->second();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) {
        // Moving within the window: another window taking the focus (the message a
        // handler shows) and giving it back is neither leaving nor arriving, and a
        // handler never runs inside itself.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || m_running)
            return QObject::eventFilter(watched, event);
        auto& handlers = event->type() == QEvent::FocusOut ? m_leave : m_arrive;
        auto it = handlers.find(watched);
        if (it != handlers.end()) {
            m_running = true;
            const auto handler = it->second;
            handler();
            m_running = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
