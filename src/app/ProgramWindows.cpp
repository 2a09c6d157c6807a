#include "app/ProgramWindows.h"
#include "printing/UnitSetCom.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });
}
