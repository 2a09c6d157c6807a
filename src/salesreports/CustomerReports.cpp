#include "salesreports/CustomerReports.h"
#include "core/WholeNumber.h"

#include "registers/ReportChoices.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "reports/ShiftFields.h"

#include <algorithm>
#include <map>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QVariant money(const Decimal& d) { return QVariant::fromValue(d); }
QVariant dateOrNull(const QDate& d) { return d.isValid() ? QVariant(d) : QVariant(); }

constexpr int kHistoryWidth = 25;

// A row's share of the balance: debits (open receivables, manual debits) add,
// account payments take away, settled register payments count for nothing.
const QString kBalance = S(
    "sum(case when not (r.baixa is not null and r.vencimento is not null and r.emissao is not null) "
    "and not (r.vencimento is null and r.baixa is not null) then coalesce(r.valor, 0) else 0 end) "
    "- sum(case when r.vencimento is null and r.baixa is not null then coalesce(r.valor, 0) else 0 end)");

} // namespace

RowSet CustomerReports::debts()
{
    return m_logon.run(S("select r.codigo, "
                         "(select first 1 c.nome from clientes c where c.codigo = r.codigo order by c.id) as cliente, ")
                           + kBalance + S(" as valor from recarq r where r.codigo <> 0 group by r.codigo having ")
                           + kBalance + S(" <> 0 order by r.codigo"));
}

std::optional<AccountCustomer> CustomerReports::customer(const QString& codeText)
{
    return CustomerAccount(m_logon).customer(codeText);
}

RowSet CustomerReports::statement(const AccountCustomer& customer)
{
    // Settled register payments give no line: they are left out by the selection.
    const RowSet receipts = m_logon.run(S("select ") + receivables::columns
                                            + S(" from recarq where ((baixa is null) or (duplicata is null)) "
                                                "and codigo = ? order by id"),
                                        {customer.code});
    std::vector<QVariantList> rows;
    for (const AccountLine& l : receivables::accountLines(receipts, customer.name))
        rows.push_back({l.entry, l.title, l.date, l.history.left(kHistoryWidth), dateOrNull(l.due), money(l.debit),
                        money(l.credit), money(l.balance), l.saleNumber});
    return RowSet({S("ENTRADA"), S("DUPLICATA"), S("DATA"), S("HISTORICO"), S("VENCIMENTO"), S("VALOR"), S("CUSTO"),
                   S("JUROS"), S("NFISCAL")},
                  std::move(rows));
}

QStringList CustomerReports::methodItems()
{
    return choices::items(choices::coded(m_logon, S("select cd, nome from formapaga order by cd, id")),
                          {2, S(" "), S("Todos ")});
}

QString CustomerReports::period(const QString& firstDay, const QString& lastDay)
{
    return firstDay + S(" a ") + lastDay;
}

CustomerSalesReport CustomerReports::sales(const QString& customerText, const QString& firstDay,
                                           const QString& lastDay, const QString& methodItem)
{
    const int customer = readInt(customerText).value_or(0);
    const QDate first = reportfields::date(firstDay);
    const QDate last = reportfields::date(lastDay);
    const std::optional<int> method = readInt(methodItem.left(2));
    const bool oneMethod = method && *method != 0;
    const QString prefix = oneMethod ? FormatFloat(u"00", Decimal(*method)) : QString();

    // The customer's receipts of the period: the sales they pay and the amount per method.
    QString where = S(" from recarq r where (r.emissao between ? and ?) and r.codigo = ?");
    Params params{first, last, customer};
    if (oneMethod) {
        where += S(" and r.duplicata starting with ?");
        params.append(prefix);
    }
    RowSet receipts = m_logon.run(S("select r.nfiscal, r.nome, r.emissao, r.duplicata, r.valor") + where
                                      + S(" order by r.codigo, r.emissao, r.id"),
                                  params);
    struct SaleHead { QDate issued; QString name; };
    std::map<qint64, SaleHead> heads;
    std::map<int, Decimal> perMethod;
    while (receipts.next()) {
        const std::optional<int> code = readInt(receipts.text(u"DUPLICATA").left(2));
        if (code && !receipts.isNull(u"DUPLICATA"))
            perMethod[*code] += receipts.decimal(u"VALOR");
        if (!receipts.isNull(u"NFISCAL"))
            heads.try_emplace(receipts.integer(u"NFISCAL"), SaleHead{receipts.date(u"EMISSAO"), receipts.text(u"NOME")});
    }

    RowSet products = m_logon.run(
        S("select e.nfiscal, e.codigo, e.saida, e.valor, "
          "(select first 1 p.nome from produtos p where p.codigo = e.codigo order by p.id) as nome "
          "from (select distinct r.nfiscal") + where + S(" and r.nfiscal is not null) s "
          "join estfic e on e.nfiscal = s.nfiscal order by e.nfiscal, e.id"),
        params);
    std::vector<QVariantList> rows;
    while (products.next()) {
        const qint64 sale = products.integer(u"NFISCAL");
        const auto head = heads.find(sale);
        const Decimal quantity = products.decimal(u"SAIDA"), price = products.decimal(u"VALOR");
        rows.push_back({QString::number(sale), dateOrNull(head == heads.end() ? QDate() : head->second.issued),
                        head == heads.end() ? QString() : head->second.name, products.text(u"CODIGO"),
                        products.text(u"NOME"), money(price), money(quantity), money(lineAmount(quantity, price))});
    }
    // Sales by their number as text ("100" before "99"), each sale's products as written.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const QVariantList& a, const QVariantList& b) { return a[0].toString() < b[0].toString(); });

    CustomerSalesReport r;
    r.rows = RowSet({S("VENDA"), S("EMISSAO"), S("NOME"), S("CODPROD"), S("NOMPROD"), S("VALOR"), S("QUAN"), S("TOTAL")},
                    std::move(rows));
    RowSet methods = m_logon.run(S("select cd, nome from formapaga order by cd, id"));
    std::map<int, bool> shown;
    while (methods.next()) {
        const int cd = int(methods.integer(u"CD"));
        const auto found = perMethod.find(cd);
        if (found == perMethod.end() || found->second <= Decimal() || shown[cd])
            continue;
        shown[cd] = true;
        r.methodSummary += PadRight(methods.text(u"NOME"), 10) + S(" ")
                           + FormatFloatLeftPadded(S("0.00"), 8, found->second) + S("  ");
    }
    return r;
}
