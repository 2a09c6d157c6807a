#include "reports/ReportExport.h"

#include "reports/ReportRenderer.h"
#include "core/SpreadsheetCell.h"
#include "platform/Win1252.h"
#include "platform/WholeFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace report {

namespace {

constexpr double kMmPerChar = 2.0;     // text export: one character every 2 mm
constexpr double kSameLineMm = 1.0;    // items this close in height print on one line
constexpr double kTwipsPerMm = 1440.0 / 25.4;

// The items of a band that print text, line by line (by their top), each line
// from left to right.
std::vector<std::vector<const Item*>> bandLines(const Band& band, bool withRules)
{
    std::vector<const Item*> items;
    for (const Item& i : band.items)
        if ((withRules || i.kind != Item::Kind::Rule) && i.kind != Item::Kind::Picture)
            items.push_back(&i);
    std::stable_sort(items.begin(), items.end(), [](const Item* a, const Item* b) {
        if (std::abs(a->y - b->y) >= kSameLineMm)
            return a->y < b->y;
        return a->x < b->x;
    });
    std::vector<std::vector<const Item*>> lines;
    for (const Item* i : items) {
        if (lines.empty() || std::abs(lines.back().front()->y - i->y) >= kSameLineMm
            || (i->kind == Item::Kind::Rule) != (lines.back().front()->kind == Item::Kind::Rule))
            lines.push_back({});
        lines.back().push_back(i);
    }
    return lines;
}

QByteArray csvCell(const QString& text)
{
    return toWin1252(spreadsheetCell(text));
}

QByteArray rtfEscaped(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else if (fitsWin1252(QStringView(&c, 1))) {
            out += "\\'" + toWin1252(QStringView(&c, 1)).toHex();
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

QByteArray twips(double mm)
{
    return QByteArray::number(qRound(mm * kTwipsPerMm));
}

} // namespace

QByteArray spreadsheetDocument(const Layout& layout)
{
    QByteArray out;
    bool columnHeaderDone = false;
    for (int i = 0; i < layout.placedCount(); ++i) {
        const Placed& p = layout.placed(i);
        if (p.kind == BandKind::PageHeader || p.kind == BandKind::PageFooter)
            continue;
        if (p.kind == BandKind::ColumnHeader) {
            if (columnHeaderDone)
                continue;
            columnHeaderDone = true;
        }
        for (const auto& line : bandLines(layout.band(p), false)) {
            QByteArray row;
            bool any = false;
            for (size_t k = 0; k < line.size(); ++k) {
                const QString text = layout.itemText(*line[k], i, true).trimmed();
                any = any || !text.isEmpty();
                if (k)
                    row += ';';
                row += csvCell(text);
            }
            if (any)
                out += row + "\r\n";
        }
    }
    return out;
}

QStringList pageTextLines(const Layout& layout, int page)
{
    const Definition& def = layout.definition();
    const int width = int(std::ceil(def.bodySize().width() / kMmPerChar));
    QStringList lines;
    const Page& pg = layout.page(page);
    for (int i = pg.first; i < pg.first + pg.count; ++i) {
        const Placed& p = layout.placed(i);
        for (const auto& line : bandLines(layout.band(p), true)) {
            QString buffer(width, QLatin1Char(' '));
            for (const Item* item : line) {
                const int from = std::clamp(int(std::lround(item->x / kMmPerChar)), 0, width);
                const int to = std::clamp(int(std::lround((item->x + item->width) / kMmPerChar)), from, width);
                const int room = to - from;
                if (item->kind == Item::Kind::Rule) {
                    buffer.replace(from, room, QString(room, QLatin1Char('-')));
                    continue;
                }
                QString text = layout.itemText(*item, i).left(room);
                int at = from;
                if (item->align == Align::Right)
                    at = to - int(text.size());
                else if (item->align == Align::Center)
                    at = from + (room - int(text.size())) / 2;
                buffer.replace(at, text.size(), text);
            }
            while (buffer.endsWith(QLatin1Char(' ')))
                buffer.chop(1);
            lines << buffer;
        }
    }
    return lines;
}

QByteArray textDocument(const Layout& layout)
{
    QByteArray out;
    for (int page = 0; page < layout.pageCount(); ++page) {
        if (page > 0)
            out += '\f';
        for (const QString& line : pageTextLines(layout, page))
            out += toWin1252(line) + "\r\n";
    }
    return out;
}

QByteArray richTextDocument(const Layout& layout)
{
    const Definition& def = layout.definition();
    const QSizeF paper = def.pageLayout().fullRect(QPageLayout::Millimeter).size();
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                     + rtfEscaped(def.font.family) + ";}}\r\n";
    out += "\\paperw" + twips(paper.width()) + "\\paperh" + twips(paper.height()) + "\\margl"
         + twips(def.marginLeft) + "\\margr" + twips(def.marginRight) + "\\margt" + twips(def.marginTop)
         + "\\margb" + twips(def.marginBottom) + (def.landscape ? "\\landscape" : "") + "\r\n";
    for (int page = 0; page < layout.pageCount(); ++page) {
        const Page& pg = layout.page(page);
        for (int i = pg.first; i < pg.first + pg.count; ++i) {
            const Placed& p = layout.placed(i);
            for (const auto& line : bandLines(layout.band(p), true)) {
                if (line.front()->kind == Item::Kind::Rule) {
                    out += "\\pard\\brdrb\\brdrs\\brdrw10\\fs4\\par\r\n";
                    continue;
                }
                QByteArray stops, text;
                for (const Item* item : line) {
                    const Font f = item->fontOf(def.font);
                    const QString value = layout.itemText(*item, i);
                    const bool leading = item->align == Align::Left && item->x < 0.5 && text.isEmpty();
                    if (item->align == Align::Right)
                        stops += "\\tqr\\tx" + twips(item->x + item->width);
                    else if (item->align == Align::Center)
                        stops += "\\tqc\\tx" + twips(item->x + item->width / 2);
                    else if (!leading)
                        stops += "\\tx" + twips(item->x);
                    if (!leading)
                        text += "\\tab";
                    text += "{\\fs" + QByteArray::number(qRound(f.size * 2)) + (f.bold ? "\\b" : "") + ' '
                          + rtfEscaped(value) + '}';
                }
                out += "\\pard" + stops + ' ' + text + "\\par\r\n";
            }
        }
        if (page + 1 < layout.pageCount())
            out += "\\page\r\n";
    }
    out += "}\r\n";
    return out;
}

QByteArray document(const Layout& layout, Format format)
{
    switch (format) {
    case Format::Pdf: return pdfDocument(layout);
    case Format::Spreadsheet: return spreadsheetDocument(layout);
    case Format::RichText: return richTextDocument(layout);
    case Format::Text: return textDocument(layout);
    }
    return QByteArray();
}

QString formatCaption(Format format)
{
    switch (format) {
    case Format::Pdf: return QStringLiteral("PDF");
    case Format::Spreadsheet: return QStringLiteral("Planilha (CSV)");
    case Format::RichText: return QStringLiteral("Documento RTF");
    case Format::Text: return QStringLiteral("Texto");
    }
    return QString();
}

QString formatExtension(Format format)
{
    switch (format) {
    case Format::Pdf: return QStringLiteral(".pdf");
    case Format::Spreadsheet: return QStringLiteral(".csv");
    case Format::RichText: return QStringLiteral(".rtf");
    case Format::Text: return QStringLiteral(".txt");
    }
    return QString();
}

QString formatFilter(Format format)
{
    const QString ext = formatExtension(format).mid(1);
    return QStringLiteral("%1 (*.%2 *.%3)").arg(formatCaption(format), ext, ext.toUpper());
}

QString exportTo(const Layout& layout, Format format, const QString& fileName)
{
    QString name = fileName;
    if (QFileInfo(name).suffix().isEmpty())
        name += formatExtension(format);
    // Written whole, then renamed: a failure midway keeps the previous export.
    wholefile::write(name, [&](QIODevice& file) {
        if (format == Format::Pdf) {
            writePdf(layout, file);   // page by page, never whole in memory
            return true;
        }
        const QByteArray bytes = document(layout, format);
        return file.write(bytes) == bytes.size();
    });
    return name;
}

} // namespace report
