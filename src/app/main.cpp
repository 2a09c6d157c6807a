// Sabrel 22: one copy per station, the data module, then the main window.
#include "core/UnitLogon.h"
#include "core/UnitPrincipal.h"
#include "core/uMensagemWindow.h"
#include "platform/FirebirdEnv.h"
#include "platform/InstanceLock.h"
#include "platform/Style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(platform);

    InstanceLock instance(QStringLiteral("InstanciaIniciadaSabrel22"));
    if (!instance.tryAcquire()) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), QStringLiteral("Ja existe uma copia do programa em execução."),
                          QStringLiteral("1"));
        return 0;
    }

    applyProgramStyle(app);
    QApplication::setApplicationDisplayName(QStringLiteral("Sabrel 22 plus"));

    TLogon dataModule;
    Logon = &dataModule;
    if (dataModule.DataModuleCreate() == TLogon::StartResult::Aborted)
        return 0;

    TPrincipal principal(dataModule);
    if (!principal.FormCreate())
        return 0;
    principal.showMaximized();
    if (principal.FormShow() == TPrincipal::ShowOutcome::EndProgram)
        return 0;
    const int code = app.exec();
    Logon = nullptr;
    return code;
}
