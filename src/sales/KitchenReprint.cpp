#include "sales/KitchenReprint.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/Historico.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/Printout.h"
#include "platform/Win1252.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"
#include "printing/SetComSettings.h"
#include "sales/KitchenOrder.h"

#include <QDateTime>

QString ReprintRow::complementText() const
{
    QString t;
    for (const QString& c : complements)
        t += c + QStringLiteral(" / ");
    return t.left(150);
}

QStringList composeKitchenReprint(const TicketData& head, const std::vector<ReprintRow>& rows, int feedLines)
{
    QStringList lines = composeKitchenHeader(head, QStringLiteral(" REIMPRESSAO"), 20, false);
    for (const ReprintRow& r : rows) {
        lines << (FormatFloat(u"0.###", r.quant) + u' ' + r.produto.left(37));
        for (const QString& c : r.complements)
            lines << QStringLiteral(" > ") + c.toUpper().left(18);
        lines << QStringLiteral("- - - - - - - - - - - - - - - - - - -");
    }
    feedPaper(lines, feedLines);
    return lines;
}

std::vector<ReprintRow> KitchenReprint::load(const QString& tabKey)
{
    std::vector<ReprintRow> rows;
    const QString key = TrimText(tabKey);
    if (key.isEmpty() || key.size() > 30 || !fitsWin1252(key))
        return rows;   // no tab has such a key
    RowSet rs = m_logon.run(QStringLiteral("select id, mesa, impressora, nomep, quant, vend from mesa where mesa = ? order by id"),
                            {key});
    while (rs.next()) {
        ReprintRow r;
        r.id = rs.integer(u"ID");
        r.mesa = rs.text(u"MESA");
        r.imp = TrimText(rs.text(u"IMPRESSORA")).left(1);
        r.produto = rs.text(u"NOMEP").left(40);
        r.quant = rs.decimal(u"QUANT");
        r.vendedor = rs.integer(u"VEND");
        rows.push_back(r);
    }
    for (ReprintRow& r : rows) {
        RowSet c = m_logon.run(QStringLiteral("select produto from acompmesa where codigo = ? order by id"), {QString::number(r.id)});
        while (c.next())
            r.complements << c.text(u"PRODUTO");
    }
    return rows;
}

ReprintResult KitchenReprint::print(const QString& tabKey, const std::vector<ReprintRow>& rows)
{
    ReprintResult r;
    const QString key = kitchenOrderKey(tabKey);
    if (key.isEmpty()) {
        r.noTab = true;
        return r;
    }
    const int fontSize = SetComSettings::kitchenFontSize();
    const int feed = SetComSettings::feedLines();
    for (int kitchen = 1; kitchen <= 5; ++kitchen) {
        std::vector<ReprintRow> chosen;
        for (const ReprintRow& row : rows)
            if (row.chosen && row.imp == QString::number(kitchen))
                chosen.push_back(row);
        if (chosen.empty())
            continue;
        TicketData head;
        head.when = QDateTime::currentDateTime();
        head.waiterCode = QString::number(chosen.front().vendedor);
        RowSet tab = m_logon.run(QStringLiteral(
            "select first 1 c.mesa, c.edely, (select first 1 titulo from empresa) as titulo, "
            "(select first 1 nome from clientes where codigo = c.cliente order by id) as cliente_nome, "
            "(select first 1 nome from vendedor where codigo = ? order by id) as garcom "
            "from rdb$database left join cabmesa c on c.mesa = ?"), {chosen.front().vendedor, key});
        if (tab.first()) {
            head.tabKey = tab.text(u"MESA");
            head.tableWord = tab.text(u"TITULO");
            head.waiterName = tab.text(u"GARCOM");
            if (TrimText(tab.text(u"EDELY")) == QLatin1String("S"))
                head.customer = tab.text(u"CLIENTE_NOME");
        }
        Printout ticket;
        ticket.fontSize = fontSize;
        ticket.lines = composeKitchenReprint(head, chosen, feed);
        ++r.tickets;
        const std::vector<PrinterSlot> targets = kitchen == 5 ? std::vector<PrinterSlot>{PrinterSlot::Kitchen1, PrinterSlot::Kitchen2}
            : std::vector<PrinterSlot>{std::array<PrinterSlot, 4>{PrinterSlot::Kitchen1, PrinterSlot::Kitchen2,
                                                                  PrinterSlot::Kitchen3, PrinterSlot::Kitchen4}[size_t(kitchen - 1)]};
        RouteOptions options;
        options.controlByte = true;
        options.monitorTest = true;
        for (PrinterSlot slot : targets) {
            if (TrimText(SlotDestination(slot)) == SetComSettings::kitchenMonitor()) {
                // a kitchen that reads the monitor sees the reprint there, not on some other printer
                const QString hora = historicoTime(head.when).left(20);
                r.monitorRows += m_logon.action([&] {
                    int n = 0;
                    for (const ReprintRow& row : chosen) {
                        writeKitchenMonitorRow(m_logon, {hora, head.tabKey, head.waiterCode, m_cashShift,
                                                         QStringLiteral("REIMPRESSAO ") + row.produto, row.quant,
                                                         complementSummary(row.complements), std::nullopt, std::nullopt});
                        ++n;
                    }
                    return n;
                });
                continue;
            }
            try {
                RoutePrintout(ticket, slot, options);
                ++r.jobs;
            } catch (const std::exception& e) {
                r.error = QString::fromUtf8(e.what());
                return r;
            }
        }
    }
    return r;
}
