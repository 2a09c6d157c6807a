#pragma once
// The sales screen's "Monitor Cozinha" page: the kitchen-monitor queue of every
// station, as it was when the page was entered or after the last deletion here.
#include "sales/KitchenMonitor.h"

#include <QWidget>
#include <vector>

class QPushButton;
class QTableWidget;
class TLogon;

class KitchenMonitorPage : public QWidget {
    Q_OBJECT
public:
    explicit KitchenMonitorPage(TLogon& logon, QWidget* parent = nullptr);
    QTableWidget* grid() const { return m_grid; }
    const std::vector<MonitorRow>& shown() const { return m_rows; }

public slots:
    void reload();           // the page is entered
    void deleteSelected();   // "Excluir Pedido Cozinha Selecionado"
    void deleteAll();        // "Excluir Todos"

private:
    TLogon& m_logon;
    QTableWidget* m_grid = nullptr;
    std::vector<MonitorRow> m_rows;
};
