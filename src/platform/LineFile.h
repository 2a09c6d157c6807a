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
    // Rewrites the whole file, Windows-1252, every line ended by CR LF. The new
    // text is written to a file beside the old one and takes its name only once it
    // is complete on disk: whatever stops a save half-way, the old file stays as it
    // was. Throws std::runtime_error when the file cannot be written.
    static void save(const QString& path, const QStringList& lines);
    // Removes from a folder the files a save cut short left behind (".setup.INI.Xy12Ab"
    // beside setup.INI), so they do not pile up. Only for a moment when no save of
    // this station can be running (its start). Returns how many it removed.
    static int removeLeftovers(const QString& folder);

    // The decoding and encoding that load() and save() apply to the file's bytes.
    static QStringList decode(QByteArrayView bytes);
    static QByteArray encode(const QStringList& lines);

    QString line(int n) const { return n >= 0 && n < m_lines.size() ? m_lines[n] : QString(); }
    int count() const { return int(m_lines.size()); }
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};
