// Port and device names to device files of this machine.
#include "platform/LineFile.h"
#include "platform/Ports.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PortNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_station.isValid());
        ASSERT_TRUE(m_dev.isValid());
        station::setRoot(m_station.path());
        ports::setDeviceFolder(m_dev.path());
        // A machine with one USB printer, a second parallel port, two serial
        // ports and two USB serial adapters.
        for (const char* device : {"usb/lp0", "lp1", "ttyS0", "ttyS1", "ttyUSB1", "ttyUSB2"})
            touch(dev(device));
    }
    void TearDown() override
    {
        ports::setStallTimeout(std::chrono::milliseconds(0));
        ports::setDeviceFolder(QString());
        station::setRoot(QString());
    }

    QString dev(const char* relative) const { return m_dev.path() + QLatin1Char('/') + QLatin1String(relative); }
    QString stationFile(const QString& windowsName) const { return station::path(windowsName); }

    static void touch(const QString& path, const QByteArray& content = QByteArray())
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(content);
    }
    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeOverrides(const QStringList& lines)
    {
        LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"), lines);
    }

    QTemporaryDir m_station;
    QTemporaryDir m_dev;
};

TEST_F(PortNames, PortsMapToTheMachinesDevices)
{
    struct Case { const char* name; const char* device; };
    const Case cases[] = {
        {"LPT1", "usb/lp0"},     // the USB printer is preferred
        {"lpt2:", "lp1"},        // no usb/lp1: the parallel port
        {" Lpt3 ", "lp2"},       // neither exists: the parallel name (the open fails later)
        {"PRN", "usb/lp0"},
        {"prn:", "usb/lp0"},
        {"COM1", "ttyS0"},
        {"com2:", "ttyS1"},      // both exist: the serial port wins
        {"Com3", "ttyUSB2"},     // only the USB adapter exists
        {"COM4", "ttyS3"},       // neither exists
        {"COM10", "ttyS9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(ports::isPortName(QString::fromLatin1(c.name)));
        EXPECT_EQ(ports::devicePathFor(QString::fromLatin1(c.name)), dev(c.device));
    }
}

TEST_F(PortNames, OtherNamesAreFiles)
{
    const QString absolute = m_station.path() + QStringLiteral("/saida/cupom.txt");
    struct Case { QString name; QString path; };
    const Case cases[] = {
        {absolute, absolute},
        {QStringLiteral("c:\\Miltrex\\porta.txt"), m_station.path() + QStringLiteral("/Miltrex/porta.txt")},
        // Not ports: LPT0, COM followed by letters, a printer share name.
        {QStringLiteral("LPT0"), station::programFolder() + QStringLiteral("/LPT0")},
        {QStringLiteral("COMANDA"), station::programFolder() + QStringLiteral("/COMANDA")},
        {QStringLiteral("\\\\caixa\\lpt1"), station::programFolder() + QStringLiteral("/caixa/lpt1")},
        {QStringLiteral("c:/Miltrex/LPT1"), m_station.path() + QStringLiteral("/Miltrex/LPT1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_FALSE(ports::isPortName(c.name));
        EXPECT_EQ(ports::devicePathFor(c.name), c.path);
    }
    EXPECT_EQ(ports::devicePathFor(QString()), QString());
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("  :")), QString());
}

TEST_F(PortNames, StationFileNamesIgnoreLetterCase)
{
    touch(m_station.path() + QStringLiteral("/Miltrex/Porta.TXT"));
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("C:\\MILTREX\\PORTA.txt")),
              m_station.path() + QStringLiteral("/Miltrex/Porta.TXT"));
}

TEST_F(PortNames, OverrideFilePointsNamesAnywhere)
{
    const QString elsewhere = m_station.path() + QStringLiteral("/fila/termica.bin");
    writeOverrides({QStringLiteral("lpt1=") + elsewhere,
                    QStringLiteral("COM2: = c:\\Miltrex\\serial2.txt"),
                    QStringLiteral("\\\\CAIXA\\TERMICA=/dev/usb/lp4"),
                    QStringLiteral("uma linha sem par"),
                    QStringLiteral("=/dev/null"),
                    QStringLiteral("LPT3="),
                    QString()});
    struct Case { QString name; QString path; };
    const Case cases[] = {
        {QStringLiteral("LPT1"), elsewhere},
        {QStringLiteral("Lpt1:"), elsewhere},
        {QStringLiteral("COM2"), m_station.path() + QStringLiteral("/Miltrex/serial2.txt")},
        {QStringLiteral("\\\\caixa\\termica"), QStringLiteral("/dev/usb/lp4")},
        // Not named, or named without a target: the usual mapping.
        {QStringLiteral("LPT2"), dev("lp1")},
        {QStringLiteral("LPT3"), dev("lp2")},
        {QStringLiteral("COM1"), dev("ttyS0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(ports::devicePathFor(c.name), c.path);
    }
}

TEST_F(PortNames, OverrideFileIsReadAtEachCall)
{
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("LPT1")), dev("usb/lp0"));
    writeOverrides({QStringLiteral("LPT1=/dev/usb/lp7")});
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("LPT1")), QStringLiteral("/dev/usb/lp7"));
    writeOverrides({QStringLiteral("LPT1=/dev/usb/lp8")});
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("LPT1")), QStringLiteral("/dev/usb/lp8"));
    QFile::remove(station::path(u"c:\\Miltrex\\vavoz\\dispositivos.INI"));
    EXPECT_EQ(ports::devicePathFor(QStringLiteral("LPT1")), dev("usb/lp0"));
}

// Opening: a port must exist and each job is added to what it already holds;
// a file name is created or rewritten only when the caller allows it.
TEST_F(PortNames, OpeningPortsAndFiles)
{
    using Create = ports::PortFile::Create;
    const QString missingPort = QStringLiteral("LPT3");   // dev/lp2 does not exist
    const QString fileName = QStringLiteral("c:\\Miltrex\\saida.txt");
    const QString filePath = m_station.path() + QStringLiteral("/Miltrex/saida.txt");
    QDir().mkpath(m_station.path() + QStringLiteral("/Miltrex"));

    {
        ports::PortFile f;
        EXPECT_FALSE(f.open(missingPort, Create::FileNames));
        EXPECT_FALSE(f.errorText().isEmpty());
        EXPECT_EQ(f.devicePath(), dev("lp2"));
        EXPECT_FALSE(QFileInfo::exists(dev("lp2"))) << "a port is never created";
        EXPECT_FALSE(f.write("x"));
    }
    {
        ports::PortFile f;
        EXPECT_FALSE(f.open(fileName, Create::Never));
        EXPECT_FALSE(QFileInfo::exists(filePath));
    }
    for (const QByteArray& job : {QByteArray("primeiro trabalho\r\n"), QByteArray("segundo\r\n")}) {
        ports::PortFile f;
        ASSERT_TRUE(f.open(fileName, Create::FileNames)) << f.errorText().toStdString();
        EXPECT_TRUE(f.write(job));
        f.close();
        EXPECT_EQ(contents(filePath), job) << "a file name is rewritten";
    }
    {
        touch(dev("usb/lp0"), "antes|");
        ports::PortFile f;
        ASSERT_TRUE(f.open(QStringLiteral("LPT1"), Create::FileNames));
        EXPECT_TRUE(f.write("depois"));
        f.close();
        EXPECT_EQ(contents(dev("usb/lp0")), QByteArray("antes|depois")) << "a port is a stream";
    }
    {
        ports::PortFile f;
        ASSERT_TRUE(f.open(fileName, Create::Never));
        EXPECT_TRUE(f.write("+"));
        f.close();
        EXPECT_EQ(contents(filePath), QByteArray("segundo\r\n+"));
    }
}

// A device that takes nothing: the write gives up after the stall timeout and
// says so; nothing waits longer.
TEST_F(PortNames, DeviceThatTakesNothingStopsTheJob)
{
    ports::setStallTimeout(std::chrono::milliseconds(200));
    const QString fifo = dev("lp1");
    QFile::remove(fifo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        // Nobody at the other end: the open fails at once.
        ports::PortFile f;
        EXPECT_FALSE(f.open(QStringLiteral("LPT2"), ports::PortFile::Create::Never));
        EXPECT_FALSE(f.errorText().isEmpty());
    }
    // Someone holds the other end and never reads.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    {
        ports::PortFile f;
        ASSERT_TRUE(f.open(QStringLiteral("LPT2"), ports::PortFile::Create::Never)) << f.errorText().toStdString();
        EXPECT_FALSE(f.write(QByteArray(4 << 20, 'x')));
        EXPECT_TRUE(f.stalled());
        EXPECT_EQ(f.errorText(), QString::fromUtf8("o dispositivo não recebeu nada em 0,2 s (desligado, sem papel ou em pausa)"));
        EXPECT_FALSE(f.write("mais")) << "a stalled device takes no further writes";
        EXPECT_FALSE(f.close()) << "the output did not leave";
        EXPECT_FALSE(f.isOpen());
    }
    ::close(reader);
    ports::setStallTimeout(std::chrono::milliseconds(0));
    EXPECT_EQ(ports::stallTimeout(), ports::kDefaultStallTimeout);
    EXPECT_EQ(ports::stallTimeoutText(), QStringLiteral("5 s"));
}

} // namespace
