#pragma once
// Every file the program writes (settings files, the CSV export, a report exported
// from the preview, a saved preview text, a picture) is written whole, then given its
// name: the new contents go to a file of their own beside the old one
// (".name.ext.Xy12Ab"), reach the disk, and only then take the old file's name.
// Whatever stops a write half-way (a full disk, a failing device, power), the old
// file stays as it was and no cut file is left under the name.
//
// A link keeps pointing where it did (the file it names is the one replaced); a file
// the station made read-only is refused, as it always was; the new file keeps the old
// one's permissions.
#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace wholefile {

// Writes `bytes` as the file `path`. Throws std::runtime_error ("Não foi possível
// gravar o arquivo " + path) when it cannot; the old file is then untouched.
void write(const QString& path, const QByteArray& bytes);
// The same for contents written by `writer` into the device it is given (a PDF page
// by page, a picture): false from the writer, or an error of the device, is a write
// that failed.
void write(const QString& path, const std::function<bool(QIODevice&)>& writer);

// Removes from a folder the files a write cut short left behind (".setup.INI.Xy12Ab"
// beside setup.INI), so they do not pile up. Only for a moment when no write of this
// station can be running (its start). Returns how many it removed.
int removeLeftovers(const QString& folder);

} // namespace wholefile
