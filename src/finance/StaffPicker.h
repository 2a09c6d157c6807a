#pragma once
// The employee list of the voucher windows: "Selecione um Funcionario" (empty
// until one is chosen) and the "Saldo Devedor" it shows for the one chosen.
#include "finance/StaffVouchers.h"

#include <QObject>

class QComboBox;
class QLabel;

class StaffPicker : public QObject {
public:
    StaffPicker(TLogon& logon, QComboBox* list, QLabel* balance);

    qint64 chosenCode() const;   // 0 when none is chosen
    QString chosenName() const;
    void choose(qint64 code);
    void showBalance();          // for the employee chosen; empty when none
    void clearBalance();

private:
    TLogon& m_logon;
    QComboBox* m_list;
    QLabel* m_balance;
};
