#include "finance/UnitValeFic.h"

#include "cash/RollText.h"
#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "finance/StaffPicker.h"
#include "finance/StaffVouchers.h"
#include "printing/RoutePrintout.h"
#include "registers/RegisterCommon.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_UnitValeFic.h"

TFormValeFic::TFormValeFic(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormValeFic)
    , m_logon(logon)
{
    ui->setupUi(this);
    m_staff = new StaffPicker(logon, ui->staffCombo, ui->balanceLabel);
    setStart(QDate::currentDate().addDays(-30));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormValeFic::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter moves on to the button that runs the report
    (new FieldEvents(this))->chain({ui->staffCombo, ui->startDate, ui->printButton});
}

TFormValeFic::~TFormValeFic() = default;

void TFormValeFic::chooseEmployee(qint64 code) { m_staff->choose(code); }
QString TFormValeFic::balanceText() const { return ui->balanceLabel->text(); }
void TFormValeFic::setStart(const QDate& date) { ui->startDate->setDate(date); }
QDate TFormValeFic::start() const { return ui->startDate->date(); }
void TFormValeFic::choosePageReport(bool a4) { (a4 ? ui->pageRadio : ui->rollRadio)->setChecked(true); }

void TFormValeFic::print()
{
    const qint64 code = m_staff->chosenCode();
    if (code == 0)
        return;   // no employee chosen
    const QDate start = ui->startDate->date();
    const QString name = m_staff->chosenName();
    registers::attempt([&] {
        const VoucherStatement s = StaffVouchers(m_logon).statement(code, start);
        if (ui->pageRadio->isChecked()) {
            report::preview(StaffVouchers::statementPage(ctx::company().CompanyName,
                                                         QString::number(code) + QStringLiteral(" - ") + name,
                                                         s.opening, QDateTime::currentDateTime()),
                            StaffVouchers::statementRows(s));
        } else {
            RouteOptions preview;
            preview.alwaysPreview = true;
            RoutePrintout(StaffVouchers::statementRoll(ctx::company().CompanyName, name, start, QDate::currentDate(), s,
                                                       roll::cupomFontSize()),
                          PrinterSlot::Closing, preview);
        }
    });
}
