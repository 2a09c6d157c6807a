#include "cashoffice/SaleCancellation.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ShiftFields.h"

#include <stdexcept>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kCupomWidth = 30;     // EXCLUIDOS.CUPOM
constexpr int kUserWidth = 20;      // EXCLUIDOS.USUARIO

const QString kSaleColumns = S("id, nota, data, cliente, valor, caixa, terminal, tipo");

} // namespace

std::vector<ClosedSaleRow> SaleCancellation::latest(bool byDate)
{
    std::vector<ClosedSaleRow> list;
    RowSet rs = m_logon.run(S("Select first 100 ") + kSaleColumns
                            + (byDate ? S(" From fatura order by data desc, id desc") : S(" From fatura order by nota desc")));
    while (rs.next())
        list.push_back(closedSaleOf(rs));
    return list;
}

qint64 SaleCancellation::saleNumberOf(const QString& text)
{
    std::optional<Decimal> n;
    try {
        n = Decimal::parse(text.trimmed());
    } catch (const std::overflow_error&) {
        return 0;
    }
    if (!n || n->abs() >= Decimal(1'000'000'000))
        return 0;
    return n->roundTo(0).truncToInt();
}

QStringList SaleCancellation::products(const QString& saleText)
{
    const qint64 nota = saleNumberOf(saleText);
    RowSet rs = m_logon.run(S("select e.data, e.codigo, e.saida, "
                              "(select first 1 p.nome from produtos p where p.codigo = e.codigo) as pnome "
                              "from estfic e where e.nfiscal = ? or (e.pedido = ? and e.nfiscal is null) order by e.id"),
                            {nota, nota});
    if (rs.isEmpty())
        return {};
    QStringList lines{PadRight(S("Data"), 10) + S("  ") + PadRight(S("Codigo"), 14) + S(" ") + PadRight(S("Quant"), 12)
                      + S(" ") + PadRight(S("Produto"), 25)};
    while (rs.next())
        lines << PadRight(rs.date(u"DATA").toString(S("dd/MM/yy")), 10) + S("  ") + PadRight(rs.text(u"CODIGO"), 14)
                     + S(" ") + PadRight(FormatFloatLeftPadded(S("###.#"), 10, rs.decimal(u"SAIDA")), 12) + S(" ")
                     + PadRight(rs.text(u"PNOME"), 25);
    return lines;
}

void SaleCancellation::removeStockRows(const ClosedSaleRow& sale, bool narrowByCash)
{
    const QString cash = narrowByCash ? S(" and caixa = ?") : QString();
    Params p{sale.nota, sale.terminal};
    if (narrowByCash)
        p.append(sale.caixa);
    m_logon.run(S("delete from estfic where nfiscal = ? and terminal = ?") + cash, p);
    m_logon.run(S("delete from estfic where pedido = ? and nfiscal is null and terminal = ?") + cash, p);
}

void SaleCancellation::removeDeliveryDiscount(const ClosedSaleRow& sale)
{
    // A delivery sale's number is its shift by "#00" followed by its invoice
    // counter by "#0000"; its discount row reads "Desconto Cupom" and that text.
    const QString number = QString::number(sale.nota);
    const QString shift = QString::number(sale.caixa);
    if (!number.startsWith(shift) || number.size() <= shift.size())
        return;
    const QString text = FormatFloat(u"#00", Decimal(sale.caixa)) + number.mid(shift.size());
    m_logon.run(S("delete from desploja where historico = ? and caixa = ? and terminal = 1"),
                {S("Desconto Cupom") + text, sale.caixa});
}

ClosedSaleRow SaleCancellation::cancel(const CancelRequest& r)
{
    const qint64 nota = saleNumberOf(r.sale);
    if (nota <= 0)
        throw CancelRefused(cancelmsg::notFound);
    const std::optional<int> terminal = readInt(r.terminal);
    if (!terminal)
        throw CancelRefused(cancelmsg::invalidTerminal);
    const TypedDate typedDate = readDate(r.date);
    if (!typedDate.isDate())
        throw CancelRefused(cancelmsg::invalidDate);
    const QDate date = typedDate.date;

    // Exactly one sale of that number at that station, narrowed by the cash number.
    std::vector<ClosedSaleRow> found;
    RowSet rs = m_logon.run(S("select ") + kSaleColumns + S(" from fatura where nota = ? and terminal = ? order by id"),
                            {nota, *terminal});
    while (rs.next())
        found.push_back(closedSaleOf(rs));
    const bool several = found.size() > 1;
    if (several) {
        const std::optional<int> cash = readInt(r.cash);
        std::erase_if(found, [&](const ClosedSaleRow& s) { return !cash || s.caixa != *cash; });
        if (found.size() != 1)
            throw CancelRefused(found.empty() && cash ? cancelmsg::notFound : cancelmsg::whichCash);
    }
    if (found.empty())
        throw CancelRefused(cancelmsg::notFound);
    ClosedSaleRow sale = found.front();

    const QString cupom = (S("CP:") + QString::number(sale.nota) + S(" CX:") + QString::number(sale.caixa)
                           + S(" Term:") + QString::number(sale.terminal))
                              .left(kCupomWidth);
    m_logon.action([&] {
        // Hold the sale: a second station cancelling it waits, then finds it gone.
        RowSet held = m_logon.run(S("select ") + kSaleColumns + S(" from fatura where id = ? with lock"), {sale.id});
        if (!held.next())
            throw CancelRefused(cancelmsg::notFound);
        sale = closedSaleOf(held);
        const QString cash = several ? S(" and caixa = ?") : QString();
        Params p{sale.nota, sale.terminal};
        if (several)
            p.append(sale.caixa);
        m_logon.run(S("insert into EXCLUIDOS (id,data,usuario,cupom,valor) values (GEN_ID(excluidos,1),?,?,?,?)"),
                    {date, r.authoriser.left(kUserWidth), cupom, sale.valor.roundTo(2)});
        m_logon.run(S("delete from recarq where nfiscal = ? and terminal = ?") + cash, p);
        removeStockRows(sale, several);
        m_logon.run(S("delete from fatura where nota = ? and terminal = ?") + cash, p);
        m_logon.run(S("delete from servico where controle = ? and terminal = ?") + cash, p);
        if (sale.tipo == 3)
            removeDeliveryDiscount(sale);
    });
    return sale;
}
