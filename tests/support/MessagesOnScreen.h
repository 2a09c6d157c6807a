#pragma once
// The dialogs answered as ScriptedDialogs answers them, noting at each message
// whether the window it stands above was on screen then (shown and exposed): a
// window says what it says on opening once it is on screen (core/OnScreen).
#include "ScriptedDialogs.h"

#include <QWidget>
#include <QWindow>
#include <vector>

struct MessagesOnScreen : ScriptedDialogs {
    QWidget* window = nullptr;          // the window the messages come from
    std::vector<bool> windowOnScreen;   // at each message

    QString message(const QString& title, const QString& text, const QString& buttons, const QString& kind) override
    {
        windowOnScreen.push_back(window && window->windowHandle() && window->windowHandle()->isExposed());
        return ScriptedDialogs::message(title, text, buttons, kind);
    }
};
