#include "cash/ClosedBillReprint.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "platform/Printout.h"
#include "printing/RoutePrintout.h"

#include <map>

namespace {

const QString kAttention = QStringLiteral("ATENÇÃO");
const QString kDoubleRule = QString(39, QLatin1Char('='));
const QString kRule = QString(39, QLatin1Char('-'));
constexpr int kListSize = 100;
constexpr int kFooterLine1 = 10;
constexpr int kFooterLine2 = 11;

QString amountLine(const QString& caption, const Decimal& value)
{
    return PadRight(caption, 27) + FormatFloatLeftPadded(QStringLiteral("0.00"), 11, value);
}

} // namespace

QString ClosedBillReprint::invalidDateMessage(const QString& text)
{
    return QStringLiteral("'%1' não é uma data válida").arg(text);
}

std::vector<ClosedSale> ClosedBillReprint::lastClosedSales() const
{
    RowSet sales = m_logon.run(QStringLiteral("select first 100 * from fatura ORDER BY id desc"));
    std::vector<ClosedSale> list;
    if (sales.isEmpty())
        return list;
    // The payments of exactly these sales: their numbers need not rise with the id.
    qint64 lowest = 0, highest = 0;
    bool first = true;
    while (sales.next()) {
        const qint64 n = sales.integer(u"NOTA");
        lowest = first ? n : std::min(lowest, n);
        highest = first ? n : std::max(highest, n);
        first = false;
    }
    std::map<qint64, Decimal> sums;
    RowSet payments = m_logon.run(QStringLiteral("select nfiscal, sum(valor) as valor from recarq "
                                                 "where nfiscal between ? and ? group by nfiscal"),
                                  {lowest, highest});
    while (payments.next())
        sums[payments.integer(u"NFISCAL")] = payments.decimal(u"VALOR");

    sales.rewind();
    while (sales.next() && int(list.size()) < kListSize) {
        ClosedSale s;
        s.data = sales.date(u"DATA");
        s.nfiscal = sales.integer(u"NOTA");
        s.comanda = sales.integer(u"COMANDA");
        s.id = sales.integer(u"ID");
        s.caixa = sales.integer(u"CAIXA");
        if (auto it = sums.find(s.nfiscal); it != sums.end())
            s.valor = it->second;
        list.push_back(s);
    }
    return list;
}

ClosedBillReprint::Result ClosedBillReprint::compose(const QString& saleNumberText, const QString& dateText) const
{
    Result result;
    const QString typed = TrimText(saleNumberText);
    if (typed.isEmpty()) {
        result.message = chooseFirstMessage();
        return result;
    }
    // A number that is not a whole number names no sale.
    const std::optional<int> number = readInt(typed);
    if (!number) {
        result.message = notFoundMessage();
        return result;
    }
    RowSet sale = m_logon.run(QStringLiteral("select first 1 * from fatura where nota = ? order by id desc"),
                              {*number});
    if (!sale.next()) {
        result.message = notFoundMessage();
        return result;
    }
    const TypedDate typedDate = readDate(dateText);
    if (!typedDate.isDate()) {
        result.error = invalidDateMessage(dateText);
        return result;
    }
    const QDate date = typedDate.date;

    Printout p = roll::newPrintout();
    const ctx::Company& company = ctx::company();
    p.lines << company.CompanyName << company.CompanyAddress
            << company.CompanyCity + QStringLiteral("  -  ") + company.CompanyState;
    RowSet empresa = m_logon.run(QStringLiteral("Select * from empresa"));
    if (empresa.next()) {
        if (!TrimText(empresa.text(u"CNPJ")).isEmpty())
            p.lines << QStringLiteral("CNPJ.:") + empresa.text(u"CNPJ");
        if (!TrimText(empresa.text(u"IESTADUAL")).isEmpty())
            p.lines << QStringLiteral("I Est:") + empresa.text(u"IESTADUAL");
    }
    if (!TrimText(company.CompanyPhone).isEmpty())
        p.lines << QStringLiteral("Fone.:") + company.CompanyPhone;
    p.lines << QStringLiteral("Comanda:") + sale.text(u"COMANDA") << QStringLiteral("Cupom:") + sale.text(u"NOTA")
            << kDoubleRule << QStringLiteral("Descricao             Valor  Qdes Total") << kDoubleRule;

    RowSet items = m_logon.run(
        QStringLiteral("select e.CODIGO, e.HISTORICO, e.VALOR, e.SAIDA, "
                       "(select first 1 p.NOME from PRODUTOS p where p.CODIGO = e.CODIGO) as PRODUTO "
                       "from ESTFIC e where e.NFISCAL = ? and e.DATA = ? and e.NFISCAL <> 0 order by e.ID"),
        {*number, date});
    LineTotal total;
    while (items.next()) {
        const QString code = TrimText(items.text(u"CODIGO"));
        const QString name = items.text(u"CODIGO").isEmpty() ? items.text(u"HISTORICO") : items.text(u"PRODUTO");
        const Decimal price = items.decimal(u"VALOR");
        const Decimal quantity = items.decimal(u"SAIDA");
        p.lines << FormatQuantityPriceLine(code + QLatin1Char(' ') + name,
                                           FormatFloatLeftPadded(QStringLiteral("####0.00"), 8, price),
                                           FormatFloat(QString(), quantity),
                                           FormatFloatLeftPadded(QStringLiteral("####0.00"), 9,
                                                                 total.add(quantity, price)));
    }
    p.lines << kDoubleRule << amountLine(QStringLiteral("Total"), total.value());

    RowSet payments = m_logon.run(
        QStringLiteral("select dup.valor,dup.duplicata,fm.nome  from recarq dup left join formapaga fm on "
                       "substring(dup.duplicata from 1 for 2)  = fm.cd where  nfiscal = ? order by dup.id"),
        {*number});
    while (payments.next()) {
        const Decimal value = payments.decimal(u"VALOR");
        if (value.isNegative())
            p.lines << amountLine(QStringLiteral("TROCO"), -value);
        else
            p.lines << amountLine(payments.text(u"NOME"), value);
    }

    const LineFile setup = roll::setup();
    p.lines << QString() << kRule;
    if (!TrimText(setup.line(kFooterLine1)).isEmpty())
        p.lines << setup.line(kFooterLine1);
    if (!TrimText(setup.line(kFooterLine2)).isEmpty())
        p.lines << setup.line(kFooterLine2);
    p.lines << kRule;
    feedPaper(p.lines, roll::feedLines(setup));
    result.printout = p;
    return result;
}

bool ClosedBillReprint::reprint(const QString& saleNumberText, const QString& dateText) const
{
    try {
        const Result r = compose(saleNumberText, dateText);
        if (!r.message.isEmpty()) {
            ShowMessageWindow(kAttention, r.message, QStringLiteral("1"));
            return false;
        }
        if (!r.error.isEmpty()) {
            dialogs().errorBox(r.error);
            return false;
        }
        RouteOptions options;
        options.controlByte = true;
        RoutePrintout(*r.printout, PrinterSlot::Conference, options);
        return true;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    return false;
}
