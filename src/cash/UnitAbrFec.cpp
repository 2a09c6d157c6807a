#include "cash/UnitAbrFec.h"
#include "core/WholeNumber.h"
#include "ui_UnitAbrFec.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>

using namespace cashshift;
using Result = CashShift::Result;

TFormAbrFec::TFormAbrFec(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormAbrFec>()), m_logon(logon), m_shift(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormAbrFec"));
    ui->operatorEdit->setText(ctx::op().OperatorName);
    ui->reopenButton->setText(QStringLiteral("Reabrir Mov. &Caixa\nJa fechado.."));
    ui->dateEdit->setDate(QDate::currentDate());
    connect(ui->newShiftButton, &QPushButton::clicked, this, &TFormAbrFec::prepareOpening);
    connect(ui->confirmOpenButton, &QPushButton::clicked, this, &TFormAbrFec::confirmOpening);
    connect(ui->closeShiftButton, &QPushButton::clicked, this, &TFormAbrFec::closeShift);
    connect(ui->reopenButton, &QPushButton::clicked, this, &TFormAbrFec::prepareReopen);
    connect(ui->confirmReopenButton, &QPushButton::clicked, this, &TFormAbrFec::confirmReopen);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    ui->floatEdit->installEventFilter(this);
    ui->reopenEdit->installEventFilter(this);
    try {
        showState();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormAbrFec::~TFormAbrFec() = default;

QString TFormAbrFec::stateText() const { return ui->stateLabel->text(); }
QString TFormAbrFec::numberText() const { return ui->numberLabel->text(); }

void TFormAbrFec::showState()
{
    const int n = m_shift.openNumber();
    ui->stateLabel->setText(n != 0 ? msg::stateOpen : msg::stateClosed);
    ui->numberLabel->setText(shiftNumberText(n));
}

void TFormAbrFec::prepareOpening()
{
    ui->floatEdit->setEnabled(true);
    ui->dateEdit->setEnabled(true);
    ui->confirmOpenButton->setEnabled(true);
    ui->dateEdit->setDate(QDate::currentDate());
    ui->dateEdit->setFocus();
}

void TFormAbrFec::confirmOpening()
{
    const std::optional<Decimal> amount = parseOpeningFloat(ui->floatEdit->text());
    const QDate date = ui->dateEdit->date();
    if (!amount || !date.isValid()) {
        ShowMessageWindow(msg::title, msg::fillFields, QStringLiteral("1"));
        ui->dateEdit->setFocus();
        return;
    }
    try {
        if (m_shift.openNumber() != 0) {
            ShowMessageWindow(msg::title, msg::alreadyOpen, QStringLiteral("1"));
            return;
        }
        const Result r = m_shift.open(date, *amount, ui->operatorEdit->text(), ctx::op().AccessUserName);
        showState();
        if (r == Result::AlreadyOpen) {
            ShowMessageWindow(msg::title, msg::alreadyOpen, QStringLiteral("1"));
            return;
        }
    } catch (const DbError& e) {
        // one action: nothing was written
        ShowMessageWindow(msg::title, msg::notOpened + QStringLiteral("\r\n") + e.message(), QStringLiteral("1"));
        return;
    }
    ui->floatEdit->setEnabled(false);
    ui->dateEdit->setEnabled(false);
    ui->confirmOpenButton->setEnabled(false);
    ShowMessageWindow(msg::title, msg::opened, QStringLiteral("1"));
    accept();
}

void TFormAbrFec::closeShift()
{
    try {
        const int tabs = m_shift.openTabs();
        if (tabs != 0 && ShowMessageWindow(msg::title, msg::openTabsQuestion(tabs), QStringLiteral("2")) != QLatin1String("S"))
            return;
        const Result r = m_shift.close(ctx::op().AccessUserName);
        showState();
        ShowMessageWindow(msg::title, r == Result::AlreadyClosed ? msg::alreadyClosed : msg::closed, QStringLiteral("1"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormAbrFec::prepareReopen()
{
    ui->reopenEdit->setEnabled(true);
    ui->confirmReopenButton->setEnabled(true);
    ui->reopenEdit->setFocus();
    ui->reopenEdit->selectAll();
}

void TFormAbrFec::confirmReopen()
{
    const std::optional<int> number = readInt(ui->reopenEdit->text());
    ui->reopenEdit->setEnabled(false);
    ui->confirmReopenButton->setEnabled(false);
    try {
        const Result r = m_shift.reopen(number.value_or(0), ctx::op().AccessUserName);
        showState();
        if (r == Result::AlreadyOpen)
            ShowMessageWindow(msg::title, msg::alreadyOpen, QStringLiteral("1"));
        else if (r == Result::NoSuchShift)
            ShowMessageWindow(msg::title, msg::noSuchShift, QStringLiteral("1"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->returnButton->setFocus();
}

bool TFormAbrFec::floatKey(int key, const QString& text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ui->confirmOpenButton->setFocus();
        return true;
    }
    if (!text.isEmpty() && text.at(0).isPrint()) {
        QString typed = text;
        typed.replace(u'.', u',');
        const QString candidate = ui->floatEdit->text() + typed;
        if (!parseOpeningFloat(candidate)) {
            ShowMessageWindow(msg::title, msg::floatEntryError(candidate), QStringLiteral("1"));
            return true;
        }
        if (typed != text) {
            ui->floatEdit->insert(typed);
            return true;
        }
    }
    return false;
}

bool TFormAbrFec::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ui->floatEdit)
            return floatKey(key->key(), key->text());
        if (watched == ui->reopenEdit && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            confirmReopen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
