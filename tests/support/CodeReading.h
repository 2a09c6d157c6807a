#pragma once
// Reading codes back as a scanner would: a picture saved as PNG and decoded by
// zbarimg (zbar-tools), an independent reader. One "TYPE:data" line per symbol
// found ("QR-Code:http://...", "EAN-13:7891234567895", "CODE-39:000123").
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline QStringList zbarCodes(const QImage& picture)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("codigos.png"));
    if (!picture.save(png, "PNG")) {
        ADD_FAILURE() << "picture not saved";
        return {};
    }
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), png});
    if (!p.waitForFinished(60000))
        ADD_FAILURE() << "zbarimg did not finish";
    QStringList codes;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            codes << line.trimmed();
    codes.sort();
    return codes;
}
