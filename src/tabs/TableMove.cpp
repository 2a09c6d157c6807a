#include "tabs/TableMove.h"

#include "tabs/TabVoucher.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace TableMoveText {
QString repeatedSource(const QString& tab)
{
    return QStringLiteral("|  Mesa ") + tab + QStringLiteral(" repetida, transferida uma vez    |");
}
QString sourceIsDestination(const QString& tab)
{
    return QStringLiteral("|  Mesa ") + tab + QStringLiteral(" igual ao destino, ignorada    |");
}
} // namespace TableMoveText

namespace {
// Sources in box order with the reason each is left out ("" = moved).
std::vector<std::pair<QString, QString>> planSources(const QStringList& sources, const QString& destination)
{
    std::vector<std::pair<QString, QString>> plan;
    QStringList seen;
    const QString dest = TrimText(destination);
    for (const QString& box : sources) {
        const QString s = TrimText(box);
        if (s.isEmpty())
            continue;
        QString why;
        if (s == dest)
            why = TableMoveText::sourceIsDestination(s);
        else if (seen.contains(s))
            why = TableMoveText::repeatedSource(s);
        seen << s;
        plan.emplace_back(s, why);
    }
    return plan;
}
} // namespace

QStringList TableMove::skippedSources(const QStringList& sources, const QString& destination)
{
    QStringList out;
    for (const auto& [s, why] : planSources(sources, destination))
        if (!why.isEmpty())
            out << why;
    return out;
}

TableMoveResult TableMove::move(const QStringList& sources, const QString& destination, const QString& reason)
{
    TableMoveResult result;
    const QString dest = TrimText(destination);
    if (dest.isEmpty())
        return result;
    const auto plan = planSources(sources, dest);
    result.skipped = skippedSources(sources, dest);
    result.moved = m_logon.action([&] {
        // Every tab of the move first, in key order: two moves of the same tabs
        // never wait for each other in a circle, and no closing bills them meanwhile.
        QStringList keys{dest};
        for (const auto& [source, why] : plan)
            if (why.isEmpty())
                keys << source;
        if (!tabs::holdTabs(m_logon, keys).contains(dest))
            return false;
        RowSet d = m_logon.run(QStringLiteral("select VALOR from cabmesa where mesa = ?"), {dest});
        Decimal total = d.first() ? d.decimal(u"VALOR") : Decimal();
        qlonglong waiter = 0;
        bool anyMoved = false;
        for (const auto& [source, why] : plan) {
            if (!why.isEmpty())
                continue;
            RowSet s = m_logon.run(QStringLiteral("select VALOR, VENDEDOR from cabmesa where mesa = ?"), {source});
            const qint64 items = tabs::write(m_logon, QStringLiteral("update mesa set mesa = ? where mesa = ?"), {dest, source});
            // A source that is neither a tab nor holds items (another station
            // moved it first) changes nothing, the waiter included.
            if (s.isEmpty() && items == 0)
                continue;
            anyMoved = true;
            waiter = 0;
            while (s.next()) {
                total += s.decimal(u"VALOR");
                waiter = s.integer(u"VENDEDOR");
            }
            // The kitchen monitor keeps 15 characters of a table number.
            tabs::write(m_logon, QStringLiteral("update cozinha2 set mesa = substring(cast(? as varchar(30)) from 1 for 15) "
                                       "where mesa = cast(? as varchar(30))"),
                        {dest, source});
            tabs::write(m_logon, QStringLiteral("delete from cabmesa where mesa = ?"), {source});
        }
        if (anyMoved)
            tabs::write(m_logon, QStringLiteral("update cabmesa set vendedor = ?, valor = ? where mesa = ?"),
                        {waiter, total, dest});
        return true;
    });
    if (result.moved)
        result.voucher = composeVoucher(sources, dest, reason);
    return result;
}

Printout TableMove::composeVoucher(const QStringList& sources, const QString& destination, const QString& reason)
{
    Printout p = tabs::voucherHead(QStringLiteral("******      TROCA DE MESA      ******"));
    QStringList boxes = sources;
    while (boxes.size() < 5)
        boxes << QString();
    p.lines << QStringLiteral("Mesa :") + boxes.mid(0, 5).join(QLatin1Char(' ')) << QStringLiteral("Observacao:")
            << QLatin1Char(' ') + reason << tabs::dashes38()
            << QStringLiteral("****  Transferido da MESA :") + destination + QStringLiteral("****");
    return p;
}
