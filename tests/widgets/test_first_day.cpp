// A restaurant's first day on a new station (the settings the installer writes):
// a dish registered for kitchen 1 in the product register reaches the kitchen's
// ticket in the preview, whether F2 comes straight after its code or after Enter,
// an item of no kitchen prints none, and F4 then has nothing pending; right after the day's closing, the
// end-of-day report proposes the shift just closed, and a shift that never was is
// refused with a message, nothing printed.
#include "PreviewCapture.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WidgetSteps.h"
#include "app/ProgramWindows.h"
#include "app/StationInstall.h"
#include "cash/CashShift.h"
#include "core/Globals.h"
#include "cashoffice/UnitFecha.h"
#include "registers/UnitProd.h"
#include "sales/UnitBalcao.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The kitchen tickets among the previews: those that name the dish.
int ticketsNaming(const PreviewCapture& shown, const QString& dish)
{
    int n = 0;
    for (const QStringList& roll : shown.rolls)
        if (roll.join(u'\n').contains(dish))
            ++n;
    return n;
}

} // namespace

TEST(FirstDay, ADishForKitchenOneShowsItsTicketInThePreview)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    ASSERT_TRUE(install::writeStationSettings());   // a new station's setup.INI, as the installer writes it
    st.openCashShift(1);
    seeds::waiter(st.logon(), 1, S("JOAO"));
    ctx::op().OperatorName = S("SUPERVISOR");
    ctx::op().OperatorIsMaster = S("S");
    ctx::op().LoginRights = 0xFFFF;

    // the product register: a new code, its name, price and "Imprimir esse item na
    // impressora da cozinha ?" 1
    {
        TFormProd w(st.logon());
        showActive(w);
        d.answerMessages({S("S")});   // "register it?"
        type(edit(w, "codeEdit"), S("15"));
        type(edit(w, "nameEdit"), S("Picanha na chapa"));
        type(edit(w, "priceEdit"), S("59,90"));
        type(edit(w, "kitchenEdit"), S("1"));
        w.findChild<QPushButton*>(S("saveButton"))->click();
        if (w.initialStockAsked())
            w.confirmInitialStock();
        ASSERT_EQ(st.scalar(S("select trim(clas) from produtos where codigo = '000015'")).toString(), S("1"));
    }

    seeds::product(st.logon(), {S("000016"), S("GUARANA LATA"), Decimal::fromCents(650), S("0"), 4});
    PreviewCapture shown(d);
    TFormBalcao w(st.logon());
    showActive(w);
    d.answerMessages({S("S")});   // "open table 5?"
    type(edit(w, "tabNumberEdit"), S("5"));
    type(edit(w, "waiterEdit"), S("1"));
    ASSERT_EQ(w.tabNumber(), S("000005"));

    // F2 straight after the code
    QLineEdit* code = edit(w, "productCodeEdit");
    code->setFocus();
    QTest::keyClicks(code, S("15"));
    QTest::keyClick(code, Qt::Key_F2);
    EXPECT_EQ(st.count(S("select count(*) from mesa where mesa = '000005' and impressora = '1'")), 1)
        << "the item keeps its kitchen";
    EXPECT_EQ(ticketsNaming(shown, S("PICANHA NA CHAPA")), 1) << "the ticket went to the preview";

    // a drink no kitchen makes, F2 straight after its code: no ticket (not the last
    // item's kitchen)
    QTest::keyClicks(edit(w, "productCodeEdit"), S("16"));
    QTest::keyClick(edit(w, "productCodeEdit"), Qt::Key_F2);
    EXPECT_EQ(st.count(S("select count(*) from mesa where mesa = '000005' and codigo = '000016' and impressora = '0'")), 1);
    EXPECT_EQ(ticketsNaming(shown, S("GUARANA")), 0);

    // F2 after Enter in the code
    QTest::keyClicks(edit(w, "productCodeEdit"), S("15"));
    QTest::keyClick(edit(w, "productCodeEdit"), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(st.count(S("select count(*) from mesa where mesa = '000005' and impressora = '1'")), 2);
    EXPECT_EQ(ticketsNaming(shown, S("PICANHA NA CHAPA")), 2);

    // nothing is pending any more: F4 prints no second ticket of them, and says nothing
    const size_t before = shown.rolls.size();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    EXPECT_EQ(shown.rolls.size(), before);
    EXPECT_EQ(st.count(S("select count(*) from mesa where mesa = '000005' and cozinha <> '0'")), 0);
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(u'\n').toStdString();
}

TEST(FirstDay, TheEndOfDayReportAfterTheClosingIsTheShiftJustClosed)
{
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown(d);
    ASSERT_TRUE(install::writeStationSettings());   // every printout on the preview
    CashShift shift(st.logon());
    int number = 0;
    ASSERT_EQ(shift.open(QDate::currentDate(), Decimal(100), S("ANA"), S("ANA"), &number), CashShift::Result::Done);
    ASSERT_EQ(shift.close(S("ANA")), CashShift::Result::Done);

    TFormFecha w(st.logon());
    EXPECT_EQ(w.cashText(), QString::number(number)) << "the shift just closed is proposed";
    w.print();
    ASSERT_EQ(shown.rolls.size(), 1u);
    EXPECT_TRUE(shown.rolls.back().join(u'\n').contains(QStringLiteral("Cx.:%1").arg(number, 7, 10, QLatin1Char('0'))))
        << shown.rolls.back().join(u'\n').toStdString();

    // a number no shift had, 0 included: a message, nothing printed
    for (const QString& none : {S("0"), QString::number(number + 1)}) {
        d.messages.clear();
        w.setCashText(none);
        w.print();
        EXPECT_EQ(d.messageTexts(), QStringList{S("|   Movimento de Caixa não localizado...   |")}) << none.toStdString();
        EXPECT_EQ(shown.rolls.size(), 1u) << none.toStdString();
    }
}

TEST(FirstDay, ANewStationsEndOfDayReportBeforeAnyShiftSaysSo)
{
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown(d);
    TFormFecha w(st.logon());
    EXPECT_EQ(w.cashText(), QString());
    w.print();
    EXPECT_TRUE(shown.rolls.empty());
    EXPECT_EQ(d.messageTexts(), QStringList{S("  Numero do Caixa Invalido  ")});
}
