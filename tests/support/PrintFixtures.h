#pragma once
// A receipt and the bytes a device must receive for it, shared by the printing tests.
#include "platform/Printout.h"

#include <QByteArray>
#include <initializer_list>

inline QString S(const char* utf8) { return QString::fromUtf8(utf8); }

// Lines ended by CR LF, as a device receives them (already Windows-1252).
inline QByteArray crlf(std::initializer_list<QByteArray> lines)
{
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

inline const QByteArray kEndOfReceipt("\x1B\x76\x64\r\n", 5);

inline Printout sampleReceipt()
{
    Printout p;
    p.lines = QStringList{S("CUPOM 000123"), S("Pão de queijo      R$ 5,00"), S("Ação €"), QString()};
    return p;
}
inline const QByteArray kReceiptBytes = crlf({"CUPOM 000123", "P\xE3o de queijo      R$ 5,00", "A\xE7\xE3o \x80", ""});
