#include "platform/Dialogs.h"
#include "core/WidgetDialogs.h"

namespace {
Dialogs* g_override = nullptr;
}

Dialogs& dialogs()
{
    if (g_override)
        return *g_override;
    static WidgetDialogs real;
    return real;
}

void setDialogs(Dialogs* replacement)
{
    g_override = replacement;
}
