#pragma once
// A CUPS print server for tests, and a network receipt printer to point its
// queues at.
//
// The sandbox uses the server named by $CUPS_SERVER when it is set (a test
// script that started cupsd itself); otherwise it starts a private cupsd once
// per test binary, on a socket of its own with its own spool folders, and
// stops it at exit. Everything in this process then prints through it.
//
//   CupsSandbox& cups = CupsSandbox::instance();
//   if (!cups.available()) GTEST_SKIP() << cups.unavailableReason();
//   RawPrinterListener printer;
//   cups.addRawQueue("Termica", printer.uri());
//   ...print...
//   std::optional<QByteArray> job = printer.nextJob();

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class CupsSandbox {
public:
    static CupsSandbox& instance();

    bool available() const { return m_reason.isEmpty(); }
    std::string unavailableReason() const { return m_reason.toStdString(); }
    QString server() const { return m_server; }
    // A folder the scheduler can write output files to.
    QString outputFolder() const { return m_output; }

    // Queues, created or replaced. On failure the text says why (lpadmin's words).
    QString addRawQueue(const QString& name, const QString& deviceUri);
    // A page printer whose jobs end as a PDF file at pdfPath; needs the generic
    // PDF driver of cups-filters (pdfDriverMissing() says when it is not there).
    QString addPdfQueue(const QString& name, const QString& pdfPath);
    QString pdfDriverMissing() const;
    QString setDefault(const QString& name);
    QString rejectJobs(const QString& name);
    QString acceptJobs(const QString& name);
    // A stopped queue still takes jobs and keeps them (cupsdisable).
    QString stopQueue(const QString& name);
    QString startQueue(const QString& name);
    void removeQueue(const QString& name);
    // Jobs of a queue not yet printed.
    int pendingJobs(const QString& queue) const;

    // The private server stops answering (it is paused) and goes on; false with
    // a server from outside.
    bool pauseServer();
    bool resumeServer();
    // How many requests of an IPP operation ("CUPS-Get-Printers") the private
    // server has logged; -1 with a server from outside.
    int requestsLogged(const QString& operation) const;

    // Waits until the server has no pending or processing job; false on timeout.
    bool waitUntilIdle(int timeoutMs = 30000) const;
    // Titles of the completed jobs of a queue, oldest first.
    QStringList completedJobTitles(const QString& queue) const;

    ~CupsSandbox();
    CupsSandbox(const CupsSandbox&) = delete;
    CupsSandbox& operator=(const CupsSandbox&) = delete;

private:
    CupsSandbox();
    void startPrivateServer();
    QString run(const QString& program, const QStringList& args) const;

    QString m_reason;
    QString m_server;
    QString m_folder;   // private server's folder ("" with an outside server)
    QString m_output;
    long m_pid = 0;     // private cupsd
};

// A receipt printer on the network: a TCP listener on 127.0.0.1 that keeps the
// bytes of each connection as one job.
class RawPrinterListener {
public:
    RawPrinterListener();
    ~RawPrinterListener();
    RawPrinterListener(const RawPrinterListener&) = delete;
    RawPrinterListener& operator=(const RawPrinterListener&) = delete;

    bool listening() const { return m_fd >= 0; }
    int port() const { return m_port; }
    QString uri() const { return QStringLiteral("socket://127.0.0.1:%1").arg(m_port); }

    // The bytes of the next job, once the sender has closed its connection;
    // nullopt when none arrives in time.
    std::optional<QByteArray> nextJob(int timeoutMs = 30000);
    // Forgets jobs that arrived and were not taken.
    void clear();

private:
    void acceptLoop();

    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<QByteArray> m_jobs;
};
