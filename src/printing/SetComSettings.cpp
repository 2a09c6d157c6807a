#include "printing/SetComSettings.h"
#include "core/WholeNumber.h"
#include <algorithm>

#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <climits>

namespace {

// setup.INI line of each slot's destination, in PrinterSlot order.
constexpr std::array<int, kPrinterSlotCount> kSlotLines = {12, 15, 13, 14, 18, 19};

std::optional<LineFile> loadFile(const char* windowsName)
{
    return LineFile::load(station::path(QString::fromLatin1(windowsName)));
}

void saveFile(const char* windowsName, const QStringList& lines)
{
    LineFile::save(station::pathForWriting(QString::fromLatin1(windowsName)), lines);
}

QString fontSizeOf(const LineFile& file, int line)
{
    const QString text = file.line(line);
    return readInt(text) ? text : QStringLiteral("7");
}

} // namespace

SetComValues SetComSettings::defaults()
{
    SetComValues v;
    v.serviceCaption = QStringLiteral("Tx Opcional");
    v.servicePercent = QStringLiteral("10");
    v.coverCharge = QStringLiteral("5,00");
    v.printPreBill = QStringLiteral("S");
    v.printKitchenOrders = QStringLiteral("S");
    v.kitchenOneByOne = QStringLiteral("S");
    v.printPaymentReceipt = QStringLiteral("S");
    v.previewTab = QStringLiteral("S");
    v.controlByte = QStringLiteral("0");
    v.feedLines = QStringLiteral("7");
    v.drawerEnabled = QStringLiteral("N");
    v.drawerCommand = QStringLiteral("#27 + #118 + #140");
    v.blockDelivery = QStringLiteral("N");
    v.forceLineFeed = QStringLiteral("N");
    v.coverCaption = QStringLiteral("Couver/Outros");
    v.destinations.fill(video());
    v.ports.fill(QStringLiteral("LPT1"));
    v.receiptFontSize = QStringLiteral("7");
    v.kitchenFontSize = QStringLiteral("6");
    v.joinItems = QStringLiteral("S");
    v.message = {QStringLiteral("     Obrigado e volte sempre"), QStringLiteral("    Agradecemos a preferencia")};
    return v;
}

SetComValues SetComSettings::load()
{
    SetComValues v = defaults();

    if (const auto fonts = loadFile(kFontFile)) {
        v.receiptFontSize = fontSizeOf(*fonts, 0);
        v.kitchenFontSize = fontSizeOf(*fonts, 1);
    }

    if (const auto join = loadFile(kJoinFile))
        v.joinItems = join->line(0);

    if (const auto ports = loadFile(kPortsFile)) {
        for (int i = 0; i < kPrinterSlotCount; ++i)
            v.ports[size_t(i)] = ports->line(i);
    }

    if (const auto setup = loadFile(kSetupFile)) {
        const LineFile& f = *setup;
        v.serviceCaption = f.line(0);
        v.servicePercent = f.line(1);
        v.coverCharge = f.line(2);
        v.printPreBill = f.line(3);
        v.printKitchenOrders = f.line(4);
        v.kitchenOneByOne = f.line(5);
        v.printPaymentReceipt = f.line(6);
        v.previewTab = f.line(7);
        // Line 8 picks the entry at its position of the list "0".."3"; a position
        // outside the list picks none.
        const std::optional<int> position = readInt(f.line(8));
        const QStringList bytes = controlBytes();
        v.controlByte = !position ? bytes.first()
                                  : (*position >= 0 && *position < bytes.size() ? bytes.at(*position) : QString());
        v.feedLines = f.line(9);
        for (int i = 0; i < kPrinterSlotCount; ++i)
            v.destinations[size_t(i)] = f.line(kSlotLines[size_t(i)]);
        v.drawerEnabled = f.line(16);
        v.drawerCommand = f.line(17);
        v.blockDelivery = f.line(20);
        v.forceLineFeed = f.line(21);
        v.coverCaption = f.line(22);
    }

    if (const auto message = loadFile(kMessageFile))
        v.message = message->lines();

    // A file written before lines 20 to 22 existed gets their defaults.
    if (trimmed(v.coverCaption).isEmpty())
        v.coverCaption = QStringLiteral("Couver/Outros");
    v.blockDelivery = yesNoOr(v.blockDelivery, QStringLiteral("N"));
    return v;
}

void SetComSettings::save(SetComValues& values)
{
    saveFile(kJoinFile, {values.joinItems});
    saveFile(kMessageFile, values.message);
    saveFile(kFontFile, {values.receiptFontSize, values.kitchenFontSize});
    saveFile(kPortsFile, QStringList(values.ports.begin(), values.ports.end()));
    applySaveChecks(values);
    saveFile(kSetupFile, setupLines(values));
}

QStringList SetComSettings::setupLines(const SetComValues& v)
{
    QStringList lines(kSetupLineCount);
    lines[0] = v.serviceCaption;
    lines[1] = v.servicePercent;
    lines[2] = v.coverCharge;
    lines[3] = v.printPreBill;
    lines[4] = v.printKitchenOrders;
    lines[5] = v.kitchenOneByOne;
    lines[6] = v.printPaymentReceipt;
    lines[7] = v.previewTab;
    lines[8] = v.controlByte;
    lines[9] = v.feedLines;
    lines[10] = QStringLiteral("Obrigado");
    lines[11] = QStringLiteral("Volte Sempre");
    for (int i = 0; i < kPrinterSlotCount; ++i)
        lines[kSlotLines[size_t(i)]] = v.destinations[size_t(i)];
    lines[16] = v.drawerEnabled;
    lines[17] = v.drawerCommand;
    lines[20] = v.blockDelivery;
    lines[21] = v.forceLineFeed;
    lines[22] = v.coverCaption;
    return lines;
}

int SetComSettings::setupLineOf(PrinterSlot slot)
{
    return kSlotLines[size_t(slot)];
}

bool SetComSettings::isKitchen(PrinterSlot slot)
{
    return slot != PrinterSlot::Conference && slot != PrinterSlot::Closing;
}

QString SetComSettings::yesNoOr(const QString& text, const QString& fallback)
{
    return text == QLatin1String("S") || text == QLatin1String("N") ? text : fallback;
}

QString SetComSettings::numberOr(const QString& text, const QString& fallback, const AmountRules& rules)
{
    return readAmount(text, rules) ? text : fallback;
}

QString SetComSettings::wholeNumberOr(const QString& text, const QString& fallback)
{
    return readInt(text) ? text : fallback;
}

void SetComSettings::applySaveChecks(SetComValues& v)
{
    v.feedLines = wholeNumberOr(v.feedLines, QStringLiteral("7"));
    v.servicePercent = numberOr(v.servicePercent, QStringLiteral("0"), servicePercentRules());
    v.coverCharge = numberOr(v.coverCharge, QStringLiteral("0"), coverChargeRules());
}

QStringList SetComSettings::destinationChoices(const QStringList& installedPrinters, bool kitchen)
{
    QStringList list = installedPrinters;
    list << askPort();
    if (kitchen)
        list << kitchenMonitor();
    list << noPrinting() << preview();
    return list;
}

QStringList SetComSettings::fontSizes()
{
    QStringList sizes;
    for (int s = 0; s <= 14; ++s)
        sizes << QString::number(s);
    for (int s = 16; s <= 26; s += 2)
        sizes << QString::number(s);
    return sizes;
}

QStringList SetComSettings::controlBytes()
{
    return {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
}

bool SetComSettings::usesPort(const QString& destination)
{
    return trimmed(destination) == askPort();
}

QString SetComSettings::trimmed(const QString& s)
{
    return TrimText(s);
}

namespace {
// A whole number on a line of a station file; the fallback when the file, the
// line or the number is not there.
int numberAt(const char* file, int line, int fallback)
{
    try {
        if (const std::optional<LineFile> f = LineFile::load(station::path(QString::fromLatin1(file))))
            if (const std::optional<int> n = readInt(f->line(line)))
                return *n;
    } catch (const std::exception&) {
    }
    return fallback;
}
} // namespace

int SetComSettings::feedLines() { return std::max(0, numberAt(kSetupFile, 9, 7)); }
namespace {
// A font size of fonte.INI: a size below 1 cannot be printed.
int fontSizeAt(int line, int fallback)
{
    const int size = numberAt(SetComSettings::kFontFile, line, fallback);
    return size > 0 ? size : fallback;
}
} // namespace

int SetComSettings::receiptFontSize() { return fontSizeAt(0, 7); }
int SetComSettings::kitchenFontSize() { return fontSizeAt(1, 14); }
