#pragma once
// Where a composed roll printout goes.
//
// Every printing window composes its text (core/Printout.h) and hands it here
// with its printer slot. The slot's destination is read from setup.INI at each
// printout (nothing is cached):
//
//   "Visualizar"       the preview window (blanks around ignored, see trimKeywords);
//                      so is "VI - Video (Visualiza)", what the settings window
//                      shows and writes for a slot no printer was chosen for
//   "Nao Imprimir"     nothing
//   "Monitor Cozinha"  kitchen slots, with monitorTest: nothing; the caller writes
//                      kitchen-monitor rows
//   "Informa porta"    (exactly so) the port of the slot's portas.INI line, "LPT1"
//                      when portas.INI is missing: the lines in Windows-1252 with
//                      CR LF, then the end of receipt when asked for
//   anything else      the installed printer of that name (any letter case), else
//                      the default printer: control byte line, lines, end of
//                      receipt, trailer
//
// The routes:
//   RoutePrintout          receipts, vouchers, cash records, pre-bills, lists,
//                          kitchen tickets and roll reports
//   RouteDeliveryPrintout  delivery notes of the older style: the conference
//                          printer, failures fall back to the preview, the port
//                          gets a drawer kick as a second job
//   RouteLegacyPrintout    printouts with numbered printer codes (PrinterChoiceCode)
//   RoutePreviewOnly       always the preview window
//
// Failures of RoutePrintout (a port that cannot be opened or written, a device
// that takes nothing for the port stall timeout, a printer that takes no job or
// whose queue is stopped, a print server that does not answer, no printer
// installed) throw std::runtime_error with a text for the standard error box;
// the calling action stops there. No route waits on a device or the print
// server longer than the stall timeout (ports::stallTimeout) without progress.

#include "platform/Printout.h"
#include "printing/SetComSettings.h"   // PrinterSlot

#include <QByteArray>
#include <QString>
#include <optional>

struct RouteOptions {
    bool controlByte = false;    // printer path: first the control-byte line of setup.INI line 8
    bool endOfReceipt = false;   // ESC 'v' 'd' after the lines (printer and port)
    bool trailer = false;        // roll report trailer when setup.INI line 16 is "S" (printer only)
    bool forcePreview = false;   // the printout's "Forçar Visualizar" box
    bool monitorTest = false;    // kitchen tickets: "Monitor Cozinha" outputs nothing
    bool trimKeywords = true;    // false: "Visualizar" and "Nao Imprimir" must match blanks included
    bool alwaysPreview = false;  // roll reports shown in the preview whatever the slot says
    // "Informa porta": the port of this slot's portas.INI line instead of the
    // printout's own slot (the counter's sale-control tickets: the conference port).
    std::optional<PrinterSlot> portOf;
};

enum class RouteResult {
    Previewed,        // shown in the preview window (also as the fallback of a failure)
    NotPrinted,       // "Nao Imprimir", or a legacy code that prints nothing
    KitchenMonitor,   // the caller writes kitchen-monitor rows
    Port,             // written to a port or device
    Printer,          // sent to a printer queue
};

RouteResult RoutePrintout(const Printout& text, PrinterSlot slot, const RouteOptions& options = {});

// Conference printer, with the control byte; a port or printer that fails shows
// " Impressora nao localizada  " and then the preview, and the caller goes on.
RouteResult RouteDeliveryPrintout(const Printout& text);

// Printouts with legacy numbered printer codes: the slot's value goes through
// PrinterChoiceCode. previewBox: the printout's "Visualizar o relatório" box;
// condensed: a line of 0x0F or 0x12 first, after setup.INI line 7 ("15"/"18");
// pagePrinting: "J" codes print pages on the current printer (else nothing).
RouteResult RouteLegacyPrintout(const Printout& text, PrinterSlot slot, bool previewBox,
                                bool condensed, bool pagePrinting);

void RoutePreviewOnly(const Printout& text);

// The printer the last route selected (the default printer before any);
// page printing uses it.
QString CurrentPrinterName();

// Settings as the routes read them, at each call.
QString SlotDestination(PrinterSlot slot);   // setup.INI line; "" when missing
QString SlotPortName(PrinterSlot slot);      // portas.INI line; "LPT1" when the file is missing
int SlotSetupLine(PrinterSlot slot);         // 12, 15, 13, 14, 18, 19

// Byte sequences written after or before the composed lines, CR LF included.
namespace printseq {
// "" for setup.INI line 8 other than "1", "2", "3" (compared exactly).
QByteArray controlByteLine(const QString& setupLine8);
QByteArray endOfReceipt();   // 1B 76 64 0D 0A
QByteArray rollReportTrailer();   // 1D F9 20 00 1B 74 08 1B 76 8C 0D 0A
QByteArray drawer();   // 1B 76 8C 0D 0A
} // namespace printseq
