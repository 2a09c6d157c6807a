#include "finance/ProductImport.h"

#include "core/uMensagem.h"
#include "platform/Win1252.h"

#include <QSet>

namespace importtext {

QString codeNotWhole(const QString& code)
{
    return QStringLiteral("  O código \"%1\" do ERP GDOOR não é um número inteiro:  \n  nada foi importado.  ").arg(code);
}

QString codeTooLong(const QString& code)
{
    return QStringLiteral("  O código \"%1\" do ERP GDOOR tem mais de 14 algarismos:  \n  nada foi importado.  ").arg(code);
}

QString cannotStore(const QString& code)
{
    return QStringLiteral("  O produto \"%1\" do ERP GDOOR tem caracteres que não podem ser gravados:  \n"
                          "  nada foi importado.  ")
        .arg(code);
}

} // namespace importtext

namespace {

// The code as an integer, as the ERP keeps it (an integer column, or digits in a text one).
std::optional<qint64> wholeCode(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    if (v.typeId() == qMetaTypeId<Decimal>()) {
        const Decimal d = v.value<Decimal>();
        return d.isWhole() ? std::optional<qint64>(d.truncToInt()) : std::nullopt;
    }
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
        return v.toLongLong();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = (t.startsWith(u'-') || t.startsWith(u'+')) ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j)
        if (t[j] < u'0' || t[j] > u'9')
            return std::nullopt;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

Decimal priceOf(const QVariant& v)
{
    return v.isNull() ? Decimal() : decimalOf(v).roundTo(2);
}

} // namespace

ImportedProduct ProductImport::productOf(const QVariant& code, const QVariant& description, const QVariant& unit,
                                         const QVariant& price, const QVariant& cost)
{
    const std::optional<qint64> n = wholeCode(code);
    if (!n)
        throw ImportRefused(importtext::codeNotWhole(textOf(code)));
    ImportedProduct p;
    // At least six digits, never cut: 7 is 000007, 1234567 stays 1234567.
    const QString digits = QString::number(*n);
    if (digits.size() > kCodeLength)
        throw ImportRefused(importtext::codeTooLong(digits));
    p.code = *n < 0 ? QLatin1Char('-') + digits.mid(1).rightJustified(6, QLatin1Char('0'))
                    : digits.rightJustified(6, QLatin1Char('0'));
    if (p.code.size() > kCodeLength)
        throw ImportRefused(importtext::codeTooLong(digits));
    p.name = textOf(description).left(kNameLength);
    p.unit = textOf(unit).left(kUnitLength);
    if (!fitsWin1252(p.name) || !fitsWin1252(p.unit))
        throw ImportRefused(importtext::cannotStore(p.code));
    try {
        p.price = priceOf(price);
        p.cost = priceOf(cost);
    } catch (const std::exception& e) {
        throw DbError(QStringLiteral("ERP GDOOR, produto %1: %2").arg(p.code, QString::fromUtf8(e.what())));
    }
    return p;
}

std::vector<ImportedProduct> ProductImport::read(TLogon& erp)
{
    RowSet rows = erp.run(QStringLiteral("select * from estoque"));
    for (const char16_t* column : {u"CODIGO", u"DESCRICAO", u"UND", u"PRECO_VENDA", u"PRECO_CUSTO"})
        if (rows.columnIndex(QStringView(column)) < 0)
            throw DbError(QStringLiteral("ERP GDOOR: a tabela ESTOQUE não tem a coluna %1").arg(QString::fromUtf16(column)));
    std::vector<ImportedProduct> products;
    products.reserve(size_t(rows.size()));
    while (rows.next())
        products.push_back(productOf(rows.value(u"CODIGO"), rows.value(u"DESCRICAO"), rows.value(u"UND"),
                                     rows.value(u"PRECO_VENDA"), rows.value(u"PRECO_CUSTO")));
    return products;
}

ProductImport::Counts ProductImport::write(TLogon& local, const std::vector<ImportedProduct>& products,
                                           const std::function<void(int, int)>& progress)
{
    return local.action([&] {
        Counts counts;
        QSet<QString> present;
        RowSet codes = local.run(QStringLiteral("select CODIGO from PRODUTOS"));
        while (codes.next())
            present.insert(codes.text(u"CODIGO"));
        const int all = int(products.size());
        int done = 0;
        for (const ImportedProduct& p : products) {
            if (present.contains(p.code)) {
                local.exec(QStringLiteral("update produtos set nome = ?, VALOR = ? where codigo = ?"),
                           {p.name, p.price, p.code});
                ++counts.updated;
            } else {
                local.exec(QStringLiteral("insert into produtos (ID,CODIGO,NOME,UNIDADE,CLASSE,VALOR,CUSTO) "
                                          "VALUES (GEN_ID(PRODUTOS,1),?,?,?,?,?,?)"),
                           {p.code, p.name, p.unit, 1, p.price, p.cost});
                present.insert(p.code);
                ++counts.inserted;
            }
            if (progress)
                progress(++done, all);
        }
        return counts;
    });
}
