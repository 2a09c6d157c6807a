#include "app/ProgramWindows.h"
#include "printing/UnitSetCom.h"
#include "registers/UnitCliente.h"
#include "registers/UnitManSen.h"
#include "registers/UnitEmpresa.h"
#include "registers/UnitFPaga.h"
#include "registers/UnitVendedor.h"
#include "registers/UnitCentroCusto.h"
#include "registers/UnitSetuprede.h"
#include "registers/UnitLimpa.h"
#include "db/UnitLogon.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Customers, company, users and rights, staff, payment methods, cost centres,
    // network setup and data reset.
    windows::registerWindow(QStringLiteral("TFormCliente"), [] { return std::make_unique<TFormCliente>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormManSen"), [] { return std::make_unique<TFormManSen>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormEmpresa"), [] { return std::make_unique<TFormEmpresa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormFPaga"), [] { return std::make_unique<TFormFPaga>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVendedor"), [] { return std::make_unique<TFormVendedor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCentroCusto"), [] { return std::make_unique<TFormCentroCusto>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSetupRede"), [] { return std::make_unique<TFormSetupRede>(); });
    windows::registerWindow(QStringLiteral("TFormLimpa"), [] { return std::make_unique<TFormLimpa>(*Logon); });
}
