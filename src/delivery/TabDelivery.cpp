#include "delivery/TabDelivery.h"
#include "core/WholeNumber.h"

#include "registers/ReportChoices.h"
#include "closing/ClosingSettings.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
constexpr const char* kControlFile = "c:\\Miltrex\\Vavoz\\contdeli.INI";
constexpr const char* kFeeFile = "c:\\Miltrex\\Vavoz\\Entregador.INI";

void saveLine(const char* windowsName, const QString& line)
{
    try {
        LineFile::save(station::pathForWriting(QString::fromLatin1(windowsName)), {line});
    } catch (const std::exception&) {
        // a remembered number or fee; the delivery data are written all the same
    }
}

} // namespace

QStringList TabDelivery::deliveryMen()
{
    return choices::items(choices::coded(m_logon, S("select CODIGO, NOME from DELICAD order by CODIGO, ID")),
                          {5, S(" - "), QString()});
}

QStringList TabDelivery::areas()
{
    QStringList list{deliverytext::tab::counterPickUp};
    RowSet rs = m_logon.run(S("select BAIRRO, TAXA from ENTREGA order by BAIRRO, ID"));
    while (rs.next())
        list << rs.text(u"BAIRRO") + S("  R$ ") + delivery::amountText(rs.decimal(u"TAXA"));
    return list;
}

QStringList TabDelivery::paymentMethods()
{
    return choices::items(choices::coded(m_logon, S("select CD, NOME from FORMAPAGA order by CD, ID")),
                          {2, S("-"), QString()});
}

std::optional<Decimal> TabDelivery::feeOf(const QString& areaText)
{
    const qsizetype at = areaText.indexOf(S("R$"));
    if (at < 0)
        return Decimal();
    const std::optional<Decimal> fee = delivery::readAmount(areaText.mid(at + 2, 20));
    if (!fee || fee->isNegative())
        return std::nullopt;
    return fee;
}

std::optional<qint64> TabDelivery::manCodeOf(const QString& manText)
{
    // "00003 - JOAO": the code before the dash (a code of six digits shows whole);
    // a text typed without the dash: its first five characters.
    const qsizetype dash = manText.indexOf(S(" - "));
    const QString code = (dash > 0 ? manText.left(dash) : manText.left(5)).trimmed();
    if (code.isEmpty())
        return 0;
    const std::optional<qint64> n = readWhole(code);
    if (!n || *n < 0)
        return std::nullopt;
    return n;
}

QString TabDelivery::nextControlNumber()
{
    const std::optional<int> last = readInt(settingsLine(kControlFile, 0));
    return FormatFloat(u"000000", Decimal(qint64(last && *last >= 0 ? *last : 0) + 1));
}

QString TabDelivery::customerText(const QString& tab)
{
    RowSet rs = m_logon.run(S("select first 1 c.CODIGO, c.NOME from CABMESA m join CLIENTES c on c.CODIGO = m.CLIENTE "
                              "where m.MESA = ? order by c.ID"), {tab});
    if (!rs.next())
        return QString();
    return QString::number(rs.integer(u"CODIGO")) + u' ' + rs.text(u"NOME");
}

QString TabDelivery::customerText(qint64 code)
{
    const QVariant name = m_logon.scalar(S("select first 1 NOME from CLIENTES where CODIGO = ? order by ID"), {code});
    return QString::number(code) + u' ' + textOf(name);
}

void TabDelivery::confirm(const Confirmation& c, const QDate& today)
{
    const std::optional<Decimal> fee = feeOf(c.areaText);
    const std::optional<qint64> man = manCodeOf(c.manText);
    if (!fee || !man)
        throw DeliveryRefused(deliverytext::tab::fillError);
    const Decimal amount = delivery::readAmount(c.amountText).value_or(Decimal());
    const QString tab = c.tab.trimmed().isEmpty() ? S("0") : c.tab.trimmed();
    m_logon.action([&] {
        // The tab's row, held: a second station confirming the same tab waits here,
        // then finds this one's delivery row and changes it.
        RowSet held = m_logon.run(S("select ID from CABMESA where MESA = ? with lock"), {tab});
        if (!held.next())
            throw DeliveryRefused(deliverytext::tab::fillError);
        const qint64 tabRow = held.integer(u"ID");
        // One delivery to settle per tab: confirming again changes it.
        const Params values{*man, c.timeText.left(8), today, c.orderValue, c.orderValue + *fee,
                            c.customerText.left(38), tabRow};
        if (m_logon.exec(S("update DELIVERE set CODIGO = ?, HORA = ?, DATA = ?, VALOR = ?, MOTOBOY = ?, CLIENTE = ? "
                           "where IDCABMESA = ? and FONE is null"), values) == 0)
            m_logon.run(S("insert into DELIVERE (ID, CODIGO, HORA, DATA, VALOR, MOTOBOY, CLIENTE, IDCABMESA) "
                          "values (GEN_ID(DELIVERE,1), ?, ?, ?, ?, ?, ?, ?)"),
                        values);
        m_logon.run(S("update CABMESA set PAGADELIVARY = ?, VALORDELIVERY = ?, VENDEDOR = ?, DELIVERY = ? "
                      "where MESA = ?"),
                    {c.paymentText.left(20), amount, *man, *fee, tab});
        if (c.customer)
            m_logon.run(S("update CABMESA set OBS = ?, DELYENTREGA = ?, DELYTAXA = ?, CLIENTE = ? where MESA = ?"),
                        {c.firstNote.left(20), *man, *fee, *c.customer, tab});
        else
            m_logon.run(S("update CABMESA set OBS = ?, DELYENTREGA = ?, DELYTAXA = ? where MESA = ?"),
                        {c.firstNote.left(20), *man, *fee, tab});
    });
    saveLine(kFeeFile, delivery::amountText(*fee));
    saveLine(kControlFile, c.controlNumber);
}
