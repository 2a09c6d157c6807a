#include "reports/ReportDialogs.h"

#include "reports/ReportWindow.h"

#include <QAbstractButton>
#include <QDate>
#include <QLineEdit>

ShiftListingDialog::ShiftListingDialog(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , m_logon(logon)
{
}

void ShiftListingDialog::wire(const Fields& fields)
{
    m_fields = fields;
    reportwindow::shiftRange(m_logon, fields.first, fields.pickFirst, fields.last, fields.pickLast, fields.print);
    reportwindow::printHint(fields.print);
    connect(fields.print, &QAbstractButton::clicked, this, &ShiftListingDialog::print);
    connect(fields.back, &QAbstractButton::clicked, this, &QDialog::reject);
}

void ShiftListingDialog::setRange(const QString& first, const QString& last)
{
    m_fields.first->setText(first);
    m_fields.last->setText(last);
}

QString ShiftListingDialog::firstShift() const { return m_fields.first->text(); }
QString ShiftListingDialog::lastShift() const { return m_fields.last->text(); }
void ShiftListingDialog::choosePageReport(bool a4) { (a4 ? m_fields.page : m_fields.roll)->setChecked(true); }

void ShiftListingDialog::print()
{
    m_fields.print->setEnabled(false);
    const bool done = reportwindow::run([&] { report(firstShift(), lastShift(), m_fields.page->isChecked()); });
    m_fields.print->setEnabled(true);
    if (done)
        accept();
}

PeriodReportDialog::PeriodReportDialog(TLogon& logon, QWidget* parent, bool closesAfter)
    : QDialog(parent)
    , m_logon(logon)
    , m_closesAfter(closesAfter)
{
}

void PeriodReportDialog::wire(const Fields& fields)
{
    m_fields = fields;
    reportwindow::period(fields.first, fields.last, QDate::currentDate(), fields.print);
    reportwindow::printHint(fields.print);
    const QString hint = QStringLiteral("Informar o periodo em que o sistema deva\nGerar o balancete, pode ser de "
                                        "qualquer\nperiodo");
    fields.first->setToolTip(hint);
    fields.last->setToolTip(hint);
    connect(fields.print, &QAbstractButton::clicked, this, &PeriodReportDialog::print);
    connect(fields.back, &QAbstractButton::clicked, this, &QDialog::reject);
}

void PeriodReportDialog::setPeriod(const QString& first, const QString& last)
{
    m_fields.first->setText(first);
    m_fields.last->setText(last);
}

QString PeriodReportDialog::firstDay() const { return m_fields.first->text(); }
QString PeriodReportDialog::lastDay() const { return m_fields.last->text(); }

void PeriodReportDialog::print()
{
    m_fields.print->setEnabled(false);
    const bool done = reportwindow::run([&] { report(firstDay(), lastDay()); });
    m_fields.print->setEnabled(true);
    if (done && m_closesAfter)
        accept();
}
