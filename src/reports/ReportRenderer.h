#pragma once
// The one drawing of a page report: every page the preview shows, the printer
// prints and the PDF holds is painted here, from the layout.

#include "reports/PageReport.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QIODevice;

namespace report {

// Paints page `page` (0-based). `dotsPerMm`: the device's resolution;
// `origin`: where the printable area starts on the device, in mm (0,0 on a
// device whose page layout already holds the report's margins).
void paintPage(QPainter& painter, const Layout& layout, int page, double dotsPerMm,
               QPointF origin = QPointF());

// A page as a picture of the whole paper at `dotsPerMm` (the preview).
QImage pageImage(const Layout& layout, int page, double dotsPerMm);

// Every page on a paged device already set up (a printer, a PDF writer): the
// report's paper, orientation and margins are applied to it first. Throws
// std::runtime_error when the device does not start.
void paintAll(QPagedPaintDevice& device, const Layout& layout, int resolution);

// The whole report as a PDF document, written page by page to a device (a file)
// or kept in memory.
void writePdf(const Layout& layout, QIODevice& device);
QByteArray pdfDocument(const Layout& layout);

// Prints on a station printer (a CUPS queue; "" the default printer) as a PDF
// job named by the report's title. Throws std::runtime_error when it is not taken
// (no printer, a queue stopped or refusing jobs, a print server that does not answer).
void printOn(const Layout& layout, const QString& printerName);
void printOn(const Layout& layout, QPrinter& printer);

} // namespace report
