#include "sales/UnitReCozinha.h"
#include "ui_UnitReCozinha.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "sales/KitchenOrder.h"
#include "sales/SalesMessages.h"

#include <QHeaderView>

TFormReCozinha::TFormReCozinha(TLogon& logon, const QString& tabKey, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormReCozinha>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormReCozinha"));
    ui->tabLabel->setText(TrimText(tabKey.isEmpty() ? ctx::sales().TabNumber : tabKey));
    ui->itemsGrid->setColumnCount(5);
    ui->itemsGrid->setHorizontalHeaderLabels({QStringLiteral("OK"), QStringLiteral("Imp"), QStringLiteral("Produto"),
                                              QStringLiteral("Quant"), QStringLiteral("Complemento")});
    ui->itemsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->itemsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->itemsGrid->verticalHeader()->hide();
    ui->itemsGrid->horizontalHeader()->setStretchLastSection(true);
    connect(ui->itemsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { toggle(row); });
    connect(ui->printButton, &QPushButton::clicked, this, &TFormReCozinha::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    try {
        m_rows = KitchenReprint(m_logon, ctx::sales().CashShiftNumber).load(ui->tabLabel->text());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showRows();
}

TFormReCozinha::~TFormReCozinha() = default;

QTableWidget* TFormReCozinha::grid() const { return ui->itemsGrid; }

void TFormReCozinha::showRows()
{
    ui->itemsGrid->setRowCount(int(m_rows.size()));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const ReprintRow& row = m_rows[size_t(r)];
        const QString cells[] = {row.chosen ? QStringLiteral("SIM") : QString(), row.imp, row.produto,
                                 FormatFloat(u"0.###", row.quant), row.complementText()};
        for (int c = 0; c < 5; ++c)
            ui->itemsGrid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

void TFormReCozinha::toggle(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[size_t(row)].chosen = !m_rows[size_t(row)].chosen;
    showRows();
    ui->itemsGrid->selectRow(row);
}

void TFormReCozinha::print()
{
    ReprintResult r;
    try {
        r = KitchenReprint(m_logon, ctx::sales().CashShiftNumber).print(ui->tabLabel->text(), m_rows);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (r.noTab) {
        ShowMessageWindow(salesmsg::title, kitchenmsg::informTab);
        return;
    }
    if (!r.error.isEmpty()) {
        dialogs().errorBox(r.error);
        return;
    }
    accept();
}
