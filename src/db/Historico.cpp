#include "db/Historico.h"
#include "db/UnitLogon.h"

QString historicoTime(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yy hh:mm:ss"));
}

void writeHistorico(TLogon& logon, const QString& operador, const QString& acao, const QDateTime& when)
{
    logon.ExecSqlOnDataset(QStringLiteral("Atualiza"),
                           QStringLiteral("insert into HISTORICO (id,hora,operador,acao) values (GEN_ID(HISTORICO,1),?,?,?)"),
                           QStringLiteral("EXEC"), {historicoTime(when), operador, acao});
}
