#include "tabs/TabMaintenanceMenu.h"
#include "tabs/TabKey.h"
#include "cash/CashShift.h"
#include "core/uMensagemWindow.h"

#include "tabs/TabUpkeep.h"
#include "tabs/TabVoucher.h"
#include "tabs/UnitCliMesa.h"
#include "tabs/UnitExcCom.h"
#include "tabs/UnitExcItemCom.h"
#include "tabs/UnitMudMes.h"
#include "tabs/UnitMudaMesa.h"
#include "tabs/UnitReabrirCom.h"
#include "tabs/UnitReserva.h"
#include "cash/UnitSangria.h"
#include "tabs/Unitpagaantes.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "shell/UnitAcessos.h"

namespace T = TabMaintenanceMenuText;

namespace tabmenu {

namespace {

void say(const QString& text)
{
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), text, QStringLiteral("1"));
}

bool has(int mask, int bit)
{
    return RightsBitSet(mask, bit) == QLatin1String("S");
}

void prompt(TLogon& logon)
{
    ctx::op().AuthoriserIsMaster = QStringLiteral("N");
    ctx::op().CurrentRights = 0;
    askSupervisor(logon);
}

// The prompt, then the rights bit of the user it confirmed.
bool authorised(TLogon& logon, int bit)
{
    prompt(logon);
    return has(ctx::op().CurrentRights, bit);
}

template <class W>
bool show(W& window)
{
    dialogs().exec(window);
    return true;
}

} // namespace

bool advancePayment(TLogon& logon, int itemOptions, const QString& tableBox)
{
    if (!has(itemOptions, AdvanceFreely) && !authorised(logon, 32))
        return false;
    TFormPagaantes w(logon);
    w.setTab(tabs::readTabKey(tableBox, tabs::TabKeyRules::upkeepBox()));
    return show(w);
}

bool withdrawal(TLogon& logon)
{
    if (!authorised(logon, 32)) {
        say(T::kDeniedTab);
        return false;
    }
    if (CashShift(logon).openNumber() == 0) {
        say(T::kCashClosed);
        return false;
    }
    TFormSangria w(logon);
    return show(w);
}

bool itemTransfer(TLogon& logon, int itemOptions, const QString& tableBox)
{
    if (!has(itemOptions, TransferFreely) && !authorised(logon, 4096)) {
        say(T::kDenied);
        return false;
    }
    TFormMudMes w(logon);
    w.setOrigin(tableBox);
    return show(w);
}

bool tableMove(TLogon& logon, int itemOptions, const QString& tableBox)
{
    if (!has(itemOptions, ChangeTableFreely) && !authorised(logon, 4096)) {
        say(T::kDenied);
        return false;
    }
    TFormMudaMesa w(logon);
    w.setSource(tableBox);
    return show(w);
}

bool cancelTab(TLogon& logon, int itemOptions, const QString& tableBox)
{
    if (!has(itemOptions, CancelTabFreely) && !authorised(logon, 512)) {
        say(T::kDeniedTab);
        return false;
    }
    TFormExcCom w(logon);
    w.setTab(tableBox);
    return show(w);
}

bool cancelItems(TLogon& logon, int itemOptions, const QString& tableBox)
{
    ctx::op().AuthoriserIsMaster = QStringLiteral("N");
    ctx::op().CurrentRights = 0;
    if (!has(itemOptions, CancelItemFreely) && !authorised(logon, 128)) {
        say(T::kDenied);
        return false;
    }
    TFormExcItemCom w(logon);
    w.setTable(tableBox);
    return show(w);
}

bool reopenTab(TLogon& logon, int itemOptions, const QString& tableBox)
{
    if (!has(itemOptions, ReopenFreely)) {
        prompt(logon);
        const QString master = ctx::op().AuthoriserIsMaster;
        if (master != QLatin1String("S") && master != QLatin1String("C")) {
            say(T::kDeniedReopen);
            return false;
        }
    }
    TFormReabrirCom w(logon);
    w.setTab(tableBox);
    return show(w);
}

bool persons(TLogon& logon)
{
    TFormCliMesa w(logon);
    return show(w);
}

bool reservations(TLogon& logon)
{
    TFormReserva w(logon);
    return show(w);
}

bool reservedTableMayOpen(TLogon& logon, const QString& table, const QDate& day)
{
    Reservations r(logon);
    if (!r.reservedOn(table, day))
        return true;
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), TabUpkeepText::kReservedQuestion, QStringLiteral("2"))
        != QLatin1String("S"))
        return false;
    r.takeReservation(table, day);
    return true;
}

} // namespace tabmenu
