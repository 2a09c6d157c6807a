#pragma once
// The station's printers, as CUPS knows them.
#include "platform/Printout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

namespace printers {

// The station's queues, read once from the print server (CUPS), and the jobs
// sent to them. One printout reads the list once: it resolves its printer and
// prints through the same Queues. Every request to the print server runs on a
// connection of its own with the device stall timeout (ports::stallTimeout): a
// server that stops answering fails the printout with a message, it never holds
// the window.
class Queues {
public:
    Queues();
    ~Queues();
    Queues(const Queues&) = delete;
    Queues& operator=(const Queues&) = delete;

    // Installed printers in the order the server lists them.
    QStringList names() const;
    // The station's default printer; the first installed one when no default
    // is set; "" when there is no printer at all.
    QString defaultName() const;
    // The installed printer whose name equals `name` without regard to case,
    // else the default printer.
    QString resolve(const QString& name) const;

    // Prints a text job on a printer: `prefix` (control byte line), the lines,
    // `suffix` (end of receipt, trailer), all as Windows-1252 text with CR LF. A
    // raw receipt-printer queue receives exactly those bytes; a page printer gets
    // the text printed in the printout's font, on the queue's default paper.
    // `printer` is matched as resolve() does; `title` names the job in the queue.
    // Throws std::runtime_error when the job is not taken: no printer, a queue
    // that is stopped or refuses jobs, a server that does not answer.
    void printTextJob(const QString& printer, const Printout& text,
                      const QByteArray& prefix = QByteArray(), const QByteArray& suffix = QByteArray(),
                      const QString& title = QString()) const;
    // Prints a document already composed as PDF (a page report) on a printer
    // matched as resolve() does, as a job named `title`. Throws std::runtime_error
    // when the job is not taken, as printTextJob() does.
    void printDocument(const QString& printer, const QByteArray& pdf, const QString& title) const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// The same, each reading the list afresh.
QStringList installed();
QString defaultPrinter();
QString resolve(const QString& name);
void printTextJob(const QString& printer, const Printout& text,
                  const QByteArray& prefix = QByteArray(), const QByteArray& suffix = QByteArray(),
                  const QString& title = QString());
void printDocument(const QString& printer, const QByteArray& pdf, const QString& title);

// The bytes of a text job: prefix, each line in Windows-1252 followed by CR LF, suffix.
QByteArray jobBytes(const Printout& text, const QByteArray& prefix = QByteArray(),
                    const QByteArray& suffix = QByteArray());

// Draws the lines on a page device already set up (a station queue, a PDF file):
// one printed line per text line in the printout's font, page after page, control
// bytes left out. Throws std::runtime_error when the device will not start.
void renderLines(QPrinter& device, const Printout& text);

} // namespace printers
