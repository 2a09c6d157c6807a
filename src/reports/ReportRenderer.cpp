#include "reports/ReportRenderer.h"

#include "platform/Printers.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <stdexcept>
#include <vector>

namespace report {

namespace {

namespace msg {
QString cannotStart(const QString& what)
{
    return QStringLiteral("Não foi possível imprimir o relatório em %1").arg(what);
}
const char16_t* const kPdf = u"PDF";
} // namespace msg

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

// The fonts of one painting, made once each.
class Fonts {
public:
    Fonts(const Font& fallback, QPaintDevice* device) : m_fallback(fallback), m_device(device) {}

    struct Entry {
        Font font;
        QFont qfont;
        QFontMetricsF metrics;
    };

    const Entry& of(const Item& item)
    {
        const Font f = item.fontOf(m_fallback);
        for (const Entry& e : m_entries)
            if (e.font.family == f.family && e.font.size == f.size && e.font.bold == f.bold)
                return e;
        QFont q(f.family);
        q.setPointSizeF(f.size);
        q.setBold(f.bold);
        m_entries.push_back(Entry{f, q, QFontMetricsF(q, m_device)});
        return m_entries.back();
    }

private:
    Font m_fallback;
    QPaintDevice* m_device;
    std::vector<Entry> m_entries;
};

// The text cut to what fits the width (a label prints inside its box).
QString fitted(const QString& text, const QFontMetricsF& metrics, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QString t = text;
    while (!t.isEmpty() && metrics.horizontalAdvance(t) > width)
        t.chop(1);
    return t;
}

// A picture item: each of its pixels a sharp block of the box (codes must scan).
void drawPicture(QPainter& painter, const Item& item, const BandContext& context, QRectF box)
{
    if (!item.draw)
        return;
    const QImage image = item.draw(context);
    if (image.isNull() || box.isEmpty())
        return;
    if (item.keepAspect) {
        const QSizeF fitted = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        box.setSize(fitted);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(box, image);
    painter.restore();
}

} // namespace

void paintPage(QPainter& painter, const Layout& layout, int page, double dotsPerMm, QPointF origin)
{
    const Definition& def = layout.definition();
    const Page& p = layout.page(page);
    Fonts fonts(def.font, painter.device());
    const QFont previousFont = painter.font();
    painter.setPen(QPen(Qt::black, 0.25 * dotsPerMm));

    for (int i = p.first; i < p.first + p.count; ++i) {
        const Placed& placed = layout.placed(i);
        const Band& band = layout.band(placed);
        const double top = origin.y() + placed.top;
        for (const Item& item : band.items) {
            const QRectF box((origin.x() + item.x) * dotsPerMm, (top + item.y) * dotsPerMm,
                             item.width * dotsPerMm, item.height * dotsPerMm);
            if (item.kind == Item::Kind::Rule) {
                painter.drawLine(box.topLeft(), box.topRight());
                continue;
            }
            if (item.kind == Item::Kind::Picture) {
                drawPicture(painter, item, BandContext(layout, i), box);
                continue;
            }
            const QString text = layout.itemText(item, i);
            if (text.isEmpty())
                continue;
            const Fonts::Entry& font = fonts.of(item);
            painter.setFont(font.qfont);
            Qt::Alignment align = Qt::AlignVCenter;
            align |= item.align == Align::Right ? Qt::AlignRight
                   : item.align == Align::Center ? Qt::AlignHCenter
                                                 : Qt::AlignLeft;
            painter.drawText(box, int(align) | Qt::TextSingleLine, fitted(text, font.metrics, box.width()));
        }
    }
    painter.setFont(previousFont);
}

QImage pageImage(const Layout& layout, int page, double dotsPerMm)
{
    const QSizeF paper = layout.definition().pageLayout().fullRect(QPageLayout::Millimeter).size();
    QImage image(QSize(qRound(paper.width() * dotsPerMm), qRound(paper.height() * dotsPerMm)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Definition& def = layout.definition();
    paintPage(painter, layout, page, dotsPerMm, QPointF(def.marginLeft, def.marginTop));
    return image;
}

void paintAll(QPagedPaintDevice& device, const Layout& layout, int resolution)
{
    device.setPageLayout(layout.definition().pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        fail(msg::cannotStart(layout.definition().title));
    const double dotsPerMm = resolution / 25.4;
    for (int page = 0; page < layout.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        paintPage(painter, layout, page, dotsPerMm);
    }
    if (!painter.end())
        fail(msg::cannotStart(layout.definition().title));
}

void writePdf(const Layout& layout, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setTitle(layout.definition().title);
    writer.setCreator(QStringLiteral("sabrel22"));
    writer.setResolution(600);
    paintAll(writer, layout, writer.resolution());
}

QByteArray pdfDocument(const Layout& layout)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    writePdf(layout, buffer);
    if (pdf.isEmpty())
        fail(msg::cannotStart(QString::fromUtf16(msg::kPdf)));
    return pdf;
}

void printOn(const Layout& layout, QPrinter& printer)
{
    printer.setDocName(layout.definition().title);
    paintAll(printer, layout, printer.resolution());
}

void printOn(const Layout& layout, const QString& printerName)
{
    // Sent as a PDF job through the station's print server, which says when the
    // queue would not print it (stopped, refusing jobs, not answering).
    printers::printDocument(printerName, pdfDocument(layout), layout.definition().title);
}

} // namespace report
