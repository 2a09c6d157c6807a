#include "platform/LineFile.h"

#include "platform/Win1252.h"
#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <stdexcept>


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
    wholefile::write(path, encode(lines));
}
