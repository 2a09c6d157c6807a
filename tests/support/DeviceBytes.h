#pragma once
// The bytes a port or a raw queue receives for lines of a roll printout: each line
// in Windows-1252, ended by CR LF.
#include "platform/Win1252.h"

#include <QByteArray>
#include <QStringList>

inline QByteArray deviceBytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += toWin1252(line) + "\r\n";
    return out;
}
