#pragma once
// ".: Visualiza Comandas ja fechadas :.": the last 100 closed sales; a row picked
// fills the sale number and date, "&Confirmar" reprints that sale on the
// conference printer's slot and leaves the window open for another.
#include "cash/ClosedBillReprint.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormVisComFec; }
class TLogon;

class TFormVisComFec : public QDialog {
    Q_OBJECT
public:
    explicit TFormVisComFec(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVisComFec() override;

    int rowCount() const;
    QString saleNumber() const;
    QString dateText() const;
    void setSaleNumber(const QString& text);
    void setDateText(const QString& text);

public slots:
    void pickRow(int row);   // copies the row's sale number and date into the fields
    void confirm();          // "&Confirmar"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormVisComFec> ui;
    ClosedBillReprint m_reprint;
    std::vector<ClosedSale> m_sales;
};
