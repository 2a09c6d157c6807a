#include "finance/UnitImp.h"

#include "core/FieldEvents.h"
#include "core/uMensagemWindow.h"
#include "finance/AccountBook.h"
#include "finance/AccountBookReports.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_UnitImp.h"

TFormImp::TFormImp(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormImp)
    , m_logon(logon)
{
    ui->setupUi(this);
    const QDate today = QDate::currentDate();
    setPeriod(QDate(today.year(), today.month(), 1), today);
    registers::attempt([&] {
        for (const BookAccount& a : AccountBook(logon).accounts())
            ui->accountCombo->addItem(AccountBook::accountText(a));
    });
    ui->accountCombo->setCurrentIndex(ui->accountCombo->count() > 0 ? 0 : -1);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormImp::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter moves on to the button that runs the report
    (new FieldEvents(this))->chain({ui->accountCombo, ui->startDate, ui->endDate, ui->printButton});
}

TFormImp::~TFormImp() = default;

QStringList TFormImp::accountItems() const
{
    QStringList items;
    for (int i = 0; i < ui->accountCombo->count(); ++i)
        items << ui->accountCombo->itemText(i);
    return items;
}

void TFormImp::setAccountText(const QString& text) { ui->accountCombo->setCurrentText(text); }

void TFormImp::setPeriod(const QDate& start, const QDate& end)
{
    ui->startDate->setDate(start);
    ui->endDate->setDate(end);
}

void TFormImp::print()
{
    const QString accountText = ui->accountCombo->currentText();
    const std::optional<qint64> account = AccountBook::accountNumberOf(accountText);
    if (!account) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), AccountBookText::kNoAccount, QStringLiteral("1"));
        return;
    }
    const QDate start = ui->startDate->date(), end = ui->endDate->date();
    bool shown = false;
    ui->printButton->setEnabled(false);
    registers::attempt([&] {
        const AccountStatement s = AccountBookReports(m_logon).statement(*account, start, end);
        const report::Definition def = AccountBookReports::statementReport(
            CompanyBlock::read(m_logon), QStringLiteral("CONTA : ") + accountText,
            AccountBookReports::statementPeriod(start, end), s, QDateTime::currentDateTime());
        report::preview(def, s.rows);
        shown = true;
    });
    ui->printButton->setEnabled(true);
    if (shown)
        accept();
}
