#pragma once
// ".: Controle de débito de funcionário :.": a debit or a credit for an employee
// (StaffVouchers), with his balance, and its receipt for him to sign: a roll text
// with the amount written out, shown in the preview, or an A4 page.
#include <QDialog>
#include <memory>

namespace Ui { class TFormDebCreFunc; }
class TLogon;
class StaffPicker;
class QLineEdit;
class QDate;

class TFormDebCreFunc : public QDialog {
    Q_OBJECT
public:
    explicit TFormDebCreFunc(TLogon& logon, QWidget* parent = nullptr);
    ~TFormDebCreFunc() override;

    void chooseEmployee(qint64 code);
    QString balanceText() const;
    QLineEdit* historyField() const;
    QLineEdit* amountField() const;
    void setDate(const QDate& date);
    void chooseCredit(bool credit);     // "Creditar" or "Debitar "
    void choosePageReceipt(bool a4);    // "No papel A4" or "Na fita cupom"

public slots:
    void confirm();   // "Confirme"

private:
    std::unique_ptr<::Ui::TFormDebCreFunc> ui;
    TLogon& m_logon;
    StaffPicker* m_staff = nullptr;
};
