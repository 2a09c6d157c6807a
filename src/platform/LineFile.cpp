#include "platform/LineFile.h"

#include "platform/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <stdexcept>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2));
    return fromWin1252(bytes);
}

[[noreturn]] void fail(const char* what, const QString& path)
{
    throw std::runtime_error((QString::fromUtf8(what) + path).toStdString());
}

} // namespace

QStringList LineFile::decode(QByteArrayView bytes)
{
    const QString text = decodeText(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size()) // a last line without terminator
        lines.append(text.mid(start));
    return lines;
}

QByteArray LineFile::encode(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += toWin1252(l) + "\r\n";
    return out;
}

std::optional<LineFile> LineFile::load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly))
        fail("Não foi possível ler o arquivo ", path);
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        fail("Não foi possível ler o arquivo ", path);
    return LineFile(decode(bytes));
}

void LineFile::save(const QString& path, const QStringList& lines)
{
    // The new text goes to a file of its own beside the old one, reaches the
    // disk, and only then takes the old file's name: a save cut short by a
    // power failure or a full disk leaves the old file whole.
    const QByteArray bytes = encode(lines);

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
        fail("Não foi possível gravar o arquivo ", path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail("Não foi possível gravar o arquivo ", path);
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
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= n;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), finalName.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        fail("Não foi possível gravar o arquivo ", path);
    }
    // The new name itself reaches the disk with its folder.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

int LineFile::removeLeftovers(const QString& folder)
{
    // a dot, a settings file's name (with its extension), a dot and mkostemp's six characters
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.[A-Za-z0-9]+\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : files) {
        if (!f.isSymLink() && leftover.match(f.fileName()).hasMatch() && QFile::remove(f.absoluteFilePath()))
            ++removed;
    }
    return removed;
}
