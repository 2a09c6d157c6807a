#include "exchange/UnitImporta.h"
#include "ui_UnitImporta.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "exchange/ProductImport.h"
#include "platform/Dialogs.h"
#include "platform/StationPaths.h"

TFormImporta::TFormImporta(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<::Ui::TFormImporta>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormImporta"));
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormImporta::confirm);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormImporta::~TFormImporta() = default;

int TFormImporta::progress() const { return ui->progressBar->value(); }

void TFormImporta::confirm()
{
    if (!OutsideErpExport::linkOn()) {
        ShowMessageWindow(importtext::attention, importtext::linkOff);
        reject();
        return;
    }
    if (OutsideErpExport::databaseFile().isEmpty()) {
        ShowMessageWindow(importtext::attention,
                          erpText::noDatabase(station::path(OutsideErpExport::kSlimDatabase),
                                              station::path(OutsideErpExport::kProDatabase)));
        reject();
        return;
    }
    try {
        OutsideErpExport::openDatabase(m_erp);
        const std::vector<ImportedProduct> products = ProductImport::read(m_erp);
        m_erp.close();
        ProductImport::write(m_logon, products, [this](int done, int all) {
            const int percent = all > 0 ? int(qint64(done) * 100 / all) : 0;
            if (percent != ui->progressBar->value()) {
                ui->progressBar->setValue(percent);
                ui->progressBar->repaint();
            }
        });
    } catch (const ImportRefused& e) {
        m_erp.close();
        ui->progressBar->setValue(0);
        ShowMessageWindow(importtext::attention, e.message());
        return;
    } catch (const DbError& e) {
        m_erp.close();
        ui->progressBar->setValue(0);
        dialogs().errorBox(e.message());
        return;
    }
    accept();
}
