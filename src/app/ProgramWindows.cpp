#include "app/ProgramWindows.h"
#include "closing/UnitAbrFec.h"
#include "db/UnitLogon.h"
#include "printing/UnitSetCom.h"
#include "sales/UnitBalcao.h"
#include "sales/UnitBuscaVendedor.h"
#include "sales/UnitSenGarcom.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Sales screen and cash shift
    windows::registerWindow(QStringLiteral("TFormAbrFec"), [] { return std::make_unique<TFormAbrFec>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBalcao"), [] { return std::make_unique<TFormBalcao>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSenGarcom"), [] { return std::make_unique<TFormSenGarcom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBuscaVendedor"), [] { return std::make_unique<TFormBuscaVendedor>(*Logon); });
}
