#include "core/FieldEvents.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

void FieldEvents::onEnter(QWidget* field, std::function<void()> handler)
{
    field->installEventFilter(this);
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
    const std::vector<QWidget*> v(fields);
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        QWidget* next = v[i + 1];
        onEnter(v[i], [next] { next->setFocus(Qt::TabFocusReason); });
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
    } else if (event->type() == QEvent::FocusOut) {
        auto it = m_leave.find(watched);
        if (it != m_leave.end())
            it->second();
    } else if (event->type() == QEvent::FocusIn) {
        auto it = m_arrive.find(watched);
        if (it != m_arrive.end())
            it->second();
    }
    return QObject::eventFilter(watched, event);
}
