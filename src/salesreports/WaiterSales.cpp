#include "salesreports/WaiterSales.h"
#include "core/WholeNumber.h"

#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "registers/ReportChoices.h"

#include <algorithm>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString dashes() { return QString(36, QLatin1Char('-')); }

// "name ... Q" in 36 columns: the name cut or padded to 34 minus Q's length, two blanks and Q.
QString nameAndFigures(const QString& name, const QString& q)
{
    return PadRight(name, std::max<int>(0, 34 - int(q.size()))) + S("  ") + q;
}

} // namespace

QString WaiterSales::centred(const QString& text)
{
    const QString t = TrimText(text);
    const int blanks = 18 - int((t.size() + 1) / 2);
    return QString(std::max(0, blanks), QLatin1Char(' ')) + t;
}

std::vector<choices::Shift> WaiterSales::shifts()
{
    std::vector<choices::Shift> out;
    RowSet rs = m_logon.run(S("select caixa, data from contdata order by data desc, caixa desc, id"));
    while (rs.next())
        out.push_back({int(rs.integer(u"CAIXA")), rs.date(u"DATA")});
    return out;
}

Printout WaiterSales::productsPerWaiter(const ProductsPerWaiter& q)
{
    QString sql = S("select p.codigo, p.nome, p.classe, e.vendedor, e.valor, sum(e.saida) as soma "
                    "from estfic e join produtos p on p.codigo = e.codigo where (e.caixa between ? and ?)");
    Params params{q.firstShift, q.lastShift};
    if (q.waiter) {
        sql += S(" and e.vendedor = ?");
        params.append(*q.waiter);
    }
    if (q.group) {
        sql += S(" and p.classe = ?");
        params.append(*q.group);
    }
    sql += S(" group by p.codigo, p.nome, p.classe, e.vendedor, e.valor order by p.codigo, e.vendedor, e.valor");
    RowSet rs = m_logon.run(sql, params);

    const ctx::Company& c = ctx::company();
    Printout p = roll::newPrintout();
    p.lines << centred(S("Venda de Produto (Garcom/Categoria)")) << centred(c.CompanyName)
            << centred(c.CompanyAddress) << centred(c.CompanyCity + S(" ") + c.CompanyState)
            << S("Periodo de ") + q.firstDate.trimmed() + S(" a ") + q.lastDate.trimmed()
            << S("Garcom : ") + q.waiterName + S("   ") + q.groupName << dashes()
            << S("Produto                  Qtd/Total") << dashes();
    LineTotal total;
    while (rs.next()) {
        const Decimal quantity = rs.decimal(u"SOMA");
        const Decimal amount = total.add(quantity, rs.decimal(u"VALOR"));
        p.lines << nameAndFigures(rs.text(u"NOME"), FormatFloat(u"0.###", quantity) + S("  ")
                                                        + FormatFloatLeftPadded(S("0.00"), 10, amount));
    }
    p.lines << dashes() << nameAndFigures(S("Total"), S("   ") + FormatFloat(u"0.00", total.value()));
    for (int i = 0; i < 5; ++i)
        p.lines << QString();
    return p;
}

QStringList WaiterSales::waiterItems()
{
    return choices::items(choices::waiters(m_logon, choices::Order::Name), {3, S(" "), QString()});
}

QStringList WaiterSales::groupItems()
{
    return choices::items(choices::groups(m_logon), choices::waiterGroups);
}

QString WaiterSales::shiftText(const QString& typed)
{
    const std::optional<int> n = readInt(typed);
    return QString::number(n.value_or(0));
}

QString WaiterSales::productText(const QString& typed)
{
    const QString t = TrimText(typed);
    if (t.isEmpty())
        return S("000000");
    const std::optional<int> n = readInt(t);
    return n ? FormatFloat(u"000000", Decimal(*n)) : t;
}

Printout WaiterSales::salesPerWaiter(const SalesPerWaiter& q)
{
    if (TrimText(q.waiterItem).isEmpty())
        throw ShiftFieldRefused(reportmsg::fillError);   // no waiter to choose
    const int waiter = choices::codeOf(q.waiterItem, 3).value_or(0);
    const int group = choices::codeOf(q.groupItem, choices::waiterGroups.digits).value_or(0);
    const int first = shiftText(q.firstShift).toInt();
    const int last = shiftText(q.lastShift).toInt();
    if (last < first)
        throw ShiftFieldRefused(reportmsg::backwards);
    const QString product = productText(q.product);
    const bool oneProduct = product != QLatin1String("000000");

    QString sql = S("select e.codigo, e.data, e.caixa, sum(e.saida) as sai, e.valor, "
                    "(select first 1 p.nome from produtos p where p.codigo = e.codigo order by p.id) as nome, "
                    "(select first 1 p.classe from produtos p where p.codigo = e.codigo order by p.id) as classe "
                    "from estfic e where e.vendedor = ? and (e.caixa between ? and ?)");
    Params params{waiter, first, last};
    if (oneProduct) {
        sql += S(" and e.codigo = ?");
        params.append(product);
    }
    sql += S(" group by e.codigo, e.data, e.caixa, e.valor order by e.data, e.caixa, e.codigo, e.valor");
    RowSet rs = m_logon.run(sql, params);

    Printout p = roll::newPrintout();
    p.lines << S("       Vendas Por Garcom") << QString(32, QLatin1Char('=')) << ctx::company().CompanyName
            << S("Caixas de ") + QString::number(first) + S(" a ") + QString::number(last)
            << S("Emitido em :") + q.today.toString(S("dd/MM/yy")) << dashes()
            << S("Produtos               Qtd   Total") << dashes();
    LineTotal total;
    while (rs.next()) {
        if (group != 0 && (rs.isNull(u"CLASSE") || rs.integer(u"CLASSE") != group))
            continue;
        const Decimal quantity = rs.decimal(u"SAI");
        const Decimal amount = total.add(quantity, rs.decimal(u"VALOR"));
        p.lines << S("Cx:") + rs.date(u"DATA").toString(S("dd/MM/yy")) + S(" / ") + rs.text(u"CAIXA") + S(" Cod:")
                       + rs.text(u"CODIGO")
                << PadRight(rs.text(u"NOME"), 18) + FormatFloatLeftPadded(S("0.0##"), 8, quantity)
                       + FormatFloatLeftPadded(S("0.00"), 8, amount)
                << S("  ");
    }
    p.lines << dashes() << PadRight(S("Total"), 25) + FormatFloatLeftPadded(S("#,##0.00"), 9, total.value()) << QString();
    return p;
}
