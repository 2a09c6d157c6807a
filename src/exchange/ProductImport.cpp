#include "exchange/ProductImport.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "platform/Win1252.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace importtext {

QString codeNotWhole(const QString& code)
{
    return QStringLiteral("  O código \"%1\" do ERP GDOOR não é um número inteiro:  \n"
                          "  nada foi importado.  ")
        .arg(code);
}

QString codeTooLong(const QString& code)
{
    return QStringLiteral("  O código \"%1\" do ERP GDOOR tem mais de 14 algarismos:  \n"
                          "  nada foi importado.  ")
        .arg(code);
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
    return readWhole(v.toString(), {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()});
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
            throw DbError(
                QStringLiteral("ERP GDOOR: a tabela ESTOQUE não tem a coluna %1").arg(QString::fromUtf16(column)));
    std::vector<ImportedProduct> products;
    products.reserve(size_t(rows.size()));
    while (rows.next())
        products.push_back(productOf(rows.value(u"CODIGO"), rows.value(u"DESCRICAO"), rows.value(u"UND"),
                                     rows.value(u"PRECO_VENDA"), rows.value(u"PRECO_CUSTO")));
    return products;
}

namespace {

// The products go to the database a batch at a time, in one prepared block: per
// product its kind (1 known: renamed and repriced; 0 new: inserted; -1 nothing, to
// fill the last batch), its code, name, unit, sale and cost price.
constexpr int kBatch = 32;

QString batchSql()
{
    QStringList params, body;
    for (int i = 0; i < kBatch; ++i) {
        params << QStringLiteral("k%1 SMALLINT = ?, c%1 VARCHAR(14) = ?, n%1 VARCHAR(40) = ?, u%1 VARCHAR(2) = ?, "
                                 "p%1 NUMERIC(15,3) = ?, q%1 NUMERIC(15,3) = ?")
                      .arg(i);
        body << QStringLiteral("  IF (k%1 = 1) THEN\n"
                               "    update produtos set nome = :n%1, VALOR = :p%1 where codigo = :c%1;\n"
                               "  ELSE IF (k%1 = 0) THEN\n"
                               "    insert into produtos (ID,CODIGO,NOME,UNIDADE,CLASSE,VALOR,CUSTO) "
                               "VALUES (GEN_ID(PRODUTOS,1),:c%1,:n%1,:u%1,1,:p%1,:q%1);\n")
                    .arg(i);
    }
    return QStringLiteral("EXECUTE BLOCK (") + params.join(QStringLiteral(", ")) + QStringLiteral(")\nAS\nBEGIN\n")
        + body.join(QString()) + QStringLiteral("END");
}

} // namespace

ProductImport::Counts ProductImport::write(TLogon& local, const std::vector<ImportedProduct>& products,
                                           const std::function<void(int, int)>& progress)
{
    static const QString sql = batchSql();
    return local.action([&] {
        Counts counts;
        QSet<QString> present;
        RowSet codes = local.run(QStringLiteral("select CODIGO from PRODUTOS"));
        while (codes.next())
            present.insert(codes.text(u"CODIGO"));
        const int all = int(products.size());
        for (int at = 0; at < all; at += kBatch) {
            Params params;
            for (int i = 0; i < kBatch; ++i) {
                if (at + i >= all) {
                    for (const SqlValue& v : {SqlValue(-1), SqlValue(nullptr), SqlValue(nullptr), SqlValue(nullptr),
                                              SqlValue(nullptr), SqlValue(nullptr)})
                        params.append(v);
                    continue;
                }
                const ImportedProduct& p = products[size_t(at + i)];
                const bool known = present.contains(p.code);
                known ? ++counts.updated : ++counts.inserted;
                present.insert(p.code);   // a code met again is known from now on
                for (const SqlValue& v : {SqlValue(known ? 1 : 0), SqlValue(p.code), SqlValue(p.name),
                                          SqlValue(p.unit), SqlValue(p.price), SqlValue(p.cost)})
                    params.append(v);
            }
            local.exec(sql, params);
            if (progress)
                progress(std::min(at + kBatch, all), all);
        }
        return counts;
    });
}
