#include "printing/UnitVisao.h"
#include "platform/WholeFile.h"

#include "printing/SetComSettings.h"
#include "platform/Dialogs.h"
#include "platform/LineFile.h"
#include "platform/Printers.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"
#include "ui_UnitVisao.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <QHash>

#include <cctype>
#include <stdexcept>
#include <vector>

namespace {

// The texts this window shows.
namespace msg {
const QString kSaveCaption = QStringLiteral("Salvar como");
const QString kSaveFilter = QStringLiteral("Arquivo Word (*.Doc *.DOC)");
const QString kJobTitle = QStringLiteral("Visualizador Relatório");
} // namespace msg

const QString kFontFamily = QStringLiteral("Lucida Console");

// The conference printer destination: setup.INI line 12.
QString conferencePrinter()
{
    const auto file = LineFile::load(station::path(QString::fromLatin1(SetComSettings::kSetupFile)));
    return file ? file->line(SetComSettings::setupLineOf(PrinterSlot::Conference)) : QString();
}

} // namespace

void ShowPreview(const Printout& text)
{
    TFormVisao window(QApplication::activeWindow());
    window.setLines(text.lines);
    dialogs().exec(window);
}

TFormVisao::TFormVisao(QWidget* parent)
    : TFormVisao(printers::installed(), parent)
{
}

TFormVisao::TFormVisao(const QStringList& installedPrinters, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVisao)
{
    ui->setupUi(this);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormVisao::print);
    connect(ui->saveButton, &QPushButton::clicked, this, &TFormVisao::save);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);

    ui->printerCombo->addItems(installedPrinters);
    const int fontSize = SetComSettings::receiptFontSize();
    try {
        const QString wanted = conferencePrinter();
        if (!SetComSettings::trimmed(wanted).isEmpty()) {
            const int exact = int(installedPrinters.indexOf(wanted));   // letter case included
            if (exact >= 0)
                ui->printerCombo->setCurrentIndex(exact);
        }
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }

    m_font = QFont(kFontFamily);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    m_font.setPointSize(fontSize);
    ui->textBox->setFont(m_font);
    // The program's style sheet sets a size for every widget; this box keeps its own.
    ui->textBox->setStyleSheet(QStringLiteral("font-size: %1pt;").arg(fontSize));
}

TFormVisao::~TFormVisao() = default;

void TFormVisao::setText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ui->textBox->setPlainText(plain);
    ui->textBox->moveCursor(QTextCursor::Start);
}

void TFormVisao::setLines(const QStringList& lines)
{
    setText(lines.join(QLatin1Char('\n')));
}

QStringList TFormVisao::lines() const
{
    const QString text = ui->textBox->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QString TFormVisao::selectedPrinter() const
{
    return ui->printerCombo->currentIndex() >= 0 ? ui->printerCombo->currentText() : QString();
}

void TFormVisao::printTo(QPrinter& printer) const
{
    printers::renderLines(printer, printout());
}

void TFormVisao::saveTo(const QString& fileName) const
{
    wholefile::write(fileName, richTextDocument(lines(), m_font.family(), m_font.pointSize()));
}

void TFormVisao::print()
{
    // A text job like every other printout: a receipt printer gets the text's
    // bytes, a page printer the text drawn in the box's font.
    try {
        printers::printTextJob(selectedPrinter(), printout(), QByteArray(), QByteArray(), msg::kJobTitle);
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

Printout TFormVisao::printout() const
{
    Printout p;
    p.lines = lines();
    p.fontFamily = m_font.family();
    p.fontSize = m_font.pointSize();
    return p;
}

void TFormVisao::save()
{
    const QString chosen = dialogs().saveFileName(msg::kSaveCaption, msg::kSaveFilter);
    if (chosen.isEmpty())
        return;
    try {
        saveTo(chosen + QStringLiteral(".doc"));
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

// ---- Rich text ----------------------------------------------------------------

namespace {

// Text as RTF source: braces and backslashes escaped, what is not plain ASCII as
// Windows-1252 bytes (\'xx), what that code page lacks as Unicode (\uN?).
QByteArray richTextEscaped(const QString& text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else if (fitsWin1252(QStringView(&c, 1))) {
            const QByteArray byte = toWin1252(QStringView(&c, 1));
            out += "\\'" + byte.toHex();
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

} // namespace

QByteArray richTextDocument(const QStringList& lines, const QString& family, int size)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
                     "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 "
                     + richTextEscaped(family) + ";}}\r\n"
                     "\\viewkind4\\uc1\\pard\\f0\\fs" + QByteArray::number(2 * size) + ' ';
    for (const QString& line : lines)
        out += richTextEscaped(line) + "\\par\r\n";
    out += "}\r\n";
    return out;
}

namespace {

class RichTextReader {
public:
    explicit RichTextReader(const QByteArray& doc) : m_doc(doc) {}

    RichTextContent read()
    {
        m_groups.push_back(Group{});
        while (m_pos < m_doc.size()) {
            const char c = m_doc.at(m_pos++);
            if (c == '{') {
                m_groups.push_back(m_groups.back());
                m_groups.back().fontName.clear();
            } else if (c == '}') {
                closeGroup();
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                text(QString(QLatin1Char(c)));
            }
        }
        if (!m_line.isEmpty())
            m_content.lines << m_line;
        return m_content;
    }

private:
    enum class Destination { Body, FontTable, FontEntry, Skipped };
    struct Group {
        Destination destination = Destination::Body;
        int fontNumber = 0;
        QString fontName;
    };

    void closeGroup()
    {
        if (m_groups.size() > 1) {
            const Group closed = m_groups.back();
            m_groups.pop_back();
            if (closed.destination == Destination::FontEntry && !m_fonts.contains(closed.fontNumber))
                m_fonts.insert(closed.fontNumber, closed.fontName.trimmed());
        }
    }

    void control()
    {
        if (m_pos >= m_doc.size())
            return;
        const char c = m_doc.at(m_pos);
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            if (c == '\'') {
                const QByteArray hex = m_doc.mid(m_pos, 2);
                m_pos += 2;
                text(fromWin1252(QByteArray::fromHex(hex)));
            } else if (c == '\\' || c == '{' || c == '}') {
                text(QString(QLatin1Char(c)));
            } else if (c == '~') {
                text(QString(QChar(0xA0)));
            } else if (c == '*') {
                m_groups.back().destination = Destination::Skipped;
            }
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_doc.size() && std::isalpha(static_cast<unsigned char>(m_doc.at(m_pos))))
            ++m_pos;
        const QByteArray word = m_doc.mid(start, m_pos - start);
        const qsizetype numberStart = m_pos;
        if (m_pos < m_doc.size() && m_doc.at(m_pos) == '-')
            ++m_pos;
        while (m_pos < m_doc.size() && std::isdigit(static_cast<unsigned char>(m_doc.at(m_pos))))
            ++m_pos;
        const QByteArray numberText = m_doc.mid(numberStart, m_pos - numberStart);
        const bool hasNumber = !numberText.isEmpty() && numberText != "-";
        const int number = hasNumber ? numberText.toInt() : 0;
        if (m_pos < m_doc.size() && m_doc.at(m_pos) == ' ')
            ++m_pos;
        controlWord(word, hasNumber, number);
    }

    void controlWord(const QByteArray& word, bool hasNumber, int number)
    {
        Group& g = m_groups.back();
        if (word == "fonttbl") {
            g.destination = Destination::FontTable;
        } else if (word == "colortbl" || word == "stylesheet" || word == "info") {
            g.destination = Destination::Skipped;
        } else if (word == "f" && hasNumber) {
            if (g.destination == Destination::FontTable || g.destination == Destination::FontEntry) {
                g.destination = Destination::FontEntry;
                g.fontNumber = number;
            } else if (g.destination == Destination::Body) {
                m_content.family = m_fonts.value(number);
            }
        } else if (word == "fs" && hasNumber && g.destination == Destination::Body) {
            m_content.size = number / 2;
        } else if (word == "par" || word == "line") {
            if (g.destination == Destination::Body) {
                m_content.lines << m_line;
                m_line.clear();
            }
        } else if (word == "tab") {
            text(QStringLiteral("\t"));
        } else if (word == "u" && hasNumber) {
            text(QString(QChar(char16_t(number < 0 ? number + 65536 : number))));
            skipReplacement();
        }
    }

    // After \uN the next character (or \'xx) stands for readers without Unicode.
    void skipReplacement()
    {
        if (m_pos >= m_doc.size())
            return;
        if (m_doc.at(m_pos) == '\\' && m_pos + 1 < m_doc.size() && m_doc.at(m_pos + 1) == '\'')
            m_pos += 4;
        else if (m_doc.at(m_pos) != '\\' && m_doc.at(m_pos) != '{' && m_doc.at(m_pos) != '}')
            ++m_pos;
    }

    void text(const QString& t)
    {
        Group& g = m_groups.back();
        if (g.destination == Destination::Body)
            m_line += t;
        else if (g.destination == Destination::FontEntry)
            g.fontName += t == QLatin1String(";") ? QString() : t;
    }

    const QByteArray& m_doc;
    qsizetype m_pos = 0;
    std::vector<Group> m_groups;
    QHash<int, QString> m_fonts;
    QString m_line;
    RichTextContent m_content;
};

} // namespace

RichTextContent readRichText(const QByteArray& document)
{
    return RichTextReader(document).read();
}

QStringList linesFromRichText(const QByteArray& document)
{
    return readRichText(document).lines;
}
