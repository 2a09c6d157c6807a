#include "salesreports/UnitRelBaixa.h"
#include "ui_UnitRelBaixa.h"

#include "core/Globals.h"
#include "salesreports/CustomerReports.h"
#include "reports/ReportWindow.h"
#include "salesreports/UnitRelRBaiQui.h"

TFormRelBaixa::TFormRelBaixa(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelBaixa>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelBaixa"));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelBaixa::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRelBaixa::~TFormRelBaixa() = default;

void TFormRelBaixa::setPreview(bool preview) { (preview ? ui->previewRadio : ui->printerRadio)->setChecked(true); }

void TFormRelBaixa::print()
{
    ui->printButton->setEnabled(false);
    const bool done = reportwindow::run([&] {
        const RowSet rows = CustomerReports(m_logon).debts();
        TFormRelRBaiQui(ctx::company().CompanyName).show(rows, ui->previewRadio->isChecked());
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
