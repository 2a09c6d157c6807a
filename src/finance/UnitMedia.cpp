#include "finance/UnitMedia.h"

#include "core/FieldEvents.h"
#include "finance/AccountBookReports.h"
#include "registers/RegisterCommon.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_UnitMedia.h"

TFormMedia::TFormMedia(TLogon& logon, const QString& accountCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormMedia)
    , m_logon(logon)
    , m_accountCaption(accountCaption)
{
    ui->setupUi(this);
    const QDate today = QDate::currentDate();
    setPeriod(QDate(today.year(), today.month(), 1), today);
    connect(ui->generateButton, &QPushButton::clicked, this, &TFormMedia::generate);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter moves on to the button that runs the report
    (new FieldEvents(this))->chain({ui->startDate, ui->endDate, ui->generateButton});
}

TFormMedia::TFormMedia(TLogon& logon, QWidget* parent)
    : TFormMedia(logon, QString(), parent)
{
}

TFormMedia::~TFormMedia() = default;

void TFormMedia::setPeriod(const QDate& start, const QDate& end)
{
    ui->startDate->setDate(start);
    ui->endDate->setDate(end);
}

void TFormMedia::setOnlyWithMovement(bool only) { ui->onlyMovingCheck->setChecked(only); }

void TFormMedia::generate()
{
    const QDate start = ui->startDate->date(), end = ui->endDate->date();
    bool shown = false;
    ui->generateButton->setEnabled(false);
    ui->progressBar->setValue(0);
    registers::attempt([&] {
        const RowSet totals = AccountBookReports(m_logon).totalsPerCode(start, end, ui->onlyMovingCheck->isChecked());
        ui->progressBar->setValue(100);
        report::preview(AccountBookReports::totalsReport(CompanyBlock::read(m_logon).name, m_accountCaption,
                                                         AccountBookReports::totalsPeriod(start, end)),
                        totals);
        shown = true;
    });
    ui->generateButton->setEnabled(true);
    if (shown)
        accept();
}
