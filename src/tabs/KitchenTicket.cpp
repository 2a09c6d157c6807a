#include "tabs/KitchenTicket.h"

#include "core/uMensagem.h"
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
            if (const std::optional<int> n = TextToInt(TrimText(f->line(0))))
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
