#include "cashoffice/CashMovementReport.h"
#include "core/WholeNumber.h"

#include "cash/CashShift.h"
#include "cash/RollText.h"
#include "db/SqlBatches.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "reports/ShiftFields.h"
#include "cashoffice/ShiftRollLayout.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr int kCodeWidth = 14;
const char* const kLockFile = "c:\\Miltrex\\Vavoz\\Vavoz.INI";
constexpr int kLockLine = 2;

QString S(const char* s) { return QString::fromUtf8(s); }
QString rule(const char* c) { return RepeatText(QString::fromLatin1(c), 36); }
QString money(const Decimal& v, int width = 9) { return FormatFloatLeftPadded(S("#,##0.00"), width, v); }
QString money2(const Decimal& v) { return FormatFloatLeftPadded(S("##,##0.00"), 9, v); }
QString labelled(const QString& label, const Decimal& v) { return PadRight(label, 25) + money(v); }

// The flavour whose group a multi-flavour code ("/000012/000034/") is listed
// under: its first one, "" when no second "/" closes it.
QString groupCodeOf(const QString& code)
{
    const QString window = code.mid(1, 14);
    const qsizetype slash = window.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    const QString raw = TrimText(window.left(slash));
    const std::optional<int> n = readInt(raw);
    return n && *n >= 0 ? FormatFloat(u"000000", Decimal(*n)) : raw;
}

} // namespace

QString CashMovementReport::proposedCashText()
{
    const int number = CashShift(m_logon).currentOrLastNumber();
    return number != 0 ? QString::number(number) : QString();
}

QString CashMovementReport::lockFlagFromSettings()
{
    try {
        if (const auto file = LineFile::load(station::path(QString::fromLatin1(kLockFile)))) {
            const QString line = TrimText(file->line(kLockLine));
            if (!line.isEmpty())
                return line;
        }
    } catch (const std::runtime_error&) {
    }
    return S("S");
}

bool CashMovementReport::locks(const QString& lockFlag)
{
    return lockFlag != QLatin1String("S") && lockFlag != QLatin1String("N");
}

namespace {

// Expenses, withdrawals and top-ups of the shift at the station.
void readExpensesAndWithdrawals(TLogon& logon, const Params& shift, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select historico, valor from Desploja where caixa = ? and terminal = ? order by id"), shift);
    while (rs.next())
        f.expenses.push_back({rs.text(u"HISTORICO"), rs.decimal(u"VALOR")});
    rs = logon.run(S("select dc, sum(valor) as total from Sangria where caixa = ? and terminal = ? group by dc"), shift);
    while (rs.next())
        (TrimText(rs.text(u"DC")) == QLatin1String("1") ? f.withdrawals : f.topUps) += rs.decimal(u"TOTAL");
}

// Product lines: sale rows that carry a sale number (kit components and flavours
// do not), one line per product and unit price to the cent, by group then name.
void readProducts(TLogon& logon, const Params& shift, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select e.codigo, e.historico, e.valor, e.saida, "
                            "(select first 1 p.nome from produtos p where p.codigo = e.codigo) as pnome, "
                            "(select first 1 coalesce(p.classe, 0) from produtos p where p.codigo = e.codigo) as pclasse "
                            "from estfic e where e.caixa = ? and e.nfiscal > 0 and e.terminal = ? and e.vend is null "
                            "order by e.id"),
                          shift);
    QHash<QString, size_t> byKey;
    std::vector<QString> groupCodes;   // per line: the flavour whose group it takes, or ""
    QStringList flavours;
    while (rs.next()) {
        const QString code = rs.text(u"CODIGO");
        const QString keyText = TrimText(code).isEmpty() ? rs.text(u"HISTORICO") : code;
        const Decimal price = rs.decimal(u"VALOR");
        const QString key = keyText.left(kCodeWidth) + QLatin1Char('|') + FormatFloat(u"0", price * Decimal(100));
        if (auto it = byKey.find(key); it != byKey.end()) {
            f.products[*it].quantity += rs.decimal(u"SAIDA");
            continue;
        }
        CashProductLine line;
        line.code = keyText.left(kCodeWidth);
        const QString productName = TrimText(code).isEmpty() ? QString() : rs.text(u"PNOME");
        line.name = TrimText(productName).isEmpty() ? rs.text(u"HISTORICO") : productName;
        line.quantity = rs.decimal(u"SAIDA");
        line.price = price;
        // The group: none for a row without a code; the first flavour's for a
        // multi-flavour code; otherwise the product's own.
        QString flavour;
        if (!TrimText(code).isEmpty()) {
            line.group = int(rs.integer(u"PCLASSE"));
            if (code.startsWith(QLatin1Char('/')))
                flavour = groupCodeOf(code);
            if (!flavour.isEmpty() && !flavours.contains(flavour))
                flavours << flavour;
        }
        byKey.insert(key, f.products.size());
        f.products.push_back(line);
        groupCodes.push_back(flavour);
    }
    QHash<QString, int> flavourGroup;
    sqlbatch::forEachBatch(flavours, [&](const Params& p) {
        RowSet g = logon.run(S("select codigo, classe from produtos where codigo in ") + sqlbatch::inPlaces(), p);
        while (g.next())
            if (!flavourGroup.contains(g.text(u"CODIGO")))
                flavourGroup.insert(g.text(u"CODIGO"), int(g.integer(u"CLASSE")));
    });
    for (size_t i = 0; i < f.products.size(); ++i)
        if (!groupCodes[i].isEmpty())
            f.products[i].group = flavourGroup.value(groupCodes[i], 0);
    std::stable_sort(f.products.begin(), f.products.end(), [](const CashProductLine& a, const CashProductLine& b) {
        return a.group != b.group ? a.group < b.group : a.name < b.name;
    });
}

void readGroupNames(TLogon& logon, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select codigo, nome from tipos order by id"));
    while (rs.next())
        f.groupNames.try_emplace(int(rs.integer(u"CODIGO")), rs.text(u"NOME"));
}

// The shift's opening row; without it, the date of its first stock row.
void readOpening(const CashShift::Opening& opening, CashMovementFigures& f)
{
    f.date = opening.date.toString(S("dd/MM/yy"));
    f.opening = opening.openingFloat;
    f.operatorName = opening.operatorName;
}

// Charges: delivery fees of every station under the shift; service and cover here.
void readCharges(TLogon& logon, int cash, const Params& shift, CashMovementFigures& f)
{
    f.deliveryFees = decimalOf(logon.scalar(S("select coalesce(sum(delytaxa), 0) from fatura "
                                              "where delyentrega > 0 and caixa = ?"),
                                            {cash}));
    RowSet rs = logon.run(S("select tipo, sum(valor) as total from Servico where caixa = ? and terminal = ? "
                            "and tipo in (1, 2) group by tipo"),
                          shift);
    while (rs.next())
        (rs.integer(u"TIPO") == 1 ? f.service : f.cover) += rs.decimal(u"TOTAL");
}

// Sales by kind: a sale without a kind counts with the tabs.
void readSalesByKind(TLogon& logon, const Params& shift, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select coalesce(tipo, 1) as kind, count(*) as tg, sum(valor) as ttl from fatura "
                            "where caixa = ? and terminal = ? group by 1"),
                          shift);
    while (rs.next()) {
        const qint64 kind = rs.integer(u"KIND");
        CashMovementFigures::Kind* k = kind == 1 ? &f.tabs : kind == 2 ? &f.counter : kind == 3 ? &f.delivery : nullptr;
        if (k) {
            k->count = int(rs.integer(u"TG"));
            k->value = rs.decimal(u"TTL");
        }
    }
}

// Receipts per payment method: the list in the reverse of the table's order, cash
// apart, codes no method has last.
void readReceipts(TLogon& logon, const Params& shift, CashMovementFigures& f)
{
    struct Method { QString code; int cd; QString name; Decimal value; };
    std::vector<Method> methods;
    RowSet rs = logon.run(S("select cd, nome from FormaPaga order by id desc"));
    while (rs.next())
        methods.push_back({QString(), int(rs.integer(u"CD")), rs.text(u"NOME"), Decimal()});
    rs = logon.run(S("select substring(trim(duplicata) from 1 for 2) as cd, "
                     "sum(coalesce(valor, 0) + coalesce(juros, 0)) as total from RecArq "
                     "where caixa = ? and terminal = ? group by 1 order by 1"),
                   shift);
    std::vector<Method> unknown;
    while (rs.next()) {
        const QString code = rs.text(u"CD");
        const Decimal total = rs.decimal(u"TOTAL");
        const std::optional<int> cd = readInt(code);
        if (cd && *cd == 1) {
            f.cashReceived += total;
            continue;
        }
        auto known = std::find_if(methods.begin(), methods.end(), [&](const Method& m) { return cd && m.cd == *cd; });
        if (known != methods.end())
            known->value += total;
        else
            unknown.push_back({code, 0, code + S(" Não Localizado"), total});
    }
    for (const Method& m : methods)
        if (m.cd != 1)
            f.methods.push_back({m.name, m.value});
    for (const Method& m : unknown)
        f.methods.push_back({m.name, m.value});
}

// Discounts given on the shift's sales at the station.
void readDiscounts(TLogon& logon, const Params& shift, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select controle, valor from Servico where caixa = ? and terminal = ? and tipo = 6 "
                            "order by id"),
                          shift);
    while (rs.next())
        f.discounts.push_back({rs.text(u"CONTROLE"), rs.decimal(u"VALOR")});
}

// Account payments received under the shift, every station's.
void readSettled(TLogon& logon, int cash, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select r.valor, r.valor3, r.juros, r.emissao, "
                            "(select first 1 c.nome from clientes c where c.codigo = r.codigo) as cnome "
                            "from RecArq r where r.caixabaixa = ? order by r.id"),
                          {cash});
    while (rs.next()) {
        const Decimal v3 = rs.decimal(u"VALOR3");
        const Decimal amount = (v3.isZero() ? rs.decimal(u"VALOR") : v3) + rs.decimal(u"JUROS");
        f.settled.push_back({rs.text(u"CNOME"), rs.date(u"EMISSAO").toString(S("dd/MM/yy")), amount});
    }
}

void readCancellations(TLogon& logon, int cash, CashMovementFigures& f)
{
    RowSet rs = logon.run(S("select operador, acao from LOG where caixa = ?"), {cash});
    while (rs.next())
        f.log.push_back({rs.text(u"OPERADOR"), rs.text(u"ACAO")});
}

} // namespace

CashMovementFigures CashMovementReport::gather(const QString& cashText, const QString& terminalText,
                                                const CashMovementOptions& options)
{
    const std::optional<int> cash = readInt(cashText);
    if (!cash)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    // A number no shift ever had (0 with the cash closed, a typing slip) has nothing
    // to print: said, and nothing read.
    const std::optional<CashShift::Opening> opening = CashShift(m_logon).opening(*cash);
    if (!opening)
        throw ShiftFieldRefused(cashshift::msg::noSuchShift);
    CashMovementFigures f;
    f.cash = *cash;
    f.terminalText = readInt(terminalText) ? terminalText : ctx::station().TerminalNumber;
    const int terminal = readInt(f.terminalText).value_or(0);
    const Params shift{*cash, terminal};

    readExpensesAndWithdrawals(m_logon, shift, f);
    readProducts(m_logon, shift, f);
    if (options.complete)
        readGroupNames(m_logon, f);
    readOpening(*opening, f);
    readCharges(m_logon, *cash, shift, f);
    readSalesByKind(m_logon, shift, f);
    readReceipts(m_logon, shift, f);
    readDiscounts(m_logon, shift, f);
    readSettled(m_logon, *cash, f);
    if (options.cancellations)
        readCancellations(m_logon, *cash, f);
    return f;
}

namespace {

QStringList headerLines(const CashMovementFigures& f, const CashMovementOptions& options)
{
    QStringList t;
    t << shiftroll::header(ctx::station().CondensedOnCode + S("MOVIMENTO DO CAIXA"), 32, S("  term:") + f.terminalText);
    t << S("Cx.:") + FormatFloatLeftPadded(S("0000000"), 7, Decimal(f.cash)) + S(" Data..:") + f.date
      << S("Operador:") + f.operatorName << rule("-");
    if (options.twoLines)
        t << S("Codigo/Produtos                   ") << S("        Qtd      Valor       Total");
    else
        t << S("Produtos               Qtd   Total");
    t << rule("-");
    return t;
}

// A product's lines in the complete report: in two lines (code and name, then
// quantity x price x amount), else name, quantity and amount in one.
QStringList productLine(const CashProductLine& line, const Decimal& amount, bool twoLines)
{
    QStringList t;
    if (twoLines) {
        QString text = (line.code + QLatin1Char(' ') + line.name).trimmed();
        if (const qsizetype hash = text.indexOf(QLatin1Char('#')); hash > 0)
            text = text.left(hash);
        t << text.left(36);
        if (text.size() > 38)
            t << text.mid(36, 36);
        if (text.size() > 75)
            t << text.mid(72, 36);
        t << S("    ") + FormatFloatLeftPadded(S("0.0##"), 8, line.quantity) + S(" x ")
                 + FormatFloatLeftPadded(S("0.00"), 8, line.price) + S(" x ")
                 + FormatFloatLeftPadded(S("0.00"), 8, amount)
          << S(" ");
    } else {
        t << PadRight(line.name, 18) + FormatFloatLeftPadded(S("0.0##"), 8, line.quantity)
                 + FormatFloatLeftPadded(S("0.00"), 8, amount);
    }
    return t;
}

// The products (every line by group with sub-totals in the complete report) and
// their total; gives the total in `productsTotal`.
QStringList productLines(const CashMovementFigures& f, const CashMovementOptions& options, Decimal& productsTotal)
{
    QStringList t;
    Decimal groupTotal;
    int group = 0;
    auto subTotal = [&] {
        t << PadRight(S(" "), 15) + PadRight(S("sub-total  "), 11) + FormatFloatLeftPadded(S("0.00"), 8, groupTotal)
          << S(" ");
    };
    for (const CashProductLine& line : f.products) {
        const Decimal amount = lineAmount(line.quantity, line.price);
        if (options.complete) {
            if (line.group != group) {
                if (!groupTotal.isZero()) {
                    subTotal();
                    groupTotal = Decimal();
                }
                group = line.group;
                auto name = f.groupNames.find(group);
                t << (name == f.groupNames.end() ? S("Grupo nao informado") : name->second);
            }
            t << productLine(line, amount, options.twoLines);
        }
        productsTotal += amount;
        groupTotal += amount;
    }
    if (!groupTotal.isZero())
        subTotal();
    if (options.complete)
        t << rule("-");
    t << labelled(S("Total"), productsTotal) << QString();
    return t;
}

QStringList chargeLines(const CashMovementFigures& f, const Decimal& productsTotal)
{
    const Decimal charges = f.service + f.cover + f.deliveryFees;
    return {labelled(S("Ttl Taxa Entrega "), f.deliveryFees), labelled(S("Ttl Taxa Servico "), f.service),
            labelled(S("Ttl Couver/Show  "), f.cover), PadRight(QString(), 24) + S("------------"),
            labelled(S("Total taxas"), charges), labelled(S("Total geral"), productsTotal + charges), QString()};
}

QStringList salesByKindLines(const CashMovementFigures& f)
{
    QStringList t;
    auto kind = [&](const QString& label, int count, const Decimal& value) {
        t << PadRight(label, 15) + FormatFloatLeftPadded(S("0"), 7, Decimal(count)) + S("   ") + money(value);
    };
    const Decimal tabsValue = f.tabs.value - f.service - f.cover;
    t << S("Informações de Atendimento") << rule("-");
    kind(S("Comandas"), f.tabs.count, tabsValue);
    kind(S("Balcão"), f.counter.count, f.counter.value);
    kind(S("Delivery"), f.delivery.count, f.delivery.value);
    t << rule("-");
    kind(S("Totais"), f.tabs.count + f.counter.count + f.delivery.count,
         tabsValue.roundTo(2) + f.counter.value.roundTo(2) + f.delivery.value.roundTo(2));
    t << S(" ");
    return t;
}

QStringList receiptLines(const CashMovementFigures& f)
{
    QStringList t;
    Decimal others;
    t << S("Recebimentos") << rule("-");
    for (const CashMethodLine& m : f.methods) {
        if (m.value > Decimal())
            t << labelled(m.name, m.value);
        others += m.value;
    }
    t << labelled(S("Dinheiro "), f.cashReceived) << PadRight(QString(), 24) + S("------------")
      << labelled(S("Total"), others + f.cashReceived) << QString();
    return t;
}

Decimal expensesTotalOf(const CashMovementFigures& f)
{
    Decimal total;
    for (const auto& e : f.expenses)
        total += e.second;
    return total;
}

QStringList cashClosingLines(const CashMovementFigures& f, const Decimal& expensesTotal)
{
    QStringList t;
    t << S("Fechamento do Caixa") << labelled(S("Rec vendas dinheiro"), f.cashReceived);
    if (f.topUps > Decimal())
        t << labelled(S("Reforço Caixa(+)"), f.topUps);
    if (expensesTotal > Decimal())
        t << labelled(S("Despesas(-)"), expensesTotal);
    if (f.withdrawals > Decimal())
        t << labelled(S("Sangria Caixa(-)"), f.withdrawals);
    t << labelled(S("Fundo de Caixa(+) "), f.opening)
      << labelled(S("Total c/Reserva"), f.cashReceived - expensesTotal + f.topUps - f.withdrawals + f.opening)
      << QString() << QString();
    return t;
}

QStringList discountLines(const CashMovementFigures& f)
{
    QStringList t;
    Decimal discounts;
    t << PadRight(S("Descontos"), 25) << rule("=") << PadRight(S("notas"), 25) + S("Valor") << rule("=");
    for (const auto& d : f.discounts) {
        t << PadRight(d.first, 25) + money2(d.second);
        discounts += d.second;
    }
    t << rule("=") << PadRight(S("Total"), 25) + money2(discounts) << QString();
    return t;
}

QStringList expenseLines(const CashMovementFigures& f, const Decimal& expensesTotal)
{
    QStringList t;
    t << PadRight(S("Desp Gerais"), 25) << rule("=") << PadRight(S("Historico"), 25) + S("Valor") << rule("=");
    for (const auto& e : f.expenses)
        t << PadRight(e.first, 25) + money2(e.second);
    t << rule("=") << PadRight(S("Ttl das Despesas"), 25) + money2(expensesTotal) << QString();
    return t;
}

// The receivables settled in the shift.
QStringList settledLines(const CashMovementFigures& f)
{
    QStringList t;
    Decimal settled;
    t << S("Duplicata      Vencim       Valor") << rule("=");
    for (const CashMovementFigures::Settled& s : f.settled) {
        t << PadRight(s.name, 12) + S(" - ") + s.issued + money(s.amount, 11);
        settled += s.amount;
    }
    t << rule("=") << PadRight(QString(), 25) + money(settled);
    return t;
}

QStringList cancellationLines(const CashMovementFigures& f)
{
    QStringList t;
    t << S(" ") << S("Cancelamentos ") << rule("=");
    for (const auto& l : f.log)
        t << l.first << l.second.left(36);
    t << rule("=");
    return t;
}

} // namespace

Printout CashMovementReport::compose(const CashMovementFigures& f, const CashMovementOptions& options)
{
    Printout p = roll::newPrintout();
    QStringList& t = p.lines;
    Decimal productsTotal;
    const Decimal expensesTotal = expensesTotalOf(f);
    t << headerLines(f, options);
    t << productLines(f, options, productsTotal);
    t << chargeLines(f, productsTotal);
    t << salesByKindLines(f);
    t << receiptLines(f);
    t << cashClosingLines(f, expensesTotal);
    t << discountLines(f);
    t << expenseLines(f, expensesTotal);
    t << settledLines(f);
    if (options.cancellations && !f.log.empty())
        t << cancellationLines(f);
    return p;
}

bool CashMovementReport::send(const Printout& text, bool forcePreview)
{
    RouteOptions options;
    options.controlByte = true;
    options.forcePreview = forcePreview;
    try {
        RoutePrintout(text, PrinterSlot::Closing, options);
        return true;
    } catch (const std::runtime_error&) {
        ShowMessageWindow(cashreportmsg::title, cashreportmsg::printError);
        return false;
    }
}
