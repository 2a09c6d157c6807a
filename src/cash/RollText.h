#pragma once
// What the shift reports and reprints read of the station's printing settings
// each time they compose a roll printout.
#include "platform/LineFile.h"
#include "platform/Printout.h"

#include <QString>

namespace roll {

// "C:\Miltrex\Trezo\Cupom.INI" line 10: the font size of the receipts shown in
// the preview (reprinted receipts, staff vouchers); 7 when the file, the line or
// the number is missing.
int cupomFontSize();
// A Printout at the receipt font size (SetComSettings::receiptFontSize).
Printout newPrintout();
// setup.INI as it is now (empty when missing).
LineFile setup();
// setup.INI line 9: the "." feed lines; 7 when not a whole number, none when 0 or less.
int feedLines(const LineFile& setup);

// A shift number typed or picked as text: its whole number, 0 when it is not one.
int shiftNumber(const QString& text);

} // namespace roll
