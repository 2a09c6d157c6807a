#include "platform/Ports.h"

#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ports {
namespace {

const char* const kOverrideFile = "c:\\Miltrex\\vavoz\\dispositivos.INI";

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
    m_path = devicePathFor(portName);
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("nenhum dispositivo informado");
        return false;
    }
    // O_NONBLOCK keeps the open from waiting for a serial line's carrier; the
    // writes block again. A file name (not a port) is rewritten like any text
    // file; otherwise the file is a stream, even a port pointed at a file, and
    // each job is added at its end.
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
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0)
        ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    m_fd = fd;
    return true;
}

bool PortFile::write(QByteArrayView bytes)
{
    if (m_fd < 0) {
        m_error = QStringLiteral("porta fechada");
        return false;
    }
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

void PortFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace ports
