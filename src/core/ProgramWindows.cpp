#include "core/ProgramWindows.h"
#include "core/UnitSetCom.h"
#include "core/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });
}
