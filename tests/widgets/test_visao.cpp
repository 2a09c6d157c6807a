// "Visualizador Relatório": the preview shows a composed printout at the station's
// receipt font size, prints it (here to a PDF file read back with pdftotext) and
// saves it as a Word document that reads back to the same lines and font.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "printing/UnitVisao.h"
#include "printing/SetComSettings.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kSetup = QString::fromLatin1(SetComSettings::kSetupFile);
const QString kFont = QString::fromLatin1(SetComSettings::kFontFile);

const QStringList kReceipt = {
    "      RESTAURANTE BOA MESA",
    "------------------------------------------",
    "Mesa: 12          Garcom: JOAO",
    "2 x Picanha na chapa            119,80",
    "1 x Caipirinha {limao}           18,00",
    "1 x Pão de queijo \\ porção        9,50",
    "",
    "Taxa de serviço 10%              14,73",
    "TOTAL                           162,03",
    "     Obrigado e volte sempre",
};

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The printed lines that hold text, blanks folded (pdftotext spaces by position).
QStringList printedLines(const QString& pdf)
{
    QStringList out;
    for (const QString& l : pdfText(pdf).split('\n'))
        if (!l.simplified().isEmpty())
            out << l.simplified();
    return out;
}

QStringList folded(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines)
        if (!l.simplified().isEmpty())
            out << l.simplified();
    return out;
}

void pdfPrinter(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QComboBox* printerBox(QWidget& w) { return w.findChild<QComboBox*>("printerCombo"); }
void click(QWidget& w, const char* button)
{
    QPushButton* b = w.findChild<QPushButton*>(button);
    ASSERT_TRUE(b) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

TEST(Preview, ShowsTheTextReadOnlyUnderItsTitle)
{
    TestStation st(false);
    TFormVisao w(QStringList{"Termica"});
    w.setText("linha 1\r\nlinha 2\r\n\r\nlinha 4");
    EXPECT_EQ(w.lines(), (QStringList{"linha 1", "linha 2", "", "linha 4"}));
    EXPECT_EQ(w.findChild<QLabel*>("titlePanel")->text(), "Visualizador Relatório ");
    auto* box = w.findChild<QPlainTextEdit*>("textBox");
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(w.textFont().family(), "Lucida Console");
}

TEST(Preview, PrintsEveryLineOnThePrinter)
{
    TestStation st(false);
    QTemporaryDir out;
    TFormVisao w(QStringList{});
    w.setLines(kReceipt);
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = out.filePath("cupom.pdf");
    pdfPrinter(printer, pdf);
    w.printTo(printer);
    EXPECT_EQ(printedLines(pdf), folded(kReceipt));
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST(Preview, LongPrintoutGoesOnToMorePages)
{
    TestStation st(false);
    QTemporaryDir out;
    QStringList lines;
    for (int i = 1; i <= 400; ++i)
        lines << QString("Item %1 ......... %2,00").arg(i, 3, 10, QChar('0')).arg(i);
    TFormVisao w(QStringList{});
    w.setLines(lines);
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = out.filePath("longo.pdf");
    pdfPrinter(printer, pdf);
    w.printTo(printer);
    EXPECT_GT(pdfPages(pdf), 1);
    EXPECT_EQ(printedLines(pdf), folded(lines));   // none lost at a page break, in order
}

TEST(Preview, ShowPreviewOpensTheWindowWithTheText)
{
    TestStation st(false);
    ScriptedDialogs d;
    QTemporaryDir out;
    const QString pdf = out.filePath("visto.pdf");
    QStringList seen;
    int fontSize = 0;
    d.onWindow("TFormVisao", [&](QDialog& window) {
        auto& w = static_cast<TFormVisao&>(window);
        seen = w.lines();
        fontSize = w.textFont().pointSize();
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, pdf);
        w.printTo(printer);
        return int(QDialog::Accepted);
    });
    Printout p;
    p.lines = kReceipt;
    p.fontSize = 12;   // the preview shows at the station's size, not the composed one
    ShowPreview(p);
    EXPECT_EQ(d.windowsShown, QStringList{"TFormVisao"});
    EXPECT_EQ(seen, kReceipt);
    EXPECT_EQ(fontSize, 7);
    EXPECT_EQ(printedLines(pdf), folded(kReceipt));
}

TEST(Preview, FontSizeComesFromTheReceiptSize)
{
    struct Case {
        std::optional<QStringList> fonte;
        int size;
    };
    const Case cases[] = {
        {std::nullopt, 7},
        {QStringList{"12", "6"}, 12},
        {QStringList{"26"}, 26},
        {QStringList{"doze", "6"}, 7},
        {QStringList{"9,5"}, 7},
        {QStringList{}, 7},
        {QStringList{"6", "14"}, 6},   // kitchen size is not the preview's
    };
    for (const Case& c : cases) {
        TestStation st(false);
        if (c.fonte)
            st.writeFile(kFont, *c.fonte);
        TFormVisao w(QStringList{});
        EXPECT_EQ(w.textFont().pointSize(), c.size) << c.fonte.value_or(QStringList{"<none>"}).join('|').toStdString();
    }
}

TEST(Preview, PreselectsTheConferencePrinterByExactName)
{
    const QStringList installed = {"Termica Caixa", "EPSON TM-T20", "Laser"};
    struct Case {
        std::optional<QString> line12;
        QString selected;
    };
    const Case cases[] = {
        {std::nullopt, "Termica Caixa"},
        {QString("EPSON TM-T20"), "EPSON TM-T20"},
        {QString("Laser"), "Laser"},
        {QString("epson tm-t20"), "Termica Caixa"},
        {QString("EPSON TM-T20 "), "Termica Caixa"},
        {QString("Visualizar"), "Termica Caixa"},
        {QString("VI - Video (Visualiza)"), "Termica Caixa"},
        {QString("   "), "Termica Caixa"},
    };
    for (const Case& c : cases) {
        TestStation st(false);
        if (c.line12) {
            QStringList setup = SetComSettings::setupLines(SetComSettings::defaults());
            setup[12] = *c.line12;
            st.writeFile(kSetup, setup);
        }
        TFormVisao w(installed);
        EXPECT_EQ(w.selectedPrinter(), c.selected) << c.line12.value_or("<none>").toStdString();
        QStringList listed;
        for (int i = 0; i < printerBox(w)->count(); ++i)
            listed << printerBox(w)->itemText(i);
        EXPECT_EQ(listed, installed);
    }
    TestStation st(false);
    TFormVisao none(QStringList{});
    EXPECT_EQ(none.selectedPrinter(), "");
}

TEST(Preview, SavesAWordDocumentAndAlwaysAddsDoc)
{
    const std::pair<const char*, const char*> cases[] = {
        {"relatorio", "relatorio.doc"},
        {"relatorio.doc", "relatorio.doc.doc"},
        {"Relatorio.DOC", "Relatorio.DOC.doc"},
    };
    for (const auto& [chosen, written] : cases) {
        TestStation st(false);
        st.writeFile(kFont, {"11"});
        ScriptedDialogs d;
        QTemporaryDir out;
        d.answerFileDialog(out.filePath(chosen));
        TFormVisao w(QStringList{});
        QSignalSpy finished(&w, &QDialog::finished);
        w.setLines(kReceipt);
        click(w, "saveButton");
        EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join('\n').toStdString();
        EXPECT_EQ(finished.count(), 0);   // the window stays open
        const QString path = out.filePath(written);
        ASSERT_TRUE(QFileInfo(path).isFile()) << written;
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{written});
        const RichTextContent back = readRichText(fileBytes(path));
        EXPECT_EQ(back.lines, kReceipt);
        EXPECT_EQ(back.family, "Lucida Console");
        EXPECT_EQ(back.size, 11);
    }
}

TEST(Preview, CancelledSaveWritesNothing)
{
    TestStation st(false);
    ScriptedDialogs d;
    QTemporaryDir out;
    d.answerFileDialog(QString());
    TFormVisao w(QStringList{});
    w.setLines(kReceipt);
    click(w, "saveButton");
    EXPECT_TRUE(d.errors.isEmpty());
    EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

TEST(Preview, SaveToAFolderThatDoesNotExistShowsTheError)
{
    TestStation st(false);
    ScriptedDialogs d;
    QTemporaryDir out;
    d.answerFileDialog(out.filePath("nao/existe/relatorio"));
    TFormVisao w(QStringList{});
    QSignalSpy finished(&w, &QDialog::finished);
    w.setLines(kReceipt);
    click(w, "saveButton");
    ASSERT_EQ(d.errors.size(), 1);
    EXPECT_TRUE(d.errors[0].contains("relatorio.doc")) << d.errors[0].toStdString();
    EXPECT_EQ(finished.count(), 0);
}

TEST(Preview, PrintingOnAPrinterThatIsNotThereShowsTheError)
{
    TestStation st(false);
    ScriptedDialogs d;
    TFormVisao w(QStringList{"Impressora que nao existe 7f3a"});
    QSignalSpy finished(&w, &QDialog::finished);
    w.setLines(kReceipt);
    click(w, "printButton");
    // No printer of that name and no default one: the error shows, the preview stays.
    ASSERT_EQ(d.errors.size(), 1);
    EXPECT_EQ(d.errors[0], QStringLiteral("Nenhuma impressora instalada"));
    EXPECT_EQ(finished.count(), 0);
}

TEST(Preview, CloseButtonClosesTheWindow)
{
    TestStation st(false);
    TFormVisao w(QStringList{});
    QSignalSpy finished(&w, &QDialog::finished);
    click(w, "closeButton");
    EXPECT_EQ(finished.count(), 1);
}

// ---- The rich-text document ---------------------------------------------------

TEST(RichText, LinesComeBackAsWritten)
{
    const QStringList cases[] = {
        {},
        {""},
        {"", "", ""},
        {"simples"},
        {"   blanks in front", "and after   "},
        {"{chaves}", "\\barra\\", "}{", "\\par not a break", "\\'e9 as text"},
        {"Café, pão, açúcar, Ação, ÇÃO"},
        {"€ 12,50 — preço “promoção”", "ºª°±½"},
        {"tab\there", "✓ fora do 1252", "emoji 🍺"},
        {"123 digits first", "-5 negative", ";semicolon;"},
    };
    for (const QStringList& lines : cases) {
        const QByteArray doc = richTextDocument(lines, "Lucida Console", 9);
        EXPECT_EQ(linesFromRichText(doc), lines) << doc.toStdString();
    }
}

TEST(RichText, IsWordRichTextInTheGivenFont)
{
    const QByteArray doc = richTextDocument({"Preço {total}: 10\\2"}, "Lucida Console", 7);
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg1252")) << doc.toStdString();
    EXPECT_TRUE(doc.contains("{\\fonttbl{\\f0")) << doc.toStdString();
    EXPECT_TRUE(doc.contains(" Lucida Console;}")) << doc.toStdString();
    EXPECT_TRUE(doc.contains("\\fs14 ")) << doc.toStdString();
    EXPECT_TRUE(doc.contains("Pre\\'e7o \\{total\\}: 10\\\\2\\par")) << doc.toStdString();
    EXPECT_TRUE(doc.trimmed().endsWith('}'));
    // Plain 7-bit text: every other character is escaped.
    for (char c : doc)
        EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << int(static_cast<unsigned char>(c));
    const RichTextContent back = readRichText(doc);
    EXPECT_EQ(back.family, "Lucida Console");
    EXPECT_EQ(back.size, 7);

    const RichTextContent other = readRichText(richTextDocument({"x"}, "Courier {New}", 26));
    EXPECT_EQ(other.family, "Courier {New}");
    EXPECT_EQ(other.size, 26);
}
