#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <stdexcept>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wholefile {

namespace {

[[noreturn]] void fail(const QString& path)
{
    throw std::runtime_error((QStringLiteral("Não foi possível gravar o arquivo ") + path).toStdString());
}

} // namespace

void write(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    // A link keeps pointing where it did: the file it names is the one replaced.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();
    const QFileInfo targetInfo(target);
    const QByteArray finalName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(targetInfo.absolutePath());
    // (removeLeftovers knows this name: a dot, the file's name, a dot and six letters or digits)
    QByteArray temporary = folder + "/." + QFile::encodeName(targetInfo.fileName()) + ".XXXXXX";

    // A file the station made read-only stays as it is, as it always did.
    if (targetInfo.exists() && ::access(finalName.constData(), W_OK) != 0)
        fail(path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(path);
    bool ok = true;
    // The old file's permissions, or those of any new file of this program.
    struct stat old {};
    if (::stat(finalName.constData(), &old) == 0) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ok = ::fchmod(fd, 0666 & ~mask) == 0;
    }
    if (ok) {
        QFile out;
        ok = out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
        try {
            ok = ok && writer(out);
        } catch (...) {
            out.close();
            ::close(fd);
            ::unlink(temporary.constData());
            throw;
        }
        ok = ok && out.flush() && out.error() == QFileDevice::NoError;
        out.close();
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), finalName.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        fail(path);
    }
    // The new name itself reaches the disk with its folder.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void write(const QString& path, const QByteArray& bytes)
{
    write(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

int removeLeftovers(const QString& folder)
{
    // a dot, a file's name (with its extension), a dot and mkostemp's six characters
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.[A-Za-z0-9]+\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : files) {
        if (!f.isSymLink() && leftover.match(f.fileName()).hasMatch() && QFile::remove(f.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace wholefile
