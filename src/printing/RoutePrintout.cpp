#include "printing/RoutePrintout.h"

#include "printing/RawPrinterPort.h"
#include "printing/UnitVisao.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/LineFile.h"
#include "platform/Ports.h"
#include "platform/Printers.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"

#include <optional>
#include <stdexcept>

namespace {

// The texts the routes show or raise.
namespace msg {
const char16_t* const kAttention = u"ATENÇÃO";
const char16_t* const kPrinterNotFound = u" Impressora nao localizada  ";

QString slotCaption(PrinterSlot slot)
{
    switch (slot) {
    case PrinterSlot::Conference: return QStringLiteral("impressora de conferência");
    case PrinterSlot::Closing: return QStringLiteral("impressora de fechamento");
    case PrinterSlot::Kitchen1: return QStringLiteral("impressora da cozinha 1");
    case PrinterSlot::Kitchen2: return QStringLiteral("impressora da cozinha 2");
    case PrinterSlot::Kitchen3: return QStringLiteral("impressora da cozinha 3");
    case PrinterSlot::Kitchen4: return QStringLiteral("impressora da cozinha 4");
    }
    return QString();
}
QString noPortGiven(PrinterSlot slot)
{
    return QStringLiteral("Nenhuma porta informada em portas.INI para a %1").arg(slotCaption(slot));
}
QString cannotOpen(const QString& port, const QString& device, const QString& why)
{
    return QStringLiteral("Não foi possível abrir a porta %1 (%2): %3").arg(port, device, why);
}
QString cannotWrite(const QString& port, const QString& device, const QString& why)
{
    return QStringLiteral("Erro ao gravar na porta %1 (%2): %3").arg(port, device, why);
}
} // namespace msg

// Names of the legacy printer codes' ports.
QString legacyPort(const QString& code)
{
    if (code == QLatin1String("SM1")) return QStringLiteral("LPT1");
    if (code == QLatin1String("SM2")) return QStringLiteral("LPT2");
    if (code == QLatin1String("SM3")) return QStringLiteral("LPT3");
    if (code == QLatin1String("SM4")) return QStringLiteral("LPT4");
    for (int n = 1; n <= 7; ++n)
        if (code == QStringLiteral("S%1").arg(n))
            return QStringLiteral("COM%1").arg(n);
    return QStringLiteral("COM1");
}

constexpr int kControlByteLine = 8;
constexpr int kCondensedLine = 7;
constexpr int kTrailerSwitchLine = 16;
const char* const kLegacyPageTitle = "100";

QString& currentPrinter()
{
    static QString name;
    return name;
}

LineFile setupFile()
{
    auto file = LineFile::load(station::path(QString::fromLatin1(SetComSettings::kSetupFile)));
    return file ? *file : LineFile();
}

bool isKeyword(const QString& value, const QString& keyword, bool trim)
{
    return (trim ? TrimText(value) : value) == keyword;
}

// "Visualizar", or the video a slot shows until a printer is chosen for it.
bool isPreview(const QString& value, bool trim)
{
    return isKeyword(value, SetComSettings::preview(), trim) || isKeyword(value, SetComSettings::video(), trim);
}

// One job on the slot's port: open, write, wait for the output to leave,
// close. A device that takes nothing for the port's stall timeout fails the
// job like a broken one. Throws with a text for the error box.
void writeToPort(PrinterSlot slot, const QString& port, const QByteArray& bytes)
{
    if (TrimText(port).isEmpty())
        throw std::runtime_error(msg::noPortGiven(slot).toStdString());
    ports::PortFile file;
    if (!file.open(port, ports::PortFile::Create::FileNames))
        throw std::runtime_error(msg::cannotOpen(port, file.devicePath(), file.errorText()).toStdString());
    if (!file.write(bytes) || !file.close())
        throw std::runtime_error(msg::cannotWrite(port, file.devicePath(), file.errorText()).toStdString());
}

// The printer path: the installed printer of that name, else the default one,
// which stays selected for later page printing.
void printOnPrinter(const QString& value, const Printout& text, const QByteArray& prefix,
                    const QByteArray& suffix)
{
    const printers::Queues queues;   // the list is read once per printout
    const QString target = queues.resolve(value);
    if (!target.isEmpty())
        currentPrinter() = target;
    queues.printTextJob(target, text, prefix, suffix);
}

void showPrinterNotFound()
{
    ShowMessageWindow(QString::fromUtf16(msg::kAttention), QString::fromUtf16(msg::kPrinterNotFound),
                      QStringLiteral("1"), QString());
}

} // namespace

namespace printseq {

QByteArray controlByteLine(const QString& setupLine8)
{
    char byte = 0;
    if (setupLine8 == QLatin1String("1"))
        byte = 0x0F;   // condensed
    else if (setupLine8 == QLatin1String("2"))
        byte = 0x0E;   // expanded
    else if (setupLine8 == QLatin1String("3"))
        byte = 0x12;   // normal
    else
        return QByteArray();
    return QByteArray(1, byte) + "\r\n";
}

QByteArray endOfReceipt()
{
    return QByteArrayLiteral("\x1B\x76\x64\r\n");
}

QByteArray rollReportTrailer()
{
    return QByteArrayLiteral("\x1D\xF9\x20\x00\x1B\x74\x08\x1B\x76\x8C\r\n");
}

QByteArray drawer()
{
    return QByteArrayLiteral("\x1B\x76\x8C\r\n");
}

} // namespace printseq

int SlotSetupLine(PrinterSlot slot)
{
    return SetComSettings::setupLineOf(slot);
}

QString SlotDestination(PrinterSlot slot)
{
    return setupFile().line(SlotSetupLine(slot));
}

QString SlotPortName(PrinterSlot slot)
{
    const auto ports = LineFile::load(station::path(QString::fromLatin1(SetComSettings::kPortsFile)));
    if (!ports)
        return QStringLiteral("LPT1");
    return ports->line(int(slot));
}

QString CurrentPrinterName()
{
    return currentPrinter().isEmpty() ? printers::defaultPrinter() : currentPrinter();
}

RouteResult RoutePrintout(const Printout& text, PrinterSlot slot, const RouteOptions& options)
{
    const LineFile setup = setupFile();
    QString value = setup.line(SlotSetupLine(slot));
    if (options.alwaysPreview)
        value = SetComSettings::preview();

    if (options.monitorTest && TrimText(value) == SetComSettings::kitchenMonitor())
        return RouteResult::KitchenMonitor;

    if (options.forcePreview || isPreview(value, options.trimKeywords)) {
        ShowPreview(text);
        return RouteResult::Previewed;
    }
    if (isKeyword(value, SetComSettings::noPrinting(), options.trimKeywords))
        return RouteResult::NotPrinted;

    if (value == SetComSettings::askPort()) {
        QByteArray bytes = printers::jobBytes(text);
        if (options.endOfReceipt)
            bytes += printseq::endOfReceipt();
        const PrinterSlot portSlot = options.portOf.value_or(slot);
        writeToPort(portSlot, SlotPortName(portSlot), bytes);
        return RouteResult::Port;
    }

    const QByteArray prefix = options.controlByte ? printseq::controlByteLine(setup.line(kControlByteLine))
                                                  : QByteArray();
    QByteArray suffix;
    if (options.endOfReceipt)
        suffix += printseq::endOfReceipt();
    if (options.trailer) {
        const QString enabled = TrimText(setup.line(kTrailerSwitchLine));
        if (enabled == QLatin1String("S") || enabled == QLatin1String("s"))
            suffix += printseq::rollReportTrailer();
    }
    printOnPrinter(value, text, prefix, suffix);
    return RouteResult::Printer;
}

RouteResult RouteDeliveryPrintout(const Printout& text)
{
    constexpr PrinterSlot slot = PrinterSlot::Conference;
    const LineFile setup = setupFile();
    const QString value = setup.line(SlotSetupLine(slot));

    if (isPreview(value, true)) {
        ShowPreview(text);
        return RouteResult::Previewed;
    }
    if (TrimText(value) == SetComSettings::noPrinting())
        return RouteResult::NotPrinted;

    try {
        if (value == SetComSettings::askPort()) {
            const QString port = SlotPortName(slot);
            writeToPort(slot, port, printers::jobBytes(text));
            writeToPort(slot, port, printseq::drawer());
            return RouteResult::Port;
        }
        printOnPrinter(value, text, printseq::controlByteLine(setup.line(kControlByteLine)), QByteArray());
        return RouteResult::Printer;
    } catch (const std::exception&) {
        showPrinterNotFound();
        ShowPreview(text);
        return RouteResult::Previewed;
    }
}

RouteResult RouteLegacyPrintout(const Printout& text, PrinterSlot slot, bool previewBox,
                                bool condensed, bool pagePrinting)
{
    if (previewBox) {
        ShowPreview(text);
        return RouteResult::Previewed;
    }
    const LineFile setup = setupFile();
    const QString code = PrinterChoiceCode(setup.line(SlotSetupLine(slot)));

    if (code.startsWith(QLatin1Char('J')) && pagePrinting) {
        try {
            const printers::Queues queues;
            const QString printer = currentPrinter().isEmpty() ? queues.defaultName() : currentPrinter();
            queues.printTextJob(printer, text, QByteArray(), QByteArray(), QString::fromLatin1(kLegacyPageTitle));
            return RouteResult::Printer;
        } catch (const std::exception&) {
            ShowPreview(text);
            return RouteResult::Previewed;
        }
    }
    if (code.startsWith(QLatin1Char('S'))) {
        if (!OpenPrinterPort(legacyPort(code)))
            return RouteResult::NotPrinted;
        if (condensed) {
            const QString mode = TrimText(setup.line(kCondensedLine));
            if (mode == QLatin1String("15"))
                WritePrinterPortLine(QString(QChar(0x0F)));
            else if (mode == QLatin1String("18"))
                WritePrinterPortLine(QString(QChar(0x12)));
        }
        for (const QString& line : text.lines)
            WritePrinterPortLine(line);
        ClosePrinterPort();
        return RouteResult::Port;
    }
    if (code == QLatin1String("VI")) {
        ShowPreview(text);
        return RouteResult::Previewed;
    }
    return RouteResult::NotPrinted;
}

void RoutePreviewOnly(const Printout& text)
{
    ShowPreview(text);
}
