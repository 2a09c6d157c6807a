// Printing through a real CUPS server: a raw receipt-printer queue whose device
// is a TCP listener of the test (the bytes are compared exactly) and a page
// printer that writes a PDF, read back with pdftotext.
#include "PrintFixtures.h"
#include "CupsSandbox.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "printing/RoutePrintout.h"
#include "platform/Ports.h"
#include "platform/Printers.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const QByteArray kTrailer("\x1D\xF9\x20\x00\x1B\x74\x08\x1B\x76\x8C\r\n", 12);

class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CupsSandbox& cups = CupsSandbox::instance();
        if (!cups.available())
            return;
        s_receiptPrinter = std::make_unique<RawPrinterListener>();
        if (!s_receiptPrinter->listening()) {
            s_queueError = "cannot listen on 127.0.0.1 for the receipt printer";
            return;
        }
        QString error = cups.addRawQueue("Termica", s_receiptPrinter->uri());
        if (error.isEmpty())
            error = cups.setDefault("Termica");
        // A queue that accepts no job.
        if (error.isEmpty())
            error = cups.addRawQueue("Recusa", "socket://127.0.0.1:9");
        if (error.isEmpty())
            error = cups.rejectJobs("Recusa");
        // A queue that takes jobs and keeps them (stopped by hand, or by an
        // error of its device).
        if (error.isEmpty())
            error = cups.addRawQueue("Parada", s_receiptPrinter->uri());
        if (error.isEmpty())
            error = cups.stopQueue("Parada");
        s_queueError = error.toStdString();

        s_pdfPath = cups.outputFolder() + "/escritorio.pdf";
        s_pdfError = cups.addPdfQueue("Escritorio", s_pdfPath).toStdString();
        if (s_pdfError.empty() && QStandardPaths::findExecutable("pdftotext").isEmpty())
            s_pdfError = "pdftotext is not installed (Debian package poppler-utils)";
    }
    static void TearDownTestSuite()
    {
        CupsSandbox& cups = CupsSandbox::instance();
        if (cups.available()) {
            cups.waitUntilIdle();
            for (const char* queue : {"Termica", "Recusa", "Parada", "Escritorio"})
                cups.removeQueue(queue);
        }
        s_receiptPrinter.reset();
    }

    void SetUp() override
    {
        CupsSandbox& cups = CupsSandbox::instance();
        if (!cups.available())
            GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
        ASSERT_EQ(s_queueError, "");
        s_receiptPrinter->clear();
    }

    void requirePdfPrinter()
    {
        if (!s_pdfError.empty())
            GTEST_SKIP() << "no PDF printer queue: " << s_pdfError;
        QFile::remove(s_pdfPath);
    }

    void writeSetup(const std::map<int, QString>& values)
    {
        QStringList lines;
        for (int i = 0; i < 23; ++i)
            lines << (values.count(i) ? values.at(i) : QString());
        m_station.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\setup.INI"), lines);
    }

    // The text of the page printer's last job.
    QString printedText()
    {
        EXPECT_TRUE(CupsSandbox::instance().waitUntilIdle()) << "jobs still pending";
        QProcess p;
        p.start("pdftotext", {"-layout", "-enc", "UTF-8", s_pdfPath, "-"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            ADD_FAILURE() << "pdftotext failed on " << s_pdfPath.toStdString() << ": "
                          << p.readAllStandardError().toStdString();
            return QString();
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static inline std::unique_ptr<RawPrinterListener> s_receiptPrinter;
    static inline std::string s_queueError;
    static inline std::string s_pdfError;
    static inline QString s_pdfPath;

    TestStation m_station{false};
    ScriptedDialogs m_ui;
};

TEST_F(CupsPrinting, PrinterNamesIgnoreLetterCaseAndFallBackToDefault)
{
    const QStringList installed = printers::installed();
    EXPECT_TRUE(installed.contains("Termica")) << installed.join(", ").toStdString();
    EXPECT_TRUE(installed.contains("Recusa"));
    EXPECT_EQ(printers::defaultPrinter(), S("Termica"));
    struct Case { const char* name; const char* resolved; };
    const Case cases[] = {
        {"Termica", "Termica"}, {"TERMICA", "Termica"}, {"recusa", "Recusa"},
        {"Impressora da Cozinha", "Termica"}, {"", "Termica"}, {"Termica ", "Termica"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(printers::resolve(S(c.name)), S(c.resolved)) << c.name;
}

TEST_F(CupsPrinting, ReceiptPrinterGetsExactBytes)
{
    struct Case {
        const char* value;
        PrinterSlot slot;
        const char* line8;
        const char* line16;
        bool controlByte, endOfReceipt, trailer, trimKeywords;
        QByteArray before, after;
    };
    const Case cases[] = {
        {"Termica", PrinterSlot::Closing, "1", "N", true, true, false, true, "\x0F\r\n", kEndOfReceipt},
        {"TERMICA", PrinterSlot::Closing, "2", " s ", true, false, true, true, "\x0E\r\n", kTrailer},
        {"termica", PrinterSlot::Conference, "3", "S", true, true, true, true, "\x12\r\n", kEndOfReceipt + kTrailer},
        {"Termica", PrinterSlot::Closing, "3", "S", false, false, false, true, "", ""},
        {"Termica", PrinterSlot::Closing, " 1", "N", true, false, false, true, "", ""},
        {"Termica", PrinterSlot::Closing, "0", "x", true, false, true, true, "", ""},
        // Not installed, or not a keyword as written: the default printer.
        {"Impressora Inexistente", PrinterSlot::Closing, "0", "S", true, false, true, true, "", kTrailer},
        {"", PrinterSlot::Closing, "2", "N", true, false, true, true, "\x0E\r\n", ""},
        {"Visualizar ", PrinterSlot::Closing, "1", "N", true, false, false, false, "\x0F\r\n", ""},
        {"informa porta", PrinterSlot::Kitchen2, "1", "N", false, true, false, true, "", kEndOfReceipt},
        {"Monitor Cozinha", PrinterSlot::Kitchen4, "1", "N", true, false, false, true, "\x0F\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " / line 8 '" + c.line8 + "' / line 16 '" + c.line16 + "'");
        writeSetup({{SlotSetupLine(c.slot), S(c.value)}, {8, S(c.line8)}, {16, S(c.line16)}});
        RouteOptions options;
        options.controlByte = c.controlByte;
        options.endOfReceipt = c.endOfReceipt;
        options.trailer = c.trailer;
        options.trimKeywords = c.trimKeywords;
        EXPECT_EQ(RoutePrintout(sampleReceipt(), c.slot, options), RouteResult::Printer);
        const std::optional<QByteArray> job = s_receiptPrinter->nextJob();
        ASSERT_TRUE(job) << "nothing reached the receipt printer";
        EXPECT_EQ(job->toHex(' '), (c.before + kReceiptBytes + c.after).toHex(' '));
    }
    EXPECT_EQ(CurrentPrinterName(), S("Termica"));
    EXPECT_TRUE(m_ui.windowsShown.isEmpty());
}

TEST_F(CupsPrinting, DeliveryOnReceiptPrinterHasControlByteOnly)
{
    writeSetup({{12, "termica"}, {8, "1"}, {16, "S"}});
    EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), RouteResult::Printer);
    const std::optional<QByteArray> job = s_receiptPrinter->nextJob();
    ASSERT_TRUE(job);
    EXPECT_EQ(job->toHex(' '), (QByteArray("\x0F\r\n") + kReceiptBytes).toHex(' '));
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(CupsPrinting, QueueThatRefusesJobs)
{
    writeSetup({{15, "Recusa"}, {12, "Recusa"}});
    try {
        RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(S(e.what()).contains("Recusa")) << e.what();
    }
    EXPECT_TRUE(m_ui.messages.empty());

    EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), RouteResult::Previewed);
    EXPECT_EQ(m_ui.messageTexts(), QStringList{S(" Impressora nao localizada  ")});
    EXPECT_EQ(m_ui.windowsShown, QStringList{"TFormVisao"});
}

// A queue that would not print the job now is reported, and nothing is left
// waiting in it to come out hours later.
TEST_F(CupsPrinting, QueueThatWouldNotPrintIsReported)
{
    struct Case { const char* queue; const char* why; };
    const Case cases[] = {
        {"Parada", "a impressora está parada"},
        {"PARADA", "a impressora está parada"},
        {"Recusa", "a impressora não está aceitando trabalhos"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        m_ui.messages.clear();
        m_ui.windowsShown.clear();
        writeSetup({{15, S(c.queue)}, {12, S(c.queue)}});
        const QString printer = printers::resolve(S(c.queue));
        try {
            RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
            ADD_FAILURE() << "counted as printed";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(S(e.what()), S("Não foi possível imprimir na impressora %1: %2").arg(printer, S(c.why)));
        }
        EXPECT_EQ(RouteDeliveryPrintout(sampleReceipt()), RouteResult::Previewed);
        EXPECT_EQ(m_ui.messageTexts(), QStringList{S(" Impressora nao localizada  ")});
        EXPECT_EQ(m_ui.windowsShown, QStringList{"TFormVisao"});
        EXPECT_EQ(CupsSandbox::instance().pendingJobs(printer), 0);
    }
    EXPECT_EQ(s_receiptPrinter->nextJob(0), std::nullopt);
}

// A print server that stops answering ends the printout with a message after
// the stall timeout; once it answers again the next printout goes through.
TEST_F(CupsPrinting, ServerThatStopsAnsweringIsReported)
{
    CupsSandbox& cups = CupsSandbox::instance();
    ports::setStallTimeout(std::chrono::milliseconds(300));
    writeSetup({{15, "Termica"}, {12, "Termica"}});
    if (!cups.pauseServer()) {
        ports::setStallTimeout(std::chrono::milliseconds(0));
        GTEST_SKIP() << "the print server is not this test's own";
    }
    std::string outcome;
    try {
        RoutePrintout(sampleReceipt(), PrinterSlot::Closing);
        outcome = "counted as printed";
    } catch (const std::runtime_error& e) {
        outcome = e.what();
    }
    const RouteResult delivery = RouteDeliveryPrintout(sampleReceipt());
    cups.resumeServer();
    ports::setStallTimeout(std::chrono::milliseconds(0));

    EXPECT_EQ(S(outcome.c_str()), S("O serviço de impressão não respondeu em 0,3 s"));
    EXPECT_EQ(delivery, RouteResult::Previewed);
    EXPECT_EQ(m_ui.messageTexts(), QStringList{S(" Impressora nao localizada  ")});

    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Closing), RouteResult::Printer);
    const std::optional<QByteArray> job = s_receiptPrinter->nextJob();
    ASSERT_TRUE(job);
    EXPECT_EQ(*job, kReceiptBytes);
}

// One printout asks the server for its printer list once, on either kind of
// printer.
TEST_F(CupsPrinting, PrinterListIsReadOncePerPrintout)
{
    CupsSandbox& cups = CupsSandbox::instance();
    if (cups.requestsLogged("CUPS-Get-Printers") < 0)
        GTEST_SKIP() << "the print server is not this test's own";
    struct Case { const char* value; bool pages; };
    const Case cases[] = {{"Termica", false}, {"nenhuma", false}, {"Escritorio", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        if (c.pages && !s_pdfError.empty())
            continue;
        writeSetup({{15, S(c.value)}});
        const int before = cups.requestsLogged("CUPS-Get-Printers");
        EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Closing), RouteResult::Printer);
        EXPECT_EQ(cups.requestsLogged("CUPS-Get-Printers") - before, 1);
    }
}

TEST_F(CupsPrinting, PagePrinterPrintsTheLines)
{
    requirePdfPrinter();
    writeSetup({{12, "ESCRITORIO"}, {8, "1"}, {16, "S"}});
    RouteOptions options;
    options.controlByte = options.endOfReceipt = options.trailer = true;
    EXPECT_EQ(RoutePrintout(sampleReceipt(), PrinterSlot::Conference, options), RouteResult::Printer);
    const QString text = printedText();
    // pdftotext does not keep runs of blanks: compare with single blanks.
    const QString words = text.simplified();
    qsizetype previous = -1;
    for (const char* expected : {"CUPOM 000123", "Pão de queijo R$ 5,00", "Ação €"}) {
        const qsizetype at = words.indexOf(S(expected));
        EXPECT_GT(at, previous) << expected << " missing or out of order in:\n" << text.toStdString();
        previous = at;
    }
    for (QChar c : text)
        EXPECT_FALSE(c.unicode() < 0x20 && c != '\n' && c != '\f' && c != '\r')
            << "control character " << int(c.unicode()) << " drawn";
    EXPECT_EQ(CurrentPrinterName(), S("Escritorio"));
    EXPECT_EQ(s_receiptPrinter->nextJob(0), std::nullopt);
}

TEST_F(CupsPrinting, PagePrinterTakesAsManyPagesAsNeeded)
{
    requirePdfPrinter();
    Printout report;
    for (int i = 1; i <= 300; ++i)
        report.lines << QStringLiteral("linha %1 do relatorio").arg(i, 3, 10, QLatin1Char('0'));
    report.fontSize = 12;
    writeSetup({{15, "Escritorio"}});
    EXPECT_EQ(RoutePrintout(report, PrinterSlot::Closing), RouteResult::Printer);
    const QString text = printedText();
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    EXPECT_GE(pages.size(), 3) << "300 lines at 12 points on one or two pages";
    for (int i : {1, 2, 150, 299, 300})
        EXPECT_TRUE(text.contains(QStringLiteral("linha %1 do relatorio").arg(i, 3, 10, QLatin1Char('0')))) << i;
}

TEST_F(CupsPrinting, LegacyPagePrintingUsesTheCurrentPrinter)
{
    requirePdfPrinter();
    // A route selects the page printer; the legacy page code prints there later.
    writeSetup({{12, "escritorio"}, {15, "10"}});
    RoutePrintout(sampleReceipt(), PrinterSlot::Conference);
    ASSERT_TRUE(CupsSandbox::instance().waitUntilIdle());
    QFile::remove(s_pdfPath);

    Printout text;
    text.lines = QStringList{S("FECHAMENTO DO DIA"), S("Dinheiro   R$ 1.234,56")};
    EXPECT_EQ(RouteLegacyPrintout(text, PrinterSlot::Closing, false, false, true), RouteResult::Printer);
    const QString printed = printedText();
    EXPECT_TRUE(printed.contains(S("FECHAMENTO DO DIA"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(S("Dinheiro   R$ 1.234,56"))) << printed.toStdString();
    const QStringList titles = CupsSandbox::instance().completedJobTitles("Escritorio");
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.last(), S("100"));
    EXPECT_TRUE(m_ui.windowsShown.isEmpty());
}

} // namespace
