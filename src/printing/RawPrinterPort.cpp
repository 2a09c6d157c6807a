#include "printing/RawPrinterPort.h"

#include "core/uMensagemWindow.h"
#include "platform/Ports.h"
#include "platform/Win1252.h"

namespace {

// The texts this writer shows.
namespace msg {
const char16_t* const kTitle = u"ATENÇÃO";
const char16_t* const kPrintError = u"    Erro ao tentar imprimir     ";
} // namespace msg

ports::PortFile& port()
{
    static ports::PortFile file;
    return file;
}

void showPrintError()
{
    ShowMessageWindow(QString::fromUtf16(msg::kTitle), QString::fromUtf16(msg::kPrintError),
                      QStringLiteral("1"), QString());
}

} // namespace

bool OpenPrinterPort(const QString& name)
{
    if (port().open(name, ports::PortFile::Create::Never))
        return true;
    showPrintError();
    return false;
}

void WritePrinterPortLine(const QString& text)
{
    if (!port().isOpen() || port().stalled())
        return;
    QByteArray bytes = toWin1252(QStringView(text).left(kPrinterPortLineWidth));
    bytes += "\r\n";
    if (!port().write(bytes))
        showPrintError();
}

void ClosePrinterPort()
{
    const bool reported = port().stalled();
    if (!port().close() && !reported)
        showPrintError();
}
