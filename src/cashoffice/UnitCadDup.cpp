#include "cashoffice/UnitCadDup.h"
#include "core/AmountReader.h"
#include "core/FieldEvents.h"
#include "ui_UnitCadDup.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "core/GridRows.h"
#include "cashoffice/UnitExcLan.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"
#include "shell/UnitAcessos.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace {

const QStringList kTitles = {QStringLiteral("Cod Lanc"), QStringLiteral("Titulo"), QStringLiteral("Data"),
                             QStringLiteral("Historico"), QStringLiteral("Vencimento"), QStringLiteral("Débito"),
                             QStringLiteral("Crédito"), QStringLiteral("Saldo")};

QString dateText(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yy")) : QString(); }

} // namespace

TFormCadDup::TFormCadDup(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCadDup>())
    , m_logon(logon)
    , m_account(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCadDup"));
    for (QLineEdit* e : {ui->codeEdit, ui->saleEdit, ui->historyEdit, ui->releaseEdit, ui->amountEdit})
        registers::upperCaseField(e);
    registers::commaForPointField(ui->amountEdit);
    connect(ui->statementButton, &QPushButton::clicked, this, &TFormCadDup::showAccount);
    connect(ui->searchButton, &QPushButton::clicked, this, &TFormCadDup::search);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCadDup::confirm);
    connect(ui->deleteEntryButton, &QPushButton::clicked, this, &TFormCadDup::deleteEntry);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->codeEdit, &QLineEdit::returnPressed, ui->dateEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, [this] {
        if (!TrimText(ui->codeEdit->text()).isEmpty() && (!m_customer || ui->codeEdit->text().trimmed()
                                                                             != QString::number(m_customer->code)))
            showAccount();
    });
    connect(ui->codeEdit, &QLineEdit::textEdited, this, [this] { ui->nameLabel->setText(QStringLiteral("Cliente")); });
    connect(ui->saleEdit, &QLineEdit::returnPressed, ui->historyEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->historyEdit, &QLineEdit::returnPressed, ui->kindCombo, qOverload<>(&QWidget::setFocus));
    // the date picker and "D/C" have no Enter of their own: it moves on as in the fields
    auto* events = new FieldEvents(this);
    events->chain({ui->dateEdit, ui->saleEdit});
    events->chain({ui->kindCombo, ui->releaseEdit});
    connect(ui->releaseEdit, &QLineEdit::returnPressed, ui->amountEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->amountEdit, &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    connect(ui->accountGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { pickLine(row); });

    ui->statementButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui->dateEdit->setDate(QDate::currentDate());
    ui->kindCombo->setCurrentText(QStringLiteral("C"));
    ui->releaseEdit->setText(QStringLiteral("N"));
    gridrows::show(*ui->accountGrid, kTitles, {});
    try {
        m_cashOpen = m_account.openCash() != 0;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->cashLabel->setText(m_cashOpen ? accountmsg::cashOpen : accountmsg::cashClosed);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->confirmButton, ui->codeEdit, ui->historyEdit,
                                                      ui->amountEdit, ui->dateEdit})
        w->setEnabled(m_cashOpen);
}

TFormCadDup::~TFormCadDup() = default;

QString TFormCadDup::cashLabel() const { return ui->cashLabel->text(); }
QString TFormCadDup::customerName() const { return ui->nameLabel->text(); }
int TFormCadDup::lineCount() const { return ui->accountGrid->rowCount(); }
void TFormCadDup::setCode(const QString& text) { ui->codeEdit->setText(text); }
void TFormCadDup::setSale(const QString& text) { ui->saleEdit->setText(text); }
void TFormCadDup::setHistory(const QString& text) { ui->historyEdit->setText(text); }
void TFormCadDup::setKind(const QString& dc) { ui->kindCombo->setCurrentText(dc); }
void TFormCadDup::setRelease(const QString& lv) { ui->releaseEdit->setText(lv); }
void TFormCadDup::setAmount(const QString& text) { ui->amountEdit->setText(text); }
void TFormCadDup::setDate(const QDate& date) { ui->dateEdit->setDate(date); }
QString TFormCadDup::sale() const { return ui->saleEdit->text(); }
QString TFormCadDup::history() const { return ui->historyEdit->text(); }
QString TFormCadDup::amount() const { return ui->amountEdit->text(); }
void TFormCadDup::selectLine(int row) { ui->accountGrid->selectRow(row); }

QStringList TFormCadDup::lineCells(int row) const
{
    QStringList cells;
    for (int c = 0; c < ui->accountGrid->columnCount(); ++c) {
        const QTableWidgetItem* item = ui->accountGrid->item(row, c);
        cells << (item ? item->text() : QString());
    }
    return cells;
}

void TFormCadDup::showAccount()
{
    try {
        m_customer = m_account.customer(ui->codeEdit->text());
        if (!m_customer) {
            m_lines.clear();
            gridrows::show(*ui->accountGrid, kTitles, {});
            ShowMessageWindow(accountmsg::title, accountmsg::customerNotFound);
            ui->codeEdit->setFocus();
            return;
        }
        ui->nameLabel->setText(m_customer->name);
        m_lines = m_account.lines(*m_customer);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    std::vector<QStringList> rows;
    for (const AccountLine& l : m_lines)
        rows.push_back({QString::number(l.entry), l.title, dateText(l.date), l.history, dateText(l.due),
                        amountText(l.debit), amountText(l.credit), amountText(l.balance)});
    gridrows::show(*ui->accountGrid, kTitles, rows, {0, 5, 6, 7});
    ui->accountGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->accountGrid->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    if (!rows.empty())
        ui->accountGrid->selectRow(int(rows.size()) - 1);
}

void TFormCadDup::search()
{
    try {
        if (m_account.openCash() == 0) {
            ShowMessageWindow(accountmsg::title, accountmsg::cashMustBeOpen);
            return;
        }
        const QString code = chooseCustomer(m_logon);
        if (code.isEmpty())
            return;
        ui->codeEdit->setText(code);
        if (const std::optional<AccountCustomer> c = m_account.customer(code))
            ui->historyEdit->setText(c->name);
        showAccount();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->codeEdit->setFocus();
}

void TFormCadDup::pickLine(int row)
{
    if (row < 0 || row >= int(m_lines.size()))
        return;
    ui->saleEdit->setText(TrimText(m_lines[size_t(row)].saleNumber));
    ui->historyEdit->setFocus();
}

void TFormCadDup::confirm()
{
    if (!ui->confirmButton->isEnabled())
        return;
    AccountEntry e;
    e.code = ui->codeEdit->text();
    e.sale = ui->saleEdit->text();
    e.history = ui->historyEdit->text();
    e.kind = ui->kindCombo->currentText();
    e.releaseService = ui->releaseEdit->text();
    e.amount = ui->amountEdit->text();
    e.date = ui->dateEdit->date();
    try {
        const AccountEntryResult r = m_account.record(e);
        ui->saleEdit->setText(r.sale);
        showAccount();
        if (r.payment && ShowMessageWindow(accountmsg::title, accountmsg::receiptQuestion, QStringLiteral("2"))
                             == QLatin1String("S"))
            CustomerAccount::printReceipt(CustomerAccount::receipt(r, QDateTime::currentDateTime()));
    } catch (const AccountRefused& refused) {
        ShowMessageWindow(accountmsg::title, refused.message());
        return;
    } catch (const DbError& error) {
        dialogs().errorBox(error.message());
        return;
    } catch (const std::exception& error) {
        dialogs().errorBox(QString::fromUtf8(error.what()));
    }
    ui->historyEdit->clear();
    ui->amountEdit->clear();
    ui->dateEdit->setFocus();
}

void TFormCadDup::deleteEntry()
{
    ctx::Operator& op = ctx::op();
    op.AuthoriserIsMaster = QStringLiteral("N");
    op.CurrentRights = 0;
    askSupervisor(m_logon);
    if (op.AuthoriserIsMaster != QLatin1String("S") && op.AuthoriserIsMaster != QLatin1String("C"))
        return;
    const int row = ui->accountGrid->currentRow();
    const QString entry = row >= 0 && row < int(m_lines.size()) ? QString::number(m_lines[size_t(row)].entry)
                                                                : QStringLiteral("0");
    if (m_customer) {
        TFormExcLan dialog(m_logon, this);
        dialog.setEntry(*m_customer, entry);
        dialogs().exec(dialog);
    }
    showAccount();
}

void TFormCadDup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F7) {
        confirm();
        return;
    }
    if (event->key() == Qt::Key_F8) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
