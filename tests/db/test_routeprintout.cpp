// Routing of roll printouts: the slot's destination, ports and devices byte for
// byte, the preview, the delivery and legacy routes, and the raw device writer.
// Printer queues are covered with a real CUPS server in test_cups.cpp; here the
// process has no print server, so the printer path ends in "no printer".
#include "PrintFixtures.h"
#include "CupsSandbox.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "printing/RawPrinterPort.h"
#include "printing/RoutePrintout.h"
#include "platform/Ports.h"
#include "platform/StationPaths.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cups/cups.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <map>

namespace {

const QByteArray kDrawer("\x1B\x76\x8C\r\n", 5);

// A serial line of this machine: the program writes to the terminal side, the
// test reads what arrives at the other end. The line is left as the system makes
// it (cooked: CR LF would become CR CR LF, XON/XOFF on): the program sets it up.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        if (::openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0)
            return;
        m_path = QString::fromLocal8Bit(::ttyname(m_slave));
    }
    ~PseudoTerminal()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    bool isOpen() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }

    // What arrived: at least `expected` bytes unless nothing more comes for
    // five seconds, and whatever follows them within a fifth of a second.
    QByteArray received(qsizetype expected)
    {
        QByteArray got;
        for (;;) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, got.size() < expected ? 5000 : 200) <= 0)
                return got;
            char buffer[1024];
            const ssize_t n = ::read(m_master, buffer, sizeof(buffer));
            if (n <= 0)
                return got;
            got.append(buffer, n);
        }
    }

    termios settings() const
    {
        termios t{};
        ::tcgetattr(m_slave, &t);
        return t;
    }

    // The printer pauses the line (XOFF) and the line stops taking bytes.
    bool pause()
    {
        if (::write(m_master, "\x13", 1) != 1)
            return false;
        for (int i = 0; i < 200; ++i) {
            pollfd p{m_slave, POLLOUT, 0};
            if (::poll(&p, 1, 0) == 0)
                return true;
            ::usleep(10000);
        }
        return false;
    }
    void resume() { (void)!::write(m_master, "\x11", 1); }
    // Reads and forgets whatever the line still holds.
    void discard() { received(0); }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

class RoutePrintoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_devices.isValid());
        // No print server for this process: the printer path ends in "no printer".
        m_savedServer = QByteArray(cupsServer());
        cupsSetServer(m_devices.filePath(QStringLiteral("sem-servidor.sock")).toLocal8Bit().constData());
    }
    void TearDown() override
    {
        ClosePrinterPort();
        cupsSetServer(m_savedServer.isEmpty() ? nullptr : m_savedServer.constData());
    }

    // setup.INI with the given lines (the others empty).
    void writeSetup(const std::map<int, QString>& values)
    {
        QStringList lines;
        for (int i = 0; i < 23; ++i)
            lines << (values.count(i) ? values.at(i) : QString());
        m_station.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\setup.INI"), lines);
    }
    void writePorts(const QStringList& lines)
    {
        m_station.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\portas.INI"), lines);
    }
    // Points a port name at a device of the test; an empty file stands for a
    // printer unless `target` is given.
    QString pointPort(const QString& port, QString target = QString())
    {
        if (target.isEmpty()) {
            target = m_devices.filePath(port);
            QFile f(target);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        }
        m_overrides[port] = target;
        QStringList lines;
        for (const auto& [name, path] : m_overrides)
            lines << name + QLatin1Char('=') + path;
        m_station.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"), lines);
        return target;
    }
    QByteArray written(const QString& port) const
    {
        QFile f(m_overrides.at(port));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nao existe>");
    }
    int previews() const { return int(m_ui.windowsShown.count(QStringLiteral("TFormVisao"))); }

    TestStation m_station{false};
    ScriptedDialogs m_ui;
    QTemporaryDir m_devices;
    std::map<QString, QString> m_overrides;
    QByteArray m_savedServer;
};

// What a route ended in.
enum class Outcome { Preview, Nothing, Monitor, Port, NoPrinter };

Outcome routeOutcome(const Printout& text, PrinterSlot slot, const RouteOptions& options)
{
    try {
        switch (RoutePrintout(text, slot, options)) {
        case RouteResult::Previewed: return Outcome::Preview;
        case RouteResult::NotPrinted: return Outcome::Nothing;
        case RouteResult::KitchenMonitor: return Outcome::Monitor;
        case RouteResult::Port: return Outcome::Port;
        case RouteResult::Printer: break;
        }
        ADD_FAILURE() << "printed with no printer installed";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Nenhuma impressora instalada");
    }
    return Outcome::NoPrinter;
}

TEST_F(RoutePrintoutTest, EachSlotWritesItsPortWithoutControlByteOrTrailer)
{
    struct Case { PrinterSlot slot; int setupLine; int portLine; };
    const Case cases[] = {
        {PrinterSlot::Conference, 12, 0}, {PrinterSlot::Closing, 15, 1},  {PrinterSlot::Kitchen1, 13, 2},
        {PrinterSlot::Kitchen2, 14, 3},   {PrinterSlot::Kitchen3, 18, 4}, {PrinterSlot::Kitchen4, 19, 5},
    };
    const QStringList portNames{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"};
    writePorts(portNames);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setupLine);
        for (const QString& port : portNames)
            pointPort(port);
        // Control byte "2" and the trailer switch on: neither reaches a port.
        std::map<int, QString> setup{{8, "2"}, {16, "S"}};
        for (int line : {12, 13, 14, 15, 18, 19})
            setup[line] = line == c.setupLine ? "Informa porta" : "Nao Imprimir";
        writeSetup(setup);

        RouteOptions all;
        all.controlByte = all.endOfReceipt = all.trailer = true;
        EXPECT_EQ(RoutePrintout(sampleReceipt(), c.slot, all), RouteResult::Port);
        RouteOptions plain;
        plain.controlByte = plain.trailer = true;
        EXPECT_EQ(RoutePrintout(sampleReceipt(), c.slot, plain), RouteResult::Port);

        for (int i = 0; i < portNames.size(); ++i)
            EXPECT_EQ(written(portNames[i]), i == c.portLine ? kReceiptBytes + kEndOfReceipt + kReceiptBytes : QByteArray())
                << portNames[i].toStdString();
    }
    EXPECT_EQ(previews(), 0);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(RoutePrintoutTest, PortNameComesFromPortsFileOrIsLpt1)
{
    pointPort("LPT1");
    pointPort("LPT2");
    writeSetup({{15, "Informa porta"}});
    RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
    EXPECT_EQ(written("LPT1"), kReceiptBytes) << "no portas.INI: LPT1";

    writePorts({"LPT1", "lpt2:"});
    RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
    EXPECT_EQ(written("LPT2"), kReceiptBytes);
    EXPECT_EQ(written("LPT1"), kReceiptBytes) << "unchanged";

    // A ports file without the slot's line names no device.
    writePorts({"LPT1"});
    try {
        RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(S(e.what()), S("Nenhuma porta informada em portas.INI para a impressora de fechamento"));
    }
}

TEST_F(RoutePrintoutTest, SerialLineReceivesExactBytes)
{
    PseudoTerminal line;
    ASSERT_TRUE(line.isOpen()) << "openpty failed";
    pointPort("COM5", line.path());
    writeSetup({{15, "Informa porta"}, {8, "1"}});
    writePorts({"LPT1", "COM5"});
    RouteOptions options;
    options.controlByte = options.endOfReceipt = true;
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Closing, options), RouteResult::Port);
    const QByteArray expected = kReceiptBytes + kEndOfReceipt;
    EXPECT_EQ(line.received(expected.size()), expected);
}

// The line's own settings (speed, flow control) stay; only the translation of
// the bytes is switched off.
TEST_F(RoutePrintoutTest, SerialLineKeepsItsFlowControl)
{
    PseudoTerminal line;
    ASSERT_TRUE(line.isOpen()) << "openpty failed";
    const termios before = line.settings();
    ASSERT_TRUE(before.c_oflag & OPOST) << "the system made the line raw already";
    pointPort("COM1", line.path());
    writeSetup({{12, "Informa porta"}});
    writePorts({"COM1"});
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Conference), RouteResult::Port);
    EXPECT_EQ(line.received(kReceiptBytes.size()), kReceiptBytes);
    const termios after = line.settings();
    EXPECT_FALSE(after.c_oflag & OPOST);
    EXPECT_FALSE(after.c_lflag & ECHO) << "what the printer sends would go back to it";
    EXPECT_EQ(after.c_iflag & (IXON | IXOFF), before.c_iflag & (IXON | IXOFF));
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
    EXPECT_EQ(after.c_cflag, before.c_cflag);
}

// A device that takes nothing (a line nobody reads, a printer that paused the
// line) ends the printout with its message once the stall timeout has passed,
// and the window goes on.
class StalledDevice : public RoutePrintoutTest {
protected:
    void SetUp() override
    {
        RoutePrintoutTest::SetUp();
        ports::setStallTimeout(std::chrono::milliseconds(300));
        ASSERT_TRUE(m_line.isOpen()) << "openpty failed";
        pointPort("COM5", m_line.path());
        writePorts({"COM5", "COM5"});
    }
    void TearDown() override
    {
        m_line.resume();
        RoutePrintoutTest::TearDown();
        ports::setStallTimeout(std::chrono::milliseconds(0));
    }
    // A printout far larger than what the line can hold.
    static Printout longReport()
    {
        Printout p;
        for (int i = 0; i < 6000; ++i)
            p.lines << QStringLiteral("%1 linha do relatorio de vendas do dia").arg(i, 5);
        return p;
    }
    static QString stallMessage()
    {
        return S("o dispositivo não recebeu nada em 0,3 s (desligado, sem papel ou em pausa)");
    }

    PseudoTerminal m_line;
};

TEST_F(StalledDevice, RouteRaisesItsMessage)
{
    struct Case { const char* what; bool pause; Printout text; };
    const Case cases[] = {
        {"nobody reads the line", false, longReport()},
        {"the printer paused the line", true, sampleReceipt()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.pause) {
            ASSERT_TRUE(m_line.pause()) << "XOFF did not stop the line";
        }
        writeSetup({{15, "Informa porta"}});
        try {
            RoutePrintout(c.text, PrinterSlot::Closing);
            ADD_FAILURE() << "a device that took nothing counted as printed";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(S(e.what()), S("Erro ao gravar na porta COM5 (%1): ").arg(m_line.path()) + stallMessage());
        }
        m_line.resume();
        m_line.discard();   // the printer takes the line again
    }
    // The line is usable again: the next receipt arrives whole.
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Closing), RouteResult::Port);
    EXPECT_EQ(m_line.received(kReceiptBytes.size()), kReceiptBytes);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(previews(), 0);
}

TEST_F(StalledDevice, DeliveryFallsBackToPreview)
{
    ASSERT_TRUE(m_line.pause());
    writeSetup({{12, "Informa porta"}});
    EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), RouteResult::Previewed);
    EXPECT_EQ(m_ui.messageTexts(), QStringList{S(" Impressora nao localizada  ")});
    EXPECT_EQ(previews(), 1);
}

// The legacy writer reports a stalled device once, not once per line.
TEST_F(StalledDevice, RawWriterReportsOnce)
{
    struct Case { const char* what; bool pause; int lines; };
    const Case cases[] = {
        {"the printer paused the line", true, 3},
        {"nobody reads the line", false, 6000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_ui.messages.clear();
        if (c.pause) {
            ASSERT_TRUE(m_line.pause());
        }
        ASSERT_TRUE(OpenPrinterPort("COM5"));
        for (int i = 0; i < c.lines; ++i)
            WritePrinterPortLine(QStringLiteral("%1 linha do relatorio de vendas do dia").arg(i, 5));
        ClosePrinterPort();
        EXPECT_EQ(m_ui.messageTexts(), QStringList{S("    Erro ao tentar imprimir     ")});
        m_line.resume();
        m_line.discard();
    }
    // The next open starts afresh.
    m_ui.messages.clear();
    ASSERT_TRUE(OpenPrinterPort("COM5"));
    WritePrinterPortLine("TOTAL");
    ClosePrinterPort();
    EXPECT_EQ(m_line.received(7), QByteArray("TOTAL\r\n"));
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(RoutePrintoutTest, PortThatCannotBeUsedRaises)
{
    const QString missing = m_devices.filePath("impressora-desligada");
    pointPort("LPT3", missing);
    pointPort("LPT4", "/dev/full");
    writeSetup({{15, "Informa porta"}, {12, "Informa porta"}});
    writePorts({"LPT4", "LPT3"});

    struct Case { PrinterSlot slot; QString message; };
    const Case cases[] = {
        {PrinterSlot::Closing, S("Não foi possível abrir a porta LPT3 (%1)").arg(missing)},
        {PrinterSlot::Conference, S("Erro ao gravar na porta LPT4 (/dev/full)")},
    };
    for (const Case& c : cases) {
        try {
            RoutePrintout(sampleReceipt(), c.slot);
            ADD_FAILURE() << "no exception for " << c.message.toStdString();
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(S(e.what()).startsWith(c.message)) << e.what();
        }
    }
    EXPECT_FALSE(QFile::exists(missing)) << "a port is never created";
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(previews(), 0);
}

TEST_F(RoutePrintoutTest, DestinationKeywords)
{
    auto opts = [](auto set) { RouteOptions o; set(o); return o; };
    const RouteOptions none;
    const RouteOptions untrimmed = opts([](RouteOptions& o) { o.trimKeywords = false; });
    const RouteOptions monitor = opts([](RouteOptions& o) { o.monitorTest = true; });
    const RouteOptions forced = opts([](RouteOptions& o) { o.forcePreview = true; });
    const RouteOptions always = opts([](RouteOptions& o) { o.alwaysPreview = true; });
    struct Case { const char* value; RouteOptions options; Outcome outcome; };
    const Case cases[] = {
        {"Visualizar", none, Outcome::Preview},
        {"Visualizar ", none, Outcome::Preview},
        {"  Visualizar", none, Outcome::Preview},
        {"Visualizar", untrimmed, Outcome::Preview},
        {"Visualizar ", untrimmed, Outcome::NoPrinter},   // a printer name that is not installed
        {"visualizar", none, Outcome::NoPrinter},
        {"Nao Imprimir", none, Outcome::Nothing},
        {" Nao Imprimir ", none, Outcome::Nothing},
        {" Nao Imprimir", untrimmed, Outcome::NoPrinter},
        {"Informa porta", none, Outcome::Port},
        {"Informa porta", forced, Outcome::Preview},
        {"Informa porta", always, Outcome::Preview},
        {"Nao Imprimir", always, Outcome::Preview},
        {"informa porta", none, Outcome::NoPrinter},
        {"Informa porta ", none, Outcome::NoPrinter},
        {"Monitor Cozinha", monitor, Outcome::Monitor},
        {" Monitor Cozinha ", monitor, Outcome::Monitor},
        {"Monitor Cozinha", none, Outcome::NoPrinter},
        {"Visualizar", monitor, Outcome::Preview},
        {"", none, Outcome::NoPrinter},
        {"Termica", none, Outcome::NoPrinter},
    };
    writePorts({"LPT1", "LPT1", "LPT1"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        pointPort("LPT1");
        writeSetup({{13, S(c.value)}});
        const int before = previews();
        EXPECT_EQ(routeOutcome(sampleReceipt(), PrinterSlot::Kitchen1, c.options), c.outcome);
        EXPECT_EQ(previews() - before, c.outcome == Outcome::Preview ? 1 : 0);
        EXPECT_EQ(written("LPT1"), c.outcome == Outcome::Port ? kReceiptBytes : QByteArray());
    }
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(RoutePrintoutTest, MissingSetupFileMeansDefaultPrinter)
{
    EXPECT_EQ(routeOutcome(sampleReceipt(), PrinterSlot::Closing, {}), Outcome::NoPrinter);
}

TEST_F(RoutePrintoutTest, SettingsAreReadAtEachPrintout)
{
    pointPort("LPT1");
    pointPort("LPT2");
    writeSetup({{12, "Visualizar"}});
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Conference), RouteResult::Previewed);
    writeSetup({{12, "Informa porta"}});
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Conference), RouteResult::Port);
    writePorts({"LPT2"});
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Conference), RouteResult::Port);
    EXPECT_EQ(written("LPT1"), kReceiptBytes);
    EXPECT_EQ(written("LPT2"), kReceiptBytes);
}

// --- the raw device writer ---------------------------------------------------

TEST_F(RoutePrintoutTest, RawWriterCutsLinesTo42Characters)
{
    struct Case { QString line; QByteArray bytes; };
    const Case cases[] = {
        {QString(50, QLatin1Char('X')), QByteArray(42, 'X') + "\r\n"},   // 44 bytes
        {QString(42, QLatin1Char('Y')), QByteArray(42, 'Y') + "\r\n"},
        {S("Feijoada à moda da casa ção"), "Feijoada \xE0 moda da casa \xE7\xE3o\r\n"},
        {QString(41, QLatin1Char('-')) + S("ÇÃO"), QByteArray(41, '-') + "\xC7\r\n"},
        {QString(), "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        pointPort("LPT2");
        ASSERT_TRUE(OpenPrinterPort("LPT2"));
        WritePrinterPortLine(c.line);
        ClosePrinterPort();
        EXPECT_EQ(written("LPT2"), c.bytes);
    }
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(RoutePrintoutTest, RawWriterReportsOnceWhenThePortIsMissing)
{
    const QString missing = pointPort("LPT2", m_devices.filePath("nada"));
    EXPECT_FALSE(OpenPrinterPort("LPT2"));
    WritePrinterPortLine("linha 1");
    WritePrinterPortLine("linha 2");
    ClosePrinterPort();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].title, S("ATENÇÃO"));
    EXPECT_EQ(m_ui.messages[0].text, S("    Erro ao tentar imprimir     "));
    EXPECT_EQ(m_ui.messages[0].buttons, S("1"));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(OpenPrinterPort(S("c:\\Miltrex\\naoexiste.txt")));
    EXPECT_FALSE(QFile::exists(station::path(u"c:\\Miltrex\\naoexiste.txt"))) << "nothing is created";
}

TEST_F(RoutePrintoutTest, RawWriterReportsEachFailedLineAndGoesOn)
{
    pointPort("LPT2", "/dev/full");
    ASSERT_TRUE(OpenPrinterPort("LPT2"));
    WritePrinterPortLine("linha 1");
    WritePrinterPortLine("linha 2");
    ClosePrinterPort();
    EXPECT_EQ(m_ui.messageTexts(), QStringList({S("    Erro ao tentar imprimir     "), S("    Erro ao tentar imprimir     ")}));

    // The writer is usable again afterwards.
    pointPort("LPT3");
    ASSERT_TRUE(OpenPrinterPort("lpt3:"));
    WritePrinterPortLine("ok");
    ClosePrinterPort();
    EXPECT_EQ(written("LPT3"), QByteArray("ok\r\n"));
}

// --- delivery printouts --------------------------------------------------------

TEST_F(RoutePrintoutTest, DeliveryOnPortEndsWithDrawerJob)
{
    pointPort("LPT1");
    writeSetup({{12, "Informa porta"}, {8, "1"}, {16, "S"}});   // no portas.INI
    EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), RouteResult::Port);
    EXPECT_EQ(written("LPT1"), kReceiptBytes + kDrawer);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(previews(), 0);
}

TEST_F(RoutePrintoutTest, DeliveryFailuresFallBackToPreview)
{
    pointPort("LPT1", m_devices.filePath("desligada"));
    struct Case { const char* value; bool message; RouteResult result; };
    const Case cases[] = {
        {"Informa porta", true, RouteResult::Previewed},   // port missing
        {"Termica", true, RouteResult::Previewed},         // no printer installed
        {"", true, RouteResult::Previewed},
        {" Visualizar ", false, RouteResult::Previewed},
        {"Nao Imprimir ", false, RouteResult::NotPrinted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        m_ui.messages.clear();
        m_ui.windowsShown.clear();
        writeSetup({{12, S(c.value)}});
        EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), c.result);
        if (c.message) {
            ASSERT_EQ(m_ui.messages.size(), 1u);
            EXPECT_EQ(m_ui.messages[0].title, S("ATENÇÃO"));
            EXPECT_EQ(m_ui.messages[0].text, S(" Impressora nao localizada  "));
            EXPECT_EQ(m_ui.messages[0].buttons, S("1"));
        } else {
            EXPECT_TRUE(m_ui.messages.empty());
        }
        EXPECT_EQ(previews(), c.result == RouteResult::Previewed ? 1 : 0);
    }
}

// --- legacy numbered printer codes ----------------------------------------------

TEST_F(RoutePrintoutTest, LegacyCodesChooseThePort)
{
    Printout text;
    text.lines = QStringList{S("RELATORIO DE CAIXA"), QString(50, QLatin1Char('='))};
    const QByteArray bytes = crlf({"RELATORIO DE CAIXA", QByteArray(42, '=')});

    const QStringList portNames{"LPT1", "LPT2", "LPT3", "LPT4", "COM1", "COM2", "COM3",
                                "COM4", "COM5", "COM6", "COM7"};
    struct Case { const char* value; const char* port; RouteResult result; };
    const Case cases[] = {
        {"1", "LPT1", RouteResult::Port},   {"2", "LPT2", RouteResult::Port},
        {"13", "LPT3", RouteResult::Port},  {"14", "LPT4", RouteResult::Port},
        {"3", "COM1", RouteResult::Port},   {"4", "COM2", RouteResult::Port},
        {"7", "COM5", RouteResult::Port},   {"9", "COM7", RouteResult::Port},
        {"0", "", RouteResult::Previewed},  {"12", "", RouteResult::Previewed},
        {"", "", RouteResult::Previewed},   {"16", "", RouteResult::Previewed},
        {"Visualizar", "", RouteResult::Previewed},
        {"15", "", RouteResult::NotPrinted},   // MSP
        {"10", "", RouteResult::NotPrinted},   // a page-printer code, without page printing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        for (const QString& port : portNames)
            pointPort(port);
        m_ui.windowsShown.clear();
        writeSetup({{15, S(c.value)}, {7, "15"}});
        EXPECT_EQ(RouteLegacyPrintout(text, PrinterSlot::Closing, false, false, false), c.result);
        for (const QString& port : portNames)
            EXPECT_EQ(written(port), port == QLatin1String(c.port) ? bytes : QByteArray()) << port.toStdString();
        EXPECT_EQ(previews(), c.result == RouteResult::Previewed ? 1 : 0);
    }
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(RoutePrintoutTest, LegacyCondensedLineAndPreviewBox)
{
    Printout text;
    text.lines = QStringList{S("TOTAL")};
    struct Case { const char* line7; bool condensed; bool previewBox; QByteArray bytes; };
    const Case cases[] = {
        {"15", true, false, crlf({"\x0F", "TOTAL"})},
        {" 18 ", true, false, crlf({"\x12", "TOTAL"})},
        {"17", true, false, crlf({"TOTAL"})},
        {"", true, false, crlf({"TOTAL"})},
        {"15", false, false, crlf({"TOTAL"})},
        {"15", true, true, QByteArray()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line7);
        pointPort("COM5");
        m_ui.windowsShown.clear();
        writeSetup({{12, "7"}, {7, S(c.line7)}});
        RouteLegacyPrintout(text, PrinterSlot::Conference, c.previewBox, c.condensed, false);
        EXPECT_EQ(written("COM5"), c.bytes);
        EXPECT_EQ(previews(), c.previewBox ? 1 : 0);
    }
}

TEST_F(RoutePrintoutTest, LegacyCodeOnSerialLine)
{
    PseudoTerminal line;
    ASSERT_TRUE(line.isOpen()) << "openpty failed";
    pointPort("COM5", line.path());
    writeSetup({{15, "7"}});
    Printout text;
    text.lines = QStringList{QString(50, QLatin1Char('8')), S("Açúcar")};
    EXPECT_EQ(RouteLegacyPrintout(text, PrinterSlot::Closing, false, false, false), RouteResult::Port);
    const QByteArray expected = crlf({QByteArray(42, '8'), "A\xE7\xFA" "car"});
    EXPECT_EQ(line.received(expected.size()), expected);
}

TEST_F(RoutePrintoutTest, LegacyFailures)
{
    // An S code whose port is missing: the writer's one message, nothing else.
    pointPort("COM5", m_devices.filePath("sem-porta"));
    writeSetup({{15, "7"}});
    EXPECT_EQ(RouteLegacyPrintout(sampleReceipt(), PrinterSlot::Closing, false, false, false), RouteResult::NotPrinted);
    EXPECT_EQ(m_ui.messageTexts(), QStringList{S("    Erro ao tentar imprimir     ")});
    EXPECT_EQ(previews(), 0);

    // Page printing with no printer: the preview instead, silently.
    m_ui.messages.clear();
    writeSetup({{15, "11"}});
    EXPECT_EQ(RouteLegacyPrintout(sampleReceipt(), PrinterSlot::Closing, false, false, true), RouteResult::Previewed);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(previews(), 1);
}

TEST_F(RoutePrintoutTest, PreviewOnly)
{
    pointPort("LPT1");
    writeSetup({{12, "Informa porta"}, {15, "Informa porta"}});
    RoutePreviewOnly(sampleReceipt());
    EXPECT_EQ(previews(), 1);
    EXPECT_EQ(written("LPT1"), QByteArray());
}

} // namespace
