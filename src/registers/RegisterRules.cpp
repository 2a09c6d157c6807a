#include "registers/RegisterRules.h"
#include "registers/RegisterCommon.h"
#include "core/AmountReader.h"
#include "core/uMensagem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <cmath>

namespace registers {

Number readNumber(const QString& text)
{
    // What NUMERIC(15,3) holds in its whole part.
    const AmountRules rules = AmountRules::money().upTo(Decimal(999'999'999'999LL));
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
    const auto n = TextToInt(t);
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
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !scaled.save(&file, "JPG") || !file.commit())
        return QStringLiteral("Não foi possível gravar a imagem %1: %2").arg(target, file.errorString());
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
