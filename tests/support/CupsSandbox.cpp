#include "CupsSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const kServerBin = "/usr/lib/cups";
const char* const kPdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

bool writeText(const QString& path, const QString& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(text.toUtf8());
    return true;
}

bool socketAnswers(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = path.toLocal8Bit();
    if (size_t(p.size()) >= sizeof(addr.sun_path)) {
        ::close(fd);
        return false;
    }
    std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return ok;
}

QString lastLines(const QString& path, int count)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join(QLatin1String(" | "));
}

} // namespace

CupsSandbox& CupsSandbox::instance()
{
    static CupsSandbox sandbox;
    return sandbox;
}

CupsSandbox::CupsSandbox()
{
    const QString outside = qEnvironmentVariable("CUPS_SERVER");
    if (!outside.isEmpty()) {
        m_server = outside;
        cupsSetServer(outside.toUtf8().constData());
        m_output = QDir::tempPath();
        cups_dest_t* dests = nullptr;
        const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
        cupsFreeDests(count, dests);
        if (cupsLastError() > IPP_STATUS_OK_CONFLICTING && cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
            m_reason = QStringLiteral("the CUPS server named by CUPS_SERVER (%1) does not answer: %2")
                           .arg(outside, QString::fromUtf8(cupsLastErrorString()));
        return;
    }
    startPrivateServer();
}

void CupsSandbox::startPrivateServer()
{
    const QString cupsd = QStandardPaths::findExecutable(
        QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
    if (cupsd.isEmpty()) {
        m_reason = QStringLiteral("cupsd is not installed (Debian package cups-daemon) and CUPS_SERVER is not set");
        return;
    }
    if (!QFileInfo::exists(QString::fromLatin1(kServerBin) + QStringLiteral("/backend/socket"))) {
        m_reason = QStringLiteral("the socket backend of CUPS is missing (Debian package cups)");
        return;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("lpadmin")).isEmpty()) {
        m_reason = QStringLiteral("lpadmin is not installed (Debian package cups-client)");
        return;
    }

    // A short folder name: the socket path must fit a sockaddr_un.
    QByteArray pattern = QByteArrayLiteral("/tmp/cupsbox.XXXXXX");
    if (!::mkdtemp(pattern.data())) {
        m_reason = QStringLiteral("cannot create a folder for cupsd under /tmp");
        return;
    }
    m_folder = QString::fromLocal8Bit(pattern);
    // Filters run as the scheduler's user (lp when started by root): they must
    // reach the spool and temporary folders.
    ::chmod(pattern.constData(), 0755);
    const QDir dir(m_folder);
    for (const char* sub : {"spool", "tmp", "cache", "state", "log", "saida"})
        dir.mkpath(QString::fromLatin1(sub));
    ::chmod(dir.filePath(QStringLiteral("tmp")).toLocal8Bit().constData(), 01777);
    ::chmod(dir.filePath(QStringLiteral("saida")).toLocal8Bit().constData(), 0777);
    m_output = dir.filePath(QStringLiteral("saida"));
    m_server = dir.filePath(QStringLiteral("cups.sock"));

    const QString conf = QStringLiteral(
        "Listen %1\n"
        "LogLevel warn\n"
        "AccessLogLevel all\n"
        "WebInterface No\n"
        "Browsing No\n"
        "DefaultAuthType None\n"
        "ErrorPolicy abort-job\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n").arg(m_server);
    const QString files = QStringLiteral(
        "FileDevice Yes\n"
        "ServerRoot %1\n"
        "RequestRoot %1/spool\n"
        "TempDir %1/tmp\n"
        "CacheDir %1/cache\n"
        "StateDir %1/state\n"
        "ErrorLog %1/log/error_log\n"
        "AccessLog %1/log/access_log\n"
        "PageLog %1/log/page_log\n"
        "Printcap %1/printcap\n").arg(m_folder);
    if (!writeText(dir.filePath(QStringLiteral("cupsd.conf")), conf)
        || !writeText(dir.filePath(QStringLiteral("cups-files.conf")), files)) {
        m_reason = QStringLiteral("cannot write the configuration of cupsd in %1").arg(m_folder);
        return;
    }

    const QByteArray program = cupsd.toLocal8Bit();
    const QByteArray confPath = dir.filePath(QStringLiteral("cupsd.conf")).toLocal8Bit();
    const QByteArray filesPath = dir.filePath(QStringLiteral("cups-files.conf")).toLocal8Bit();
    const QByteArray logPath = dir.filePath(QStringLiteral("log/cupsd.out")).toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("-f"),
                    const_cast<char*>("-c"), const_cast<char*>(confPath.constData()),
                    const_cast<char*>("-s"), const_cast<char*>(filesPath.constData()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_reason = QStringLiteral("cannot start cupsd: %1").arg(QString::fromLocal8Bit(std::strerror(spawned)));
        return;
    }
    m_pid = pid;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!socketAnswers(m_server)) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            m_pid = 0;
            m_reason = QStringLiteral("cupsd stopped at start: %1 %2")
                           .arg(lastLines(dir.filePath(QStringLiteral("log/cupsd.out")), 5),
                                lastLines(dir.filePath(QStringLiteral("log/error_log")), 5));
            return;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            m_reason = QStringLiteral("cupsd did not open its socket within 20 s: %1")
                           .arg(lastLines(dir.filePath(QStringLiteral("log/error_log")), 5));
            return;
        }
        QThread::msleep(50);
    }

    // This process and the programs it starts (lpadmin) print here, and on no
    // printer chosen by the environment.
    qputenv("CUPS_SERVER", m_server.toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    cupsSetServer(m_server.toLocal8Bit().constData());
}

CupsSandbox::~CupsSandbox()
{
    if (m_pid > 0) {
        ::kill(pid_t(m_pid), SIGCONT);   // a test may have left it paused
        ::kill(pid_t(m_pid), SIGTERM);
        int status = 0;
        bool gone = false;
        for (int i = 0; i < 100 && !gone; ++i) {
            gone = ::waitpid(pid_t(m_pid), &status, WNOHANG) == pid_t(m_pid);
            if (!gone)
                ::usleep(50000);
        }
        if (!gone) {
            ::kill(pid_t(m_pid), SIGKILL);
            ::waitpid(pid_t(m_pid), &status, 0);
        }
    }
    if (!m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
}

QString CupsSandbox::run(const QString& program, const QStringList& args) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("%1 did not finish").arg(program);
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString out = QString::fromLocal8Bit(p.readAll()).trimmed();
        return QStringLiteral("%1 %2 failed: %3").arg(program, args.join(QLatin1Char(' ')), out);
    }
    return QString();
}

QString CupsSandbox::addRawQueue(const QString& name, const QString& deviceUri)
{
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"),
                                           QStringLiteral("-v"), deviceUri});
}

QString CupsSandbox::pdfDriverMissing() const
{
    if (!QFileInfo::exists(QString::fromLatin1(kPdfDriver)))
        return QStringLiteral("the generic PDF printer driver %1 is missing (Debian package cups-filters)")
            .arg(QString::fromLatin1(kPdfDriver));
    return QString();
}

QString CupsSandbox::addPdfQueue(const QString& name, const QString& pdfPath)
{
    const QString missing = pdfDriverMissing();
    if (!missing.isEmpty())
        return missing;
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"),
                                           QStringLiteral("-v"), QStringLiteral("file://") + pdfPath,
                                           QStringLiteral("-P"), QString::fromLatin1(kPdfDriver)});
}

QString CupsSandbox::setDefault(const QString& name)
{
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

QString CupsSandbox::rejectJobs(const QString& name)
{
    return run(QStringLiteral("cupsreject"), {name});
}

QString CupsSandbox::acceptJobs(const QString& name)
{
    return run(QStringLiteral("cupsaccept"), {name});
}

QString CupsSandbox::stopQueue(const QString& name)
{
    return run(QStringLiteral("cupsdisable"), {name});
}

QString CupsSandbox::startQueue(const QString& name)
{
    return run(QStringLiteral("cupsenable"), {name});
}

int CupsSandbox::pendingJobs(const QString& queue) const
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

bool CupsSandbox::pauseServer()
{
    return m_pid > 0 && ::kill(pid_t(m_pid), SIGSTOP) == 0;
}

bool CupsSandbox::resumeServer()
{
    return m_pid > 0 && ::kill(pid_t(m_pid), SIGCONT) == 0;
}

int CupsSandbox::requestsLogged(const QString& operation) const
{
    if (m_folder.isEmpty())
        return -1;
    QFile f(QDir(m_folder).filePath(QStringLiteral("log/access_log")));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray needle = (QLatin1Char(' ') + operation + QLatin1Char(' ')).toUtf8();
    int count = 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.contains(needle))
            ++count;
    return count;
}

void CupsSandbox::removeQueue(const QString& name)
{
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

bool CupsSandbox::waitUntilIdle(int timeoutMs) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        cups_job_t* jobs = nullptr;
        const int active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        if (active == 0)
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QThread::msleep(50);
    }
}

QStringList CupsSandbox::completedJobTitles(const QString& queue) const
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0,
                                   CUPS_WHICHJOBS_COMPLETED);
    QList<std::pair<int, QString>> byId;
    for (int i = 0; i < count; ++i)
        byId.append({jobs[i].id, QString::fromUtf8(jobs[i].title)});
    cupsFreeJobs(count, jobs);
    std::sort(byId.begin(), byId.end());
    QStringList titles;
    for (const auto& j : byId)
        titles << j.second;
    return titles;
}

// --- the network receipt printer -------------------------------------------

RawPrinterListener::RawPrinterListener()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof(addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || ::listen(fd, 8) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { acceptLoop(); });
}

RawPrinterListener::~RawPrinterListener()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

void RawPrinterListener::acceptLoop()
{
    while (!m_stop) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        QByteArray job;
        bool ended = false;
        while (!m_stop && !ended) {
            pollfd c{client, POLLIN, 0};
            if (::poll(&c, 1, 100) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(client, buffer, sizeof(buffer));
            if (n > 0)
                job.append(buffer, n);
            else if (n == 0 || errno != EINTR)
                ended = true;
        }
        ::close(client);
        if (!ended)
            return;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_jobs.push_back(job);
        }
        m_arrived.notify_all();
    }
}

std::optional<QByteArray> RawPrinterListener::nextJob(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !m_jobs.empty(); }))
        return std::nullopt;
    QByteArray job = m_jobs.front();
    m_jobs.pop_front();
    return job;
}

void RawPrinterListener::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_jobs.clear();
}
