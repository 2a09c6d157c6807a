#include "platform/Ports.h"

#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace ports {
namespace {

const char* const kOverrideFile = "c:\\Miltrex\\vavoz\\dispositivos.INI";

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds& stallSetting()
{
    static std::chrono::milliseconds timeout = kDefaultStallTimeout;
    return timeout;
}

// The texts this module reports.
namespace msg {
const char* const kNoDevice = "nenhum dispositivo informado";
const char* const kClosed = "porta fechada";
QString stalled()
{
    return QStringLiteral("o dispositivo não recebeu nada em %1 (desligado, sem papel ou em pausa)")
        .arg(stallTimeoutText());
}
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace msg

// A serial line passes the job's bytes as they are: no output processing
// (CR LF would become CR CR LF), no echo or line editing of what the printer
// sends back. Speed, frame and flow control stay as set.
bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    t.c_oflag &= ~tcflag_t(OPOST);
    t.c_iflag &= ~tcflag_t(ICRNL | INLCR | IGNCR | ISTRIP | INPCK | PARMRK | BRKINT | IUCLC);
    t.c_lflag &= ~tcflag_t(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

QString& deviceFolder()
{
    static QString folder = QStringLiteral("/dev");
    return folder;
}

// "lpt1:" -> "LPT1"; blanks around and one trailing ':' do not count.
QString normalized(const QString& name)
{
    QString n = name.trimmed();
    if (n.endsWith(QLatin1Char(':')))
        n.chop(1);
    return n.trimmed().toUpper();
}

bool isPathName(const QString& name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
}

// LPT and COM with their number (1 to 99); 0 when the name is not such a port.
int portNumber(const QString& normal, QLatin1String prefix)
{
    if (!normal.startsWith(prefix) || normal.size() < 4 || normal.size() > 5)
        return 0;
    bool ok = false;
    const int n = normal.mid(3).toInt(&ok);
    if (!ok || n < 1 || !normal.at(3).isDigit() || normal.at(3) == QLatin1Char('0'))
        return 0;
    return n;
}

QString device(const QString& relative)
{
    return deviceFolder() + QLatin1Char('/') + relative;
}

// A file name as the station writes it: absolute paths stay, the rest are
// station names.
QString fileFor(const QString& name)
{
    const QString n = name.trimmed();
    if (n.startsWith(QLatin1Char('/')))
        return n;
    return station::path(n);
}

QString overrideFor(const QString& normal)
{
    const auto file = LineFile::load(station::path(QString::fromLatin1(kOverrideFile)));
    if (!file)
        return QString();
    for (const QString& line : file->lines()) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        if (normalized(line.left(eq)) == normal) {
            const QString target = line.mid(eq + 1).trimmed();
            return target.isEmpty() ? QString() : fileFor(target);
        }
    }
    return QString();
}

} // namespace

void setDeviceFolder(const QString& folder)
{
    deviceFolder() = folder.isEmpty() ? QStringLiteral("/dev") : folder;
}

void setStallTimeout(std::chrono::milliseconds timeout)
{
    stallSetting() = timeout.count() > 0 ? timeout : kDefaultStallTimeout;
}

std::chrono::milliseconds stallTimeout()
{
    return stallSetting();
}

QString stallTimeoutText()
{
    const double seconds = std::chrono::duration<double>(stallSetting()).count();
    return QString::number(seconds, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" s");
}

bool isPortName(const QString& name)
{
    if (isPathName(name))
        return false;
    const QString n = normalized(name);
    return n == QLatin1String("PRN") || portNumber(n, QLatin1String("LPT")) > 0
        || portNumber(n, QLatin1String("COM")) > 0;
}

QString devicePathFor(const QString& portName)
{
    const QString normal = normalized(portName);
    if (normal.isEmpty())
        return QString();
    const QString overridden = overrideFor(normal);
    if (!overridden.isEmpty())
        return overridden;
    if (isPathName(portName))
        return fileFor(portName);

    int lpt = portNumber(normal, QLatin1String("LPT"));
    if (normal == QLatin1String("PRN"))
        lpt = 1;
    if (lpt > 0) {
        const QString usb = device(QStringLiteral("usb/lp%1").arg(lpt - 1));
        return QFileInfo::exists(usb) ? usb : device(QStringLiteral("lp%1").arg(lpt - 1));
    }
    if (const int com = portNumber(normal, QLatin1String("COM")); com > 0) {
        const QString serial = device(QStringLiteral("ttyS%1").arg(com - 1));
        const QString usb = device(QStringLiteral("ttyUSB%1").arg(com - 1));
        return !QFileInfo::exists(serial) && QFileInfo::exists(usb) ? usb : serial;
    }
    return station::path(portName.trimmed());
}

bool PortFile::open(const QString& portName, Create create)
{
    close();
    m_error.clear();
    m_stalled = false;
    m_path = devicePathFor(portName);
    if (m_path.isEmpty()) {
        m_error = QString::fromUtf8(msg::kNoDevice);
        return false;
    }
    // O_NONBLOCK keeps the open from waiting for a serial line's carrier and
    // the writes from waiting on a device that takes nothing: they wait in
    // poll() against the stall timeout instead. A file name (not a port) is
    // rewritten like any text file; otherwise the file is a stream, even a
    // port pointed at a file, and each job is added at its end.
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (create == Create::FileNames && !isPortName(portName))
        flags |= O_CREAT | O_TRUNC;
    else
        flags |= O_APPEND;
    const QByteArray native = m_path.toLocal8Bit();
    int fd;
    do {
        fd = ::open(native.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_error = msg::systemError(errno);
        return false;
    }
    m_tty = ::isatty(fd) == 1;
    if (m_tty && !makeRaw(fd)) {
        m_error = msg::systemError(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void PortFile::setStalled()
{
    m_stalled = true;
    m_error = msg::stalled();
}

bool PortFile::write(QByteArrayView bytes)
{
    if (m_fd < 0) {
        m_error = QString::fromUtf8(msg::kClosed);
        return false;
    }
    if (m_stalled)
        return false;   // the device took nothing for the whole timeout already
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    auto lastProgress = Clock::now();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            lastProgress = Clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            m_error = msg::systemError(errno);
            return false;
        }
        const auto waited = Clock::now() - lastProgress;
        if (waited >= stallSetting()) {
            setStalled();
            return false;
        }
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(stallSetting() - waited);
        pollfd pfd{m_fd, POLLOUT, 0};
        if (::poll(&pfd, 1, int(rest.count()) + 1) < 0 && errno != EINTR) {
            m_error = msg::systemError(errno);
            return false;
        }
    }
    return true;
}

bool PortFile::drain()
{
    if (!m_tty || m_stalled)
        return !m_stalled;
    int last = -1;
    auto lastProgress = Clock::now();
    for (;;) {
        int waiting = 0;
        if (::ioctl(m_fd, TIOCOUTQ, &waiting) != 0)
            return true;   // the driver cannot tell: nothing to wait for
        if (waiting <= 0)
            return true;
        if (last < 0 || waiting < last) {
            last = waiting;
            lastProgress = Clock::now();
        } else if (Clock::now() - lastProgress >= stallSetting()) {
            setStalled();
            return false;
        }
        ::usleep(10000);
    }
}

bool PortFile::close()
{
    if (m_fd < 0)
        return true;
    const bool sent = drain();
    // A line that did not send everything is emptied: the close would
    // otherwise wait for it (up to half a minute on a serial port).
    if (m_tty && !sent)
        ::tcflush(m_fd, TCOFLUSH);
    const bool closed = ::close(m_fd) == 0 || errno == EINTR;
    if (!closed && sent)
        m_error = msg::systemError(errno);
    m_fd = -1;
    m_tty = false;
    return sent && closed;
}

} // namespace ports
