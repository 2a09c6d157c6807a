#include "registers/FlavourList.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

QString flavourCodeWhileEditing(const QString& text)
{
    if (const std::optional<Decimal> n = readAmount(text))
        return FormatFloat(u"000000", *n);
    return TrimText(text);
}

QString flavourCodeAtConfirm(const QString& text)
{
    if (const std::optional<Decimal> n = readAmount(text))
        return FormatFloat(u"0", *n);
    return TrimText(text);
}

int filledBoxes(const std::array<QString, 4>& boxes)
{
    int n = 0;
    for (const QString& b : boxes)
        if (!TrimText(b).isEmpty())
            ++n;
    return n;
}

QString flavourDescription(const std::array<QString, 4>& names, int n)
{
    if (n <= 0)
        return QString();
    if (n == 1)
        return names[0];
    const QString share = QStringLiteral("1/") + QString::number(n) + u'-';
    QString text = share + names[0];
    for (int k = 1; k < n && k < 4; ++k)
        text += u' ' + share + names[size_t(k)];
    return text;
}

std::optional<QString> flavourListOf(const std::array<QString, 4>& boxes)
{
    const int n = filledBoxes(boxes);
    if (n == 0)
        return std::nullopt;
    if (n == 1)
        return flavourCodeAtConfirm(boxes[0]);
    QString list = QStringLiteral("/");
    for (int k = 0; k < n; ++k)
        list += flavourCodeAtConfirm(boxes[size_t(k)]) + u'/';
    return list;
}

std::optional<QString> flavourProductName(TLogon& logon, const QString& code)
{
    if (code.isEmpty() || code.size() > 14)
        return std::nullopt;   // no product code is that long
    try {
        RowSet rs = logon.run(QStringLiteral("select first 1 codigo, nome from produtos where codigo = ? order by id"), {code});
        if (!rs.first())
            return std::nullopt;
        return rs.text(u"NOME");
    } catch (const DbError& e) {
        if (e.isCharacterSetError())
            return std::nullopt;   // no product code holds such characters
        throw;
    }
}
