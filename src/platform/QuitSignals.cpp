#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_arrived = 0;

// Only what a signal handler may do: a flag and one write to the pipe.
extern "C" void onQuitSignal(int number)
{
    const int saved = errno;
    g_arrived = 1;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (g_pipe[1] >= 0) {
        const ssize_t written = ::write(g_pipe[1], &byte, 1);
        (void)written;   // a full pipe already holds a request
    }
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(std::function<void(int)> requested, QObject* parent)
    : QObject(parent)
    , m_requested(std::move(requested))
{
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    if (g_pipe[0] >= 0) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::read);
    }
    install();
}

QuitSignals::~QuitSignals()
{
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    for (int s : kSignals)
        ::sigaction(s, &plain, nullptr);
    delete m_notifier;
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    g_arrived = 0;
}

void QuitSignals::install()
{
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

bool QuitSignals::arrived()
{
    return g_arrived != 0;
}

void QuitSignals::read()
{
    unsigned char byte = 0;
    while (g_pipe[0] >= 0 && ::read(g_pipe[0], &byte, 1) == 1)
        if (m_requested)
            m_requested(byte);
}
