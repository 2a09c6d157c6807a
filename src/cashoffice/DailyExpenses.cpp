#include "cashoffice/DailyExpenses.h"
#include "core/WholeNumber.h"

#include "registers/ReportChoices.h"
#include "cash/CashShift.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "core/AmountInput.h"
#include "reports/ShiftFields.h"

namespace {
constexpr int kHistoryWidth = 40;   // DESPLOJA.HISTORICO
}

QStringList DailyExpenses::costCentreItems()
{
    return choices::items(choices::coded(m_logon, QStringLiteral("Select codigo, nome from Centrocusto "
                                                                 "order by codigo")),
                          {3, QStringLiteral("  "), QString()});
}

std::optional<int> DailyExpenses::costCentreCode(const QString& item)
{
    const QString t = item.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return readInt(blank < 0 ? t : t.left(blank));
}

int DailyExpenses::openCash()
{
    try {
        return CashShift(m_logon).openNumber();
    } catch (const std::exception&) {
        return 0;
    }
}

std::vector<ExpenseRow> DailyExpenses::rows(int cash)
{
    std::vector<ExpenseRow> list;
    RowSet rs = m_logon.run(QStringLiteral("select id, data, historico, valor, terminal, ccusto from despLoja "
                                           "where caixa = ? order by id"),
                            {cash});
    while (rs.next()) {
        ExpenseRow r;
        r.id = rs.integer(u"ID");
        r.data = rs.date(u"DATA");
        r.historico = rs.text(u"HISTORICO");
        r.valor = rs.decimal(u"VALOR");
        r.terminal = int(rs.integer(u"TERMINAL"));
        if (!rs.isNull(u"CCUSTO"))
            r.costCentre = int(rs.integer(u"CCUSTO"));
        list.push_back(r);
    }
    return list;
}

QString DailyExpenses::historyOf(const QString& typed)
{
    const QString t = typed.trimmed().toUpper();
    return t.isEmpty() ? QStringLiteral("*") : t.left(kHistoryWidth);
}

QString DailyExpenses::voucherValue(const QString& typedAmount)
{
    return FormatFloatLeftPadded(QStringLiteral("0.00"), 12, finance::readAmount(typedAmount).value_or(Decimal()));
}

qint64 DailyExpenses::confirm(int cash, const ExpenseInput& input)
{
    if (cash == 0)
        throw ExpenseRefused(expensesmsg::cashClosed);
    const std::optional<Decimal> amount = finance::readAmount(input.amount);
    if (!amount || *amount <= Decimal())
        throw ExpenseRefused(expensesmsg::invalidAmount);
    const std::optional<int> terminal = readInt(input.terminal);
    if (!terminal)
        throw ExpenseRefused(expensesmsg::invalidTerminal);
    const QString history = historyOf(input.history);
    const std::optional<int> centre = costCentreCode(input.costCentre);
    const QVariant centreValue = centre ? QVariant(*centre) : QVariant();

    return m_logon.action([&]() -> qint64 {
        cashshift::holdOpenShift<ExpenseRefused>(m_logon, expensesmsg::cashClosed, cash);
        if (input.id != 0) {
            const qint64 changed = m_logon.exec(
                QStringLiteral("update desploja set historico = ?, valor = ?, ccusto = ? where id = ? and caixa = ?"),
                {history, *amount, centreValue, input.id, cash});
            if (changed > 0)
                return input.id;
        }
        RowSet id = m_logon.run(QStringLiteral("insert into desploja (ID,DATA,CAIXA,TERMINAL,HISTORICO,VALOR,CCUSTO) "
                                               "values (GEN_ID(DESPESAS,1),?,?,?,?,?,?) returning id"),
                                {input.today, cash, *terminal, history, *amount, centreValue});
        id.next();
        return id.integer(u"ID");
    });
}

bool DailyExpenses::remove(int cash, qint64 id)
{
    if (id == 0)
        return false;
    return m_logon.action([&] {
        // a closed shift's expenses are its printed closing: they stay as they are
        cashshift::holdOpenShift<ExpenseRefused>(m_logon, expensesmsg::cashClosed, cash);
        return m_logon.exec(QStringLiteral("delete from desploja where id = ? and caixa = ?"), {id, cash}) > 0;
    });
}

void DailyExpenses::leave(int cash, const QString& terminal)
{
    const std::optional<int> t = readInt(terminal);
    if (cash == 0 || !t)
        return;
    m_logon.exec(QStringLiteral("delete from desploja where valor = 0 and caixa = ? and terminal = ?"), {cash, *t});
}
