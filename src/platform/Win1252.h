#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252 ("ANSI" on Brazilian Windows), the encoding of the station's
// settings files and of the text sent to printers. Bytes 0x00-0x7F and
// 0xA0-0xFF are Latin-1; 0x80-0x9F use Windows' table, whose five unassigned
// bytes (0x81 0x8D 0x8F 0x90 0x9D) stand for the control characters of the same value.

// Characters Windows-1252 cannot hold become '?' and set *lossless to false.
QByteArray toWin1252(QStringView s, bool* lossless = nullptr);
QString fromWin1252(QByteArrayView bytes);
bool fitsWin1252(QStringView s);
