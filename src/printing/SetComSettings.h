#pragma once
// The five settings files of the tab and printer settings window, as values:
//
//   setup.INI          23 lines: charges, print switches, the six printer slots,
//                      control byte, paper feed, drawer, delivery block
//   portas.INI          6 lines: the port of each slot set to "Informa porta"
//   fonte.INI           2 lines: font size of receipts and of kitchen tickets
//   junta.INI           1 line : join identical items of a tab ("S"/"N")
//   MensagemCupom.INI   the receipt message, free text
//
// Everything here works on texts exactly as the window shows them; the field
// checks are plain functions so the window and the saving share them.

#include "core/AmountReader.h"
#include "core/WholeNumber.h"
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// The six printer slots, in the order of portas.INI.
enum class PrinterSlot { Conference, Closing, Kitchen1, Kitchen2, Kitchen3, Kitchen4 };
inline constexpr int kPrinterSlotCount = 6;

struct SetComValues {
    // setup.INI, by line (lines 10 and 11 are constants, see SetComSettings).
    QString serviceCaption;        // 0
    QString servicePercent;        // 1
    QString coverCharge;           // 2
    QString printPreBill;          // 3  S/N
    QString printKitchenOrders;    // 4  S/N
    QString kitchenOneByOne;       // 5  S/N
    QString printPaymentReceipt;   // 6  S/N
    QString previewTab;            // 7  not shown; carried over as loaded
    QString controlByte;           // 8  "0".."3" ("" when the file named no entry of the list)
    QString feedLines;             // 9
    QString drawerEnabled;         // 16 S/N
    QString drawerCommand;         // 17 not shown; carried over as loaded
    QString blockDelivery;         // 20 S/N
    QString forceLineFeed;         // 21 S/N
    QString coverCaption;          // 22
    // Destinations (setup.INI lines 12, 15, 13, 14, 18, 19) and ports (portas.INI
    // lines 0 to 5), indexed by PrinterSlot.
    std::array<QString, kPrinterSlotCount> destinations;
    std::array<QString, kPrinterSlotCount> ports;
    // fonte.INI
    QString receiptFontSize;
    QString kitchenFontSize;
    // junta.INI (not shown; carried over as loaded)
    QString joinItems;
    // MensagemCupom.INI, one entry per line
    QStringList message;

    QString& destination(PrinterSlot s) { return destinations[size_t(s)]; }
    const QString& destination(PrinterSlot s) const { return destinations[size_t(s)]; }
    QString& port(PrinterSlot s) { return ports[size_t(s)]; }
    const QString& port(PrinterSlot s) const { return ports[size_t(s)]; }
};

class SetComSettings {
public:
    static constexpr const char* kSetupFile = "c:\\Miltrex\\vavoz\\setup.INI";
    static constexpr const char* kPortsFile = "c:\\Miltrex\\vavoz\\portas.INI";
    static constexpr const char* kFontFile = "c:\\Miltrex\\vavoz\\fonte.INI";
    static constexpr const char* kJoinFile = "c:\\Miltrex\\vavoz\\junta.INI";
    static constexpr const char* kMessageFile = "c:\\Miltrex\\vavoz\\MensagemCupom.INI";

    static constexpr int kSetupLineCount = 23;

    // Destination keywords.
    static QString askPort() { return QStringLiteral("Informa porta"); }
    static QString kitchenMonitor() { return QStringLiteral("Monitor Cozinha"); }
    static QString noPrinting() { return QStringLiteral("Nao Imprimir"); }
    static QString preview() { return QStringLiteral("Visualizar"); }
    // What the window shows, and writes, for a slot no file set: the video, that
    // is the preview, like "Visualizar".
    static QString video() { return QStringLiteral("VI - Video (Visualiza)"); }

    // Read at each printout, as every settings file is: the paper feed after a
    // ticket (setup.INI line 9, default 7, never below 0) and the font sizes of
    // fonte.INI (line 0 receipts, pre-bills, vouchers and reports, default 7; line 1
    // kitchen tickets, default 14). The one reader of a font size: the line as a
    // whole number above 0; the default when the file, the line or such a number
    // is missing or the file cannot be read.
    static int feedLines();
    static int receiptFontSize();
    static int kitchenFontSize();

    // What the window shows when no file exists.
    static SetComValues defaults();
    // The five files of the station read over the defaults. Throws
    // std::runtime_error when a file exists but cannot be read.
    static SetComValues load();
    // Writes junta, MensagemCupom, fonte and portas, then applies the saving checks
    // to `values` and writes setup. Throws std::runtime_error (naming the file) at
    // the first file that cannot be written: the files before it stay written, the
    // ones after it are not written.
    static void save(SetComValues& values);

    // The 23 lines of setup.INI for these values, in line order.
    static QStringList setupLines(const SetComValues& values);
    // The setup.INI line of a slot's destination.
    static int setupLineOf(PrinterSlot slot);
    static bool isKitchen(PrinterSlot slot);

    // Checks.
    // The text when it is exactly "S" or "N", else the fallback.
    static QString yesNoOr(const QString& text, const QString& fallback);
    // setup.INI lines 1 and 2 as this window checks them and every reader takes
    // them: a percentage, and a charge per person small enough that a table of
    // 9999 persons still makes a bill.
    static AmountRules servicePercentRules() { return AmountRules::percent(); }
    static AmountRules coverChargeRules() { return AmountRules::money().upTo(Decimal::fromCents(9'999'999'999)); }
    // The text when the rules read it as a number (decimal comma), else the fallback.
    static QString numberOr(const QString& text, const QString& fallback,
                            const AmountRules& rules = AmountRules::money());
    // The text when it is a whole number (core/WholeNumber), else the fallback.
    static QString wholeNumberOr(const QString& text, const QString& fallback);
    // The saving checks: feed lines "7", service percentage and cover charge "0"
    // when they are not numbers.
    static void applySaveChecks(SetComValues& values);

    // List contents of the window's boxes.
    // A destination box: the installed printers, "Informa porta", "Monitor
    // Cozinha" (kitchen slots only), "Nao Imprimir", "Visualizar".
    static QStringList destinationChoices(const QStringList& installedPrinters, bool kitchen);
    static QStringList fontSizes();        // "0".."14", "16".."26" by 2
    static QStringList controlBytes();     // "0".."3"

    // True when a slot's port is used: its destination, blanks around it
    // removed, reads "Informa porta".
    static bool usesPort(const QString& destination);

    static QString trimmed(const QString& text);   // blanks and control characters at both ends
};
