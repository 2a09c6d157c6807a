#pragma once
// "Produtos vendidos Garcom": the products sold over a range of cash shifts by one
// waiter (or every one) of one group (or every one), as a 36-column text always
// previewed; the window stays open for another report.
#include "salesreports/WaiterSales.h"
#include "registers/ReportChoices.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormVendGarcom; }
class TLogon;

class TFormVendGarcom : public QDialog {
    Q_OBJECT
public:
    explicit TFormVendGarcom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVendGarcom() override;

    QStringList waiters() const;
    QStringList groups() const;
    QStringList shiftList() const;
    // Index 0 of the waiter and group lists is every one.
    void chooseWaiter(int index);
    void chooseGroup(int index);
    void chooseShifts(int first, int last);

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormVendGarcom> ui;
    TLogon& m_logon;
    std::vector<choices::Coded> m_waiters, m_groups;
    std::vector<choices::Shift> m_shifts;
};
