#pragma once
// What the item-transfer and table-move windows ask alike: to open a destination
// tab that is not open, and to print the voucher of what they moved. Each window
// hands in its own texts.
#include <QString>

class QLineEdit;
class TLogon;
struct Printout;

namespace tabs {

// `question` answered yes opens the tab; no says `notOpened` and puts the focus
// back on the destination box.
void offerToOpenTab(TLogon& logon, const QString& tab, QLineEdit* destination, const QString& question,
                    const QString& notOpened);
// `question` answered yes prints the voucher on the closing printer; a printer
// fault shows in an error box.
void offerVoucher(const Printout& voucher, const QString& question);

} // namespace tabs
