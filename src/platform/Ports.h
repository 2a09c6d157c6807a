#pragma once
// Port and device names of the station's printers.
//
// Printouts name their output the way the stations always have: "LPT1", "COM3",
// "lpt2:" or a file name. This is the one place that turns such a name into a
// device file of this machine:
//
//   LPT1 .. LPT9   /dev/usb/lp0 .. /dev/usb/lp8 when that exists, else /dev/lp0 ..
//   PRN            as LPT1
//   COM1 .. COM9   /dev/ttyS0 .. /dev/ttyS8; /dev/ttyUSB0 .. when the ttyUSB device
//                  exists and the ttyS one does not
//
// Port names are compared without regard to case, surrounding blanks and a
// trailing ':'. A name holding '/' or '\' is a file: an absolute path is used as
// it is, a Windows-style station name ("c:\Miltrex\porta.txt") goes through
// station::path. Any other bare name is a file in the program folder.
//
// A station can point any name elsewhere with the file
// "c:\Miltrex\vavoz\dispositivos.INI", one pair a line:
//
//   LPT1=/dev/usb/lp1
//   COM2=/dev/ttyUSB0
//   \\CAIXA\TERMICA=/dev/usb/lp0
//
// The name on the left is compared like a port name; the path on the right is
// used as it is (a Windows-style name goes through station::path). Lines without
// '=' and blank lines are ignored. The file is read at each call.

#include <QByteArrayView>
#include <QString>

#include <chrono>

namespace ports {

// The device file for a port or device name; "" for an empty name.
QString devicePathFor(const QString& portName);

// True for the names of the machine's ports (LPTn, COMn, PRN); false for files.
bool isPortName(const QString& name);

// The folder standing for /dev in the table above (tests point it elsewhere;
// an empty text restores /dev).
void setDeviceFolder(const QString& folder);

// How long a device may take no byte at all before a write or the wait for the
// output to leave gives up: a printer switched off, out of paper, or one that
// paused the line (XOFF) makes the job fail after this time instead of holding
// the window. A device that keeps taking bytes, however slowly, is waited for.
inline constexpr std::chrono::milliseconds kDefaultStallTimeout{5000};
void setStallTimeout(std::chrono::milliseconds timeout);   // tests; 0 restores the default
std::chrono::milliseconds stallTimeout();
// The timeout as the messages say it: "5 s", "0,3 s".
QString stallTimeoutText();

// An open port or device, closed on destruction.
//
// Writes never block the caller beyond the stall timeout. A serial line is put
// in raw mode when opened: the bytes reach the device exactly as written (no
// CR LF translation, no echo of what the printer sends back); its speed, frame
// and flow control (XON/XOFF, RTS/CTS) stay as the station set them.
class PortFile {
public:
    PortFile() = default;
    ~PortFile() { close(); }
    PortFile(const PortFile&) = delete;
    PortFile& operator=(const PortFile&) = delete;

    enum class Create {
        Never,       // the device or file must exist
        FileNames,   // a name that is a file (not a port) is created or emptied
    };

    // Opens the device of `portName` for writing. False on failure; errorText()
    // then says why.
    bool open(const QString& portName, Create create);
    // Writes every byte; false when the device fails or takes nothing for the
    // stall timeout (stalled() then says so).
    bool write(QByteArrayView bytes);
    // Waits until a serial line has sent what was written (same stall timeout)
    // and closes. False when the output did not leave: what was still waiting
    // is dropped so that the close itself does not wait. Closing a port that is
    // not open is true.
    bool close();

    bool isOpen() const { return m_fd >= 0; }
    bool stalled() const { return m_stalled; }
    QString devicePath() const { return m_path; }
    QString errorText() const { return m_error; }

private:
    bool drain();
    void setStalled();

    int m_fd = -1;
    bool m_tty = false;
    bool m_stalled = false;
    QString m_path;
    QString m_error;
};

} // namespace ports
