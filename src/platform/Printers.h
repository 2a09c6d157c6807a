#pragma once
// The station's printers, as CUPS knows them.
#include "platform/Printout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QPrinter;

namespace printers {

// Installed printers in the order the platform lists them.
QStringList installed();
// The station's default printer; the first installed one when no default is
// set; "" when there is no printer at all.
QString defaultPrinter();
// The installed printer whose name equals `name` without regard to case, else
// the default printer.
QString resolve(const QString& name);

// Prints a text job on a printer: `prefix` (control byte line), the lines,
// `suffix` (end of receipt, trailer), all as Windows-1252 text with CR LF. A raw
// receipt-printer queue receives exactly those bytes; a page printer gets the
// text printed in the printout's font. `printer` is matched as resolve() does;
// `title` names the job in the queue. Throws std::runtime_error when no printer
// can take the job.
void printTextJob(const QString& printer, const Printout& text,
                  const QByteArray& prefix = QByteArray(), const QByteArray& suffix = QByteArray(),
                  const QString& title = QString());

// The bytes of a text job: prefix, each line in Windows-1252 followed by CR LF, suffix.
QByteArray jobBytes(const Printout& text, const QByteArray& prefix = QByteArray(),
                    const QByteArray& suffix = QByteArray());

// Draws the lines on a page device already set up (a station queue, a PDF file):
// one printed line per text line in the printout's font, page after page, control
// bytes left out. Throws std::runtime_error when the device will not start.
void renderLines(QPrinter& device, const Printout& text);

} // namespace printers
