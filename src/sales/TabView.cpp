#include "sales/TabView.h"

#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "sales/TabOpening.h"

#include <QTime>

QString tableKeyOfCaption(const QString& caption)
{
    qsizetype cr = caption.indexOf(u'\r');
    if (cr < 0)
        cr = caption.indexOf(u'\n');
    const QString key = TrimText(cr >= 0 ? caption.left(cr) : caption);
    if (key == QLatin1String("Livre") || key == QLatin1String("LIVRE") || key == QLatin1String("."))
        return QString();
    return key;
}

std::vector<TabItemLine> joinTabItems(const std::vector<TabItemRow>& rows, bool forceJoin, bool deliveryKey)
{
    std::vector<TabItemLine> lines;
    for (const TabItemRow& r : rows) {
        const QString q3 = FormatFloat(u"0.000", r.quant);
        const QString whole3 = FormatFloat(u"0.000", r.quant.roundTo(0));
        const QString wholeFlag = (q3 == whole3 && !deliveryKey) ? QStringLiteral("S") : QStringLiteral("N");
        QString separate = QStringLiteral("N");
        if (!TrimText(r.codigo).isEmpty())
            separate = r.juntar;
        if (!forceJoin)
            separate = QStringLiteral("S");
        const QString key = wholeFlag + TrimText(r.codigo) + QStringLiteral("  ")
            + FormatFloat(u"00", Decimal(r.vend)) + TrimText(r.nomep) + u' ' + FormatFloat(u"0.00", r.valor);
        TabItemLine* same = nullptr;
        if (wholeFlag == QLatin1String("S") && separate != QLatin1String("S")) {
            for (TabItemLine& l : lines)
                if (l.index == key)   // stored keys are cut to 60: a longer one never matches
                    same = &l;
        }
        if (same) {
            same->qtde += r.quant;
            same->amount += lineAmount(r.quant, r.valor);
            continue;
        }
        TabItemLine l;
        l.codigo = r.codigo;
        l.nomep = r.nomep;
        l.vend = QString::number(r.vend);
        l.mesa = r.mesa;
        l.valor = r.valor;
        l.qtde = r.quant;
        l.amount = lineAmount(r.quant, r.valor);
        l.index = key.left(60);
        l.id = r.id;
        lines.push_back(l);
    }
    return lines;
}

std::vector<TableButtonInfo> TabView::refreshButtons()
{
    m_logon.run(QStringLiteral("update CabMesa set status = '0'  where status is null"));
    m_logon.run(QStringLiteral("delete from CabMesa where Mesa = ?"), {QString()});
    RowSet rs = m_logon.run(QStringLiteral("select mesa, status, fechado from cabmesa order by mesa, id"));
    std::vector<TableButtonInfo> buttons;
    QString last;
    while (rs.next() && int(buttons.size()) < kTableButtons) {
        TableButtonInfo b;
        b.key = TrimText(rs.text(u"MESA"));
        if (!buttons.empty() && b.key == last)
            continue;   // two tabs under one key (older databases) show once
        last = b.key;
        b.preBilled = rs.integer(u"STATUS") == 1;
        b.caption = b.key;
        if (b.preBilled) {
            const QString t = rs.isNull(u"FECHADO") ? QString() : rs.value(u"FECHADO").toTime().toString(QStringLiteral("hh:mm:ss"));
            b.caption = TrimText(b.key + u'\r' + t);
        }
        buttons.push_back(b);
    }
    return buttons;
}

TabSummary TabView::load(const QString& key)
{
    TabSummary s;
    m_logon.run(QStringLiteral("delete FROM MESA WHERE quant = 0 or quant is null"));
    const QString k = TrimText(key);
    RowSet rs = m_logon.run(QStringLiteral(
        "select m.id, m.codigo, m.nomep, m.mesa, m.vend, m.quant, m.valor, "
        "(select first 1 p.juntar from produtos p where p.codigo = m.codigo) as juntar "
        "from mesa m where m.mesa = ? order by m.id"), {k});
    std::vector<TabItemRow> rows;
    while (rs.next()) {
        TabItemRow r;
        static_cast<tabs::TabItem&>(r) = tabs::tabItemOf(rs);
        r.juntar = TrimText(rs.text(u"JUNTAR"));
        rows.push_back(r);
    }
    const bool delivery = tabKeyNumber(k) > Decimal(1'000'000);
    s.lines = joinTabItems(rows, RightsBitSet(m_salesOptions, 2048) == QLatin1String("S"), delivery);
    for (const TabItemLine& l : s.lines)
        s.total += l.total();

    RowSet h = m_logon.run(QStringLiteral(
        "Select first 1 me.mesa,me.fechado,me.hora,me.vendedor,me.valor,vd.codigo,vd.nome from cabmesa me "
        "left join vendedor vd on me.vendedor = vd.codigo where me.mesa = ? order by me.id"), {k});
    QString code, name, hora, fechado;
    if (h.first()) {
        code = h.isNull(u"CODIGO") ? QString() : QString::number(h.integer(u"CODIGO"));
        name = h.text(u"NOME");
        hora = h.isNull(u"HORA") ? QString() : h.value(u"HORA").toTime().toString(QStringLiteral("hh:mm:ss"));
        fechado = h.isNull(u"FECHADO") ? QString() : h.value(u"FECHADO").toTime().toString(QStringLiteral("hh:mm:ss"));
        s.advance = h.decimal(u"VALOR");
    }
    s.waiterText = QStringLiteral("Garcom ") + code + QStringLiteral(" / ") + name;
    s.timesText = QStringLiteral(" Abertura: ") + hora;
    if (!fechado.isEmpty())
        s.timesText += QStringLiteral(" - Fechada: ") + fechado;
    s.due = s.total - s.advance;
    return s;
}
