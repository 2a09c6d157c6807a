#include "stock/KitRegister.h"

#include "core/uMensagem.h"
#include "db/NewRecord.h"
#include "db/UnitLogon.h"
#include "registers/KitStore.h"
#include "registers/RegisterRules.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockWindows.h"

namespace kits {

std::vector<Kit> KitRegister::list()
{
    std::vector<Kit> kits;
    RowSet r = rows();
    while (r.next()) {
        Kit k;
        k.id = r.integer(u"ID");
        k.code = r.text(u"CODIGO");
        k.name = r.text(u"NOME");
        k.printer = TrimText(r.text(u"CLAS"));
        k.price = r.decimal(u"VALOR");
        kits.push_back(k);
    }
    return kits;
}

RowSet KitRegister::rows()
{
    return m_logon.run(QStringLiteral(
        "select id, codigo, nome, classe, clas, valor from Produtos where Composicao = 'S' order by codigo"));
}

QString KitRegister::newCode(const QString& typed)
{
    return registers::sixDigitCode(typed);
}

bool KitRegister::taken(const QString& code)
{
    return newrecord::taken(m_logon, {"PRODUTOS", "CODIGO", code});
}

void KitRegister::create(const QString& code)
{
    if (!newrecord::insert(m_logon, {"PRODUTOS", "CODIGO", code},
                           QStringLiteral("insert into Produtos (id,codigo,composicao) values (GEN_ID(PRODUTOS,1),?,'S')"),
                           {code}))
        throw EntryError(text::codeTaken);
}

void KitRegister::save(const QString& code, const QString& name, const QString& printer, const QString& value)
{
    const Decimal price = stock::moneyOf(stock::optionalAmount(value, text::badValue, QStringLiteral("value")).value_or(Decimal()));
    const QString n = TrimText(name).isEmpty() ? text::blankName : TrimText(name);
    const QString p = TrimText(printer);
    if (p.isEmpty())
        m_logon.run(QStringLiteral("update produtos set nome = ?, VALOR = ? where codigo = ?"), {n, price, code});
    else
        m_logon.run(QStringLiteral("update produtos set nome = ?, clas = ?, VALOR = ? where codigo = ?"), {n, p, price, code});
}

void KitRegister::remove(const Kit& kit)
{
    m_logon.action([&] {
        m_logon.run(QStringLiteral("delete from Produtos where id = ?"), {kit.id});
        stock::StockLedger(m_logon).removeCode(kit.code);
        m_logon.run(QStringLiteral("delete from kitprod where codigo = ?"), {kit.code});
    });
}

RowSet KitRegister::sheetRows(const QString& code)
{
    const RowSet components = KitStore(m_logon).components(code);
    std::vector<QVariantList> rows;
    for (int i = 0; i < components.size(); ++i) {
        const QVariant quantity = components.value(i, u"QUANT");
        const QVariant cost = components.value(i, u"CUSTOPROD");
        rows.push_back({components.value(i, u"CODPROD"), components.value(i, u"NOMEP"), quantity,
                        cost.isNull() ? QVariant::fromValue(Decimal()) : cost,
                        QVariant::fromValue(kit::lineCost(quantity, cost))});
    }
    return RowSet({QStringLiteral("CODPROD"), QStringLiteral("NOMEP"), QStringLiteral("QUANT"),
                   QStringLiteral("CUSTO"), QStringLiteral("TOTAL")},
                  std::move(rows));
}

} // namespace kits
