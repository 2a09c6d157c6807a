#include "tabs/UnitReserva.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabVoucher.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitReserva.h"

TFormReserva::TFormReserva(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormReserva), m_logon(logon)
{
    ui->setupUi(this);
    ui->idEdit->hide();
    auto* events = new FieldEvents(this);
    events->onLeave(ui->tableEdit, [this] { tableLeft(); });
    events->chain({ui->dateEdit, ui->tableEdit, ui->customerEdit, ui->confirmButton});
    for (QLineEdit* e : {ui->tableEdit, ui->customerEdit})
        upperCaseWhileTyping(e);
    connect(ui->reservationsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { rowChosen(row); });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormReserva::newReservation);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormReserva::removeCurrent);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormReserva::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reload();
}

TFormReserva::~TFormReserva() = default;

void TFormReserva::reload()
{
    try {
        m_list = Reservations(m_logon).list();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->reservationsGrid->setRowCount(int(m_list.size()));
    for (int i = 0; i < int(m_list.size()); ++i) {
        const Reservation& r = m_list[size_t(i)];
        ui->reservationsGrid->setItem(i, 0, new QTableWidgetItem(r.date.toString(QStringLiteral("dd/MM/yy"))));
        ui->reservationsGrid->setItem(i, 1, new QTableWidgetItem(r.table));
        ui->reservationsGrid->setItem(i, 2, new QTableWidgetItem(r.customer));
    }
}

void TFormReserva::tableLeft()
{
    ui->tableEdit->setText(tabs::readTabKey(ui->tableEdit->text(), tabs::TabKeyRules::upkeepBox()));
}

void TFormReserva::rowChosen(int row)
{
    if (row < 0 || row >= int(m_list.size()))
        return;
    const Reservation& r = m_list[size_t(row)];
    ui->tableEdit->setText(r.table);
    ui->customerEdit->setText(r.customer);
    ui->idEdit->setText(QString::number(r.id));
}

void TFormReserva::newReservation()
{
    for (QLineEdit* e : {ui->dateEdit, ui->tableEdit, ui->customerEdit, ui->idEdit})
        e->clear();
    ui->dateEdit->setFocus();
}

void TFormReserva::removeCurrent()
{
    const int row = ui->reservationsGrid->currentRow();
    if (row >= 0 && row < int(m_list.size())) {
        try {
            Reservations(m_logon).remove(m_list[size_t(row)].id);
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    reload();
}

void TFormReserva::confirm()
{
    tableLeft();
    QString refused;
    try {
        refused = Reservations(m_logon).save(ui->idEdit->text(), ui->dateEdit->text(), ui->tableEdit->text(),
                                             ui->customerEdit->text());
    } catch (const DbError& e) {
        refused = e.message();
    }
    if (!refused.isEmpty()) {
        // The boxes keep what was typed.
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), refused, QStringLiteral("1"));
        return;
    }
    reload();
    newReservation();
}
