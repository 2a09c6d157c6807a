#pragma once
// The preview of every page report: opened maximised at page width, one page at a
// time, with page navigation, zoom, printing on a station printer and export
// (PDF, spreadsheet, RTF, text). Only the page shown is drawn.

#include "reports/PageReport.h"
#include "reports/ReportExport.h"

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <memory>

namespace Ui { class TFormVisaoRelatorio; }
class QPrinter;

namespace report {
// Lays the report out and shows it in the preview, modally, through the dialog seam.
void preview(const Definition& def, const RowSet& rows);
}

class TFormVisaoRelatorio : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { PageWidth, WholePage, Percent };

    TFormVisaoRelatorio(const report::Layout& layout, QWidget* parent = nullptr);
    TFormVisaoRelatorio(const report::Layout& layout, const QStringList& installedPrinters,
                        QWidget* parent = nullptr);
    ~TFormVisaoRelatorio() override;

    const report::Layout& layout() const { return m_layout; }
    int currentPage() const { return m_page; }   // 0-based
    int pageCount() const { return m_layout.pageCount(); }
    QString pageCaption() const;
    double dotsPerMm() const { return m_dotsPerMm; }
    const QImage& shownPage() const { return m_image; }

    void setZoom(Zoom zoom, int percent = 100);
    void choosePrinter(const QString& name);
    void chooseFormat(report::Format format);

public slots:
    void showPage(int page);
    void firstPage() { showPage(0); }
    void previousPage() { showPage(m_page - 1); }
    void nextPage() { showPage(m_page + 1); }
    void lastPage() { showPage(pageCount() - 1); }
    void print();          // the chosen printer
    void exportReport();   // the chosen format, under a name asked for

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zoomChosen(int index);
    void redraw();

    std::unique_ptr<::Ui::TFormVisaoRelatorio> ui;
    const report::Layout& m_layout;
    int m_page = 0;
    Zoom m_zoom = Zoom::PageWidth;
    int m_percent = 100;
    double m_dotsPerMm = 0;
    QImage m_image;
};
