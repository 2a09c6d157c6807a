#pragma once
// The table cards of the digital menu: the menu's server address and the
// restaurant's Wi-Fi network kept in the company row (EMPRESA.IP, WIFI, SENHA),
// and the A4 card of one table (TFormImpQrCode): the network and its password, how
// to reach the menu, and the table's menu address as text and as a QR code.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

#include <QString>

namespace qrtext {
inline const QString accessWifi = QStringLiteral("Acesse nossa WIFI");
inline const QString scanLine = QStringLiteral("Com seu Celular, visualize o QrCode  para acessar o Cardapio");
inline const QString typeLine = QStringLiteral("ou no navegador do seu celular  digite o endereco a baixo");
inline const QString title = QStringLiteral("QrCode Cardápio Digital");
// A field longer than its column: nothing is written and no card is made.
inline const QString tooLong = QStringLiteral("  %1 tem mais de %2 caracteres.  \nNada foi gravado.");
} // namespace qrtext

struct WifiCard {
    QString ip;         // "IP do Servidor": the menu's web server as guests reach it
    QString network;    // "Rede WIFI"
    QString password;   // "Senha WIFI"
};

class TableQrCard {
public:
    static constexpr int kIpLength = 30, kNetworkLength = 20, kPasswordLength = 20;

    explicit TableQrCard(TLogon& logon) : m_logon(logon) {}

    WifiCard stored() const;
    // Saves the three fields in the company row, as typed. MenuRefused (with
    // nothing written) when one is longer than its column or holds characters the
    // database cannot store.
    void save(const WifiCard& card);

    // "http://" + the address + "/cardapio.php?mesa=" + the table as typed.
    static QString tableAddress(const QString& ip, const QString& table);
    // "Rede : " + network + "  Senha : " + password.
    static QString networkLine(const WifiCard& card);

private:
    TLogon& m_logon;
};

// The card of a table: A4 portrait, one band printed with no rows.
class TFormImpQrCode {
public:
    TFormImpQrCode(const WifiCard& card, const QString& table);

    const report::Definition& definition() const { return m_def; }
    void preview() const;

private:
    report::Definition m_def;
};
