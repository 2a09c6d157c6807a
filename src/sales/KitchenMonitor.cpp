#include "sales/KitchenMonitor.h"

#include "db/UnitLogon.h"

std::vector<MonitorRow> KitchenMonitor::list()
{
    std::vector<MonitorRow> rows;
    RowSet rs = m_logon.run(QStringLiteral("select id, hora, mesa, garcom, quant, produto, compl from Cozinha2 order by id"));
    while (rs.next())
        rows.push_back(MonitorRow{rs.integer(u"ID"), rs.text(u"HORA"), rs.text(u"MESA"), rs.text(u"GARCOM"),
                                  rs.text(u"PRODUTO"), rs.text(u"COMPL"), rs.decimal(u"QUANT")});
    return rows;
}

int KitchenMonitor::remove(qint64 id)
{
    return int(m_logon.exec(QStringLiteral("delete from cozinha2 where id = ?"), {id}));
}

int KitchenMonitor::remove(const std::vector<qint64>& ids)
{
    return m_logon.action([&] {
        int deleted = 0;
        constexpr size_t kBatch = 100;
        for (size_t from = 0; from < ids.size(); from += kBatch) {
            const size_t n = std::min(kBatch, ids.size() - from);
            QString sql = QStringLiteral("delete from cozinha2 where id in (");
            Params params;
            for (size_t i = 0; i < n; ++i) {
                sql += i ? QStringLiteral(",?") : QStringLiteral("?");
                params.append(SqlValue(ids[from + i]));
            }
            sql += u')';
            deleted += int(m_logon.exec(sql, params));
        }
        return deleted;
    });
}
