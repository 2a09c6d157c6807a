#pragma once
// The cash drawer as the drawer test window drives it: a model, a port and a
// command string in the drawer component's notation ("#027,v,#140 | Bematech":
// bytes by decimal code after "#", other entries as their characters, separated by
// commas; what follows "|" names the printer maker and is not sent). Its three
// choices are kept in "c:\Miltrex\gaveta.INI", six lines:
//   0 model index, 1 port list index (-1 none), 2 model text, 3 port name,
//   4 command index, 5 command text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace drawer {

constexpr const char* kSettingsFile = "c:\\Miltrex\\gaveta.INI";

enum Model { gavNenhuma, gavSerialMenno, gavSerialGerbo, gavImpressoraECF, gavImpressoraComum };
QStringList models();     // "gavNenhuma" ... "gavImpressoraComum"
// The ports a drawer hangs on: "COM1".."COM7", "LPT1".."LPT4". The station maps
// each to its device (platform/Ports: dispositivos.INI); the window takes no
// other name, and never a path.
QStringList portNames();
QStringList commands();   // the five command strings with their makers
constexpr int kDefaultModel = gavSerialGerbo;

// The bytes of a command string; nullopt when an entry is not a byte.
std::optional<QByteArray> commandBytes(const QString& command);

struct Settings {
    int model = kDefaultModel;
    int portIndex = -1;
    QString port;
    int command = 4;   // the component's design value: the fifth entry
};
// What the window takes from the file at creation (model, port, command);
// defaults for what is missing or unreadable.
Settings load();
// The six lines, written whole; false when the file could not be written.
bool save(const Settings& s, const QString& modelText, const QString& commandText);

// Opens the drawer: the command string's bytes written to the device of the port
// (one of portNames(), any letter case). Throws std::runtime_error with the text
// for the error box.
void open(int model, const QString& port, const QString& command);

} // namespace drawer
