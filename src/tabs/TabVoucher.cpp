#include "tabs/TabVoucher.h"

#include "tabs/TabKey.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/SetComSettings.h"

#include <ibase.h>

namespace tabs {

QString dashes38()
{
    return QString(38, QLatin1Char('-'));
}

Printout voucherHead(const QString& title)
{
    const ctx::Company& c = ctx::company();
    Printout p;
    p.fontSize = SetComSettings::receiptFontSize();
    p.lines << title << c.CompanyName << c.CompanyAddress
            << c.CompanyCity + QStringLiteral("  -  ") + c.CompanyState << dashes38();
    return p;
}

QString logTime(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yy hh:mm:ss")).left(20);
}

void insertLog(TLogon& logon, const LogRow& row)
{
    logon.run(QStringLiteral("Insert Into Log (hora,operador,motivo,caixa,acao) values(?,?,?,?,?)"),
              {logTime(row.when), row.operatorName.left(20), row.reason.left(19), row.cashShift,
               row.action.left(38)});
}

bool tabExists(TLogon& logon, const QString& tab)
{
    return !logon.scalar(QStringLiteral("select first 1 ID from CabMesa where mesa = ?"), {tab}).isNull();
}

void openTab(TLogon& logon, const QString& tab, const QDateTime& when)
{
    logon.action([&] {
        if (tabExists(logon, tab))
            return;
        logon.run(QStringLiteral("insert into cabmesa (id,mesa,cliente,taxa,couver,hora,data) "
                                 "values (GEN_ID(CABMESA,1),?,1,'N','N',?,?)"),
                  {TrimText(tab), when.time(), when.date()});
    });
}

qint64 write(TLogon& logon, const QString& sql, const Params& params)
{
    return logon.exec(sql, params);
}

QStringList holdTabs(TLogon& logon, const QStringList& tabs)
{
    QStringList keys;
    for (const QString& t : tabs)
        if (tabs::storableTabKey(t) && !keys.contains(t))
            keys << t;
    keys.sort();
    QStringList held;
    for (const QString& k : keys)
        if (!logon.run(QStringLiteral("select ID from CABMESA where MESA = ? with lock"), {k}).isEmpty())
            held << k;
    return held;
}

qint64 takeFromItem(TLogon& logon, const QString& tab, qint64 id, const Decimal& quantity)
{
    return write(logon, QStringLiteral("update mesa set quant = quant - ? where id = ? and mesa = ? and quant >= ?"),
                 {quantity, id, tab, quantity});
}

void dropEmptyItem(TLogon& logon, qint64 id)
{
    try {
        logon.run(QStringLiteral("delete from mesa where id = ? and quant = 0"), {id});
    } catch (const DbError&) {
        // The row stays with quantity 0; the sales screen drops such rows when it reloads.
    }
}

} // namespace tabs
