#pragma once
#include "platform/Printout.h"

#include <QByteArray>
#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

// Shows a composed printout in the preview window, modally.
void ShowPreview(const Printout& text);

namespace Ui { class TFormVisao; }
class QPrinter;

// "Visualizador Relatório": a composed printout shown read-only in "Lucida
// Console" at the station's receipt font size (fonte.INI line 0), printed as a
// text job on a chosen printer or saved as a Word document (RTF).
class TFormVisao : public QDialog {
    Q_OBJECT
public:
    // The printer box lists the printers the platform reports as installed.
    explicit TFormVisao(QWidget* parent = nullptr);
    TFormVisao(const QStringList& installedPrinters, QWidget* parent = nullptr);
    ~TFormVisao() override;

    // The whole composed text, line breaks included.
    void setText(const QString& text);
    void setLines(const QStringList& lines);
    QStringList lines() const;
    QFont textFont() const { return m_font; }
    // The printer chosen in the box; "" when none is.
    QString selectedPrinter() const;

    // Prints the text on a printer already set up (a station queue, a PDF file).
    // Throws std::runtime_error when the job cannot start.
    void printTo(QPrinter& printer) const;
    // Writes the text as an RTF document under exactly this name. Throws
    // std::runtime_error naming the file when it cannot be written.
    void saveTo(const QString& fileName) const;

public slots:
    void print();   // the chosen printer, the default one when none is chosen
    void save();    // asks for a name and saves under it plus ".doc"

private:
    Printout printout() const;

    std::unique_ptr<::Ui::TFormVisao> ui;
    QFont m_font;
};

// Word-compatible rich text: one paragraph per line, in one font (size in points),
// Windows-1252 text.
QByteArray richTextDocument(const QStringList& lines, const QString& family, int size);

// What a document written by richTextDocument holds.
struct RichTextContent {
    QStringList lines;
    QString family;     // the font of the text
    int size = 0;       // points
};
RichTextContent readRichText(const QByteArray& document);
QStringList linesFromRichText(const QByteArray& document);
