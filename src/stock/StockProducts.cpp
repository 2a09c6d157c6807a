#include "stock/StockProducts.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Win1252.h"

namespace stock {

bool storableCode(const QString& code)
{
    return code.size() <= kCodeLength && fitsWin1252(code);
}

ProductCard readProduct(TLogon& logon, const QString& code)
{
    ProductCard p;
    if (!storableCode(code))
        return p;
    RowSet r = logon.run(QStringLiteral(
        "select first 1 p.*, (select first 1 f.nome from fornecedor f where f.codigo = p.fornecedor) as NOMEFORNE "
        "from produtos p where p.codigo = ?"), {code});
    if (!r.next())
        return p;
    p.found = true;
    p.code = r.text(u"CODIGO");
    p.name = r.text(u"NOME");
    p.cost = r.decimal(u"CUSTO");
    p.price = r.decimal(u"VALOR");
    p.bookValue = r.decimal(u"CONTABIL");
    p.supplier = r.isNull(u"FORNECEDOR") ? QString() : QString::number(r.integer(u"FORNECEDOR"));
    p.supplierName = r.text(u"NOMEFORNE");
    p.kit = TrimText(r.text(u"COMPOSICAO")) == QLatin1String("S");
    return p;
}

} // namespace stock
