#include "reports/UnitVisaoRelatorio.h"

#include "reports/ReportRenderer.h"
#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "ui_UnitVisaoRelatorio.h"

#include <QApplication>
#include <QPixmap>
#include <QEvent>
#include <QScrollBar>

#include <stdexcept>

namespace {

namespace msg {
const QString kExportCaption = QStringLiteral("Exportar relatório");
QString pageOf(int page, int pages)
{
    return QStringLiteral("Página %1 de %2").arg(page).arg(pages);
}
const QString kPageWidth = QStringLiteral("Largura da página");
const QString kWholePage = QStringLiteral("Página inteira");
} // namespace msg

constexpr double kScreenDotsPerMm = 96 / 25.4;   // 100 %
constexpr int kPercents[] = {50, 75, 100, 150, 200};
constexpr report::Format kFormats[] = {report::Format::Pdf, report::Format::Spreadsheet,
                                       report::Format::RichText, report::Format::Text};

} // namespace

namespace report {

void preview(const Definition& def, const RowSet& rows)
{
    const Layout layout(def, rows);
    TFormVisaoRelatorio window(layout, QApplication::activeWindow());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    dialogs().exec(window);
}

} // namespace report

TFormVisaoRelatorio::TFormVisaoRelatorio(const report::Layout& layout, QWidget* parent)
    : TFormVisaoRelatorio(layout, printers::installed(), parent)
{
}

TFormVisaoRelatorio::TFormVisaoRelatorio(const report::Layout& layout, const QStringList& installedPrinters,
                                         QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVisaoRelatorio)
    , m_layout(layout)
{
    ui->setupUi(this);
    if (!layout.definition().title.isEmpty())
        setWindowTitle(layout.definition().title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    ui->zoomCombo->addItem(msg::kPageWidth);
    ui->zoomCombo->addItem(msg::kWholePage);
    for (int p : kPercents)
        ui->zoomCombo->addItem(QStringLiteral("%1%").arg(p));
    for (report::Format f : kFormats)
        ui->formatCombo->addItem(report::formatCaption(f), int(f));
    ui->printerCombo->addItems(installedPrinters);
    const QString fallback = installedPrinters.isEmpty() ? QString() : printers::defaultPrinter();
    choosePrinter(fallback);

    connect(ui->firstPageButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::firstPage);
    connect(ui->previousPageButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::previousPage);
    connect(ui->nextPageButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::nextPage);
    connect(ui->lastPageButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::lastPage);
    connect(ui->printButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::print);
    connect(ui->exportButton, &QPushButton::clicked, this, &TFormVisaoRelatorio::exportReport);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->zoomCombo, &QComboBox::activated, this, &TFormVisaoRelatorio::zoomChosen);

    ui->pageArea->viewport()->installEventFilter(this);
    showPage(0);
}

TFormVisaoRelatorio::~TFormVisaoRelatorio() = default;

QString TFormVisaoRelatorio::pageCaption() const
{
    return msg::pageOf(m_page + 1, pageCount());
}

void TFormVisaoRelatorio::choosePrinter(const QString& name)
{
    const int at = ui->printerCombo->findText(name, Qt::MatchFixedString);
    if (at >= 0)
        ui->printerCombo->setCurrentIndex(at);
}

void TFormVisaoRelatorio::chooseFormat(report::Format format)
{
    ui->formatCombo->setCurrentIndex(ui->formatCombo->findData(int(format)));
}

void TFormVisaoRelatorio::setZoom(Zoom zoom, int percent)
{
    m_zoom = zoom;
    m_percent = percent;
    if (zoom == Zoom::PageWidth)
        ui->zoomCombo->setCurrentIndex(0);
    else if (zoom == Zoom::WholePage)
        ui->zoomCombo->setCurrentIndex(1);
    else
        ui->zoomCombo->setCurrentText(QStringLiteral("%1%").arg(percent));
    redraw();
}

void TFormVisaoRelatorio::zoomChosen(int index)
{
    if (index == 0)
        setZoom(Zoom::PageWidth);
    else if (index == 1)
        setZoom(Zoom::WholePage);
    else
        setZoom(Zoom::Percent, kPercents[index - 2]);
}

void TFormVisaoRelatorio::showPage(int page)
{
    if (pageCount() == 0)
        return;
    m_page = std::clamp(page, 0, pageCount() - 1);
    ui->pageLabel->setText(pageCaption());
    ui->firstPageButton->setEnabled(m_page > 0);
    ui->previousPageButton->setEnabled(m_page > 0);
    ui->nextPageButton->setEnabled(m_page + 1 < pageCount());
    ui->lastPageButton->setEnabled(m_page + 1 < pageCount());
    redraw();
}

void TFormVisaoRelatorio::redraw()
{
    if (pageCount() == 0)
        return;
    const QSizeF paper = m_layout.definition().pageLayout().fullRect(QPageLayout::Millimeter).size();
    const QSize room = ui->pageArea->viewport()->size() - QSize(24, 24);
    const double scale = devicePixelRatioF();
    switch (m_zoom) {
    case Zoom::PageWidth:
        m_dotsPerMm = std::max(1.0, room.width() / paper.width());
        break;
    case Zoom::WholePage:
        m_dotsPerMm = std::max(1.0, std::min(room.width() / paper.width(), room.height() / paper.height()));
        break;
    case Zoom::Percent:
        m_dotsPerMm = kScreenDotsPerMm * m_percent / 100.0;
        break;
    }
    m_image = report::pageImage(m_layout, m_page, m_dotsPerMm * scale);
    m_image.setDevicePixelRatio(scale);
    ui->pageView->setPixmap(QPixmap::fromImage(m_image));
}

bool TFormVisaoRelatorio::eventFilter(QObject* watched, QEvent* event)
{
    // The page follows the width (or the whole size) of the area that shows it.
    if (watched == ui->pageArea->viewport() && event->type() == QEvent::Resize && m_zoom != Zoom::Percent)
        redraw();
    return QDialog::eventFilter(watched, event);
}

void TFormVisaoRelatorio::print()
{
    try {
        report::printOn(m_layout, ui->printerCombo->currentText());
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

void TFormVisaoRelatorio::exportReport()
{
    const auto format = report::Format(ui->formatCombo->currentData().toInt());
    const QString chosen = dialogs().saveFileName(msg::kExportCaption, report::formatFilter(format));
    if (chosen.isEmpty())
        return;
    try {
        report::exportTo(m_layout, format, chosen);
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}
