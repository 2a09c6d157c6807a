#include "sales/ItemEntry.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "shell/Credentials.h"

Decimal quantityOrOne(const QString& text)
{
    const std::optional<Decimal> d = readAmount(text, AmountRules::quantity());
    return d && *d > Decimal(0) ? *d : Decimal(1);
}

QString quantityFieldLeft(const QString& text)
{
    const std::optional<Decimal> d = readAmount(text, AmountRules::quantity());
    return d && *d > Decimal(0) ? text : QStringLiteral("1");
}

QString normaliseProductCode(const QString& typed)
{
    QString t = TrimText(StripAccents(typed));
    if (t.startsWith(u'*'))
        t = TrimText(t.mid(1, 14));
    if (t.size() < 6) {
        if (const std::optional<qint64> n = readWhole(t))
            t = FormatFloat(u"000000", Decimal(*n));
    }
    return t;
}

std::optional<ProductInfo> ItemEntry::findProduct(const QString& code)
{
    if (code.size() > 14)
        return std::nullopt;   // no product code is longer
    RowSet rs = m_logon.run(QStringLiteral(
        "select first 1 codigo, nome, valor, cubagem, clas, classe, composicao, juntar, vgrande, vfamilia, vpequena "
        "from produtos where codigo = ? order by id"), {code});
    if (!rs.first())
        return std::nullopt;
    ProductInfo p;
    p.codigo = TrimText(rs.text(u"CODIGO"));
    p.nome = rs.text(u"NOME");
    p.valor = rs.decimal(u"VALOR");
    p.cubagem = rs.decimal(u"CUBAGEM");
    p.clas = TrimText(rs.text(u"CLAS"));
    p.classe = rs.integer(u"CLASSE");
    p.composicao = TrimText(rs.text(u"COMPOSICAO"));
    p.juntar = TrimText(rs.text(u"JUNTAR"));
    p.hasSizes = rs.decimal(u"VGRANDE") > Decimal(0) || rs.decimal(u"VFAMILIA") > Decimal(0)
        || rs.decimal(u"VPEQUENA") > Decimal(0);
    return p;
}

std::vector<ComplementRow> ItemEntry::complementsOf(const ProductInfo& product)
{
    std::vector<ComplementRow> rows;
    RowSet rs = m_logon.run(QStringLiteral("select nome, valor from complemento where grupo = ? order by id"),
                            {product.classe});
    while (rs.next()) {
        ComplementRow r;
        r.flag = QStringLiteral("X");
        r.valor = rs.decimal(u"VALOR");
        const QString value = FormatFloat(u"0.00", r.valor);
        r.produto = value == QLatin1String("0,00") ? rs.text(u"NOME") : rs.text(u"NOME") + u' ' + value;
        rows.push_back(r);
    }
    const std::vector<ComplementRow> own = accompanimentsOf(product.codigo);
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

std::vector<ComplementRow> ItemEntry::accompanimentsOf(const QString& code)
{
    std::vector<ComplementRow> rows;
    RowSet rs = m_logon.run(QStringLiteral("select produto from acompanha where codigo = ? order by id"), {code});
    while (rs.next()) {
        ComplementRow r;
        r.flag = QStringLiteral("X");
        r.produto = rs.text(u"PRODUTO");
        rows.push_back(r);
    }
    return rows;
}

std::optional<QString> ItemEntry::waiterName(qint64 code)
{
    RowSet rs = m_logon.run(QStringLiteral("select first 1 nome from vendedor where codigo = ? order by id"), {code});
    if (!rs.first())
        return std::nullopt;
    return rs.text(u"NOME");
}

std::optional<qint64> ItemEntry::checkWaiterPassword(const QString& code, const QString& password)
{
    const std::optional<qint64> c = readWhole(code);
    if (!c || password.size() > passwords::kTypedMaxLength)
        return std::nullopt;
    // the stored password is a digest: each staff row of that code is checked against it
    RowSet rs = m_logon.run(QStringLiteral("select cep from vendedor where codigo = ?"), {*c});
    while (rs.next()) {
        if (passwords::matches(password, rs.text(u"CEP")))
            return *c;
    }
    return std::nullopt;
}

void ItemEntry::setTabWaiter(const QString& tabKey, qint64 code)
{
    m_logon.run(QStringLiteral("update cabmesa set vendedor = ? where mesa = ?"), {code, tabKey});
}
