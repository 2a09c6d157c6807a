#include "cashoffice/CustomerAccount.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "core/AmountInput.h"
#include "reports/ShiftFields.h"
#include "printing/RoutePrintout.h"

namespace {
constexpr int kNameWidth = 30;   // RECARQ.NOME
}

std::optional<AccountCustomer> CustomerAccount::customer(const QString& codeText)
{
    const std::optional<int> code = readInt(codeText);
    if (!code)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select first 1 codigo, nome, endereco, cidade, estado, fone "
                                           "from clientes where codigo = ? order by id"),
                            {*code});
    if (!rs.next())
        return std::nullopt;
    return AccountCustomer{*code, rs.text(u"NOME"), rs.text(u"ENDERECO"), rs.text(u"CIDADE"), rs.text(u"ESTADO"),
                           rs.text(u"FONE")};
}

std::vector<AccountLine> CustomerAccount::lines(const AccountCustomer& customer)
{
    const RowSet rows = m_logon.run(QStringLiteral("select ") + receivables::columns
                                        + QStringLiteral(" from recarq where codigo = ? order by id"),
                                    {customer.code});
    return receivables::accountLines(rows, customer.name);
}

int CustomerAccount::openCash()
{
    return CashShift(m_logon).openNumber();
}

AccountEntryResult CustomerAccount::record(const AccountEntry& entry)
{
    const std::optional<AccountCustomer> who = customer(entry.code);
    if (!who)
        throw AccountRefused(accountmsg::customerNotFound);
    const std::optional<Decimal> amount = finance::readAmount(entry.amount);
    if (!amount || *amount <= Decimal())
        throw AccountRefused(accountmsg::invalidAmount);
    if (!entry.date.isValid())
        throw AccountRefused(accountmsg::invalidDate);

    AccountEntryResult r;
    r.customer = *who;
    r.payment = entry.kind.trimmed().toUpper().startsWith(QLatin1Char('C'));
    r.sale = TrimText(entry.sale).isEmpty() ? accountmsg::saleNotInformed : TrimText(entry.sale);
    r.history = entry.history.left(kNameWidth);
    r.date = entry.date;
    r.amount = *amount;
    const bool release = TrimText(entry.releaseService).toUpper() == QLatin1String("S");
    const std::optional<int> saleNumber = readInt(entry.sale);

    m_logon.action([&] {
        r.cash = cashshift::holdOpenShift<AccountRefused>(m_logon, accountmsg::cashMustBeOpen).number;
        if (release && saleNumber)
            releaseServiceFee(who->code, *saleNumber, r.cash);
        if (r.payment) {
            m_logon.run(QStringLiteral("insert into recarq (id,codigo,nome,baixa,emissao,valor,caixabaixa,valor3) "
                                       "values (GEN_ID(RECARQ,1),?,?,?,?,?,?,?)"),
                        {who->code, r.history, r.date, r.date, *amount, r.cash, *amount});
        } else {
            m_logon.run(QStringLiteral("insert into recarq (id,codigo,nome,emissao,valor) "
                                       "values (GEN_ID(RECARQ,1),?,?,?,?)"),
                        {who->code, r.history, r.date, *amount});
        }
    });
    return r;
}

void CustomerAccount::releaseServiceFee(int customer, int saleNumber, int cash)
{
    // Sale numbers repeat across shifts and stations: the sale is the one on this
    // customer's account, told by the shift and station of its receivable.
    RowSet sales = m_logon.run(QStringLiteral("select distinct caixa, terminal from recarq "
                                              "where codigo = ? and nfiscal = ? and duplicata is not null "
                                              "and baixa is null"),
                               {customer, saleNumber});
    if (sales.size() == 0)
        throw AccountRefused(accountmsg::saleNotOnAccount);
    if (sales.size() > 1)
        throw AccountRefused(accountmsg::saleOnAccountTwice);
    sales.next();
    // Only its service fee (the waiters' share); its couvert, discount and delivery
    // fee stay where the sale left them. Rows already released are in another shift.
    m_logon.run(QStringLiteral("update servico set caixa = ? where tipo = 1 and controle = ? "
                               "and caixa is not distinct from ? and terminal is not distinct from ?"),
                {cash, saleNumber, sales.value(u"CAIXA"), sales.value(u"TERMINAL")});
}

Printout CustomerAccount::receipt(const AccountEntryResult& r, const QDateTime& now)
{
    const ctx::Company& c = ctx::company();
    const QString rule = RepeatText(QStringLiteral("="), 33);
    Printout p = roll::newPrintout();
    p.lines << QStringLiteral("RECIBO DE PAGAMENTO") << TrimText(c.CompanyName).left(36) << TrimText(c.CompanyAddress)
            << TrimText(c.CompanyCity + QStringLiteral("  -  ") + c.CompanyState)
            << QStringLiteral("CNPJ ") + c.CompanyCnpj << QString()
            << QStringLiteral("Cliente:") + r.customer.name << QStringLiteral("Enderec:") + r.customer.address
            << QStringLiteral("Cidade :") + r.customer.city + QStringLiteral(" - ") + r.customer.state
            << QStringLiteral("Fone   :") + r.customer.phone
            << now.toString(QStringLiteral("dd/MM/yy")) + QLatin1Char('-') + now.toString(QStringLiteral("hh:mm:ss"))
                   + QStringLiteral(" CX:'") + QString::number(r.cash) + QLatin1Char('\'')
            << rule << QStringLiteral("TITULO....: ") + r.sale << QStringLiteral("HISTORICO.: ") + r.history
            << QStringLiteral("PAGAMENTO.: ") + r.date.toString(QStringLiteral("dd/MM/yy"))
            << QStringLiteral("VALOR.....: ") + FormatFloat(u"0.00", r.amount) << rule << QString() << QString()
            << QStringLiteral("DATA/LOCAL ---------------------------") << QString() << QString()
            << QStringLiteral("ASS CAIXA ------------------------") << QString();
    return p;
}

void CustomerAccount::printReceipt(const Printout& receipt)
{
    RouteLegacyPrintout(receipt, PrinterSlot::Conference, false, true, false);
}

bool CustomerAccount::removeEntry(const AccountCustomer& customer, const QString& entryText)
{
    const std::optional<int> id = readInt(entryText);
    if (!id || *id == 0)
        return false;
    return m_logon.exec(QStringLiteral("delete from recarq where id = ? and codigo = ?"), {*id, customer.code}) > 0;
}
