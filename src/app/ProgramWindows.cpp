#include "app/ProgramWindows.h"
#include "closing/GAVTeste1.h"
#include "closing/UnitComGar.h"
#include "closing/UnitRelCan.h"
#include "closing/UnitVisComFec.h"
#include "db/UnitLogon.h"
#include "printing/UnitSetCom.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Shift reports, the reprint of closed bills and the cash-drawer test window.
    windows::registerWindow(QStringLiteral("TFormVisComFec"), [] { return std::make_unique<TFormVisComFec>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRelCan"), [] { return std::make_unique<TFormRelCan>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormComGar"), [] { return std::make_unique<TFormComGar>(*Logon); });
    // The drawer test: the sales ribbon's settings open it by this name.
    windows::registerWindow(QStringLiteral("TForm1"), [] { return std::make_unique<TForm1>(); });
}
