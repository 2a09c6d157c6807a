#pragma once
// The kitchen-monitor queue (COZINHA2) as the monitor page shows it, and its
// deletions. Deleting acts on the rows the page showed, by their keys: rows
// another station wrote since stay in the queue until the page is read again.

#include "core/Decimal.h"

#include <QString>
#include <vector>

class TLogon;

struct MonitorRow {
    qint64 id = 0;
    QString hora, mesa, garcom, produto, complement;
    Decimal quant;
};

class KitchenMonitor {
public:
    explicit KitchenMonitor(TLogon& logon) : m_logon(logon) {}
    std::vector<MonitorRow> list();
    // Rows deleted (0 when another station deleted it first).
    int remove(qint64 id);
    int remove(const std::vector<qint64>& ids);

private:
    TLogon& m_logon;
};

namespace monitormsg {
inline const QString header = QStringLiteral(
    "Para excluir pedido na cozinha, clique no mesma na janela a baixo, e em seguida clique no botão excluir");
inline const QString deleteOne = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString deleteAll = QStringLiteral("Deseja Excluir todos os Registros ?");
inline const QString userDenied = QStringLiteral("     Usuario não autorizado      ");
} // namespace monitormsg
