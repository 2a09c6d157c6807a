#pragma once
#include <QDateTime>
#include <QString>

class TLogon;

// The audit row: "insert into HISTORICO (id,hora,operador,acao) values
// (GEN_ID(HISTORICO,1), <hora>, <operador>, <acao>)", hora being the short date,
// a blank and the long time ("dd/mm/yy hh:mm:ss"). Throws DbError.
void writeHistorico(TLogon& logon, const QString& operador, const QString& acao,
                    const QDateTime& when = QDateTime::currentDateTime());

QString historicoTime(const QDateTime& when);
