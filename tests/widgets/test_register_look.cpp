// What a user sees of the registers: on a 1024 x 768 screen every caption, button
// and box shows whole. With SABREL22_SCREENSHOTS naming a folder, the windows are
// also saved there as pictures.
#include "ScriptedDialogs.h"
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

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>

namespace {

void checkWholeAndSave(QDialog& w, const QString& name)
{
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(w.width(), 1024) << name.toStdString();
    EXPECT_LE(w.height(), 768) << name.toStdString();
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
            if (child->objectName() == QLatin1String("photoLabel"))
                continue;
            EXPECT_GE(child->width(), child->minimumSizeHint().width())
                << name.toStdString() << ": " << child->objectName().toStdString();
            EXPECT_GE(child->height(), child->minimumSizeHint().height())
                << name.toStdString() << ": " << child->objectName().toStdString();
        }
    }
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    w.hide();
}

} // namespace

TEST(RegisterLook, EveryRegisterShowsWholeOnA1024By768Screen)
{
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
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
    qApp->setStyleSheet(sheet);
}
