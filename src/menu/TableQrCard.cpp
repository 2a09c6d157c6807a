#include "menu/TableQrCard.h"
#include "core/uMensagem.h"

#include "db/DbError.h"
#include "platform/Win1252.h"
#include "reports/Barcodes.h"
#include "reports/UnitVisaoRelatorio.h"
#include "menu/DigitalMenu.h"

namespace {

// The card was drawn in pixels at 96 per inch; the report places in millimetres.
double mm(double pixels)
{
    return pixels * 25.4 / 96.0;
}

void check(const QString& caption, const QString& value, int length)
{
    if (value.size() > length)
        throw MenuRefused(qrtext::tooLong.arg(caption).arg(length));
    if (!fitsWin1252(value))
        throw MenuRefused(characterSetMessage());
}

} // namespace

WifiCard TableQrCard::stored() const
{
    RowSet empresa = m_logon.run(QStringLiteral("select IP, WIFI, SENHA from Empresa"));
    if (!empresa.next())
        return {};
    return {empresa.text(u"IP"), empresa.text(u"WIFI"), empresa.text(u"SENHA")};
}

void TableQrCard::save(const WifiCard& typed)
{
    // Pasted tabs and line ends would reach the card's address and its QR code.
    const WifiCard card{readText(typed.ip), readText(typed.network), readText(typed.password)};
    check(QStringLiteral("IP do Servidor"), card.ip, kIpLength);
    check(QStringLiteral("Rede WIFI"), card.network, kNetworkLength);
    check(QStringLiteral("Senha WIFI"), card.password, kPasswordLength);
    m_logon.exec(QStringLiteral("update empresa set  IP = ?,WIFI = ?,SENHA = ?"),
                 {card.ip, card.network, card.password});
}

QString TableQrCard::tableAddress(const QString& ip, const QString& table)
{
    return QStringLiteral("http://") + ip + QStringLiteral("/cardapio.php?mesa=") + table;
}

QString TableQrCard::networkLine(const WifiCard& card)
{
    return QStringLiteral("Rede : ") + card.network + QStringLiteral("  Senha : ") + card.password;
}

TFormImpQrCode::TFormImpQrCode(const WifiCard& card, const QString& table)
{
    using namespace report;
    const QString address = TableQrCard::tableAddress(card.ip, table);
    const QImage code = codes::qrCode(address);

    Definition& def = m_def;
    def.title = qrtext::title;
    def.paper = QPageSize::A4;
    def.font.size = 10;
    def.printWhenEmpty = true;
    def.pageHeaderOn = Where::FirstPage;
    Band& band = def.pageHeader;
    band.height = mm(126 + 395 + 8);
    const double width = 185;   // each text across the page
    band.add(label(mm(16), mm(16), width - mm(16), mm(20), qrtext::accessWifi));
    band.add(label(mm(64), mm(39), width - mm(64), mm(17), TableQrCard::networkLine(card)));
    band.add(label(mm(64), mm(54), width - mm(64), mm(20), qrtext::scanLine));
    band.add(label(mm(64), mm(77), width - mm(64), mm(20), qrtext::typeLine));
    band.add(label(mm(64), mm(100), width - mm(64), mm(20), address));
    band.add(picture(mm(160), mm(126), mm(497), mm(395), [code](const BandContext&) { return code; }).proportional());
}

void TFormImpQrCode::preview() const
{
    report::preview(m_def, RowSet());
}
