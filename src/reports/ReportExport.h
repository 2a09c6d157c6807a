#pragma once
// The export filters of every page report, one per format, all from the layout:
//
//   PDF          the pages as printed (ReportRenderer)
//   spreadsheet  CSV as Brazilian spreadsheets read it: Windows-1252, ";" between
//                values, decimal commas and no thousands points; one line per
//                band (the column header once, no page header or footer); each
//                value through the one cell writer (core/SpreadsheetCell: no
//                formula runs)
//   RTF          the pages as paragraphs with tab stops at the items' positions,
//                a page break between pages
//   text         the pages in fixed columns (2 mm a character), Windows-1252,
//                CR LF, a form feed between pages

#include "reports/PageReport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace report {

enum class Format { Pdf, Spreadsheet, RichText, Text };

QByteArray spreadsheetDocument(const Layout& layout);
QByteArray richTextDocument(const Layout& layout);
QByteArray textDocument(const Layout& layout);
QByteArray document(const Layout& layout, Format format);

// The formats as the preview offers them, with their file filters and endings.
QString formatCaption(Format format);
QString formatFilter(Format format);
QString formatExtension(Format format);   // ".pdf", ".csv", ".rtf", ".txt"

// Writes the document under `fileName`, adding the format's ending when the name
// has none. Returns the name written. Throws std::runtime_error naming the file.
QString exportTo(const Layout& layout, Format format, const QString& fileName);

// The text lines of a page as the text export writes them (tests, the roll-like view).
QStringList pageTextLines(const Layout& layout, int page);

} // namespace report
