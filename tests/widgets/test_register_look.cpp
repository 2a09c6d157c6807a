// What a user sees of the registers: on a 1024 x 768 screen every caption, button
// and box shows whole. With SABREL22_SCREENSHOTS naming a folder, the windows are
// also saved there as pictures.
#include "ProgramStyle.h"
#include "ScriptedDialogs.h"
#include "WindowLook.h"
#include "TestStation.h"
#include "platform/Style.h"
#include "registers/UnitCentroCusto.h"
#include "registers/UnitCliente.h"
#include "registers/UnitEmpresa.h"
#include "registers/UnitFPaga.h"
#include "registers/UnitLimpa.h"
#include "registers/UnitManSen.h"
#include "registers/UnitSetuprede.h"
#include "registers/UnitVendedor.h"

#include <QApplication>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>


TEST(RegisterLook, EveryRegisterShowsWholeOnA1024By768Screen)
{
    const ProgramStyle style;
    TestStation st;
    ScriptedDialogs d;
    {
        TFormCliente w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormCliente"));
    }
    {
        TFormEmpresa w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormEmpresa"));
    }
    {
        TFormManSen w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormManSen"));
    }
    {
        TFormVendedor w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormVendedor"));
    }
    {
        TFormFPaga w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormFPaga"));
    }
    {
        TFormCentroCusto w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormCentroCusto"));
    }
    {
        TFormSetupRede w;
        checkWholeAndSave(w, QStringLiteral("TFormSetupRede"));
    }
    {
        TFormLimpa w(st.logon());
        checkWholeAndSave(w, QStringLiteral("TFormLimpa"));
    }
}
