#pragma once
// The window every stock report shares: its heading, the fields its report asks
// for (a group from the list or typed, a day, a period, an invoice or sale number,
// a product code), its options (print at once or preview, cost or sale values,
// every product or only those with stock, roll or page), a progress bar,
// "&Imprimir" and the return button. Each report window (TFormVenda, TFormEstMin,
// ...) says which of them it shows and what "&Imprimir" does.
//
// A field that cannot be read is said in the message window before anything is
// read; a database error shows the standard error box; a printer that takes no job
// in "Impressora" mode is said, and the window stays open for another try.
#include "reports/PageReport.h"
#include "reports/ReportProgress.h"
#include "stock/StockWindows.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace Ui { class StockReportWindow; }
class QLineEdit;
class QPushButton;
class TLogon;

class StockReportWindow : public QDialog {
    Q_OBJECT
public:
    // What a report window shows; an empty caption leaves that row or option out.
    struct Contents {
        QString className, caption, heading, label;
        QString groupCaption;
        int groupDigits = 4;             // "0000 - Todos" (4) or "000000-Todos" (6)
        QString dayCaption;
        QString numberCaption, numberNote;
        QString productCaption, productNote;
        QString codeCaption, nameCaption;   // one product with its lookup and name
        bool period = false;
        QString periodHint;
        bool output = false;             // "Impressora" / "Video/Impressora"
        QString outputCaption = QStringLiteral("| Opção |");
        QString costCaption, priceCaption;          // "| Usar valores |"
        QString allCaption, stockOnlyCaption;       // "| Tipo de Relatório |"
        QString layoutCaption, rollCaption, pageCaption;
        QString note;
        bool waiting = false;            // "A G U A R D E . . ." while the report is prepared
        bool progress = true;
        report::BarRule bar = report::BarRule::RecordShare;   // how the bar follows the rows
        QString returnCaption = QStringLiteral("&Retorna");
        bool staysOpen = false;          // after the report
    };

    StockReportWindow(TLogon& logon, const Contents& contents, QWidget* parent = nullptr);
    ~StockReportWindow() override;

    // The fields, by role: "day", "first", "last", "number", "product", "code", "name".
    QLineEdit* field(const QString& role) const;
    void setGroupText(const QString& text);
    QString groupText() const;
    QStringList groupItems() const;
    void setPeriod(const QDate& first, const QDate& last);
    void chooseOutput(bool atOnce);
    void chooseCost(bool cost);
    void chooseStockOnly(bool stockOnly);
    void chooseRoll(bool roll);
    bool printEnabled() const;
    bool waitingShown() const;
    // The run of "&Imprimir" under way (nothing else is accepted meanwhile).
    const report::ReportProgress& progress() const { return *m_progress; }

public slots:
    // "&Imprimir"; ignored while a report is prepared. "&Retorna" or the close box
    // meanwhile stops the report, and nothing is shown.
    void print();

protected:
    // What "&Imprimir" does: reads its fields (a refusal throws stock::FieldError),
    // reads the database, and shows the report with showReport() or its roll text.
    virtual void makeReport() = 0;

    TLogon& logon() { return m_logon; }
    // The group asked for: the list's code; a text that is no code is refused
    // (orAll: stands for all groups).
    int group(bool orAll) const;
    stock::Period period() const;   // both days, in order
    QDate day() const;
    bool atOnce() const;
    bool cost() const;
    bool stockOnly() const;
    bool roll() const;
    // Between two long steps of makeReport(): the bar set, the window let answer.
    void setProgress(int percent);
    // The rows walked on the bar, the window answering meanwhile (a close stops the
    // report here).
    void walk(const RowSet& rows);
    // The rows walked on the bar (the window answering meanwhile), then the report in
    // the preview, or printed at once when the window asks for it (a printer that
    // takes no job throws std::runtime_error).
    void showReport(const report::Definition& def, const RowSet& rows);
    // The product's code, its name and the lookup button of the movement card.
    QLineEdit* codeEdit() const;
    QLineEdit* nameEdit() const;
    QPushButton* lookupButton() const;

private:
    std::unique_ptr<::Ui::StockReportWindow> ui;
    TLogon& m_logon;
    Contents m_contents;
    report::ReportProgress* m_progress = nullptr;
};
