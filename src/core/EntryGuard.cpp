#include "core/EntryGuard.h"

#include "core/uMensagemWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

const QString EntryGuard::question = QStringLiteral("Deseja Abandonar o que foi Digitado ?");

EntryGuard::EntryGuard(QDialog* window, std::function<bool()> typing)
    : QObject(window)
    , m_window(window)
    , m_typing(std::move(typing))
{
    window->installEventFilter(this);
}

void EntryGuard::watch(std::initializer_list<QLineEdit*> fields)
{
    m_fields.insert(m_fields.end(), fields.begin(), fields.end());
    markClean();
}

void EntryGuard::markClean()
{
    m_clean.clear();
    for (const QLineEdit* f : m_fields)
        m_clean << f->text();
}

bool EntryGuard::typing() const
{
    if (m_typing && m_typing())
        return true;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i]->text() != m_clean.value(int(i)))
            return true;
    return false;
}

bool EntryGuard::mayDrop() const
{
    return !typing() || ShowMessageWindow(QStringLiteral("ATENÇÃO"), question, QStringLiteral("2")) == QLatin1String("S");
}

void EntryGuard::closeWith(QAbstractButton* button)
{
    connect(button, &QAbstractButton::clicked, this, [this] {
        if (mayDrop())
            m_window->accept();
    });
}

bool EntryGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    // Esc reaches the window when the field it was pressed in leaves it; the window
    // would then reject itself.
    const bool escape = event->type() == QEvent::KeyPress
                        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
                        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier;
    if ((escape || event->type() == QEvent::Close) && !mayDrop()) {
        event->ignore();
        return true;
    }
    return false;
}
