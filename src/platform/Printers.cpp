#include "platform/Printers.h"

#include "platform/Win1252.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cups/cups.h>

#include <memory>
#include <stdexcept>

namespace printers {
namespace {

// The texts this module reports.
namespace msg {
const char* const kNoPrinter = "Nenhuma impressora instalada";
QString cannotPrint(const QString& printer, const QString& why)
{
    return QStringLiteral("Não foi possível imprimir na impressora %1: %2").arg(printer, why);
}
} // namespace msg

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

// The station's queues as CUPS lists them; instances ("Termica/rascunho") are
// options of a queue, not printers of their own.
class Destinations {
public:
    Destinations() { m_count = cupsGetDests2(CUPS_HTTP_DEFAULT, &m_dests); }
    ~Destinations() { cupsFreeDests(m_count, m_dests); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    QStringList names() const
    {
        QStringList out;
        for (int i = 0; i < m_count; ++i)
            if (!m_dests[i].instance)
                out << QString::fromUtf8(m_dests[i].name);
        return out;
    }

    const cups_dest_t* find(const QString& name) const
    {
        const QByteArray n = name.toUtf8();
        return cupsGetDest(n.constData(), nullptr, m_count, m_dests);
    }

    // The default queue; the first one when the station has named none.
    QString defaultName() const
    {
        if (const cups_dest_t* d = cupsGetDest(nullptr, nullptr, m_count, m_dests))
            return QString::fromUtf8(d->name);
        const QStringList all = names();
        return all.isEmpty() ? QString() : all.first();
    }

    QString option(const QString& printer, const char* name) const
    {
        const cups_dest_t* d = find(printer);
        if (!d)
            return QString();
        return QString::fromUtf8(cupsGetOption(name, d->num_options, d->options));
    }

private:
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
};

QString resolveIn(const Destinations& dests, const QString& name)
{
    for (const QString& n : dests.names())
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return dests.defaultName();
}

// A queue without a driver passes the job's bytes to the device untouched: the
// receipt printers are set up that way. CUPS names the model of such a queue
// "Local Raw Printer"; queues created by hand without a model show "Unknown".
bool isRawQueue(const Destinations& dests, const QString& printer)
{
    const QString model = dests.option(printer, "printer-make-and-model").trimmed();
    return model.compare(QLatin1String("Local Raw Printer"), Qt::CaseInsensitive) == 0
        || model.compare(QLatin1String("Unknown"), Qt::CaseInsensitive) == 0;
}


void sendRaw(const QString& printer, const QString& title, const QByteArray& bytes)
{
    const QByteArray name = printer.toUtf8();
    const QByteArray jobTitle = (title.isEmpty() ? QStringLiteral("sabrel22") : title).toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobTitle.constData(), 0, nullptr);
    if (job <= 0)
        fail(msg::cannotPrint(printer, QString::fromUtf8(cupsLastErrorString())));
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, jobTitle.constData(), CUPS_FORMAT_RAW, 1)
        != HTTP_STATUS_CONTINUE) {
        const QString why = QString::fromUtf8(cupsLastErrorString());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        fail(msg::cannotPrint(printer, why));
    }
    const bool written = bytes.isEmpty()
        || cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), size_t(bytes.size())) == HTTP_STATUS_CONTINUE;
    const ipp_status_t finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
    if (!written || finished > IPP_STATUS_OK_CONFLICTING)
        fail(msg::cannotPrint(printer, QString::fromUtf8(cupsLastErrorString())));
}

// What a page printer shows of a line: the characters Windows-1252 holds (the
// rest become '?', as in the receipt printer's bytes), without control bytes.
QString drawable(const QString& line)
{
    QString shown = fromWin1252(toWin1252(line));
    shown.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return shown;
}

// A page printer: one printed line per text line, in the printout's font, from
// the top-left corner of the page, on as many pages as it takes. The control
// and end sequences mean nothing to it and are left out.
void printPages(const QString& printer, const QString& title, const Printout& text)
{
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::NativeFormat);
    device.setPrinterName(printer);
    if (!device.isValid() || device.printerName() != printer)
        fail(msg::cannotPrint(printer, QStringLiteral("impressora indisponível")));
    device.setDocName(title.isEmpty() ? QStringLiteral("sabrel22") : title);
    device.setPageMargins(QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter);

    renderLines(device, text);
}

} // namespace

QStringList installed()
{
    return Destinations().names();
}

QString defaultPrinter()
{
    return Destinations().defaultName();
}

QString resolve(const QString& name)
{
    return resolveIn(Destinations(), name);
}

void printTextJob(const QString& printer, const Printout& text, const QByteArray& prefix,
                  const QByteArray& suffix, const QString& title)
{
    const Destinations dests;
    const QString target = resolveIn(dests, printer);
    if (target.isEmpty())
        fail(QString::fromUtf8(msg::kNoPrinter));
    if (isRawQueue(dests, target))
        sendRaw(target, title, jobBytes(text, prefix, suffix));
    else
        printPages(target, title, text);
}

QByteArray jobBytes(const Printout& text, const QByteArray& prefix, const QByteArray& suffix)
{
    QByteArray bytes = prefix;
    for (const QString& line : text.lines) {
        bytes += toWin1252(line);
        bytes += "\r\n";
    }
    bytes += suffix;
    return bytes;
}

void renderLines(QPrinter& device, const Printout& text)
{
    QFont font(text.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(text.fontSize > 0 ? text.fontSize : 7);

    QPainter painter;
    if (!painter.begin(&device))
        fail(msg::cannotPrint(device.printerName(), QStringLiteral("o trabalho de impressão não começou")));
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal pageHeight = device.pageLayout().paintRectPixels(device.resolution()).height();
    qreal baseline = metrics.ascent();
    for (const QString& line : text.lines) {
        if (baseline + metrics.descent() > pageHeight && baseline > metrics.ascent()) {
            device.newPage();
            baseline = metrics.ascent();
        }
        painter.drawText(QPointF(0, baseline), drawable(line));
        baseline += metrics.lineSpacing();
    }
    if (!painter.end())
        fail(msg::cannotPrint(device.printerName(), QStringLiteral("o trabalho de impressão não terminou")));
}

} // namespace printers
