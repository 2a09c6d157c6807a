#include "stock/StockReportWindow.h"

#include "core/FieldEvents.h"
#include "registers/ReportChoices.h"
#include "reports/PageHeader.h"
#include "stock/StockFields.h"
#include "stock/StockReports.h"
#include "ui_StockReportWindow.h"


namespace T = stockreports::text;

namespace {

const QString kDay = QStringLiteral("day");
const QString kFirst = QStringLiteral("first");
const QString kLast = QStringLiteral("last");

} // namespace

StockReportWindow::StockReportWindow(TLogon& logon, const Parts& parts, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::StockReportWindow)
    , m_logon(logon)
    , m_parts(parts)
{
    ui->setupUi(this);
    setObjectName(parts.className);
    setWindowTitle(parts.caption);
    ui->headingLabel->setText(parts.heading);
    ui->captionLabel->setText(parts.label);
    ui->captionLabel->setVisible(!parts.label.isEmpty());

    const auto part = [](QWidget* row, QLabel* caption, const QString& text) {
        row->setVisible(!text.isEmpty());
        caption->setText(text);
    };
    part(ui->groupRow, ui->groupCaption, parts.groupCaption);
    part(ui->dayRow, ui->dayCaption, parts.dayCaption);
    part(ui->numberRow, ui->numberCaption, parts.numberCaption);
    ui->numberNote->setText(parts.numberNote);
    part(ui->productRow, ui->productCaption, parts.productCaption);
    ui->productNote->setText(parts.productNote);
    part(ui->codeRow, ui->codeCaption, parts.codeCaption);
    part(ui->nameRow, ui->nameCaption, parts.nameCaption);
    ui->periodRow->setVisible(parts.period);
    ui->firstEdit->setToolTip(parts.periodHint);
    ui->lastEdit->setToolTip(parts.periodHint);
    ui->outputGroup->setVisible(parts.output);
    ui->outputGroup->setTitle(parts.outputCaption);
    ui->valuesGroup->setVisible(!parts.costCaption.isEmpty());
    ui->costRadio->setText(parts.costCaption);
    ui->priceRadio->setText(parts.priceCaption);
    ui->selectionGroup->setVisible(!parts.allCaption.isEmpty());
    ui->allRadio->setText(parts.allCaption);
    ui->stockOnlyRadio->setText(parts.stockOnlyCaption);
    ui->layoutGroup->setVisible(!parts.layoutCaption.isEmpty());
    ui->layoutGroup->setTitle(parts.layoutCaption);
    ui->rollRadio->setText(parts.rollCaption);
    ui->pageRadio->setText(parts.pageCaption);
    ui->noteLabel->setText(parts.note);
    ui->noteLabel->setVisible(!parts.note.isEmpty());
    // The waiting line keeps its place, so the window does not change size.
    ui->waitingLabel->setVisible(parts.waiting);
    ui->progressBar->setVisible(parts.progress);
    ui->returnButton->setText(parts.returnCaption);
    ui->printButton->setToolTip(T::printHint);

    if (!parts.groupCaption.isEmpty()) {
        const choices::Style style = parts.groupDigits == 6 ? choices::waiterGroups : choices::stockGroups;
        stock::attempt([&] { ui->groupCombo->addItems(choices::items(choices::groups(logon), style)); });
        ui->groupCombo->setCurrentIndex(0);
    }
    const QDate today = QDate::currentDate();
    ui->dayEdit->setText(stock::dateText(today));
    setPeriod(QDate(today.year(), today.month(), 1), today);

    // Enter moves on through the fields shown, then to "&Imprimir".
    auto* events = new FieldEvents(this);
    QList<QWidget*> order;
    for (QWidget* w : std::initializer_list<QWidget*>{ui->numberEdit, ui->productEdit, ui->codeEdit, ui->dayEdit,
                                                      ui->firstEdit, ui->lastEdit})
        if (!w->parentWidget()->isHidden())
            order << w;
    for (int i = 0; i < order.size(); ++i) {
        QWidget* next = i + 1 < order.size() ? order[i + 1] : static_cast<QWidget*>(ui->printButton);
        events->onEnter(order[i], [next] { next->setFocus(Qt::TabFocusReason); });
    }
    connect(ui->printButton, &QPushButton::clicked, this, &StockReportWindow::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    if (!order.isEmpty())
        order.first()->setFocus();
}

StockReportWindow::~StockReportWindow() = default;

QLineEdit* StockReportWindow::field(const QString& role) const
{
    return findChild<QLineEdit*>(role + QStringLiteral("Edit"));
}

void StockReportWindow::setGroupText(const QString& text) { ui->groupCombo->setEditText(text); }
QString StockReportWindow::groupText() const { return ui->groupCombo->currentText(); }

QStringList StockReportWindow::groupItems() const
{
    QStringList items;
    for (int i = 0; i < ui->groupCombo->count(); ++i)
        items << ui->groupCombo->itemText(i);
    return items;
}

void StockReportWindow::setPeriod(const QDate& first, const QDate& last)
{
    ui->firstEdit->setText(stock::dateText(first));
    ui->lastEdit->setText(stock::dateText(last));
}

void StockReportWindow::chooseOutput(bool atOnce) { (atOnce ? ui->printerRadio : ui->previewRadio)->setChecked(true); }
void StockReportWindow::chooseCost(bool cost) { (cost ? ui->costRadio : ui->priceRadio)->setChecked(true); }
void StockReportWindow::chooseStockOnly(bool only) { (only ? ui->stockOnlyRadio : ui->allRadio)->setChecked(true); }
void StockReportWindow::chooseRoll(bool roll) { (roll ? ui->rollRadio : ui->pageRadio)->setChecked(true); }
bool StockReportWindow::printEnabled() const { return ui->printButton->isEnabled(); }
bool StockReportWindow::waitingShown() const { return !ui->waitingLabel->text().isEmpty(); }

QLineEdit* StockReportWindow::codeEdit() const { return ui->codeEdit; }
QLineEdit* StockReportWindow::nameEdit() const { return ui->nameEdit; }
QPushButton* StockReportWindow::lookupButton() const { return ui->lookupButton; }

bool StockReportWindow::atOnce() const { return m_parts.output && ui->printerRadio->isChecked(); }
bool StockReportWindow::cost() const { return ui->costRadio->isChecked(); }
bool StockReportWindow::stockOnly() const { return ui->stockOnlyRadio->isChecked(); }
bool StockReportWindow::roll() const { return ui->rollRadio->isChecked(); }

int StockReportWindow::group(bool orAll) const
{
    const std::optional<int> code = stockreports::groupOf(groupText(), m_parts.groupDigits);
    if (!code && !orAll)
        throw stock::FieldError(T::badGroup, QString());
    return code.value_or(0);
}

stock::Period StockReportWindow::period() const
{
    const stock::Period p = stock::readPeriod(ui->firstEdit->text(), ui->lastEdit->text(), kFirst, kLast);
    if (p.to < p.from)
        throw stock::FieldError(T::backwards, kLast);
    return p;
}

QDate StockReportWindow::day() const
{
    const std::optional<QDate> d = stock::readDate(ui->dayEdit->text());
    if (!d)
        throw stock::FieldError(T::badDay, kDay);
    return *d;
}

void StockReportWindow::setProgress(int percent)
{
    ui->progressBar->setValue(percent);
}

void StockReportWindow::showReport(const report::Definition& def, const RowSet& rows)
{
    setProgress(100);
    report::previewOrPrint(def, rows, !atOnce());
}

void StockReportWindow::print()
{
    ui->printButton->setEnabled(false);
    setProgress(0);
    if (m_parts.waiting) {
        ui->waitingLabel->setText(T::waiting);
        ui->waitingLabel->repaint();
    }
    const bool done = stock::attempt([this] { makeReport(); }, stock::focusIn(this));
    ui->waitingLabel->clear();
    ui->printButton->setEnabled(true);
    if (done && !m_parts.staysOpen)
        accept();
}
