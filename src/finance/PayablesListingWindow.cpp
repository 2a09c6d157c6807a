#include "finance/PayablesListingWindow.h"
#include "core/WholeNumber.h"

#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "finance/PayablesSupplierSearch.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "reports/ReportRenderer.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_PayablesListingWindow.h"

#include <QFocusEvent>
#include <QKeyEvent>

PayablesListingWindow::PayablesListingWindow(TLogon& logon, PayablesListingKind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::PayablesListingWindow)
    , m_logon(logon)
    , m_kind(kind)
{
    ui->setupUi(this);
    const PayablesListingTexts& t = payablesListingTexts(kind);
    setObjectName(QString::fromLatin1(t.className));
    setWindowTitle(QString::fromUtf8(t.caption));
    ui->band->setText(QString::fromUtf8(t.heading));
    ui->listingLabel->setText(QString::fromUtf8(t.label));
    if (t.supplierCaption)
        ui->supplierLabel->setText(QString::fromUtf8(t.supplierCaption));
    else {
        ui->supplierLabel->hide();
        ui->supplierEdit->hide();
    }
    ui->supplierSearchButton->setVisible(kind == PayablesListingKind::BySupplier);
    ui->supplierSearchButton->setFocusPolicy(Qt::NoFocus);
    ui->statusGroup->setVisible(t.hasStatus);
    const QDate today = QDate::currentDate();
    setPeriod(QDate(today.year(), today.month(), 1), today);
    ui->supplierEdit->installEventFilter(this);
    // Enter goes from the period's dates to "&Imprimir", which Enter presses
    (new FieldEvents(this))->chain({ui->startDate, ui->endDate, ui->printButton});

    connect(ui->printButton, &QPushButton::clicked, this, &PayablesListingWindow::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->supplierSearchButton, &QPushButton::clicked, this, &PayablesListingWindow::searchSupplier);
}

PayablesListingWindow::~PayablesListingWindow() = default;

void PayablesListingWindow::setSupplierText(const QString& text) { ui->supplierEdit->setText(text); }
QString PayablesListingWindow::supplierText() const { return ui->supplierEdit->text(); }
bool PayablesListingWindow::printEnabled() const { return ui->printButton->isEnabled(); }

void PayablesListingWindow::setPeriod(const QDate& start, const QDate& end)
{
    ui->startDate->setDate(start);
    ui->endDate->setDate(end);
}

void PayablesListingWindow::chooseStatus(TitleStatus status)
{
    (status == TitleStatus::Open ? ui->openRadio : status == TitleStatus::Paid ? ui->paidRadio : ui->allRadio)
        ->setChecked(true);
}

void PayablesListingWindow::choosePrinter(bool atOnce)
{
    (atOnce ? ui->printerRadio : ui->previewRadio)->setChecked(true);
}

bool PayablesListingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->supplierEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->startDate->setFocus();
            return true;
        }
    }
    // The listing by supplier closes when its supplier field is left without a code.
    if (watched == ui->supplierEdit && event->type() == QEvent::FocusOut && m_kind == PayablesListingKind::BySupplier) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool left = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                          || reason == Qt::MouseFocusReason;
        if (left && !readInt(ui->supplierEdit->text()))
            reject();
    }
    return QDialog::eventFilter(watched, event);
}

void PayablesListingWindow::searchSupplier()
{
    ui->supplierEdit->setText(payables::chooseSupplierCode(m_logon));
    ui->supplierEdit->setFocus();
}

void PayablesListingWindow::print()
{
    const PayablesListingTexts& t = payablesListingTexts(m_kind);
    PayablesListingRequest request;
    request.kind = m_kind;
    request.start = ui->startDate->date();
    request.end = ui->endDate->date();
    request.status = ui->openRadio->isChecked() ? TitleStatus::Open
                   : ui->paidRadio->isChecked() ? TitleStatus::Paid
                                                : TitleStatus::All;
    if (t.supplierCaption) {
        const std::optional<int> supplier = readInt(ui->supplierEdit->text());
        if (!supplier) {
            dialogs().errorBox(QStringLiteral("'%1' não é um código de fornecedor.").arg(ui->supplierEdit->text()));
            ui->supplierEdit->setText(QStringLiteral("0"));
            return;
        }
        request.supplier = *supplier;
    }

    ui->printButton->setEnabled(false);
    ui->progressBar->setValue(0);
    bool shown = false;
    try {
        const RowSet titles = PayablesListing(m_logon).titles(request);
        ui->progressBar->setValue(100);
        const report::Definition def = PayablesListing::report(
            m_kind, PayablesListing::periodCaption(request.start, request.end), ctx::company().CompanyName);
        if (ui->previewRadio->isChecked())
            report::preview(def, titles);
        else
            report::printOn(report::Layout(def, titles), CurrentPrinterName());
        shown = true;
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    ui->printButton->setEnabled(true);
    if (shown && !t.staysOpen)
        accept();
}
