#include "app/ProgramWindows.h"
#include "closing/UnitCliMesa.h"
#include "closing/UnitExcCom.h"
#include "closing/UnitExcItemCom.h"
#include "closing/UnitMudMes.h"
#include "closing/UnitMudaMesa.h"
#include "closing/UnitReabrirCom.h"
#include "closing/UnitReserva.h"
#include "closing/UnitSangria.h"
#include "closing/Unitpagaantes.h"
#include "db/UnitLogon.h"
#include "printing/UnitSetCom.h"
#include "shell/WindowRegistry.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Tab maintenance: advance payment, withdrawals, reopening, persons,
    // reservations, item transfer, table move, tab and item cancellation. The
    // sales ribbon opens them through closing/TabMaintenanceMenu with its table box.
    windows::registerWindow(QStringLiteral("TFormPagaantes"), [] { return std::make_unique<TFormPagaantes>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormSangria"), [] { return std::make_unique<TFormSangria>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReabrirCom"), [] { return std::make_unique<TFormReabrirCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormCliMesa"), [] { return std::make_unique<TFormCliMesa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormReserva"), [] { return std::make_unique<TFormReserva>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMudMes"), [] { return std::make_unique<TFormMudMes>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormMudaMesa"), [] { return std::make_unique<TFormMudaMesa>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExcCom"), [] { return std::make_unique<TFormExcCom>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormExcItemCom"), [] { return std::make_unique<TFormExcItemCom>(*Logon); });
}
