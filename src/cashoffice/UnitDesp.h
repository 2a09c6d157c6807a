#pragma once
// "Despesas Diarias": the expenses of the open cash shift (every station's, the
// delivery discounts included), with new, altered and deleted rows and the
// expense voucher. Opened from the main window and from the sales screen.
#include "cashoffice/DailyExpenses.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormDesp; }
class TLogon;

class TFormDesp : public QDialog {
    Q_OBJECT
public:
    explicit TFormDesp(TLogon& logon, QWidget* parent = nullptr);
    ~TFormDesp() override;

    int cashShift() const { return m_cash; }
    qint64 editedId() const { return m_id; }
    int rowCount() const;
    QString history() const;
    QString amount() const;
    QString costCentre() const;
    QStringList costCentres() const;
    void setHistory(const QString& text);
    void setAmount(const QString& text);
    void chooseCostCentre(int index);
    void selectRow(int row);

public slots:
    void newExpense();     // "&Novo"
    void alter();          // "&Alterar"
    void removeCurrent();  // "&Excluir"
    void printVoucher();   // "&Imprimir"
    void confirm();        // "&Confirmar"
    void leave();          // "&Retornar"

private:
    void reload();

    std::unique_ptr<::Ui::TFormDesp> ui;
    TLogon& m_logon;
    DailyExpenses m_expenses;
    int m_cash = 0;
    qint64 m_id = 0;            // the row being altered, or the one just written
    QString m_today;            // dd/mm/yy, the day the window opened
    std::vector<ExpenseRow> m_rows;
};
