#include "core/GuardedApplication.h"

#include "core/ButtonEnter.h"
#include "core/EnterMoves.h"
#include "platform/Dialogs.h"

#include <QDebug>
#include <stdexcept>

QString interruptedActionText(const std::exception* error)
{
    const QString head = QStringLiteral("A operação foi interrompida e o programa continua.");
    if (!error)
        return head;
    if (dynamic_cast<const std::overflow_error*>(error))
        return head + QStringLiteral("\nUm número grande demais para ser calculado foi informado.");
    return head + QLatin1Char('\n') + QString::fromUtf8(error->what());
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    installEventFilter(new ButtonEnter(this));
    installEventFilter(new EnterMoves(this));
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    // One box at a time: an error while the box itself is shown is only logged.
    static bool telling = false;
    const auto tell = [](const std::exception* error) {
        const QString text = interruptedActionText(error);
        if (telling) {
            qWarning().noquote() << text;
            return;
        }
        telling = true;
        try {
            dialogs().errorBox(text);
        } catch (...) {
            qWarning().noquote() << text;
        }
        telling = false;
    };
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        tell(&e);
    } catch (...) {
        tell(nullptr);
    }
    return false;
}
