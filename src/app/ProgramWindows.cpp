#include "app/ProgramWindows.h"
#include "printing/UnitSetCom.h"
#include "shell/WindowRegistry.h"
#include "db/UnitLogon.h"
#include "registers/UnitBusca.h"
#include "registers/UnitBuscaFor.h"
#include "registers/UnitComplemento.h"
#include "registers/UnitConfSis.h"
#include "registers/UnitKitItens.h"
#include "registers/UnitLcProd.h"
#include "registers/UnitProd.h"
#include "registers/UnitVerCaixa.h"

void registerProgramWindows()
{
    windows::registerWindow(QStringLiteral("TFormSetCom"), [] { return std::make_unique<TFormSetCom>(); });

    // Registers: products, kits, complements, lookups, system options.
    windows::registerWindow(QStringLiteral("TFormProd"), [] { return std::make_unique<TFormProd>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormKitItens"), [] { return std::make_unique<TFormKitItens>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormComplemento"), [] { return std::make_unique<TFormComplemento>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormConfSis"), [] { return std::make_unique<TFormConfSis>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBusca"), [] { return std::make_unique<TFormBusca>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormLcPro"), [] { return std::make_unique<TFormLcPro>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormBuscaFor"), [] { return std::make_unique<TFormBuscaFor>(*Logon); });
    windows::registerWindow(QStringLiteral("TFormVerCaixa"), [] { return std::make_unique<TFormVerCaixa>(*Logon); });
}
