#include "registers/MultiFlavour.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace flavourmsg {
QString codeNotFound(const QString& code)
{
    return QStringLiteral("|    Codigo não Localizado / Codigo =") + code + QStringLiteral("    |");
}
QString kitNotFound(const QString& code)
{
    return QStringLiteral("|    Kit não Localizado / Codigo =") + code + QStringLiteral("    |");
}
} // namespace flavourmsg

std::array<QString, 4> splitFlavours(const QString& codeField, LastFlavour last)
{
    std::array<QString, 4> codes;
    const QString read = codeField.mid(1, 20);
    qsizetype from = 0;
    for (QString& code : codes) {
        qsizetype end = read.indexOf(u'/', from);
        if (end < 0) {
            if (last == LastFlavour::NeedsSlash || from >= read.size())
                break;
            end = read.size();
        }
        code = TrimText(read.mid(from, end - from));
        from = end + 1;
        if (const std::optional<qint64> n = readWhole(code); n && *n >= 0)
            code = FormatFloat(u"000000", Decimal(*n));
    }
    return codes;
}

QStringList flavourCodesOf(const QString& codeField, LastFlavour last)
{
    QStringList out;
    for (const QString& code : splitFlavours(codeField, last))
        if (!code.isEmpty())
            out << code;
    return out;
}

QString sizeColumn(const QString& sizeEntry)
{
    switch (sizeEntry.isEmpty() ? u' ' : sizeEntry[0].unicode()) {
    case u'1': return QStringLiteral("VFAMILIA");
    case u'2': return QStringLiteral("VALOR");
    case u'3': return QStringLiteral("VGRANDE");
    case u'4': return QStringLiteral("VPEQUENA");
    case u'5': return QStringLiteral("PESO");
    default: return QString();
    }
}

std::optional<Decimal> SizedProduct::sizePrice(const QString& sizeEntry) const
{
    const QString column = sizeColumn(sizeEntry);
    if (column == QLatin1String("VFAMILIA")) return vfamilia;
    if (column == QLatin1String("VALOR")) return valor;
    if (column == QLatin1String("VGRANDE")) return vgrande;
    if (column == QLatin1String("VPEQUENA")) return vpequena;
    if (column == QLatin1String("PESO")) return peso;
    return std::nullopt;
}

Decimal flavourItemPrice(const std::array<Decimal, 4>& prices, bool highest)
{
    Decimal top(0), sum(0);
    int priced = 0;
    for (const Decimal& p : prices) {
        top = std::max(top, p);
        sum += p;
        if (p > Decimal(0))
            ++priced;
    }
    if (highest)
        return top;
    if (priced == 0)
        return Decimal(0);   // no flavour priced: nothing to average
    return (sum / Decimal(priced)).roundTo(2);
}

bool MultiFlavour::highest() const { return (m_itemOptions & 64) != 0; }

QStringList MultiFlavour::sizeEntries()
{
    QStringList entries;
    RowSet rs = m_logon.run(QStringLiteral("select moeda, local from moeda order by moeda"));
    while (rs.next())
        entries << QString::number(rs.integer(u"MOEDA")) + u' ' + TrimText(rs.text(u"LOCAL"));
    return entries;
}

std::optional<SizedProduct> MultiFlavour::product(const QString& code)
{
    RowSet rs = m_logon.run(QStringLiteral(
        "select first 1 codigo, nome, clas, classe, valor, vfamilia, vgrande, vpequena, peso from produtos where codigo = ? "
        "order by id"),
        {code.left(30)});
    if (!rs.first())
        return std::nullopt;
    SizedProduct p;
    p.codigo = TrimText(rs.text(u"CODIGO"));
    p.nome = rs.text(u"NOME");
    p.clas = TrimText(rs.text(u"CLAS"));
    p.classe = rs.integer(u"CLASSE");
    p.valor = rs.decimal(u"VALOR");
    p.vfamilia = rs.decimal(u"VFAMILIA");
    p.vgrande = rs.decimal(u"VGRANDE");
    p.vpequena = rs.decimal(u"VPEQUENA");
    p.peso = rs.decimal(u"PESO");
    return p;
}

std::optional<KitRow> MultiFlavour::kit(const QString& code)
{
    RowSet rs = m_logon.run(QStringLiteral(
        "select first 1 codigo, nome, valot, impfiscal, classe from kitmaster where codigo = ? order by id"),
        {TrimText(code).left(10)});
    if (!rs.first())
        return std::nullopt;
    return KitRow{TrimText(rs.text(u"CODIGO")), rs.text(u"NOME"), TrimText(rs.text(u"IMPFISCAL")),
                  rs.integer(u"CLASSE"), rs.decimal(u"VALOT")};
}

namespace {

// Prices every filled position of the code field with priceOf(r, k, code) (a flavour
// with no row adds its message and no price), then the item from those prices.
template <class PriceOf>
FlavourPrice priceFlavours(const QString& codeField, bool highest, PriceOf priceOf)
{
    FlavourPrice r;
    std::array<Decimal, 4> prices{Decimal(0), Decimal(0), Decimal(0), Decimal(0)};
    const std::array<QString, 4> codes = splitFlavours(codeField);
    for (int k = 0; k < 4; ++k)
        if (!codes[size_t(k)].isEmpty())
            prices[size_t(k)] = priceOf(r, k, codes[size_t(k)]);
    r.price = flavourItemPrice(prices, highest);
    return r;
}

// The product of a flavour, its kitchen taken as the item's; none: its message.
std::optional<SizedProduct> flavourProduct(MultiFlavour& flavours, const QString& code, FlavourPrice& r)
{
    std::optional<SizedProduct> p = flavours.product(code);
    if (!p)
        r.notFound << flavourmsg::codeNotFound(code);
    else
        r.kitchen = p->clas;
    return p;
}

} // namespace

FlavourPrice MultiFlavour::entryPrice(const QString& codeField, bool sizesVisible, const QString& sizeEntry,
                                      int kitPositions)
{
    return priceFlavours(codeField, highest(), [&](FlavourPrice& r, int k, const QString& code) {
        if (k < kitPositions && code.startsWith(u'*')) {
            const std::optional<KitRow> found = kit(code.mid(1));
            if (!found) {
                r.notFound << flavourmsg::kitNotFound(code);
                return Decimal(0);
            }
            r.kitchen = found->impfiscal;
            r.names << found->nome.left(35);
            return found->valot;
        }
        const std::optional<SizedProduct> p = flavourProduct(*this, code, r);
        if (!p)
            return Decimal(0);
        r.names << p->nome.left(35);
        if (p->hasSizes()) {
            sizesVisible = r.showSizes = true;
            if (k != 1)
                r.focusSizes = true;
        }
        if (sizesVisible)
            if (const std::optional<Decimal> sized = p->sizePrice(sizeEntry))
                return *sized;
        return p->valor;
    });
}

FlavourPrice MultiFlavour::sizePrice(const QString& codeField, const QString& sizeEntry)
{
    return priceFlavours(codeField, highest(), [&](FlavourPrice& r, int k, const QString& code) {
        const std::optional<SizedProduct> p = flavourProduct(*this, code, r);
        if (!p)
            return Decimal(0);
        if (p->hasSizes())
            r.showSizes = true;
        if (const std::optional<Decimal> sized = p->sizePrice(sizeEntry))
            return *sized;
        return k == 0 ? p->valor : Decimal(0);
    });
}
