// Cost of routing a receipt to a port: RoutePrintout reads setup.INI,
// portas.INI and dispositivos.INI at each printout, resolves the device, opens,
// writes, waits for the output to leave and closes it. Beside it, the bare
// system calls for the same bytes, and the same receipt on a serial line (a
// pseudo-terminal read by a thread: the line is set up at each open).
//
//   bench_route [runs]      (default 2000)
#include "printing/RoutePrintout.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Stats {
    double median, p90, min;
};

Stats stats(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[v.size() * 9 / 10], v.front()};
}

void report(const char* what, const Stats& s)
{
    std::printf("%-44s median %9.2f us   p90 %9.2f us   min %9.2f us\n", what, s.median, s.p90, s.min);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "cannot create a temporary station\n");
        return 1;
    }
    station::setRoot(root.path());
    const QString device = root.filePath(QStringLiteral("porta-lpt1.bin"));
    {
        QStringList setup;
        for (int i = 0; i < 23; ++i)
            setup << QString();
        setup[8] = QStringLiteral("1");
        setup[15] = QStringLiteral("Informa porta");
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\setup.INI"), setup);
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\portas.INI"),
                       {QStringLiteral("LPT1"), QStringLiteral("LPT1"), QStringLiteral("LPT1"),
                        QStringLiteral("LPT1"), QStringLiteral("LPT1"), QStringLiteral("LPT1")});
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"),
                       {QStringLiteral("LPT1=") + device});
        const int fd = ::open(device.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::close(fd);
    }

    // A 40-line receipt of 40 columns.
    Printout receipt;
    for (int i = 0; i < 40; ++i)
        receipt.lines << QStringLiteral("%1 Pão de queijo           R$ %2,00")
                             .arg(i + 1, 3, 10, QLatin1Char('0'))
                             .arg(i + 5, 3);
    QByteArray bytes;
    for (const QString& line : receipt.lines)
        bytes += toWin1252(line) + "\r\n";
    RouteOptions options;
    options.endOfReceipt = true;
    bytes += QByteArrayLiteral("\x1B\x76\x64\r\n");

    std::vector<double> routed, written, openWriteClose;
    routed.reserve(size_t(runs));
    written.reserve(size_t(runs));
    openWriteClose.reserve(size_t(runs));
    const QByteArray path = device.toLocal8Bit();

    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        RoutePrintout(receipt, PrinterSlot::Closing, options);
        routed.push_back(micros(Clock::now() - t0));
    }
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND);
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            std::perror("write");
        written.push_back(micros(Clock::now() - t0));
    }
    ::close(fd);
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        const int f = ::open(path.constData(), O_WRONLY | O_APPEND | O_NOCTTY);
        if (::write(f, bytes.constData(), size_t(bytes.size())) != bytes.size())
            std::perror("write");
        ::close(f);
        openWriteClose.push_back(micros(Clock::now() - t0));
    }

    // The serial line: COM1 is a pseudo-terminal whose other end a thread reads.
    std::vector<double> serial;
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) {
        std::atomic<bool> stop{false};
        std::thread reader([&] {
            char buffer[4096];
            while (!stop) {
                pollfd p{master, POLLIN, 0};
                if (::poll(&p, 1, 50) > 0 && ::read(master, buffer, sizeof(buffer)) <= 0)
                    break;
            }
        });
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"),
                       {QStringLiteral("LPT1=") + device,
                        QStringLiteral("COM1=") + QString::fromLocal8Bit(::ttyname(slave))});
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\portas.INI"),
                       {QStringLiteral("COM1"), QStringLiteral("COM1")});
        serial.reserve(size_t(runs));
        for (int i = 0; i < runs; ++i) {
            const auto t0 = Clock::now();
            RoutePrintout(receipt, PrinterSlot::Closing, options);
            serial.push_back(micros(Clock::now() - t0));
        }
        stop = true;
        reader.join();
        ::close(slave);
        ::close(master);
    }

    std::printf("receipt of %d lines, %lld bytes, %d runs each, to %s\n", int(receipt.lines.size()),
                static_cast<long long>(bytes.size()), runs, path.constData());
    report("RoutePrintout (settings read each time)", stats(routed));
    report("write() of the same bytes", stats(written));
    report("open() + write() + close()", stats(openWriteClose));
    if (!serial.empty())
        report("RoutePrintout to a serial line (pty)", stats(serial));
    station::setRoot(QString());
    return 0;
}
