#include "finance/PayablesHotKeys.h"

#include "core/StationSettings.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProcess>

PayablesHotKeys::PayablesHotKeys(QObject* parent, std::map<int, std::function<void()>> actions)
    : QObject(parent)
    , m_actions(std::move(actions))
{
    QCoreApplication::instance()->installEventFilter(this);
}

PayablesHotKeys::~PayablesHotKeys()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool PayablesHotKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto it = m_actions.find(key->key());
        if (it != m_actions.end() && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                it->second();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool startCalculator()
{
    const QStringList command = QProcess::splitCommand(stationSettings::calculatorCommand());
    if (command.isEmpty())
        return false;
    return QProcess::startDetached(command.first(), command.mid(1));
}
