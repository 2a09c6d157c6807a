#include "registers/RegisterRules.h"
#include "core/WholeNumber.h"
#include "registers/RegisterCommon.h"
#include "core/AmountReader.h"
#include "core/uMensagem.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <stdexcept>

namespace registers {

Number readNumber(const QString& text)
{
    // What the NUMERIC columns' sums hold.
    const AmountRules rules = AmountRules::money().upTo(AmountRules::column().limit);
    Number n;
    switch (amountProblem(text, rules)) {
    case AmountProblem::Empty: return n;
    case AmountProblem::TooLarge: n.kind = Number::TooLarge; return n;
    case AmountProblem::None: n.kind = Number::Ok; n.value = *readAmount(text, rules); return n;
    default: n.kind = Number::NotNumber; return n;
    }
}

QString sixDigitCode(const QString& text)
{
    const QString t = TrimText(text);
    const auto n = readInt(t);
    if (!n)
        return t;
    return registers::paddedCode(*n, 6);
}

QSize buttonPictureSize(const QSize& original)
{
    constexpr int kHeight = 47;
    // Whole factors, rounded as the stations always rounded (half to even).
    double factor = std::nearbyint(double(original.height()) / kHeight);
    if (factor < 1)
        factor = 1;
    int width = int(std::nearbyint(double(original.width()) / factor));
    if (width < 1)
        width = 1;
    return QSize(width, kHeight);
}

QString replacePicture(const QString& source, const QString& target,
                       const std::function<QSize(const QSize&)>& sizeFor)
{
    QImageReader reader(source);
    const QImage picture = reader.read();
    if (picture.isNull())
        return QStringLiteral("Não foi possível abrir a imagem %1: %2").arg(source, reader.errorString());
    const QImage scaled = picture.scaled(sizeFor(picture.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QDir().mkpath(QFileInfo(target).absolutePath());
    try {
        wholefile::write(target, [&](QIODevice& file) { return scaled.save(&file, "JPG"); });
    } catch (const std::runtime_error&) {
        return QStringLiteral("Não foi possível gravar a imagem %1").arg(target);
    }
    return QString();
}

QString replacePicture(const QString& source, const QString& target, const QSize& size)
{
    return replacePicture(source, target, [size](const QSize&) { return size; });
}

QString replaceButtonPicture(const QString& source, const QString& target)
{
    return replacePicture(source, target, buttonPictureSize);
}

} // namespace registers
