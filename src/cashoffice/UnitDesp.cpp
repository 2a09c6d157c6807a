#include "cashoffice/UnitDesp.h"
#include "ui_UnitDesp.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "core/GridRows.h"
#include "cashoffice/UnitRecQui.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"

#include <QHeaderView>

TFormDesp::TFormDesp(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormDesp>())
    , m_logon(logon)
    , m_expenses(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormDesp"));
    connect(ui->newButton, &QPushButton::clicked, this, &TFormDesp::newExpense);
    connect(ui->alterButton, &QPushButton::clicked, this, &TFormDesp::alter);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormDesp::removeCurrent);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormDesp::printVoucher);
    connect(ui->returnButton, &QPushButton::clicked, this, &TFormDesp::leave);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormDesp::confirm);
    registers::upperCaseField(ui->historyEdit);
    registers::commaForPointField(ui->amountEdit);
    // Enter moves from field to field and reaches "&Confirmar" (the window's order: core/EnterMoves).

    m_today = QDate::currentDate().toString(QStringLiteral("dd/MM/yy"));
    ui->todayLabel->setText(QStringLiteral("Hoje é ") + m_today);
    try {
        ui->costCentreCombo->addItems(m_expenses.costCentreItems());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    if (ui->costCentreCombo->count() > 0)
        ui->costCentreCombo->setCurrentIndex(0);
    m_cash = m_expenses.openCash();
    ui->cashLabel->setText(m_cash == 0 ? QStringLiteral("Caixa Fechado")
                                       : QStringLiteral("Caixa Numero.: ") + QString::number(m_cash));
    reload();
}

TFormDesp::~TFormDesp() = default;

int TFormDesp::rowCount() const { return ui->expenseGrid->rowCount(); }
QString TFormDesp::history() const { return ui->historyEdit->text(); }
QString TFormDesp::amount() const { return ui->amountEdit->text(); }
QString TFormDesp::costCentre() const { return ui->costCentreCombo->currentText(); }
void TFormDesp::setHistory(const QString& text) { ui->historyEdit->setText(text.toUpper()); }
void TFormDesp::setAmount(const QString& text) { ui->amountEdit->setText(text); }
void TFormDesp::chooseCostCentre(int index) { ui->costCentreCombo->setCurrentIndex(index); }
void TFormDesp::selectRow(int row) { ui->expenseGrid->selectRow(row); }

QStringList TFormDesp::costCentres() const
{
    QStringList items;
    for (int i = 0; i < ui->costCentreCombo->count(); ++i)
        items << ui->costCentreCombo->itemText(i);
    return items;
}

void TFormDesp::reload()
{
    try {
        m_rows = m_expenses.rows(m_cash);
    } catch (const DbError& e) {
        m_rows.clear();
        dialogs().errorBox(e.message());
    }
    std::vector<QStringList> cells;
    for (const ExpenseRow& r : m_rows)
        cells.push_back({r.data.toString(QStringLiteral("dd/MM/yy")), r.historico,
                         FormatFloat(u"0.00", r.valor)});
    gridrows::show(*ui->expenseGrid, {QStringLiteral("DATA"), QStringLiteral("HISTORICO"), QStringLiteral("VALOR")},
                   cells, {2});
    ui->expenseGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->expenseGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->expenseGrid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
}

void TFormDesp::newExpense()
{
    ui->historyEdit->clear();
    ui->amountEdit->clear();
    m_id = 0;
    ui->historyEdit->setFocus();
}

void TFormDesp::alter()
{
    const int row = ui->expenseGrid->currentRow();
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const ExpenseRow& r = m_rows[size_t(row)];
    ui->historyEdit->setText(r.historico);
    ui->amountEdit->setText(FormatFloat(u"0.##", r.valor));
    m_id = r.id;
}

void TFormDesp::removeCurrent()
{
    const int row = ui->expenseGrid->currentRow();
    if (row < 0 || row >= int(m_rows.size()))
        return;
    try {
        const qint64 id = m_rows[size_t(row)].id;
        m_expenses.remove(m_cash, id);
        if (id == m_id)
            m_id = 0;
    } catch (const ExpenseRefused& e) {
        ShowMessageWindow(expensesmsg::title, e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload();
}

void TFormDesp::printVoucher()
{
    try {
        const ExpenseVoucher v{QString::number(m_cash), m_today, ui->historyEdit->text(),
                               DailyExpenses::voucherValue(ui->amountEdit->text())};
        TFormRecQui(m_logon, v).preview();
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

void TFormDesp::confirm()
{
    ExpenseInput in;
    in.id = m_id;
    in.history = ui->historyEdit->text();
    in.amount = ui->amountEdit->text();
    in.costCentre = ui->costCentreCombo->currentText();
    in.terminal = ctx::station().TerminalNumber;
    in.today = QDate::currentDate();
    try {
        m_id = m_expenses.confirm(m_cash, in);
        ui->historyEdit->setText(DailyExpenses::historyOf(in.history));
    } catch (const ExpenseRefused& e) {
        ShowMessageWindow(expensesmsg::title, e.message());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload();
}

void TFormDesp::leave()
{
    try {
        m_expenses.leave(m_cash, ctx::station().TerminalNumber);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reject();
}
