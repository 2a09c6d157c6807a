// The tab-maintenance windows under hostile values: quotes, SQL fragments,
// letters in numbers, 1e20, negatives, over-long text and characters the
// database cannot store. The user gets the window's message and nothing is lost
// or half-written. Also the rights gates of the sales ribbon's buttons.
#include "WidgetSteps.h"
#include "ScriptedDialogs.h"
#include "TabSeeds.h"
#include "TestStation.h"
#include "tabs/AdvancePayment.h"
#include "tabs/ItemCancellation.h"
#include "tabs/ItemTransfer.h"
#include "tabs/TabCancellation.h"
#include "tabs/TabMaintenanceMenu.h"
#include "tabs/TabUpkeep.h"
#include "tabs/TableMove.h"
#include "tabs/UnitCliMesa.h"
#include "tabs/UnitExcCom.h"
#include "tabs/UnitExcItemCom.h"
#include "tabs/UnitMudMes.h"
#include "tabs/UnitMudaMesa.h"
#include "tabs/UnitReabrirCom.h"
#include "tabs/UnitReserva.h"
#include "cash/UnitSangria.h"
#include "tabs/Unitpagaantes.h"
#include "cash/Withdrawal.h"
#include "shell/UnitAcessos.h"
#include "core/Globals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

Decimal D(const char* text) { return *Decimal::parseSql(QString::fromLatin1(text)); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kLong = QString(200, QLatin1Char('A'));
const QString kEmoji = U("CAF\xC3\x89 \xF0\x9F\x98\x80");
const QString kQuote = QStringLiteral("D'AGUA'; DROP TABLE MESA; --");
const QString kSql = QStringLiteral("1' OR '1'='1");


int rows(TestStation& st, const char* sql)
{
    return int(integerOf(st.scalar(QString::fromLatin1(sql))));
}

// A station with tab 000012 (two items, one kitchen row) and cash shift 4 open;
// printouts not printed.
struct Station {
    Station()
    {
        st.openCashShift(4);
        QStringList setup;
        for (int i = 0; i < 23; ++i)
            setup << (i == 15 ? QStringLiteral("Nao Imprimir") : QString());
        st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        seeds::openTab(st.logon(), "000012", 2);
        item = seeds::addItem(st.logon(), "000012", "10", "CHOPP", D("4"), D("9.90"), 2, 77);
        seeds::addItem(st.logon(), "000012", "11", "PASTEL", D("2"), D("6"), 2, 78);
        seeds::addKitchenRow(st.logon(), "000012", 77, "CHOPP");
    }
    TestStation st;
    ScriptedDialogs ui;
    qint64 item = 0;
};

TEST(TabWindowsHostile, TabCancellation)
{
    struct Case { QString tab, reason, message, error; bool cancelled; QString motivo; } cases[] = {
        {kQuote, "X", TabCancellationText::kNotFound, {}, false, {}},
        {kSql, "X", TabCancellationText::kNotFound, {}, false, {}},
        {"1e20", "X", TabCancellationText::kNotFound, {}, false, {}},
        {"-12", "X", TabCancellationText::kNotFound, {}, false, {}},
        {kLong, "X", TabCancellationText::kNotFound, {}, false, {}},
        {"12", kQuote, {}, {}, true, "000012 D'AGUA'; DRO"},
        {"12", kLong, {}, {}, true, "000012 AAAAAAAAAAAA"},
        {"12", kEmoji, {}, characterSetMessage(), false, {}},
    };
    for (const Case& c : cases) {
        Station s;
        TFormExcCom w(s.st.logon());
        w.setTab(c.tab);
        edit(w, "reasonEdit")->setText(c.reason);
        w.confirm();
        const QString label = c.tab.left(20) + QLatin1Char('/') + c.reason.left(20);
        EXPECT_EQ(s.ui.messageTexts().value(0) == c.message || c.message.isEmpty(), true) << label.toStdString();
        EXPECT_EQ(s.ui.errors.value(0), c.error) << label.toStdString();
        EXPECT_EQ(rows(s.st, "select count(*) from CABMESA where MESA = '000012'"), c.cancelled ? 0 : 1) << label.toStdString();
        EXPECT_EQ(rows(s.st, "select count(*) from MESA"), c.cancelled ? 0 : 2) << label.toStdString();
        EXPECT_EQ(rows(s.st, "select count(*) from COZINHA2"), c.cancelled ? 0 : 1) << label.toStdString();
        EXPECT_EQ(rows(s.st, "select count(*) from LOG"), c.cancelled ? 1 : 0) << label.toStdString();
        if (c.cancelled) {
            EXPECT_EQ(s.st.scalar(QStringLiteral("select MOTIVO from LOG")).toString(), c.motivo.left(19));
            EXPECT_EQ(s.ui.messageTexts().value(0), TabCancellationText::kPrintQuestion);
        }
    }
}

TEST(TabWindowsHostile, ItemCancellation)
{
    struct Case { QString quantity, reason, message, error; Decimal left; } cases[] = {
        {"-5", "X", ItemCancellationText::kNegative, {}, D("4")},
        {"abc", "X", {}, {}, D("4")},
        {"1e20", "X", {}, {}, D("4")},
        {"99", "X", ItemCancellationText::kAbove, {}, D("4")},
        {kSql, "X", {}, {}, D("4")},
        {"1,5", kQuote, {}, {}, D("2.5")},
        {"1", kLong, {}, {}, D("3")},
        {"1", kEmoji, {}, characterSetMessage(), D("4")},
    };
    for (const Case& c : cases) {
        Station s;
        TFormExcItemCom w(s.st.logon());
        w.setTable("000012");
        auto* grid = w.findChild<QTableWidget*>(QStringLiteral("itemsGrid"));
        ASSERT_EQ(grid->rowCount(), 2);
        grid->setCurrentCell(0, 0);   // CHOPP, by description
        w.rowChosen();
        edit(w, "quantityEdit")->setText(c.quantity);
        w.choose();
        edit(w, "reasonEdit")->setText(c.reason);
        w.confirm();
        const std::string label = (c.quantity + QLatin1Char('/') + c.reason.left(20)).toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_EQ(s.ui.messageTexts().value(0), c.message) << label;
        }
        EXPECT_EQ(s.ui.errors.value(0), c.error) << label;
        EXPECT_EQ(seeds::quantityOf(s.st.logon(), s.item), c.left) << label;
        const bool cancelled = c.left != D("4");
        EXPECT_EQ(rows(s.st, "select count(*) from LOG"), cancelled ? 1 : 0) << label;
        EXPECT_EQ(rows(s.st, "select count(*) from COZINHA2"), cancelled ? 0 : 1) << label;
        if (cancelled) {
            EXPECT_EQ(s.st.scalar(QStringLiteral("select MOTIVO from LOG")).toString(), c.reason.left(19)) << label;
        }
    }
}

TEST(TabWindowsHostile, ItemTransfer)
{
    struct Case { QString answer, destination, reason, message; Decimal left; } cases[] = {
        {"-1", "13", "X", ItemTransferText::kNegative, D("4")},
        {"abc", "13", "X", {}, D("4")},
        {"1e20", "13", "X", {}, D("4")},
        {"5", "13", "X", ItemTransferText::kAbove, D("4")},
        {"1", kSql, "X", ItemTransferText::kOpenQuestion, D("4")},
        {"1", kLong, "X", ItemTransferText::kOpenQuestion, D("4")},
        {"1", "12", "X", ItemTransferText::kSame, D("4")},
        {"1,5", "13", kQuote, {}, D("2.5")},
        {"1,5", "13", kEmoji, {}, D("2.5")},   // the reason is only printed
    };
    for (const Case& c : cases) {
        Station s;
        seeds::openTab(s.st.logon(), "000013");
        TFormMudMes w(s.st.logon());
        w.setOrigin("12");
        w.loadOrigin();
        s.ui.answerInputBox(c.answer);
        w.chooseQuantity(0);
        edit(w, "destinationEdit")->setText(c.destination);
        s.ui.answerMessages({"N", "S"});
        w.destinationLeft();
        edit(w, "reasonEdit")->setText(c.reason);
        w.transfer();
        const std::string label = (c.answer + QLatin1Char('/') + c.destination.left(20)).toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(s.ui.messageTexts().contains(c.message)) << label;
        }
        EXPECT_TRUE(s.ui.errors.isEmpty()) << label;
        EXPECT_EQ(seeds::quantityOf(s.st.logon(), s.item), c.left) << label;
        EXPECT_EQ(rows(s.st, "select count(*) from MESA where MESA <> '000012'"), c.left == D("4") ? 0 : 1) << label;
        if (c.left != D("4")) {
            EXPECT_EQ(decimalOf(s.st.scalar(QStringLiteral("select QUANT from MESA where MESA = '000013'"))), D("1.5")) << label;
        }
        EXPECT_EQ(rows(s.st, "select count(*) from CABMESA"), 2) << label << ": no tab opened on a refusal";
    }
}

TEST(TabWindowsHostile, TableMove)
{
    struct Case { QString source2, destination, reason; bool moved; } cases[] = {
        {kSql, "13", "X", true},
        {kLong, "13", kQuote, true},
        {"", kSql, "X", false},
        {"", kLong, "X", false},
        {"12", "13", kEmoji, true},
        {"13", "13", "X", true},   // source 2 equal to the destination: skipped
    };
    for (const Case& c : cases) {
        Station s;
        seeds::openTab(s.st.logon(), "000013", 5);
        seeds::addItem(s.st.logon(), "000013", "1", "AGUA", D("1"), D("3"));
        TFormMudaMesa w(s.st.logon());
        w.setSource("12");
        w.source1Left();
        edit(w, "source2Edit")->setText(c.source2);
        edit(w, "destinationEdit")->setText(c.destination);
        s.ui.answerMessages({"N"});
        w.destinationLeft();
        edit(w, "reasonEdit")->setText(c.reason);
        w.confirm();
        const std::string label = (c.source2.left(20) + QLatin1Char('/') + c.destination.left(20)).toStdString();
        EXPECT_TRUE(s.ui.errors.isEmpty()) << label;
        EXPECT_EQ(rows(s.st, "select count(*) from MESA where MESA = '000013'"), c.moved ? 3 : 1) << label;
        EXPECT_EQ(rows(s.st, "select count(*) from MESA"), 3) << label << ": no item lost";
        EXPECT_EQ(rows(s.st, "select count(*) from CABMESA"), c.moved ? 1 : 2) << label;
        if (!c.moved) {
            EXPECT_TRUE(s.ui.messageTexts().contains(TableMoveText::kNoDestination)) << label;
        }
    }
}

TEST(TabWindowsHostile, AdvancePayment)
{
    struct Case { QString tab, amount, message; Decimal paid; } cases[] = {
        {"12", "abc", AdvancePaymentText::kFillError, {}},
        {"12", "1e20", AdvancePaymentText::kFillError, {}},
        {"12", "-10", AdvancePaymentText::kFillError, {}},
        {"12", "0", AdvancePaymentText::kFillError, {}},
        {"12", kSql, AdvancePaymentText::kFillError, {}},
        {"12", kEmoji, AdvancePaymentText::kFillError, {}},
        {kQuote, "10", AdvancePaymentText::kNotFound, {}},
        {kLong, "10", AdvancePaymentText::kNotFound, {}},
        {"12", "12.5", {}, D("12.5")},
    };
    for (const Case& c : cases) {
        Station s;
        TFormPagaantes w(s.st.logon());
        w.setTab("000012");
        edit(w, "tabEdit")->setText(c.tab);
        w.tabLeft();
        edit(w, "amountEdit")->setText(c.amount);
        w.confirm();
        const std::string label = (c.tab.left(20) + QLatin1Char('/') + c.amount).toStdString();
        if (!c.message.isEmpty())
            EXPECT_TRUE(s.ui.messageTexts().contains(c.message)) << label;
        else
            EXPECT_TRUE(s.ui.messageTexts().isEmpty()) << label;
        EXPECT_TRUE(s.ui.errors.isEmpty()) << label;
        EXPECT_EQ(decimalOf(s.st.scalar(QStringLiteral("select coalesce(sum(VALOR), 0) from CABMESA"))), c.paid) << label;
    }
}

TEST(TabWindowsHostile, Withdrawal)
{
    struct Case { QString amount, kind, description, message; int written; QString stored; } cases[] = {
        {"abc", "1", "X", WithdrawalText::kFillError, 0, {}},
        {"1e20", "1", "X", WithdrawalText::kFillError, 0, {}},
        {"-5", "1", "X", WithdrawalText::kFillError, 0, {}},
        {kSql, "1", "X", WithdrawalText::kFillError, 0, {}},
        {"5", kSql, kQuote, {}, 1, kQuote.left(25)},
        {"5", "2", kLong, {}, 1, kLong.left(25)},
        {"5", "1", kEmoji, characterSetMessage(), 0, {}},
    };
    for (const Case& c : cases) {
        Station s;
        TFormSangria w(s.st.logon());
        edit(w, "amountEdit")->setText(c.amount);
        edit(w, "kindEdit")->setText(c.kind);
        edit(w, "descriptionEdit")->setText(c.description);
        w.confirm();
        const std::string label = (c.amount + QLatin1Char('/') + c.description.left(20)).toStdString();
        EXPECT_EQ(s.ui.messageTexts().value(0), c.message) << label;
        EXPECT_EQ(rows(s.st, "select count(*) from SANGRIA"), c.written) << label;
        if (c.written) {
            EXPECT_EQ(s.st.scalar(QStringLiteral("select HISTORICO from SANGRIA")).toString(), c.stored) << label;
        }
    }
}

TEST(TabWindowsHostile, ReopenPersonsAndReservations)
{
    for (const QString& value : {kQuote, kSql, QStringLiteral("1e20"), QStringLiteral("-12"), kLong, kEmoji}) {
        Station s;
        s.st.logon().run(QStringLiteral("update CABMESA set STATUS = 1, CLIMESA = 3"));
        const std::string label = value.left(20).toStdString();

        TFormReabrirCom reopen(s.st.logon());
        reopen.setTab(value);
        reopen.tabLeft();
        s.ui.answerMessages({"S"});
        reopen.confirm();
        EXPECT_EQ(rows(s.st, "select STATUS from CABMESA"), 1) << label;

        TFormCliMesa persons(s.st.logon());
        edit(persons, "tabEdit")->setText("12");
        edit(persons, "personsEdit")->setText(value);
        persons.confirm();
        EXPECT_EQ(rows(s.st, "select CLIMESA from CABMESA"), 1) << label << ": not a whole number counts 1";
        edit(persons, "tabEdit")->setText(value);
        edit(persons, "personsEdit")->setText("7");
        persons.confirm();
        EXPECT_EQ(rows(s.st, "select CLIMESA from CABMESA"), 1) << label;

        TFormReserva reservation(s.st.logon());
        edit(reservation, "dateEdit")->setText(value);
        edit(reservation, "tableEdit")->setText("5");
        edit(reservation, "customerEdit")->setText("ANA");
        reservation.confirm();
        EXPECT_TRUE(s.ui.messageTexts().contains(TabUpkeepText::kBadDate)) << label;
        EXPECT_EQ(edit(reservation, "customerEdit")->text(), QStringLiteral("ANA")) << label << ": boxes kept";
        edit(reservation, "dateEdit")->setText("05/03/26");
        edit(reservation, "customerEdit")->setText(value);
        reservation.confirm();
        const int kept = rows(s.st, "select count(*) from RESERVA");
        if (value == kEmoji) {
            EXPECT_EQ(kept, 0) << label;
            EXPECT_TRUE(s.ui.messageTexts().contains(characterSetMessage())) << label;
        } else {
            EXPECT_EQ(kept, 1) << label;
            EXPECT_EQ(s.st.scalar(QStringLiteral("select CLIENTE from RESERVA")).toString(), value.left(30)) << label;
        }
        EXPECT_TRUE(s.ui.errors.isEmpty()) << label;
    }
}

TEST(TabMaintenanceMenu, RightsGateEachButtonAndTheItemOptionsSkipThePrompt)
{
    Station s;
    s.st.addUser("CAIXA", "1", "N", 32);
    s.st.addUser("GERENTE", "2", "S", 512 | 128 | 4096);
    auto answerPrompt = [&](const char* name, const char* password) {
        s.ui.onWindow(QStringLiteral("TFormAcessos"), [=](QDialog& d) {
            auto* prompt = static_cast<TFormAcessos*>(&d);
            prompt->setName(QString::fromLatin1(name));
            prompt->setPassword(QString::fromLatin1(password));
            prompt->confirm();
            return d.result();
        });
    };
    s.ui.onWindow(QStringLiteral("TFormExcCom"), [](QDialog&) { return 0; });
    s.ui.onWindow(QStringLiteral("TFormMudMes"), [](QDialog&) { return 0; });
    s.ui.onWindow(QStringLiteral("TFormReabrirCom"), [](QDialog&) { return 0; });
    s.ui.onWindow(QStringLiteral("TFormSangria"), [](QDialog&) { return 0; });

    answerPrompt("CAIXA", "1");
    EXPECT_FALSE(tabmenu::cancelTab(s.st.logon(), 0, "000012"));
    EXPECT_EQ(s.ui.messageTexts().last(), TabMaintenanceMenuText::kDeniedTab);
    EXPECT_FALSE(tabmenu::itemTransfer(s.st.logon(), 0, "000012"));
    EXPECT_EQ(s.ui.messageTexts().last(), TabMaintenanceMenuText::kDenied);
    EXPECT_FALSE(tabmenu::reopenTab(s.st.logon(), 0, "000012"));
    EXPECT_EQ(s.ui.messageTexts().last(), TabMaintenanceMenuText::kDeniedReopen);
    EXPECT_TRUE(tabmenu::withdrawal(s.st.logon()));

    answerPrompt("GERENTE", "2");
    EXPECT_TRUE(tabmenu::cancelTab(s.st.logon(), 0, "000012"));
    EXPECT_TRUE(tabmenu::reopenTab(s.st.logon(), 0, "000012"));
    const int prompts = int(s.ui.windowsShown.count(QStringLiteral("TFormAcessos")));
    EXPECT_TRUE(tabmenu::itemTransfer(s.st.logon(), tabmenu::TransferFreely, "000012"));
    EXPECT_EQ(s.ui.windowsShown.count(QStringLiteral("TFormAcessos")), prompts) << "no prompt with the option";

    s.st.logon().run(QStringLiteral("update CONTCAIXA set CAIXA = 0"));
    answerPrompt("CAIXA", "1");
    EXPECT_FALSE(tabmenu::withdrawal(s.st.logon()));
    EXPECT_EQ(s.ui.messageTexts().last(), TabMaintenanceMenuText::kCashClosed);
}

TEST(TabMaintenanceMenu, AReservedTableAsksBeforeOpening)
{
    Station s;
    Reservations(s.st.logon()).save("", "05/03/26", "7", "ANA");
    s.ui.answerMessages({"N"});
    EXPECT_FALSE(tabmenu::reservedTableMayOpen(s.st.logon(), "000007", QDate(2026, 3, 5)));
    EXPECT_EQ(s.ui.messageTexts().last(), TabUpkeepText::kReservedQuestion);
    EXPECT_TRUE(tabmenu::reservedTableMayOpen(s.st.logon(), "000007", QDate(2026, 3, 6)));
    s.ui.answerMessages({"S"});
    EXPECT_TRUE(tabmenu::reservedTableMayOpen(s.st.logon(), "000007", QDate(2026, 3, 5)));
    EXPECT_EQ(rows(s.st, "select count(*) from RESERVA"), 0);
}

} // namespace

namespace {

// The closing printer on a port whose device cannot be opened.
void brokenClosingPrinter(TestStation& st)
{
    QStringList setup;
    for (int i = 0; i < 23; ++i)
        setup << (i == 15 ? QStringLiteral("Informa porta") : QString());
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\setup.INI"), setup);
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                 {QStringLiteral("LPT1=") + st.root() + QStringLiteral("/no/such/device")});
}

} // namespace

TEST(TabWindowsPrinterFailure, ACancelledTabStaysCancelledAndTheUserIsTold)
{
    Station s;
    brokenClosingPrinter(s.st);
    TFormExcCom w(s.st.logon());
    w.setTab("12");
    s.ui.answerMessages({"S"});
    w.confirm();
    ASSERT_EQ(s.ui.errors.size(), 1);
    EXPECT_TRUE(s.ui.errors[0].startsWith(TabCancellationText::kPrintFailed)) << s.ui.errors[0].toStdString();
    EXPECT_EQ(rows(s.st, "select count(*) from CABMESA"), 0);
    EXPECT_EQ(rows(s.st, "select count(*) from LOG"), 1);
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST(TabWindowsPrinterFailure, AnAdvanceIsTakenOnceWhateverTheUserPressesAfterAPrinterFailure)
{
    Station s;
    brokenClosingPrinter(s.st);
    TFormPagaantes w(s.st.logon());
    w.setTab("000012");
    edit(w, "amountEdit")->setText("20,00");
    w.confirm();
    ASSERT_EQ(s.ui.errors.size(), 1);
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("paidLabel"))->text(), QStringLiteral("20,00"));
    w.confirm();   // a second press
    EXPECT_TRUE(s.ui.messageTexts().contains(AdvancePaymentText::kFillError));
    EXPECT_EQ(decimalOf(s.st.scalar(QStringLiteral("select VALOR from CABMESA"))), D("20"));
}
