#include "platform/Printers.h"

#include "platform/Ports.h"
#include "platform/Win1252.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cups/cups.h>

#include <cerrno>
#include <chrono>
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
QString noAnswer()
{
    return QStringLiteral("O serviço de impressão não respondeu em %1").arg(ports::stallTimeoutText());
}
const char* const kStopped = "a impressora está parada";
const char* const kRejecting = "a impressora não está aceitando trabalhos";
const char* const kUnavailable = "impressora indisponível";
} // namespace msg

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// The drawing itself, for a printer of the platform or a PDF writer.
template <class Device>
void drawLines(Device& device, int resolution, const QString& printer, const Printout& text)
{
    QFont font(text.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(text.fontSize > 0 ? text.fontSize : 7);

    QPainter painter;
    if (!painter.begin(&device))
        fail(msg::cannotPrint(printer, QStringLiteral("o trabalho de impressão não começou")));
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal pageHeight = device.pageLayout().paintRectPixels(resolution).height();
    qreal baseline = metrics.ascent();
    for (const QString& line : text.lines) {
        if (baseline + metrics.descent() > pageHeight && baseline > metrics.ascent()) {
            device.newPage();
            baseline = metrics.ascent();
        }
        QString shown = fromWin1252(toWin1252(line));   // what the receipt printer would get
        shown.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        painter.drawText(QPointF(0, baseline), shown);
        baseline += metrics.lineSpacing();
    }
    if (!painter.end())
        fail(msg::cannotPrint(printer, QStringLiteral("o trabalho de impressão não terminou")));
}

// A page printout as the PDF document a page queue takes: the queue's default
// paper, 4 mm margins.
QByteArray pagesDocument(const Printout& text, const QString& printer, const QString& title,
                         const QPageSize& paper)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("sabrel22"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(4, 4, 4, 4),
                                         QPageLayout::Millimeter));
        drawLines(writer, writer.resolution(), printer, text);
    }
    return pdf;
}

} // namespace

struct Queues::Data {
    http_t* http = nullptr;
    bool serverSilent = false;   // the server took the connection and did not answer
    cups_dest_t* dests = nullptr;
    int count = 0;

    ~Data()
    {
        cupsFreeDests(count, dests);
        if (http)
            httpClose(http);
    }

    const cups_dest_t* find(const QString& name) const
    {
        const QByteArray n = name.toUtf8();
        return cupsGetDest(n.constData(), nullptr, count, dests);
    }

    QString option(const cups_dest_t* dest, const char* name) const
    {
        return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
    }

    // A queue without a driver passes the job's bytes to the device untouched:
    // the receipt printers are set up that way. CUPS names the model of such a
    // queue "Local Raw Printer"; queues created by hand without a model show
    // "Unknown".
    bool isRaw(const cups_dest_t* dest) const
    {
        const QString model = option(dest, "printer-make-and-model").trimmed();
        return model.compare(QLatin1String("Local Raw Printer"), Qt::CaseInsensitive) == 0
            || model.compare(QLatin1String("Unknown"), Qt::CaseInsensitive) == 0;
    }

    // A job is refused before it is sent when the queue would not print it now:
    // a stopped queue keeps the job for later, a rejecting one refuses it.
    void requireReady(const QString& printer, const cups_dest_t* dest) const
    {
        if (option(dest, "printer-is-accepting-jobs").compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            fail(msg::cannotPrint(printer, QString::fromUtf8(msg::kRejecting)));
        if (option(dest, "printer-state").toInt() == IPP_PSTATE_STOPPED)
            fail(msg::cannotPrint(printer, QString::fromUtf8(msg::kStopped)));
    }

    // The queue a job goes to (resolved), refused when there is none or when it
    // would not print the job now.
    cups_dest_t* ready(const QString& target) const
    {
        if (serverSilent)
            fail(msg::noAnswer());
        if (target.isEmpty())
            fail(QString::fromUtf8(msg::kNoPrinter));
        cups_dest_t* dest = const_cast<cups_dest_t*>(find(target));
        if (!dest)
            fail(msg::cannotPrint(target, QString::fromUtf8(msg::kUnavailable)));
        requireReady(target, dest);
        return dest;
    }

    // The server took the connection and then said nothing within the timeout.
    bool timedOut() const { return http && httpError(http) == ETIMEDOUT; }

    [[noreturn]] void failRequest(const QString& printer) const
    {
        if (timedOut())
            fail(msg::cannotPrint(printer, msg::noAnswer()));
        fail(msg::cannotPrint(printer, lastCupsError()));
    }

    void send(const QString& printer, const QString& title, const char* format, const QByteArray& bytes) const
    {
        const QByteArray name = printer.toUtf8();
        const QByteArray jobTitle = (title.isEmpty() ? QStringLiteral("sabrel22") : title).toUtf8();
        const int job = cupsCreateJob(http, name.constData(), jobTitle.constData(), 0, nullptr);
        if (job <= 0)
            failRequest(printer);
        if (cupsStartDocument(http, name.constData(), job, jobTitle.constData(), format, 1) != HTTP_STATUS_CONTINUE) {
            const bool silent = timedOut();
            const QString why = lastCupsError();
            if (!silent)
                cupsCancelJob2(http, name.constData(), job, 0);
            fail(msg::cannotPrint(printer, silent ? msg::noAnswer() : why));
        }
        const bool written = bytes.isEmpty()
            || cupsWriteRequestData(http, bytes.constData(), size_t(bytes.size())) == HTTP_STATUS_CONTINUE;
        const ipp_status_t finished = cupsFinishDocument(http, name.constData());
        if (!written || finished > IPP_STATUS_OK_CONFLICTING)
            failRequest(printer);
    }

    QPageSize defaultPaper(cups_dest_t* dest) const
    {
        QPageSize paper(QPageSize::A4);
        if (cups_dinfo_t* info = cupsCopyDestInfo(http, dest)) {
            cups_size_t size{};
            if (cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) && size.width > 0
                && size.length > 0)
                paper = QPageSize(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter,
                                  QString(), QPageSize::FuzzyMatch);
            cupsFreeDestInfo(info);
        }
        return paper;
    }
};

Queues::Queues()
    : d(std::make_unique<Data>())
{
    const auto timeout = ports::stallTimeout();
    d->http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           int(timeout.count()), nullptr);
    if (!d->http)
        return;   // no print server on this station: no printer
    httpSetTimeout(d->http, std::chrono::duration<double>(timeout).count(), nullptr, nullptr);
    // One small question first: the list takes several requests, and a server
    // that does not answer would make each of them wait the whole timeout.
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_DEFAULT);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ippDelete(cupsDoRequest(d->http, request, "/"));
    if (d->timedOut()) {
        d->serverSilent = true;
        return;
    }
    d->count = cupsGetDests2(d->http, &d->dests);
    d->serverSilent = d->count == 0 && d->timedOut();
}

Queues::~Queues() = default;

QStringList Queues::names() const
{
    // Instances ("Termica/rascunho") are options of a queue, not printers of their own.
    QStringList out;
    for (int i = 0; i < d->count; ++i)
        if (!d->dests[i].instance)
            out << QString::fromUtf8(d->dests[i].name);
    return out;
}

QString Queues::defaultName() const
{
    if (const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, d->count, d->dests))
        return QString::fromUtf8(dest->name);
    const QStringList all = names();
    return all.isEmpty() ? QString() : all.first();
}

QString Queues::resolve(const QString& name) const
{
    for (const QString& n : names())
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return defaultName();
}

void Queues::printTextJob(const QString& printer, const Printout& text, const QByteArray& prefix,
                          const QByteArray& suffix, const QString& title) const
{
    const QString target = resolve(printer);
    cups_dest_t* dest = d->ready(target);
    if (d->isRaw(dest)) {
        d->send(target, title, CUPS_FORMAT_RAW, jobBytes(text, prefix, suffix));
        return;
    }
    // A page printer: the control and end sequences mean nothing to it.
    const QString docName = title.isEmpty() ? QStringLiteral("sabrel22") : title;
    d->send(target, title, CUPS_FORMAT_PDF, pagesDocument(text, target, docName, d->defaultPaper(dest)));
}

void Queues::printDocument(const QString& printer, const QByteArray& pdf, const QString& title) const
{
    const QString target = resolve(printer);
    d->ready(target);
    d->send(target, title, CUPS_FORMAT_PDF, pdf);
}

QStringList installed()
{
    return Queues().names();
}

QString defaultPrinter()
{
    return Queues().defaultName();
}

QString resolve(const QString& name)
{
    return Queues().resolve(name);
}

void printTextJob(const QString& printer, const Printout& text, const QByteArray& prefix,
                  const QByteArray& suffix, const QString& title)
{
    Queues().printTextJob(printer, text, prefix, suffix, title);
}

void printDocument(const QString& printer, const QByteArray& pdf, const QString& title)
{
    Queues().printDocument(printer, pdf, title);
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
    drawLines(device, device.resolution(), device.printerName(), text);
}

} // namespace printers
