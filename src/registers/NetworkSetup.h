#pragma once
// This station's database server address in "c:\Miltrex\vavoz\SetupRede.Ini",
// read by the data module at the next start.

#include <QString>
#include <optional>

namespace networkText {
inline const QString saved = QStringLiteral("** IP do Servidor Gravado com sucesso...\n"
                                            "** O sistema precisa ser reiniciado para reconhecer o novo IP");
inline const QString invalid = QStringLiteral("Endereco IP do Servidor invalido.\n"
                                              "Informe o endereco completo, como 192.168.0.10");
}

namespace networkSetup {

constexpr const char* kFile = "c:\\Miltrex\\vavoz\\SetupRede.Ini";
constexpr const char* kServerItself = "127.0.0.1";

// The address the window shows: the station's own address ("nil": none); only
// when there is one, the file's first line replaces it when not blank.
QString shownAddress(const QString& plnText, const std::optional<QString>& fileFirstLine);
// The same, reading this station's setting and file.
QString shownAddress();

// An address the start-up will use: a server name or number the data module
// keeps (eight characters or more, beginning with a digit), nothing else in it.
bool isUsableAddress(const QString& address);

// Writes the address as the file's only line; throws std::runtime_error.
void save(const QString& address);

} // namespace networkSetup
