#pragma once
// The codes printed on page reports, as pictures of their modules: one pixel (or
// a whole block of pixels) per module, black on white, drawn sharp by a report's
// picture item (report::picture) at any size.
//
//   def.detail.add(report::picture(10, 0, 40, 4.5, [](const report::BandContext& c) {
//       return codes::code39(c.value(u"CODIGO").toString());
//   }));
//
// Every function gives a null picture when the text cannot be encoded; the report
// then prints nothing in the code's place.

#include <QImage>
#include <QString>

namespace codes {

// A QR code of the text (UTF-8), its version and its encoding chosen by the
// text's length and characters, error correction level M, no quiet zone.
QImage qrCode(const QString& text);

// An EAN-13 barcode of thirteen digits whose last one is the check digit of the
// other twelve, with its quiet zones and without the digits under it.
QImage ean13(const QString& digits);

// A Code 39 barcode of the text (digits, capital letters, blank and "-.$/+%"),
// without check digit, with its quiet zones and without the text under it.
QImage code39(const QString& text);

} // namespace codes
