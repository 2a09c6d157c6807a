#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// A station settings file (setup.INI, fonte.INI, ...): plain text, one value
// per line, each line addressed by its 0-based number. A line past the end
// reads as an empty text, and a value is the whole line, blanks included.
class LineFile {
public:
    LineFile() = default;
    explicit LineFile(QStringList lines) : m_lines(std::move(lines)) {}

    // nullopt when the file does not exist; std::runtime_error when it exists
    // but cannot be read. A UTF-8 or UTF-16 byte-order mark selects that
    // encoding; otherwise the text is Windows-1252.
    static std::optional<LineFile> load(const QString& path);
    // Rewrites the whole file, Windows-1252, every line ended by CR LF, written
    // whole and then renamed (platform/WholeFile): whatever stops a save half-way,
    // the old file stays as it was. Throws std::runtime_error when the file cannot
    // be written.
    static void save(const QString& path, const QStringList& lines);

    // The decoding and encoding that load() and save() apply to the file's bytes.
    static QStringList decode(QByteArrayView bytes);
    static QByteArray encode(const QStringList& lines);

    QString line(int n) const { return n >= 0 && n < m_lines.size() ? m_lines[n] : QString(); }
    int count() const { return int(m_lines.size()); }
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};
