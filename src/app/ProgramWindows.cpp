#include "app/ProgramWindows.h"
#include "closing/UnitConsumacao.h"
#include "closing/UnitFecCom.h"
#include "closing/UnitFecSimples.h"
#include "closing/UnitRecDin.h"
#include "closing/UnitFechaSim.h"
#include "db/UnitLogon.h"
#include "printing/UnitSetCom.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Bill closing: pre-bill, payment and the bill's two settings.
    windows::registerWindow(QStringLiteral("TFormFecCom"), [] { return std::make_unique<TFormFecCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFecSimples"), [] { return std::make_unique<TFormFecSimples>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormRecDin"), [] { return std::make_unique<TFormRecDin>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormConsumacao"), [] { return std::make_unique<TFormConsumacao>(); });
    windows::registerWindow(QStringLiteral("TFormFechasim"), [] { return std::make_unique<TFormFechasim>(); });
}
