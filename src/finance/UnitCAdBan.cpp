#include "finance/UnitCAdBan.h"

#include "core/uMensagemWindow.h"
#include "registers/RegisterCommon.h"
#include "ui_UnitCAdBan.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace T = AccountBookText;

TFormCadBan::TFormCadBan(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormCadBan)
    , m_book(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setMaxLength(5);
    ui->nameEdit->setMaxLength(AccountBook::kNameLength);
    registers::upperCaseField(ui->codeEdit);
    registers::upperCaseField(ui->nameEdit);
    ui->accountList->setColumns({{QStringLiteral("CONTA"), QStringLiteral("CONTA"), {}},
                                 {QStringLiteral("NOME"), QStringLiteral("NOME"), {}}});
    ui->accountList->setColumnWidth(0, 120);
    ui->nameEdit->installEventFilter(this);
    ui->accountList->installEventFilter(this);

    connect(ui->newButton, &QPushButton::clicked, this, &TFormCadBan::newAccount);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCadBan::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCadBan::remove);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->nameEdit, &QLineEdit::textEdited, this, &TFormCadBan::nameTyped);
    connect(ui->accountList, &PickList::rowChanged, this, &TFormCadBan::rowMoved);
    connect(ui->accountList, &PickList::chosen, this, [this] {
        rowMoved();
        accept();
    });
    reload();
}

TFormCadBan::~TFormCadBan() = default;

QLineEdit* TFormCadBan::codeField() const { return ui->codeEdit; }
QLineEdit* TFormCadBan::nameField() const { return ui->nameEdit; }
int TFormCadBan::listedCount() const { return int(m_rows.size()); }
QString TFormCadBan::chosenAccount() const { return ui->codeEdit->text(); }
void TFormCadBan::chooseRow(int row) { ui->accountList->setCurrentRowIndex(row); }

bool TFormCadBan::hasPendingChanges() const
{
    for (const Row& r : m_rows)
        if (r.changed)
            return true;
    return false;
}

// The accounts as written, with the changes not confirmed yet laid over them.
void TFormCadBan::reload()
{
    std::vector<Row> pending;
    for (const Row& r : m_rows)
        if (r.changed)
            pending.push_back(r);
    std::vector<BookAccount> accounts;
    registers::attempt([&] { accounts = m_book.accounts(); });
    m_rows.clear();
    for (const BookAccount& a : accounts) {
        Row row{a.id, a.number, a.name, false};
        for (const Row& p : pending)
            if (p.id == a.id)
                row = p;
        m_rows.push_back(row);
    }
    for (const Row& p : pending)
        if (p.id == 0)
            m_rows.push_back(p);
    showRows(m_rows.empty() ? -1 : 0);
}

void TFormCadBan::showRows(int current)
{
    std::vector<QVariantList> rows;
    for (const Row& r : m_rows)
        rows.push_back({r.number, r.name});
    {
        QScopedValueRollback<bool> filling(m_filling, true);
        ui->accountList->setRows(RowSet({QStringLiteral("CONTA"), QStringLiteral("NOME")}, std::move(rows)));
        if (current >= 0)
            ui->accountList->setCurrentRowIndex(current);
    }
    rowMoved();
}

void TFormCadBan::rowMoved()
{
    if (m_filling)
        return;
    const int row = ui->accountList->currentRowIndex();
    if (row < 0) {
        ui->codeEdit->clear();
        ui->nameEdit->clear();
        return;
    }
    ui->codeEdit->setText(QString::number(m_rows[size_t(row)].number));
    ui->nameEdit->setText(m_rows[size_t(row)].name);
}

// "Nome" edits the current row.
void TFormCadBan::nameTyped(const QString& text)
{
    const int row = ui->accountList->currentRowIndex();
    if (row < 0)
        return;
    Row& r = m_rows[size_t(row)];
    r.name = text.toUpper();
    r.changed = true;
    const int at = ui->nameEdit->cursorPosition();
    showRows(row);
    ui->nameEdit->setCursorPosition(at);
}

bool TFormCadBan::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ui->nameEdit && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            ui->confirmButton->setFocus();
            return true;
        }
    } else if (watched == ui->accountList && event->type() == QEvent::FocusOut) {
        rowMoved();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormCadBan::newAccount()
{
    qint64 number = 1;
    registers::attempt([&] { number = m_book.nextAccountNumber(); });
    for (const Row& r : m_rows)
        number = std::max(number, r.number + 1);
    m_rows.push_back(Row{0, number, QString(), true});
    ui->codeEdit->setReadOnly(false);
    showRows(int(m_rows.size()) - 1);
    ui->nameEdit->setFocus();
}

bool TFormCadBan::confirm()
{
    std::vector<AccountChange> changes;
    for (const Row& r : m_rows)
        if (r.changed)
            changes.push_back(AccountChange{r.id, r.number, r.name});
    if (changes.empty())
        return true;
    const int current = ui->accountList->currentRowIndex();
    const qint64 currentNumber = current >= 0 ? m_rows[size_t(current)].number : 0;
    std::vector<qint64> numbers;
    // A refused write keeps the changes in the window and says why.
    if (!registers::attempt([&] { numbers = m_book.saveAccounts(changes); }))
        return false;
    for (Row& r : m_rows)
        r.changed = false;
    qint64 keep = currentNumber;
    for (size_t i = 0; i < changes.size(); ++i)
        if (changes[i].id == 0 && changes[i].number == currentNumber)
            keep = numbers[i];
    reload();
    for (int i = 0; i < int(m_rows.size()); ++i)
        if (m_rows[size_t(i)].number == keep)
            showRows(i);
    return true;
}

void TFormCadBan::remove()
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kDeleteAsk, QStringLiteral("2"), QStringLiteral("1"))
        != QLatin1String("S"))
        return;
    const int row = ui->accountList->currentRowIndex();
    if (row < 0)
        return;
    if (m_rows[size_t(row)].id == 0)
        m_rows.erase(m_rows.begin() + row);   // never written: only dropped
    else
        registers::attempt([&] { m_book.deleteAccount(m_rows[size_t(row)].id); });
    reload();
}
