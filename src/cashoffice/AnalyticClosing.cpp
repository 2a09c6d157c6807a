#include "cashoffice/AnalyticClosing.h"
#include "core/WholeNumber.h"

#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ShiftFields.h"
#include "cashoffice/ShiftRollLayout.h"

#include <QHash>
#include <map>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}

QString AnalyticClosing::openCashText()
{
    RowSet rs = m_logon.run(S("select caixa from contcaixa order by id"));
    return rs.next() ? rs.text(u"CAIXA") : QString();
}

Printout AnalyticClosing::compose(const QString& cashText, const QString& terminalText)
{
    const std::optional<int> cash = readInt(cashText);
    if (!cash)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    const std::optional<int> terminal = readInt(terminalText);
    if (!terminal)
        throw ShiftFieldRefused(shiftfields::invalidTerminal);
    const Params shift{*cash, *terminal};

    const RowSet sales = m_logon.run(S("select data, nota, valor from Fatura where caixa = ? and terminal = ? "
                                       "order by id"),
                                     shift);
    // The shift's stock rows and payments, by sale number.
    QHash<qint64, QStringList> items, payments;
    RowSet rs = m_logon.run(S("select e.nfiscal, e.saida, e.valor, "
                              "(select first 1 p.nome from produtos p where p.codigo = e.codigo) as pnome "
                              "from estfic e where e.caixa = ? and e.terminal = ? and e.nfiscal is not null "
                              "and e.vend is null order by e.id"),
                            shift);
    while (rs.next()) {
        const Decimal quantity = rs.decimal(u"SAIDA"), price = rs.decimal(u"VALOR");
        items[rs.integer(u"NFISCAL")] << FormatKitchenLine(rs.text(u"PNOME"), FormatFloat(u"0.######", quantity),
                                                           FormatFloat(u"####0.00", price),
                                                           FormatFloat(u"####0.00", lineAmount(quantity, price)));
    }
    std::map<int, QString> methods;
    rs = m_logon.run(S("select cd, nome from FormaPaga order by id"));
    while (rs.next())
        methods.try_emplace(int(rs.integer(u"CD")), rs.text(u"NOME"));
    rs = m_logon.run(S("select nfiscal, duplicata, valor from recarq where caixa = ? and terminal = ? "
                       "and nfiscal is not null order by id"),
                     shift);
    while (rs.next()) {
        const QString dup = rs.text(u"DUPLICATA");
        const std::optional<int> cd = readInt(dup.left(2));
        auto name = cd ? methods.find(*cd) : methods.end();
        payments[rs.integer(u"NFISCAL")] << (name == methods.end() ? QString() : name->second) + QLatin1Char(' ') + dup
                                                + S("    R$ ") + FormatFloat(u"0.00", rs.decimal(u"VALOR"));
    }

    Printout p = roll::newPrintout();
    QStringList& t = p.lines;
    t << shiftroll::header(S("MOVIMENTO DO CAIXA"), 32, S("  term:") + terminalText)
      << S("Cx.:") + FormatFloatLeftPadded(S("0000000"), 7, Decimal(*cash)) << RepeatText(S("-"), 36)
      << S("Qtd   Produto           Valor Total") << RepeatText(S("-"), 36);
    for (int i = 0; i < sales.size(); ++i) {
        const qint64 nota = integerOf(sales.value(i, u"NOTA"));
        t << S("Data:") + sales.value(i, u"DATA").toDate().toString(S("dd/MM/yy")) + S(" Nota :")
                 + QString::number(nota) + S(" R$ ") + FormatFloat(u"0.00", decimalOf(sales.value(i, u"VALOR")));
        t << items.value(nota) << payments.value(nota);
        t << S("- - - - - - - - - - - - - - - - - - -") << QString();
    }
    t << QString();
    return p;
}
