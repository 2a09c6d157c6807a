#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "db/UnitLogon.h"
#include "shell/Startup.h"
#include "shell/UnitPrincipal.h"
#include "core/uMensagemWindow.h"
#include "platform/InstanceLock.h"
#include "platform/Style.h"
#include "shell/UnSenha.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace {

// With SABREL22_PARAR_NO_LOGIN set, the program ends at its login window: once
// the window shows, it says so on the standard output and leaves as "Sair" does.
// The start command's test runs the program this way.
class StopAtLogin : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* login = qobject_cast<TFormProtecao*>(watched)) {
                std::printf("%s\n", kLoginShown);
                std::fflush(stdout);
                QTimer::singleShot(0, login, &TFormProtecao::leave);
            }
        return false;
    }
    static constexpr const char* kLoginShown = "Janela de login aberta.";
};

} // namespace

bool loadQtTranslations(QApplication& app)
{
    static QTranslator qtTexts;
    if (!qtTexts.isEmpty())
        return true;
    if (!qtTexts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&qtTexts);
}

int runProgram(QApplication& app)
{
    loadQtTranslations(app);
    InstanceLock instance(QStringLiteral("InstanciaIniciadaSabrel22"));
    if (!instance.tryAcquire()) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), QStringLiteral("Ja existe uma copia do programa em execução."),
                          QStringLiteral("1"));
        return 0;
    }

    startup::removeUnfinishedSaves();
    StopAtLogin stopAtLogin;
    if (qEnvironmentVariableIsSet("SABREL22_PARAR_NO_LOGIN"))
        app.installEventFilter(&stopAtLogin);

    applyProgramStyle(app);
    registerProgramWindows();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication::setApplicationDisplayName(QStringLiteral("Sabrel 22 plus"));

    TLogon dataModule;
    Logon = &dataModule;
    struct Reset { ~Reset() { Logon = nullptr; } } reset;
    if (dataModule.DataModuleCreate() == TLogon::StartResult::Aborted)
        return 0;

    TPrincipal principal(dataModule);
    if (!principal.FormCreate())
        return 0;
    principal.showMaximized();
    if (principal.FormShow() == TPrincipal::ShowOutcome::EndProgram)
        return 0;
    return app.exec();
}
