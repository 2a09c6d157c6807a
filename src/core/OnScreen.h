#pragma once
// Runs something once a window is on screen: shown, placed by the window manager
// and exposed. A window that says something as it opens (a message, which stands
// above the window it comes from) says it from here: said from its show event, the
// message would come before the window, which the window manager has not placed yet.
#include <functional>

class QWidget;

void whenOnScreen(QWidget* window, std::function<void()> action);
