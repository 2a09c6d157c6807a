// The payables register window and its keys, the title search, and the four
// listings read back from their PDF.
#include "CupsSandbox.h"
#include "LoginFixtures.h"
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "finance/PayablesRegister.h"
#include "finance/UnitBusDupX.h"
#include "finance/UnitCadDupX.h"
#include "finance/UnitRelBaixaX.h"
#include "finance/UnitRelEmiX.h"
#include "finance/UnitRelPeriodoX.h"
#include "finance/UnitRelPorCliX.h"
#include "shell/WindowRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct PayablesWindow : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    int titles() { return st.count(S("select count(*) from PAGARQ")); }
    void seedTitle(const char* number, const char* value, const char* due = "10/03/24")
    {
        if (st.count(S("select count(*) from FORNECEDOR where CODIGO = 7")) == 0)
            seeds::addSupplier(st.logon(), 7, S("FORNECEDOR SETE"));
        ASSERT_TRUE(PayablesRegister(st.logon()).confirm(
            PayableFields{S(number), S("7"), S("FORNECEDOR SETE"), S("01/03/24"), S(due), S(""), S(value), S("0")}));
    }
};

// Fills a field as a user types it, then leaves it with Tab.
void typeAndLeave(TFormCadDupX& w, const QString& caption, const QString& text, void (TFormCadDupX::*left)() = nullptr)
{
    w.field(caption)->setText(text);
    if (left)
        (w.*left)();
}

} // namespace

TEST_F(PayablesWindow, ANewTitleIsRegisteredWithSimAndConfirmedWithF7)
{
    seeds::addSupplier(st.logon(), 7, S("FORNECEDOR SETE"));
    TFormCadDupX w(st.logon());
    d.answerMessages({S("S")});
    typeAndLeave(w, S("Duplicata"), S("NF-1"), &TFormCadDupX::numberLeft);
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kNotFoundRegister});
    EXPECT_TRUE(w.newTitleMode());
    typeAndLeave(w, S("Codigo"), S("7"), &TFormCadDupX::supplierLeft);
    EXPECT_EQ(w.field(S("Fornecedor"))->text(), S("FORNECEDOR SETE"));
    QTest::keyClicks(w.field(S("Emissao")), S("010324"));
    EXPECT_EQ(w.field(S("Emissao"))->text(), S("01/03/24"));
    w.field(S("Vencimento"))->setText(S("15/03/24"));
    QTest::keyClicks(w.field(S("Valor")), S("1500.5"));
    EXPECT_EQ(w.field(S("Valor"))->text(), S("1500,5"));   // the point typed enters the comma
    // While in new-title mode leaving the number looks nothing up.
    w.numberLeft();
    EXPECT_EQ(d.messages.size(), 1u);
    QTest::keyClick(w.field(S("Juros")), Qt::Key_F7);
    EXPECT_EQ(titles(), 1);
    EXPECT_FALSE(w.newTitleMode());
    for (const char* caption : {"Duplicata", "Codigo", "Fornecedor", "Valor", "Juros"})
        EXPECT_TRUE(w.field(S(caption))->text().isEmpty()) << caption;
    const PayableTitle t = *PayablesRegister(st.logon()).find(S("NF-1"));
    EXPECT_EQ(t.valor, D("1500,50"));
    EXPECT_EQ(t.nome, S("FORNECEDOR SETE"));
    EXPECT_EQ(t.vencimento, QDate(2024, 3, 15));

    // Não empties the number and keeps the mode off.
    d.answerMessages({S("N")});
    typeAndLeave(w, S("Duplicata"), S("NF-2"), &TFormCadDupX::numberLeft);
    EXPECT_TRUE(w.field(S("Duplicata"))->text().isEmpty());
    EXPECT_FALSE(w.newTitleMode());

    // An existing title fills the fields with two decimals.
    typeAndLeave(w, S("Duplicata"), S("NF-1"), &TFormCadDupX::numberLeft);
    EXPECT_EQ(w.field(S("Valor"))->text(), S("1500,50"));
    EXPECT_EQ(w.field(S("Juros"))->text(), S("0,00"));
    EXPECT_EQ(w.field(S("Emissao"))->text(), S("01/03/24"));
    EXPECT_EQ(w.field(S("Baixa"))->displayText(), S("  /  /  "));
    ASSERT_TRUE(w.shownTitle().has_value());
}

TEST_F(PayablesWindow, AnUnknownSupplierIsSaidAndARefusedAmountKeepsWhatWasTyped)
{
    TFormCadDupX w(st.logon());
    typeAndLeave(w, S("Codigo"), S("99"), &TFormCadDupX::supplierLeft);
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kSupplierMissing});
    d.messages.clear();
    // A code that is no number names no supplier either: said alike (F7 then refuses it).
    typeAndLeave(w, S("Codigo"), S("ABC"), &TFormCadDupX::supplierLeft);
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kSupplierMissing});
    d.messages.clear();

    w.field(S("Duplicata"))->setText(S("NF-9"));
    w.field(S("Valor"))->setText(S("12,3X"));
    w.field(S("Fornecedor"))->setText(S("ALGUEM"));
    w.confirm();
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kFillError});
    EXPECT_EQ(titles(), 0);
    EXPECT_EQ(w.field(S("Valor"))->text(), S("12,3X"));
    EXPECT_EQ(w.field(S("Fornecedor"))->text(), S("ALGUEM"));
}

TEST_F(PayablesWindow, ExcluirDeletesOnlyTheTitleShownAfterTheSupervisor)
{
    seedTitle("A1", "10");
    seedTitle("A2", "20");
    {
        // Nothing shown: nothing asked, nothing deleted.
        TFormCadDupX w(st.logon());
        w.remove();
        w.field(S("Duplicata"))->setText(S("A1"));   // typed, not loaded
        w.remove();
        EXPECT_TRUE(d.windowsShown.isEmpty());
        EXPECT_TRUE(d.messages.empty());
        EXPECT_EQ(titles(), 2);
    }
    {
        // A title loaded, then another number typed over it: the title shown is no longer it.
        TFormCadDupX w(st.logon());
        typeAndLeave(w, S("Duplicata"), S("A1"), &TFormCadDupX::numberLeft);
        w.field(S("Duplicata"))->setText(S("A2"));
        w.remove();
        EXPECT_TRUE(d.windowsShown.isEmpty());
        EXPECT_EQ(titles(), 2);
    }
    {
        // Refused by the prompt.
        answerSupervisorPrompt(d, S("SUPERVISOR"), S("errada"));
        TFormCadDupX w(st.logon());
        typeAndLeave(w, S("Duplicata"), S("A1"), &TFormCadDupX::numberLeft);
        w.remove();
        EXPECT_EQ(d.messageTexts().last(), PayablesText::kNotAuthorised);
        EXPECT_EQ(titles(), 2);
        EXPECT_TRUE(w.field(S("Duplicata"))->text().isEmpty());
    }
    d.messages.clear();
    answerSupervisorPrompt(d, S("SUPERVISOR"), S("1234"));
    TFormCadDupX w(st.logon());
    typeAndLeave(w, S("Duplicata"), S("A2"), &TFormCadDupX::numberLeft);
    d.answerMessages({S("S")});
    w.remove();
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kDeleteAsk});
    EXPECT_EQ(titles(), 1);
    EXPECT_TRUE(PayablesRegister(st.logon()).find(S("A1")).has_value());
    // After a confirmation the title loaded before it is not deleted by mistake.
    typeAndLeave(w, S("Duplicata"), S("A1"), &TFormCadDupX::numberLeft);
    w.confirm();
    w.remove();
    EXPECT_EQ(titles(), 1);
}

TEST_F(PayablesWindow, TheNewTitleModeIsOffAtEveryOpening)
{
    {
        TFormCadDupX w(st.logon());
        d.answerMessages({S("S")});
        typeAndLeave(w, S("Duplicata"), S("NOVA"), &TFormCadDupX::numberLeft);
        ASSERT_TRUE(w.newTitleMode());
    }   // closed without confirming
    seedTitle("A1", "10");
    TFormCadDupX w(st.logon());
    EXPECT_FALSE(w.newTitleMode());
    typeAndLeave(w, S("Duplicata"), S("A1"), &TFormCadDupX::numberLeft);
    EXPECT_EQ(w.field(S("Valor"))->text(), S("10,00"));
    // F6 ends the new-title mode and goes to the payment date.
    d.answerMessages({S("S")});
    typeAndLeave(w, S("Duplicata"), S("OUTRA"), &TFormCadDupX::numberLeft);
    ASSERT_TRUE(w.newTitleMode());
    w.settle();
    EXPECT_FALSE(w.newTitleMode());
}

TEST_F(PayablesWindow, TheTitleSearchHandsBackTheChosenNumber)
{
    seedTitle("B-2", "20");
    seedTitle("A-1", "10");
    seedTitle("C-3", "30");
    {
        TFormBusDupX search(st.logon());
        EXPECT_EQ(search.listedCount(), 3);
        EXPECT_EQ(search.resultNumber(), S("A-1"));
        search.setSearchText(S("c-3"));   // exact, case included
        search.locate();
        EXPECT_EQ(search.resultNumber(), S("A-1"));
        search.setSearchText(S("C-3"));
        search.locate();
        EXPECT_EQ(search.resultNumber(), S("C-3"));
        search.reject();
        EXPECT_EQ(ctx::lookup().LookupCode, S("C-3"));
    }
    d.onWindow(S("TFormBusDupX"), [](QDialog& w) {
        auto& s = static_cast<TFormBusDupX&>(w);
        s.setSearchText(S("B-2"));
        s.locate();
        s.accept();
        return int(QDialog::Accepted);
    });
    TFormCadDupX w(st.logon());
    w.searchTitle();
    EXPECT_EQ(w.field(S("Duplicata"))->text(), S("B-2"));
    EXPECT_EQ(w.field(S("Valor"))->text(), S("20,00"));
}

TEST_F(PayablesWindow, TheTitleSearchOnNoTitlesLoadsNothing)
{
    TFormCadDupX w(st.logon());
    w.searchTitle();
    EXPECT_EQ(d.windowsShown, QStringList{S("TFormBusDupX")});
    EXPECT_EQ(ctx::lookup().LookupCode, QString());
    EXPECT_TRUE(w.field(S("Duplicata"))->text().isEmpty());
    EXPECT_FALSE(w.shownTitle().has_value());
}

TEST_F(PayablesWindow, HostileValuesInTheFieldsAreStoredAsTypedOrRefused)
{
    struct Case { const char* label; const char* caption; QString text; bool refused; };
    const Case cases[] = {
        {"quote in the name", "Fornecedor", S("D'AGUA"), false},
        {"sql in the name", "Fornecedor", S("'; DELETE FROM PAGARQ; --"), false},
        {"letters in the amount", "Valor", S("ABC"), true},
        {"1e20", "Valor", S("1E20"), true},
        {"negative interest", "Juros", S("-1"), true},
        {"over-long name is cut", "Fornecedor", QString(60, QLatin1Char('N')), false},
        {"emoji", "Fornecedor", S("\U0001F600"), true},
        {"no date", "Vencimento", S("99/99/99"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        TFormCadDupX w(st.logon());
        w.field(S("Duplicata"))->setText(S("H"));
        w.field(S("Valor"))->setText(S("5"));
        w.field(S(c.caption))->setText(c.text);
        w.confirm();
        const bool refused = !script.messages.empty() || !script.errors.isEmpty();
        EXPECT_EQ(refused, c.refused);
        if (!c.refused) {
            EXPECT_TRUE(w.field(S("Duplicata"))->text().isEmpty());
            if (S(c.caption) == S("Fornecedor")) {
                EXPECT_EQ(st.scalar(S("select NOME from PAGARQ where DUPLICATA = 'H'")).toString(), c.text.left(30));
            }
        } else {
            EXPECT_EQ(w.field(S(c.caption))->text(), c.text.left(w.field(S(c.caption))->maxLength()));
        }
    }
    EXPECT_EQ(titles(), 1);
}

// The keys act wherever the user is while the register is open, with real key
// events: in the register and in another window of the program.
TEST_F(PayablesWindow, F6ToF9AndF2ActAcrossTheProgramWhileTheRegisterIsOpen)
{
    QTemporaryDir dir;
    const QString started = dir.filePath(S("calculadora"));
    const QString script = dir.filePath(S("calc.sh"));
    ASSERT_TRUE(writeBytes(script, QStringLiteral("#!/bin/sh\necho aberta > \"%1\"\n").arg(started).toUtf8()));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QWidget elsewhere;   // a window of the program opened from the register (a search, a message...)
    auto* other = new QLineEdit(&elsewhere);
    {
        TFormCadDupX w(st.logon());
        w.show();
        // F2 with no calculator set: nothing.
        QTest::keyClick(other, Qt::Key_F2);
        // F9: the title search, from the other window.
        QTest::keyClick(other, Qt::Key_F9);
        EXPECT_EQ(d.windowsShown, QStringList{S("TFormBusDupX")});
        // F7 from the other window confirms what the register holds.
        w.field(S("Duplicata"))->setText(S("K1"));
        w.field(S("Valor"))->setText(S("3"));
        QTest::keyClick(other, Qt::Key_F7);
        EXPECT_EQ(titles(), 1);
        EXPECT_TRUE(other->text().isEmpty());   // the key went no further
        // F6 puts the focus on the payment date.
        w.activateWindow();
        QTest::keyClick(w.field(S("Duplicata")), Qt::Key_F6);
        EXPECT_EQ(w.focusWidget(), w.field(S("Baixa")));
        // F2 with the station's calculator set starts it.
        st.writeFile(S("estacao.ini"), {S(""), S(""), S(""), S(""), S("/bin/sh ") + script});
        QTest::keyClick(other, Qt::Key_F2);
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(started) && clock.elapsed() < 5000)
            QThread::msleep(20);
        EXPECT_TRUE(QFile::exists(started));
        // F8 closes the register.
        QTest::keyClick(w.field(S("Juros")), Qt::Key_F8);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), int(QDialog::Accepted));
    }
    // Closed: the keys are the program's again.
    QFile::remove(started);
    QTest::keyClick(other, Qt::Key_F9);
    QTest::keyClick(other, Qt::Key_F2);
    EXPECT_EQ(d.windowsShown, QStringList{S("TFormBusDupX")});
    QThread::msleep(200);
    EXPECT_FALSE(QFile::exists(started));
}

// ---- listings ----------------------------------------------------------------

namespace {

struct PayablesListings : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    void SetUp() override
    {
        ctx::company().CompanyName = S("BAR DO ZE");
        seeds::addSupplier(st.logon(), 1, S("ATACADO UM"));
        seeds::addSupplier(st.logon(), 2, S("DOIS LTDA"));
        PayablesRegister r(st.logon());
        struct T { const char* n; const char* s; const char* e; const char* v; const char* b; const char* val; const char* j; };
        const T seed[] = {
            {"123456789012345", "1", "01/03/24", "10/03/24", "", "1234,50", "1,00"},
            {"B", "2", "02/03/24", "10/03/24", "12/03/24", "50,00", "0,50"},
            {"C", "1", "05/02/24", "31/03/24", "31/03/24", "10,00", "0"},
            {"D", "1", "06/03/24", "01/04/24", "01/04/24", "1,00", "0"},
            {"E", "2", "28/02/24", "01/03/24", "", "7,00", "0"},
        };
        for (const T& t : seed)
            ASSERT_TRUE(r.confirm(PayableFields{S(t.n), S(t.s), S(t.s) == S("1") ? S("ATACADO UM") : S("DOIS LTDA"),
                                                S(t.e), S(t.v), S(t.b), S(t.val), S(t.j)}));
    }
};

} // namespace

TEST_F(PayablesListings, ByDueDateGroupsDaysWithTheirTotalsAndTheGrandTotal)
{
    TFormRelPeriodoX w(st.logon());
    EXPECT_EQ(w.windowTitle(), S("Listagem de Titulos por Periodo"));
    w.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
    w.chooseStatus(TitleStatus::All);
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    const QStringList lines = shown.lastReport();
    const QStringList expected = {
        S("Contas a Pagar - Relatório de Titulos por Periodo"),
        S("EMPRESA BAR DO ZE"),
        S("PERIODO 01/03/24 A 31/03/24 Página 1 de 1"),
        S("TITULO CODIGO FORNECEDOR EMISSÃO VENCIMENTO BAIXA VALOR JUROS TIPO"),
        S("DATA DO VENCIMENTO 01/03/24"),
        S("E 2 DOIS LTDA 28/02/24 01/03/24 / / 7,00 0,00"),
        S("TOTAL DO DIA 7,00 0,00"),
        S("DATA DO VENCIMENTO 10/03/24"),
        S("123456789012345 1 ATACADO UM 01/03/24 10/03/24 / / 1.234,50 1,00"),
        S("B 2 DOIS LTDA 02/03/24 10/03/24 12/03/24 50,00 0,50"),
        S("TOTAL DO DIA 1.284,50 1,50"),
        S("DATA DO VENCIMENTO 31/03/24"),
        S("C 1 ATACADO UM 05/02/24 31/03/24 31/03/24 10,00 0,00"),
        S("TOTAL DO DIA 10,00 0,00"),
        S("TOTAL GERAL 1.301,50 1,50"),
    };
    EXPECT_EQ(lines, expected) << lines.join('\n').toStdString();
}

TEST_F(PayablesListings, EachListingSelectsItsTitles)
{
    struct Case { PayablesListingKind kind; const char* supplier; TitleStatus status; QStringList numbers; const char* total; };
    const Case cases[] = {
        {PayablesListingKind::ByDueDate, "0", TitleStatus::Open, {S("E"), S("123456789012345")}, "1.241,50"},
        {PayablesListingKind::ByDueDate, "1", TitleStatus::Paid, {S("C")}, "10,00"},
        {PayablesListingKind::Paid, "", TitleStatus::Open, {S("B"), S("C")}, "60,00"},
        {PayablesListingKind::BySupplier, "2", TitleStatus::All, {S("E"), S("B")}, "57,00"},
        {PayablesListingKind::Issued, "1", TitleStatus::Open, {S("123456789012345"), S("D")}, "1.235,50"},
        {PayablesListingKind::Issued, "0", TitleStatus::Open, {S("123456789012345"), S("B"), S("D")}, "1.285,50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(payablesListingTexts(c.kind).className);
        shown.reports.clear();
        PayablesListingWindow w(st.logon(), c.kind);
        w.setSupplierText(S(c.supplier));
        w.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
        w.chooseStatus(c.status);
        w.print();
        ASSERT_EQ(shown.reports.size(), 1u);
        const QStringList lines = shown.lastReport();
        QStringList numbers;
        for (const QString& l : lines)
            if (!l.startsWith(S("TOTAL")) && !l.startsWith(S("DATA D")) && !l.startsWith(S("PERIODO")) && l.count(QLatin1Char('/')) >= 4)
                numbers << l.section(QLatin1Char(' '), 0, 0);
        EXPECT_EQ(numbers, c.numbers) << lines.join('\n').toStdString();
        EXPECT_EQ(lines.last(), S("TOTAL GERAL %1 %2").arg(S(c.total)).arg(lines.last().section(' ', -1)));
        EXPECT_EQ(w.printEnabled(), true);
    }
}

TEST_F(PayablesListings, AnEmptyPeriodGivesTheHeaderAndZerosAndABadSupplierIsRefused)
{
    TFormRelEmiX w(st.logon());
    w.setPeriod(QDate(2020, 1, 1), QDate(2020, 1, 31));
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    EXPECT_EQ(shown.lastReport().last(), S("TOTAL GERAL 0,00 0,00"));

    for (const char* bad : {"abc", "", "1e20", "'; delete from PAGARQ; --"}) {
        ScriptedDialogs script;
        PreviewCapture none(script);
        TFormRelPeriodoX p(st.logon());
        p.setSupplierText(S(bad));
        p.print();
        EXPECT_EQ(script.errors.size(), 1) << bad;
        EXPECT_TRUE(none.reports.empty());
        EXPECT_EQ(p.supplierText(), S("0"));
        EXPECT_TRUE(p.printEnabled());
    }
    EXPECT_EQ(st.count(S("select count(*) from PAGARQ")), 5);
}

TEST_F(PayablesListings, ThePaidListingStaysOpenAndTheOthersClose)
{
    TFormRelBaixaX paid(st.logon());
    paid.show();
    paid.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
    paid.print();
    EXPECT_TRUE(paid.isVisible());
    paid.print();
    EXPECT_EQ(shown.reports.size(), 2u);
    TFormRelPorCliX bySupplier(st.logon());
    bySupplier.show();
    bySupplier.print();
    EXPECT_FALSE(bySupplier.isVisible());
}

TEST_F(PayablesListings, TheSupplierListingClosesWhenItsFieldIsLeftWithoutACode)
{
    d.onWindow(S("TFormBuscaFor"), [](QDialog&) { return int(QDialog::Rejected); });
    st.logon().run(S("delete from FORNECEDOR"));   // the titles' suppliers are gone since
    TFormRelPorCliX w(st.logon());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* field = w.findChild<QLineEdit*>(S("supplierEdit"));
    field->setFocus();
    w.searchSupplier();   // no supplier registered: the field is emptied
    EXPECT_EQ(w.supplierText(), QString());
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(PayablesListings, ImpressoraPrintsAtOnceOnTheStationsPrinter)
{
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    const QString pdf = cups.outputFolder() + "/titulos.pdf";
    QFile::remove(pdf);
    const QString error = cups.addPdfQueue("Titulos", pdf);
    if (!error.isEmpty())
        GTEST_SKIP() << "no PDF printer queue: " << error.toStdString();
    cups.setDefault("Titulos");
    TFormRelPeriodoX w(st.logon());
    w.setPeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
    w.chooseStatus(TitleStatus::Paid);
    w.choosePrinter(true);
    w.print();
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join('\n').toStdString();
    EXPECT_TRUE(shown.reports.empty());
    ASSERT_TRUE(cups.waitUntilIdle());
    const auto pages = pdfPagesText(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].last(), S("TOTAL GERAL 60,00 0,50"));
    cups.removeQueue("Titulos");
}
