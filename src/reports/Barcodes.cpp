#include "reports/Barcodes.h"

#include <qrencode.h>
#include <zint.h>

#include <memory>

namespace codes {

namespace {

struct QrFree {
    void operator()(QRcode* c) const { QRcode_free(c); }
};
struct ZintFree {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

// A linear barcode by zint: its bars as a picture, quiet zones included.
QImage linear(int symbology, const QByteArray& data)
{
    if (data.isEmpty())
        return QImage();
    std::unique_ptr<zint_symbol, ZintFree> symbol(ZBarcode_Create());
    if (!symbol)
        return QImage();
    symbol->symbology = symbology;
    symbol->show_hrt = 0;
    symbol->height = 12;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const int result = ZBarcode_Encode_and_Buffer(symbol.get(),
                                                  reinterpret_cast<const unsigned char*>(data.constData()),
                                                  int(data.size()), 0);
    if (result >= ZINT_ERROR || !symbol->bitmap || symbol->bitmap_width <= 0 || symbol->bitmap_height <= 0)
        return QImage();
    const int width = symbol->bitmap_width, height = symbol->bitmap_height;
    QImage image(width, height, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    const unsigned char* rgb = symbol->bitmap;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = rgb + (size_t(y) * size_t(width) + size_t(x)) * 3;
            image.setPixel(x, y, (p[0] + p[1] + p[2]) < 3 * 128 ? 1 : 0);
        }
    }
    return image;
}

} // namespace

QImage qrCode(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<QRcode, QrFree> code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code || code->width <= 0)
        return QImage();
    const int w = code->width;
    QImage image(w, w, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, (code->data[y * w + x] & 1) ? 1 : 0);
    return image;
}

QImage ean13(const QString& digits)
{
    if (digits.size() != 13)
        return QImage();
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return QImage();
    // The check digit is the library's to verify: a wrong one gives no picture.
    return linear(BARCODE_EANX, digits.toLatin1());
}

QImage code39(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return QImage();
    return linear(BARCODE_CODE39, text.toLatin1());
}

} // namespace codes
