#include "salesreports/UnitVendGarcom.h"
#include "ui_UnitVendGarcom.h"

#include "core/FieldEvents.h"
#include "reports/ReportFields.h"
#include "reports/ReportWindow.h"
#include "printing/RoutePrintout.h"

namespace {
const choices::Style kList{5, QStringLiteral(" - "), QStringLiteral("Todos")};
}

TFormVendGarcom::TFormVendGarcom(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormVendGarcom>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormVendGarcom"));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormVendGarcom::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter moves on to the button that runs the report
    (new FieldEvents(this))
        ->chain({ui->waiterCombo, ui->groupCombo, ui->firstShiftCombo, ui->lastShiftCombo, ui->printButton});
    reportwindow::run([&] {
        m_waiters = choices::waiters(logon, choices::Order::Name);
        m_groups = choices::groups(logon, choices::Order::Name);
        m_shifts = WaiterSales(logon).shifts();
    });
    ui->waiterCombo->addItems(choices::items(m_waiters, kList));
    ui->groupCombo->addItems(choices::items(m_groups, {4, QStringLiteral(" - "), QStringLiteral("Todos")}));
    for (const choices::Shift& s : m_shifts) {
        const QString text = reportfields::dateText(s.date) + QStringLiteral("  Caixa ") + QString::number(s.cash);
        ui->firstShiftCombo->addItem(text);
        ui->lastShiftCombo->addItem(text);
    }
    // The last shift opened, the first waiter and the first group by name.
    chooseWaiter(m_waiters.empty() ? 0 : 1);
    chooseGroup(m_groups.empty() ? 0 : 1);
}

TFormVendGarcom::~TFormVendGarcom() = default;

QStringList TFormVendGarcom::waiters() const { return reportwindow::items(ui->waiterCombo); }
QStringList TFormVendGarcom::groups() const { return reportwindow::items(ui->groupCombo); }
QStringList TFormVendGarcom::shiftList() const { return reportwindow::items(ui->firstShiftCombo); }
void TFormVendGarcom::chooseWaiter(int index) { ui->waiterCombo->setCurrentIndex(index); }
void TFormVendGarcom::chooseGroup(int index) { ui->groupCombo->setCurrentIndex(index); }

void TFormVendGarcom::chooseShifts(int first, int last)
{
    ui->firstShiftCombo->setCurrentIndex(first);
    ui->lastShiftCombo->setCurrentIndex(last);
}

void TFormVendGarcom::print()
{
    reportwindow::run([&] {
        const int first = ui->firstShiftCombo->currentIndex(), last = ui->lastShiftCombo->currentIndex();
        if (first < 0 || last < 0 || first >= int(m_shifts.size()) || last >= int(m_shifts.size()))
            throw ShiftFieldRefused(reportmsg::fillError);
        ProductsPerWaiter q;
        q.firstShift = m_shifts[size_t(first)].cash;
        q.lastShift = m_shifts[size_t(last)].cash;
        q.firstDate = reportfields::dateText(m_shifts[size_t(first)].date);
        q.lastDate = reportfields::dateText(m_shifts[size_t(last)].date);
        const int w = ui->waiterCombo->currentIndex(), g = ui->groupCombo->currentIndex();
        q.waiterName = kList.all;
        q.groupName = kList.all;
        if (w > 0) {
            q.waiter = int(m_waiters[size_t(w - 1)].code);
            q.waiterName = m_waiters[size_t(w - 1)].name;
        }
        if (g > 0) {
            q.group = int(m_groups[size_t(g - 1)].code);
            q.groupName = m_groups[size_t(g - 1)].name;
        }
        RoutePreviewOnly(WaiterSales(m_logon).productsPerWaiter(q));
    });
}
