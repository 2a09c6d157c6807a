#include "tabs/UnitCliMesa.h"

#include "core/FieldEvents.h"
#include "tabs/TabUpkeep.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "ui_UnitCliMesa.h"

TFormCliMesa::TFormCliMesa(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormCliMesa), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->chain({ui->tabEdit, ui->personsEdit, ui->confirmButton});
    connect(ui->tabsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { rowChosen(row); });
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCliMesa::confirm);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

TFormCliMesa::~TFormCliMesa() = default;

void TFormCliMesa::refresh()
{
    try {
        PersonsPerTable p(m_logon);
        const auto rows = p.list();
        ui->tabsGrid->setRowCount(int(rows.size()));
        for (int i = 0; i < int(rows.size()); ++i) {
            ui->tabsGrid->setItem(i, 0, new QTableWidgetItem(rows[size_t(i)].first));
            ui->tabsGrid->setItem(i, 1, new QTableWidgetItem(QString::number(rows[size_t(i)].second)));
        }
        ui->totalLabel->setText(p.totalText());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->tabEdit->clear();
    ui->personsEdit->clear();
}

void TFormCliMesa::rowChosen(int row)
{
    if (row < 0 || row >= ui->tabsGrid->rowCount())
        return;
    ui->tabEdit->setText(ui->tabsGrid->item(row, 0)->text());
    ui->personsEdit->setText(ui->tabsGrid->item(row, 1)->text());
}

void TFormCliMesa::confirm()
{
    QString tab = ui->tabEdit->text(), persons = ui->personsEdit->text();
    bool recorded = false;
    try {
        recorded = PersonsPerTable(m_logon).record(tab, persons);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->tabEdit->setText(tab);
    ui->personsEdit->setText(persons);
    if (recorded)
        refresh();
}
