#include "exchange/UnitExpExcel.h"
#include "ui_UnitExpExcel.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "printing/UnitVisao.h"

TFormExpExcel::TFormExpExcel(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<::Ui::TFormExpExcel>())
    , m_export(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormExpExcel"));
    connect(ui->productsButton, &QPushButton::clicked, this, &TFormExpExcel::exportProducts);
    connect(ui->suppliersButton, &QPushButton::clicked, this, &TFormExpExcel::exportSuppliers);
    connect(ui->customersButton, &QPushButton::clicked, this, &TFormExpExcel::exportCustomers);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormExpExcel::~TFormExpExcel() = default;

int TFormExpExcel::progress() const { return ui->progressBar->value(); }

void TFormExpExcel::exportProducts() { exportList(CsvExport::List::Products); }
void TFormExpExcel::exportSuppliers() { exportList(CsvExport::List::Suppliers); }
void TFormExpExcel::exportCustomers() { exportList(CsvExport::List::Customers); }

void TFormExpExcel::setProgress(int row, int rows)
{
    const int percent = rows > 0 ? int(qint64(row) * 100 / rows) : 0;
    if (percent == ui->progressBar->value())
        return;
    ui->progressBar->setValue(percent);
    ui->progressBar->repaint();
}

void TFormExpExcel::exportList(CsvExport::List list)
{
    CsvExport::Written written;
    try {
        written = m_export.write(list, [this](int row, int rows) { setProgress(row, rows); });
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());   // the query itself: the bar stays where it was
        return;
    } catch (const std::exception&) {
        ShowMessageWindow(csvtext::attention, csvtext::cannotWrite);
        ui->progressBar->setValue(0);
        return;
    }
    if (ShowMessageWindow(csvtext::attention, csvtext::written(written.path), QStringLiteral("2")) == QLatin1String("S")) {
        TFormVisao preview;
        preview.setLines(written.lines);
        dialogs().exec(preview);
    }
    ui->progressBar->setValue(0);
}
