#include "platform/InstanceLock.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& name)
    : m_file(station::root() + QLatin1Char('/') + name + QStringLiteral(".lock"))
{
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    QDir().mkpath(station::root());
    int fd = ::open(QFile::encodeName(m_file).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return true;   // cannot even create the lock file: do not stop the station for that
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
