#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "db/UnitLogon.h"
#include "shell/Startup.h"
#include "shell/UnitPrincipal.h"
#include "core/uMensagemWindow.h"
#include "platform/InstanceLock.h"
#include "platform/Style.h"
#include "shell/UnSenha.h"

#include "platform/Dialogs.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <deque>

namespace {

// The system asked the program to end (SIGTERM, SIGINT, SIGHUP): nothing more is
// shown, every window's loop ends at once (their windows close as their openers
// return) and runProgram then ends the program as "Sair" does. A write in progress
// is one action: it commits or rolls back whole before the loop reads the request.
class EndOnRequest {
public:
    EndOnRequest() : m_signals([this](int) { request(); }) {}

    // After the database's first attachment (its engine takes two of the signals).
    void takeSignalsBack() { m_signals.install(); }
    bool requested() const { return m_requested; }

private:
    void request()
    {
        if (m_requested)
            return;
        m_requested = true;
        setDialogs(&m_nothingShown);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->hide();
        QCoreApplication::exit(0);
    }

    bool m_requested = false;
    NoDialogs m_nothingShown;
    QuitSignals m_signals;
};

// With SABREL22_TECLAS set (tests of the whole program), the keys it names are
// typed, one by one, into the control that has the focus in the window on top, from
// the moment the login window shows: letters as they are, {Enter}, {Tab}, {Esc} and
// {F1} to {F12} by name. {Espera} makes the next write that starts wait half a second
// before its commit, once it has said "Gravação em andamento." on the standard
// output, so that a test can act while a sale is being written. When the last key
// has gone the program says "Teclas digitadas.".
class TypedKeys : public QObject {
public:
    explicit TypedKeys(const QString& script) : m_keys(parse(script))
    {
        m_pace.setInterval(kPaceMs);
        connect(&m_pace, &QTimer::timeout, this, &TypedKeys::next);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TFormProtecao*>(watched) && !m_pace.isActive())
            m_pace.start();
        return false;
    }

    // Runs before each write's commit.
    void beforeCommit()
    {
        if (!m_waitAtNextWrite)
            return;
        m_waitAtNextWrite = false;
        say("Gravação em andamento.");
        QThread::msleep(500);
    }

private:
    struct Key {
        int code = 0;           // a key by name; 0 with no character: {Espera}
        char character = 0;     // a character typed as it is
    };
    static constexpr int kPaceMs = 60;

    static std::deque<Key> parse(const QString& script)
    {
        std::deque<Key> keys;
        for (qsizetype i = 0; i < script.size(); ++i) {
            const qsizetype close = script.at(i) == u'{' ? script.indexOf(u'}', i) : -1;
            if (close < 0) {
                if (const char c = script.at(i).toLatin1(); c > ' ' && c < 127)
                    keys.push_back({0, c});
                continue;
            }
            const QString name = script.mid(i + 1, close - i - 1);
            i = close;
            const int function = name.startsWith(u'F') ? name.mid(1).toInt() : 0;
            if (name == QLatin1String("Enter"))
                keys.push_back({Qt::Key_Return, 0});
            else if (name == QLatin1String("Tab"))
                keys.push_back({Qt::Key_Tab, 0});
            else if (name == QLatin1String("Esc"))
                keys.push_back({Qt::Key_Escape, 0});
            else if (name == QLatin1String("Espera"))
                keys.push_back({0, 0});
            else if (function >= 1 && function <= 12)
                keys.push_back({Qt::Key_F1 + function - 1, 0});
        }
        return keys;
    }

    static void say(const char* text)
    {
        std::printf("%s\n", text);
        std::fflush(stdout);
    }

    void next()
    {
        if (m_keys.empty()) {
            m_pace.stop();
            say("Teclas digitadas.");
            return;
        }
        // Into the window on top only, once it has the focus: a window that is still
        // coming up waits for it.
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            return;
        if (QWidget* modal = QApplication::activeModalWidget(); modal && focused->window() != modal)
            return;
        const Key key = m_keys.front();
        m_keys.pop_front();
        if (!key.code && !key.character) {
            m_waitAtNextWrite = true;
            return;
        }
        // Typed after this turn of the timer: a key that opens a window stays inside
        // that window's loop, and the timer must go on there.
        QTimer::singleShot(0, focused, [focused, key] {
            if (key.character)
                QTest::keyClick(focused, key.character);
            else
                QTest::keyClick(focused, Qt::Key(key.code));
        });
    }

    std::deque<Key> m_keys;
    QTimer m_pace;
    bool m_waitAtNextWrite = false;
};

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
    EndOnRequest end;
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
    std::unique_ptr<TypedKeys> typedKeys;
    if (qEnvironmentVariableIsSet("SABREL22_TECLAS")) {
        typedKeys = std::make_unique<TypedKeys>(qEnvironmentVariable("SABREL22_TECLAS"));
        app.installEventFilter(typedKeys.get());
    }

    applyProgramStyle(app);
    registerProgramWindows();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication::setApplicationDisplayName(QStringLiteral("Sabrel 22 plus"));

    TLogon dataModule;
    Logon = &dataModule;
    struct Reset { ~Reset() { Logon = nullptr; } } reset;
    const TLogon::StartResult started = dataModule.DataModuleCreate();
    end.takeSignalsBack();
    if (started == TLogon::StartResult::Aborted || end.requested())
        return 0;
    if (typedKeys)
        dataModule.setBeforeCommit([keys = typedKeys.get()] { keys->beforeCommit(); });

    TPrincipal principal(dataModule);
    if (!principal.FormCreate())
        return 0;
    if (!end.requested()) {
        principal.showMaximized();
        if (principal.FormShow() == TPrincipal::ShowOutcome::EndProgram)
            return 0;
    }
    const int code = end.requested() ? 0 : app.exec();
    if (!end.requested())
        return code;
    // Ended by the system: the exit is recorded as "Sair" records it.
    principal.FormClose();
    return 0;
}
