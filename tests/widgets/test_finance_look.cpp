// What a user sees of the payables, the account book and the staff vouchers: on a
// 1366 x 768 screen every window fits, in each state its buttons reach, and every
// caption and button shows whole (SABREL22_SCREENSHOTS saves them as pictures).
#include "ProgramStyle.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowLook.h"
#include "finance/UnitAlterarx.h"
#include "finance/UnitBusDupX.h"
#include "finance/UnitCAdBan.h"
#include "finance/UnitCadDupX.h"
#include "finance/UnitDebCreFunc.h"
#include "finance/UnitDespesas.h"
#include "finance/UnitEntradax.h"
#include "finance/UnitExcluirx.h"
#include "finance/UnitImp.h"
#include "finance/UnitMedia.h"
#include "finance/UnitPrinCaixa.h"
#include "finance/UnitRelBaixaX.h"
#include "finance/UnitRelEmiX.h"
#include "finance/UnitRelPeriodoX.h"
#include "finance/UnitRelPorCliX.h"
#include "finance/UnitValeFic.h"
#include "platform/Style.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(FinanceLook, EveryWindowShowsWholeOnA1366By768Screen)
{
    const ProgramStyle style;
    const QSize screen(1366, 768);
    TestStation st;
    ScriptedDialogs d;
    AccountBook(st.logon()).saveAccounts({{0, 1, QStringLiteral("BANCO DO NORDESTE")}});
    AccountBook(st.logon()).insertEntry(
        1, {QStringLiteral("01/03/24"), QStringLiteral("TRANSFERENCIA ENTRE CONTAS"), QStringLiteral("C"),
            QStringLiteral("12"), QStringLiteral("200000,01")});
    const std::optional<BookEntry> entry = AccountBook::entryAt(AccountBook(st.logon()).entries(1), 0);
    auto check = [&](QDialog&& w, const char* name) { checkWholeAndSave(w, QString::fromLatin1(name), screen); };
    check(TFormCadDupX(st.logon()), "TFormCadDupX");
    check(TFormBusDupX(st.logon()), "TFormBusDupX");
    check(TFormRelPeriodoX(st.logon()), "TFormRelPeriodoX");
    check(TFormRelBaixaX(st.logon()), "TFormRelBaixaX");
    check(TFormRelPorCliX(st.logon()), "TFormRelPorCliX");
    check(TFormRelEmiX(st.logon()), "TFormRelEmiX");
    check(TFormBan(st.logon()), "TFormBan");
    check(TFormEntradax(st.logon(), 1), "TFormEntradax");
    check(TFormAlterarx(st.logon(), entry), "TFormAlterarx");
    check(TFormAlterarx(st.logon(), std::nullopt), "TFormAlterarx-vazio");
    check(TFormExcluirx(st.logon(), entry), "TFormExcluirx");
    check(TFormDespesas(st.logon()), "TFormDespesas");
    {
        TFormCadBan w(st.logon());
        w.newAccount();
        checkWholeAndSave(w, QStringLiteral("TFormCadBan-nova"), screen);
    }
    check(TFormImp(st.logon()), "TFormImp");
    check(TFormMedia(st.logon()), "TFormMedia");
    check(TFormDebCreFunc(st.logon()), "TFormDebCreFunc");
    check(TFormValeFic(st.logon()), "TFormValeFic");
}
