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

namespace ports {

// The device file for a port or device name; "" for an empty name.
QString devicePathFor(const QString& portName);

// True for the names of the machine's ports (LPTn, COMn, PRN); false for files.
bool isPortName(const QString& name);

// The folder standing for /dev in the table above (tests point it elsewhere;
// an empty text restores /dev).
void setDeviceFolder(const QString& folder);

// An open port or device, closed on destruction.
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
    // then says why. Serial lines keep their current settings.
    bool open(const QString& portName, Create create);
    // Writes every byte, blocking until the device takes them.
    bool write(QByteArrayView bytes);
    void close();

    bool isOpen() const { return m_fd >= 0; }
    QString devicePath() const { return m_path; }
    QString errorText() const { return m_error; }

private:
    int m_fd = -1;
    QString m_path;
    QString m_error;
};

} // namespace ports
