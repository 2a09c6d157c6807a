#pragma once
// Reading page reports back in tests: a PDF's text (pdftotext) and page count
// (pdfinfo), and files' bytes.
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline QString pdfTextOf(const QString& pdf, bool layout = true)
{
    QProcess p;
    QStringList args;
    if (layout)
        args << "-layout";
    args << "-enc" << "UTF-8" << pdf << "-";
    p.start("pdftotext", args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPageCount(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The lines of a PDF page by page (form feeds split pages), blanks folded, empty lines left out.
inline std::vector<QStringList> pdfPagesText(const QString& pdf)
{
    std::vector<QStringList> pages;
    for (const QString& page : pdfTextOf(pdf).split('\f')) {
        QStringList lines;
        for (const QString& l : page.split('\n'))
            if (!l.simplified().isEmpty())
                lines << l.simplified();
        pages.push_back(lines);
    }
    while (!pages.empty() && pages.back().isEmpty())
        pages.pop_back();
    return pages;
}

// The lines of a PDF document held in memory, page after page (blanks folded, empty lines left out).
inline QStringList pdfLines(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    f.close();
    QStringList lines;
    for (const QStringList& page : pdfPagesText(path))
        lines << page;
    return lines;
}

inline QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
