#include "tabs/UpkeepPrompts.h"

#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "tabs/TabVoucher.h"

#include <QDateTime>
#include <QLineEdit>

namespace tabs {

void offerToOpenTab(TLogon& logon, const QString& tab, QLineEdit* destination, const QString& question,
                    const QString& notOpened)
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), question, QStringLiteral("2")) == QLatin1String("S")) {
        openTab(logon, tab, QDateTime::currentDateTime());
    } else {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), notOpened, QStringLiteral("1"));
        destination->setFocus();
    }
}

void offerVoucher(const Printout& voucher, const QString& question)
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), question, QStringLiteral("2")) != QLatin1String("S"))
        return;
    try {
        RoutePrintout(voucher, PrinterSlot::Closing);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

} // namespace tabs
