#include "stock/StockReportWindow.h"
#include "core/DateReader.h"

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

StockReportWindow::StockReportWindow(TLogon& logon, const Contents& contents, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::StockReportWindow)
    , m_logon(logon)
    , m_contents(contents)
{
    ui->setupUi(this);
    setObjectName(contents.className);
    setWindowTitle(contents.caption);
    ui->headingLabel->setText(contents.heading);
    ui->captionLabel->setText(contents.label);
    ui->captionLabel->setVisible(!contents.label.isEmpty());

    const auto showRow = [](QWidget* row, QLabel* caption, const QString& text) {
        row->setVisible(!text.isEmpty());
        caption->setText(text);
    };
    showRow(ui->groupRow, ui->groupCaption, contents.groupCaption);
    showRow(ui->dayRow, ui->dayCaption, contents.dayCaption);
    showRow(ui->numberRow, ui->numberCaption, contents.numberCaption);
    ui->numberNote->setText(contents.numberNote);
    showRow(ui->productRow, ui->productCaption, contents.productCaption);
    ui->productNote->setText(contents.productNote);
    showRow(ui->codeRow, ui->codeCaption, contents.codeCaption);
    showRow(ui->nameRow, ui->nameCaption, contents.nameCaption);
    ui->periodRow->setVisible(contents.period);
    ui->firstEdit->setToolTip(contents.periodHint);
    ui->lastEdit->setToolTip(contents.periodHint);
    ui->outputGroup->setVisible(contents.output);
    ui->outputGroup->setTitle(contents.outputCaption);
    ui->valuesGroup->setVisible(!contents.costCaption.isEmpty());
    ui->costRadio->setText(contents.costCaption);
    ui->priceRadio->setText(contents.priceCaption);
    ui->selectionGroup->setVisible(!contents.allCaption.isEmpty());
    ui->allRadio->setText(contents.allCaption);
    ui->stockOnlyRadio->setText(contents.stockOnlyCaption);
    ui->layoutGroup->setVisible(!contents.layoutCaption.isEmpty());
    ui->layoutGroup->setTitle(contents.layoutCaption);
    ui->rollRadio->setText(contents.rollCaption);
    ui->pageRadio->setText(contents.pageCaption);
    ui->noteLabel->setText(contents.note);
    ui->noteLabel->setVisible(!contents.note.isEmpty());
    // The waiting line keeps its place, so the window does not change size.
    ui->waitingLabel->setVisible(contents.waiting);
    ui->progressBar->setVisible(contents.progress);
    ui->returnButton->setText(contents.returnCaption);
    ui->printButton->setToolTip(T::printHint);
    m_progress = new report::ReportProgress(this, contents.progress ? ui->progressBar : nullptr,
                                            contents.waiting ? ui->waitingLabel : nullptr, contents.bar);

    if (!contents.groupCaption.isEmpty()) {
        const choices::Style style = contents.groupDigits == 6 ? choices::waiterGroups : choices::stockGroups;
        stock::attempt([&] { ui->groupCombo->addItems(choices::items(choices::groups(logon), style)); });
        ui->groupCombo->setCurrentIndex(0);
    }
    const QDate today = QDate::currentDate();
    ui->dayEdit->setText(stock::dateText(today));
    setPeriod(QDate(today.year(), today.month(), 1), today);

    // Enter moves on from the group list through the fields shown, then to
    // "&Imprimir"; the focus starts on the first field after the group list.
    std::vector<QWidget*> path;
    if (!ui->groupRow->isHidden())
        path.push_back(ui->groupCombo);
    const size_t firstField = path.size();
    for (QWidget* w : {ui->numberEdit, ui->productEdit, ui->codeEdit, ui->dayEdit, ui->firstEdit, ui->lastEdit})
        if (!w->parentWidget()->isHidden())
            path.push_back(w);
    const bool anyField = path.size() > firstField;
    path.push_back(ui->printButton);
    (new FieldEvents(this))->chain(path);
    connect(ui->printButton, &QPushButton::clicked, this, &StockReportWindow::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    if (anyField)
        path[firstField]->setFocus();
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
bool StockReportWindow::waitingShown() const { return m_progress->waitingShown(); }

QLineEdit* StockReportWindow::codeEdit() const { return ui->codeEdit; }
QLineEdit* StockReportWindow::nameEdit() const { return ui->nameEdit; }
QPushButton* StockReportWindow::lookupButton() const { return ui->lookupButton; }

bool StockReportWindow::atOnce() const { return m_contents.output && ui->printerRadio->isChecked(); }
bool StockReportWindow::cost() const { return ui->costRadio->isChecked(); }
bool StockReportWindow::stockOnly() const { return ui->stockOnlyRadio->isChecked(); }
bool StockReportWindow::roll() const { return ui->rollRadio->isChecked(); }

int StockReportWindow::group(bool orAll) const
{
    const std::optional<int> code = stockreports::groupOf(groupText(), m_contents.groupDigits);
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
    const TypedDate d = readDate(ui->dayEdit->text());
    if (!d.isDate())
        throw stock::FieldError(T::badDay, kDay);
    return d.date;
}

void StockReportWindow::setProgress(int percent)
{
    m_progress->step(percent);
}

void StockReportWindow::walk(const RowSet& rows)
{
    for (int i = 0; i < rows.size(); ++i)
        m_progress->row(i + 1, rows.size());
}

void StockReportWindow::showReport(const report::Definition& def, const RowSet& rows)
{
    walk(rows);
    setProgress(100);
    report::previewOrPrint(def, rows, !atOnce());
}

void StockReportWindow::print()
{
    if (m_progress->running())
        return;
    ui->printButton->setEnabled(false);
    const auto outcome = m_progress->run([this] { makeReport(); }, [this](const std::function<void()>& work) {
        return stock::attempt(work, stock::focusIn(this));
    });
    ui->printButton->setEnabled(true);
    if (outcome == report::ReportProgress::Outcome::Done && !m_contents.staysOpen)
        accept();
}

