#include "menu/DigitalMenu.h"

#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"
#include "registers/ProductRules.h"
#include "registers/RegisterRules.h"

#include <QImageReader>

RowSet DigitalMenu::groups() const
{
    return m_logon.run(QStringLiteral("select * from tipos order by nome"));
}

void DigitalMenu::setGroupShown(qint64 id, bool shown)
{
    m_logon.exec(QStringLiteral("update tipos set ativo = ? where id = ?"),
                 {shown ? QStringLiteral("S") : QString(), id});
}

bool DigitalMenu::isShown(const QVariant& ativo)
{
    return TrimText(textOf(ativo)) == QLatin1String("S");
}

RowSet DigitalMenu::products(qint64 groupCode) const
{
    return m_logon.run(QStringLiteral("select * from produtos where classe = ? order by classe,Nome"), {groupCode});
}

QString DigitalMenu::descriptionOf(const QString& memoText)
{
    QString text = memoText;
    text.remove(QLatin1Char('\r'));
    if (text.isEmpty())
        return QString();
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();   // the memo's last line break ends a line, it opens none
    QString out;
    for (const QString& l : lines)
        out += l + QStringLiteral("\r\n");
    return out;
}

QString DigitalMenu::memoTextOf(const QString& description)
{
    if (description.isEmpty())
        return QString();
    QString text = description;
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);   // the last line's own end
    // A last line that is empty keeps a break after it, or the memo would lose it.
    if (text.isEmpty() || text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

void DigitalMenu::saveProduct(qint64 id, const QString& memoText, bool shown)
{
    const QString description = descriptionOf(memoText);
    if (description.size() > kDescriptionLength)
        throw MenuRefused(menutext::descriptionTooLong);
    if (!fitsWin1252(description))
        throw MenuRefused(characterSetMessage());
    m_logon.exec(QStringLiteral("update produtos set Descricao = ?, ativo = ? where id = ?"),
                 {description, shown ? QStringLiteral("S") : QString(), id});
}

int DigitalMenu::options() const
{
    RowSet empresa = m_logon.run(QStringLiteral("select CARDAPIO from empresa"));
    if (!empresa.next() || empresa.isNull(u"CARDAPIO"))
        return 0;
    return int(empresa.integer(u"CARDAPIO"));
}

void DigitalMenu::saveOptions(int options)
{
    m_logon.exec(QStringLiteral("update empresa set cardapio = ?"), {options});
}

int DigitalMenu::optionsOf(bool orderFromMenu, bool showConsumption)
{
    return (orderFromMenu ? kOrderFromMenu : 0) + (showConsumption ? kShowConsumption : 0);
}

QString DigitalMenu::groupPictureFile(qint64 id)
{
    return QString::fromUtf16(kImageFolder) + QStringLiteral("grupo") + QString::number(id) + QStringLiteral(".jpg");
}

QString DigitalMenu::productPictureFile(const QString& code)
{
    return product::pictureFileIn(QString::fromUtf16(kImageFolder), QStringLiteral("card"), code);
}

QString DigitalMenu::logoFile()
{
    return QString::fromUtf16(kImageFolder) + QStringLiteral("logo.jpg");
}

QImage DigitalMenu::loadPicture(const QString& windowsName)
{
    if (windowsName.isEmpty() || !station::exists(windowsName))
        return QImage();
    return QImageReader(station::path(windowsName)).read();
}

QString DigitalMenu::storePicture(const QString& source, const QString& windowsName, const QSize& size)
{
    return registers::replacePicture(source, station::pathForWriting(windowsName), size);
}
