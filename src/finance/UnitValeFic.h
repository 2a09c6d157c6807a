#pragma once
// ".: Ficha de acompanhamento de débito :.": an employee's voucher movements from
// a date to today with the balance brought forward (StaffVouchers), as a roll
// text in the preview or as the page report "Ficha de Controle de Funcionário".
#include <QDialog>
#include <memory>

namespace Ui { class TFormValeFic; }
class TLogon;
class StaffPicker;
class QDate;

class TFormValeFic : public QDialog {
    Q_OBJECT
public:
    explicit TFormValeFic(TLogon& logon, QWidget* parent = nullptr);
    ~TFormValeFic() override;

    void chooseEmployee(qint64 code);
    QString balanceText() const;
    void setStart(const QDate& date);
    QDate start() const;
    void choosePageReport(bool a4);

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormValeFic> ui;
    TLogon& m_logon;
    StaffPicker* m_staff = nullptr;
};
