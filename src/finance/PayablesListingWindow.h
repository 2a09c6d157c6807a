#pragma once
// The window the four payables listings share: a supplier (where the listing has
// one), a period, print at once or preview, open / paid / every title (where the
// listing has it), and "&Imprimir" (PayablesListing).
#include "finance/PayablesListing.h"

#include <QDialog>
#include <memory>

namespace Ui { class PayablesListingWindow; }

class PayablesListingWindow : public QDialog {
    Q_OBJECT
public:
    PayablesListingWindow(TLogon& logon, PayablesListingKind kind, QWidget* parent = nullptr);
    ~PayablesListingWindow() override;

    PayablesListingKind kind() const { return m_kind; }
    void setSupplierText(const QString& text);
    QString supplierText() const;
    void setPeriod(const QDate& start, const QDate& end);
    void chooseStatus(TitleStatus status);
    void choosePrinter(bool atOnce);   // "Impressora" (true) or "Video/Impressora"
    bool printEnabled() const;

public slots:
    void print();            // "&Imprimir"
    void searchSupplier();   // the search button of the listing by supplier

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::PayablesListingWindow> ui;
    TLogon& m_logon;
    PayablesListingKind m_kind;
};
