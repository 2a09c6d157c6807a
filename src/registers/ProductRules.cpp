#include "registers/ProductRules.h"
#include "core/WholeNumber.h"
#include "registers/RegisterRules.h"
#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/Win1252.h"

namespace product {

CodeEntry readCode(const QString& typed)
{
    CodeEntry e;
    const QString t = TrimText(StripAccents(typed));
    if (t.left(5) == QLatin1String("PRATO")) {
        e.kind = CodeEntry::Reserved;
        return e;
    }
    if (t.isEmpty())
        return e;
    e.code = registers::sixDigitCode(t);
    e.kind = e.code == QLatin1String("000000") ? CodeEntry::Refused : CodeEntry::Code;
    return e;
}

QString nextCode(const QString& highest)
{
    const auto n = readInt(highest);
    if (!n || *n == INT_MAX)
        return QString();
    return registers::sixDigitCode(QString::number(qint64(*n) + 1));
}

namespace {

struct Composer {
    Update u;
    QStringList parts;
    void text(const char* column, const QString& value)
    {
        if (value.isEmpty())
            return;
        if (!fitsWin1252(value) && u.refusal.isEmpty())
            u.refusal = characterSetMessage();
        parts << QStringLiteral("%1 = ?").arg(QLatin1String(column));
        u.params << value;
    }
    void number(const char* column, const QString& typed, const QString& caption, bool wholeKitchen = false)
    {
        const registers::Number n = registers::readNumber(typed);
        if (n.kind == registers::Number::TooLarge && u.refusal.isEmpty())
            u.refusal = text::tooLarge.arg(caption);
        if (!n.ok())
            return;   // not a number: left out of the save
        if (n.value.isNegative() && u.refusal.isEmpty())
            u.refusal = text::negativeValue.arg(caption);
        if (wholeKitchen) {
            if ((!n.value.isWhole() || n.value > Decimal(5)) && u.refusal.isEmpty())
                u.refusal = text::kitchenRange;
            parts << QStringLiteral("%1 = ?").arg(QLatin1String(column));
            u.params << QString::number(n.value.truncToInt());
            return;
        }
        parts << QStringLiteral("%1 = ?").arg(QLatin1String(column));
        u.params << registers::value(n.value);
    }
};

} // namespace

Update composeUpdate(const Fields& f)
{
    Composer c;
    c.text("nome", StripAccents(TrimText(f.name)).toUpper().left(40));
    if (const auto g = readInt(f.group))
        c.parts << QStringLiteral("classe = ?"), c.u.params << *g;
    c.text("Unidade", TrimText(f.unit).toUpper().left(2));
    if (const auto s = readInt(f.supplier))
        c.parts << QStringLiteral("Fornecedor = ?"), c.u.params << *s;
    c.text("Locacao", TrimText(f.location).toUpper());
    c.text("Composicao", TrimText(f.kitFlag).toUpper());
    c.number("Minimo", f.minimum, QStringLiteral("Minimo"));
    c.parts << QStringLiteral("JUNTAR = ?");
    c.u.params << QString(f.keepApart ? QStringLiteral("S") : QStringLiteral("N"));
    c.number("PESO", f.sizePrices[4], QStringLiteral("5-"));
    c.number("VPEQUENA", f.sizePrices[3], QStringLiteral("4-"));
    c.number("VGRANDE", f.sizePrices[2], QStringLiteral("3-"));
    c.number("VFAMILIA", f.sizePrices[0], QStringLiteral("1-"));
    c.number("Custo", f.cost, QStringLiteral("Custo"));
    c.number("valor", f.price, QStringLiteral("Venda"));
    c.number("CUBAGEM", f.promotion, QStringLiteral("Promoção"));
    c.number("Clas", f.kitchen, QStringLiteral("Cozinha"), true);
    c.u.sql = QStringLiteral("update produtos set ") + c.parts.join(QLatin1Char(',')) + QStringLiteral("  where codigo = ?");
    c.u.params << f.code;
    return c.u;
}

QString pictureFileName(const QString& prefix, const QString& code)
{
    return pictureFileIn(QStringLiteral("c:\\Miltrex\\vavoz\\imagens\\"), prefix, code);
}

QString pictureFileIn(const QString& folder, const QString& prefix, const QString& code)
{
    const QString c = code.trimmed();
    if (c.isEmpty() || c.contains(QLatin1Char('/')) || c.contains(QLatin1Char('\\')) || c.contains(QLatin1Char(':'))
        || c.startsWith(QLatin1Char('.')))
        return QString();
    return folder + prefix + c + QStringLiteral(".jpg");
}

} // namespace product
