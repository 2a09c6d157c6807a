#include "tabs/KitchenTicket.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace {

const QString kPedidoFile = QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI");

} // namespace

std::vector<PrinterSlot> kitchenSlots(int kitchen)
{
    switch (kitchen) {
    case 1: return {PrinterSlot::Kitchen1};
    case 2: return {PrinterSlot::Kitchen2};
    case 3: return {PrinterSlot::Kitchen3};
    case 4: return {PrinterSlot::Kitchen4};
    case 5: return {PrinterSlot::Kitchen1, PrinterSlot::Kitchen2};
    default: return {};
    }
}

int nextKitchenOrderNumber()
{
    try {
        if (const std::optional<LineFile> f = LineFile::load(station::path(kPedidoFile)))
            if (const std::optional<int> n = readInt(f->line(0)))
                return *n;
    } catch (const std::exception&) {
    }
    return 1;
}

void saveKitchenOrderNumber(int number)
{
    LineFile::save(station::pathForWriting(kPedidoFile), {QString::number(number)});
}

QString complementSummary(const QStringList& complements)
{
    QString s = QStringLiteral("(");
    for (const QString& c : complements)
        s += TrimText(c.toUpper().left(28)) + u'/';
    s += u')';
    return s == QLatin1String("()") ? QString() : s;
}

QString kitchenQuantityText(const Decimal& quantity)
{
    return quantity.isWhole() ? FormatFloat(u"000", quantity) : FormatFloat(u"0.000", quantity) + QStringLiteral("Kg");
}

QStringList kitchenNameLines(const QString& name)
{
    QStringList lines{name.left(37)};
    for (QString rest = name.mid(37); !rest.isEmpty(); rest = rest.mid(37))
        lines << rest.left(37);
    return lines;
}

qint64 writeKitchenMonitorRow(TLogon& logon, const KitchenMonitorRow& r)
{
    RowSet row = logon.run(QStringLiteral("Insert Into cozinha2 (id,idmesa,grupo,hora,mesa,garcom,caixa,produto,quant,compl) "
                                          "values (GEN_ID(COZINHA2,1),?,?,?,?,?,?,?,?,?) returning id"),
                           {r.idmesa ? QVariant(*r.idmesa) : QVariant(), r.grupo ? QVariant(*r.grupo) : QVariant(),
                            r.hora.left(20), r.mesa.left(15), r.garcom.left(10), r.caixa, r.produto.left(120), r.quant,
                            r.complements.left(28)});
    return row.first() ? row.integer(u"ID") : 0;
}
