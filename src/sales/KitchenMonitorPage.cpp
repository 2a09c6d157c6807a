#include "sales/KitchenMonitorPage.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "sales/SalesMessages.h"
#include "shell/UnitAcessos.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

KitchenMonitorPage::KitchenMonitorPage(TLogon& logon, QWidget* parent) : QWidget(parent), m_logon(logon)
{
    setObjectName(QStringLiteral("kitchenMonitorPage"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QLabel(monitormsg::header, this);
    top->setWordWrap(true);
    top->setStyleSheet(QStringLiteral("font: bold 11pt 'Arial';"));
    layout->addWidget(top);
    m_grid = new QTableWidget(this);
    m_grid->setColumnCount(5);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("MESA"), QStringLiteral("HORA"), QStringLiteral("GARCOM"),
                                       QStringLiteral("PRODUTO"), QStringLiteral("QUANT")});
    const int widths[] = {70, 262, 144, 442, 146};
    for (int c = 0; c < 5; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    m_grid->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { font: bold 12pt 'Arial'; }"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    layout->addWidget(m_grid, 1);
    auto* bottom = new QHBoxLayout;
    auto* one = new QPushButton(QStringLiteral("Excluir Pedido Cozinha Selecionado"), this);
    one->setObjectName(QStringLiteral("deleteOrderButton"));
    auto* all = new QPushButton(QStringLiteral("Excluir Todos"), this);
    all->setObjectName(QStringLiteral("deleteAllOrdersButton"));
    for (QPushButton* b : {one, all}) {
        b->setMinimumHeight(46);
        b->setAutoDefault(false);
    }
    bottom->addWidget(one);
    bottom->addStretch();
    bottom->addWidget(all);
    layout->addLayout(bottom);
    connect(one, &QPushButton::clicked, this, &KitchenMonitorPage::deleteSelected);
    connect(all, &QPushButton::clicked, this, &KitchenMonitorPage::deleteAll);
}

void KitchenMonitorPage::reload()
{
    try {
        m_rows = KitchenMonitor(m_logon).list();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    m_grid->setRowCount(int(m_rows.size()));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const MonitorRow& row = m_rows[size_t(r)];
        const QString cells[] = {row.mesa, row.hora, row.garcom, row.produto + (row.complement.isEmpty() ? QString() : u' ' + row.complement),
                                 FormatFloat(u"0.###", row.quant)};
        for (int c = 0; c < 5; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!m_rows.empty())
        m_grid->selectRow(0);
}

void KitchenMonitorPage::deleteSelected()
{
    if (ShowMessageWindow(salesmsg::title, monitormsg::deleteOne, QStringLiteral("2"), QStringLiteral("1")) != QLatin1String("S"))
        return;
    const int row = m_grid->currentRow();
    if (row >= 0 && row < int(m_rows.size())) {
        try {
            KitchenMonitor(m_logon).remove(m_rows[size_t(row)].id);
        } catch (const DbError&) {
            // a deletion that fails leaves the row; the list shows it again
        }
    }
    reload();
}

void KitchenMonitorPage::deleteAll()
{
    if (ShowMessageWindow(salesmsg::title, monitormsg::deleteAll, QStringLiteral("2"), QStringLiteral("1")) != QLatin1String("S"))
        return;
    ctx::op().AuthoriserIsMaster = QStringLiteral("N");
    askSupervisor(m_logon);
    if (ctx::op().AuthoriserIsMaster != QLatin1String("S")) {
        ShowMessageWindow(salesmsg::title, monitormsg::userDenied);
        return;
    }
    std::vector<qint64> ids;
    for (const MonitorRow& r : m_rows)
        ids.push_back(r.id);
    try {
        KitchenMonitor(m_logon).remove(ids);
    } catch (const DbError&) {
    }
    reload();
}
