#pragma once
// "Relatorio de venda por nota" of the delivery desk ("Relação Venda Delivery"):
// the delivery sales of one cash shift with their values, fees and totals, on the
// roll or on A4. Opened by the desk's ribbon button "Relação Venda Delivery".
#include "delivery/DeliveryReports.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormVenDiaDely; }
class QComboBox;

class TFormVenDiaDely : public QDialog {
    Q_OBJECT
public:
    explicit TFormVenDiaDely(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVenDiaDely() override;

    QComboBox* shiftList() const;
    void choosePageReport(bool a4);
    void choosePrinting(bool print);

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormVenDiaDely> ui;
    TLogon& m_logon;
    std::vector<choices::Shift> m_shifts;
};
