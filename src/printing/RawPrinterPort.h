#pragma once
// The raw device writer: legacy printouts open a port or device by name, write
// short lines to it as 8-bit text and close it. One device is open at a time,
// program-wide; every caller closes before the next open.
//
//   OpenPrinterPort("LPT1");
//   WritePrinterPortLine("PEDIDO 12");
//   ClosePrinterPort();
//
// Port names are those of ports::devicePathFor. The device or file must exist:
// nothing is created.

#include <QString>

// Opens the device for writing and keeps it. When it cannot be opened the
// message window says "Erro ao tentar imprimir" once, false is returned, and the
// writes that follow do nothing until the next open.
bool OpenPrinterPort(const QString& name);

// Writes the first 42 characters of the text and CR LF, in Windows-1252, with
// one write. A failed write shows "Erro ao tentar imprimir"; the caller goes on
// with its next lines. A device that takes nothing for the port's stall timeout
// (switched off, out of paper, paused) is reported once: the lines that follow
// are dropped without a message each, up to the next open.
void WritePrinterPortLine(const QString& text);

// Waits for a serial line to send what was written (the same stall timeout) and
// closes; output that did not leave shows "Erro ao tentar imprimir" unless the
// stall was already reported.
void ClosePrinterPort();

// Characters of a line that reach the device.
inline constexpr int kPrinterPortLineWidth = 42;
