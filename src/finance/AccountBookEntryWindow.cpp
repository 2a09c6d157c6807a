#include "finance/AccountBookEntryWindow.h"

#include "core/uMensagemWindow.h"
#include "reports/TypedValues.h"
#include "finance/UnitDespesas.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "ui_AccountBookEntryWindow.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace T = AccountBookText;

namespace {
const QString kAttention = QStringLiteral("ATENÇÃO");
}

AccountBookEntryWindow::AccountBookEntryWindow(TLogon& logon, Mode mode, qint64 account,
                                               const std::optional<BookEntry>& entry, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::AccountBookEntryWindow)
    , m_logon(logon)
    , m_book(logon)
    , m_mode(mode)
    , m_account(account)
    , m_entry(entry)
{
    ui->setupUi(this);
    typed::dateField(ui->dateEdit);
    ui->historyEdit->setMaxLength(AccountBook::kHistoryLength);
    ui->kindEdit->setMaxLength(1);
    ui->codeEdit->setMaxLength(9);
    typed::amountField(ui->amountEdit);
    for (QLineEdit* e : {ui->historyEdit, ui->kindEdit, ui->codeEdit, ui->amountEdit})
        registers::upperCaseField(e);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->installEventFilter(this);
    ui->codesButton->setFocusPolicy(Qt::NoFocus);
    connect(ui->confirmButton, &QPushButton::clicked, this, &AccountBookEntryWindow::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->codesButton, &QPushButton::clicked, this, &AccountBookEntryWindow::pickCode);

    switch (mode) {
    case Mode::Insert:
        setWindowTitle(QStringLiteral(".: Incluir Lançamento :."));
        ui->band->setText(QStringLiteral("Incluir Lancamentos"));
        showFields(BookEntryFields{typed::dateText(QDate::currentDate()), QString(), QStringLiteral("D"),
                             QStringLiteral("0"), QStringLiteral("0")});
        break;
    case Mode::Change:
        setWindowTitle(QStringLiteral(".: Alteração de Lançamento :."));
        ui->band->setText(QStringLiteral("Alterar Lancamentos"));
        showFields(AccountBook::fieldsOf(entry));
        break;
    case Mode::Delete:
        setWindowTitle(QStringLiteral(".: Exclusão de Lançamento :."));
        ui->band->setText(QStringLiteral("Excluir Lancamentos"));
        showFields(AccountBook::fieldsOf(entry));
        for (QLineEdit* e : {ui->dateEdit, ui->historyEdit, ui->kindEdit, ui->amountEdit})
            e->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{ui->codeLabel, ui->codeEdit, ui->codesButton})
            w->hide();
        break;
    }
    ui->dateEdit->setFocus();
}

AccountBookEntryWindow::~AccountBookEntryWindow() = default;

QLineEdit* AccountBookEntryWindow::field(const QString& caption) const
{
    const std::pair<const char*, QLineEdit*> fields[] = {{"Data", ui->dateEdit},
                                                          {"Historico", ui->historyEdit},
                                                          {"Tipo (D/C)", ui->kindEdit},
                                                          {"Cod Desp/Cred", ui->codeEdit},
                                                          {"Valor", ui->amountEdit}};
    for (const auto& [name, edit] : fields)
        if (caption == QLatin1String(name))
            return edit;
    return nullptr;
}

BookEntryFields AccountBookEntryWindow::fields() const
{
    return BookEntryFields{ui->dateEdit->text(), ui->historyEdit->text(), ui->kindEdit->text(), ui->codeEdit->text(),
                           ui->amountEdit->text()};
}

void AccountBookEntryWindow::showFields(const BookEntryFields& f)
{
    ui->dateEdit->setText(f.date);
    ui->historyEdit->setText(f.history);
    ui->kindEdit->setText(f.kind);
    ui->codeEdit->setText(f.code);
    ui->amountEdit->setText(f.amount);
}

bool AccountBookEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Data, Historico, Tipo, Cod, Valor, then "&1-Confirmar".
            if (edit == ui->kindEdit)
                kindLeft();
            QWidget* next = edit == ui->dateEdit    ? static_cast<QWidget*>(ui->historyEdit)
                          : edit == ui->historyEdit ? static_cast<QWidget*>(ui->kindEdit)
                          : edit == ui->kindEdit    ? static_cast<QWidget*>(ui->codeEdit)
                          : edit == ui->codeEdit    ? static_cast<QWidget*>(ui->amountEdit)
                                                    : static_cast<QWidget*>(ui->confirmButton);
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (edit == ui->kindEdit && event->type() == QEvent::FocusOut) {
        kindLeft();
    }
    return QDialog::eventFilter(watched, event);
}

void AccountBookEntryWindow::kindLeft()
{
    ui->kindEdit->setText(AccountBook::kindOf(ui->kindEdit->text()));
}

void AccountBookEntryWindow::pickCode()
{
    TFormDespesas codes(m_logon, this);
    dialogs().exec(codes);
    ui->codeEdit->setText(codes.chosenCode());
    ui->codeEdit->setFocus();
}

void AccountBookEntryWindow::confirm()
{
    if (m_mode == Mode::Delete) {
        if (ShowMessageWindow(kAttention, T::kDeleteAsk, QStringLiteral("2"), QStringLiteral("1"))
                == QLatin1String("S")
            && m_entry)
            registers::attempt([&] { m_book.deleteEntry(m_entry->id); });
        accept();
        return;
    }
    const BookEntryFields f = fields();
    try {
        if (m_mode == Mode::Insert)
            m_book.insertEntry(m_account, f);
        else
            m_book.changeEntry(m_entry ? m_entry->id : 0, f);
    } catch (const EntryError& e) {
        ShowMessageWindow(kAttention, e.message(), QStringLiteral("1"));
        return;   // what was typed stays
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
        return;
    }
    if (m_mode == Mode::Change) {
        accept();
        return;
    }
    // The next entry keeps the date and the type.
    ui->historyEdit->clear();
    ui->codeEdit->setText(QStringLiteral("0"));
    ui->amountEdit->setText(QStringLiteral("0"));
    ui->dateEdit->setFocus();
}
