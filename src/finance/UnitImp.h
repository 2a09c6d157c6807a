#pragma once
// ".: Imprimir Relatório do Caixa :.": the statement of one account over a
// period, with the balance brought forward and the running balance, in the page
// report "Extrato do Caixa" (AccountBookReports). The window closes after it.
#include <QDialog>
#include <memory>

namespace Ui { class TFormImp; }
class TLogon;
class QDate;

class TFormImp : public QDialog {
    Q_OBJECT
public:
    explicit TFormImp(TLogon& logon, QWidget* parent = nullptr);
    ~TFormImp() override;

    QStringList accountItems() const;
    void setAccountText(const QString& text);
    void setPeriod(const QDate& start, const QDate& end);

public slots:
    void print();   // "&2-Imprimir"

private:
    std::unique_ptr<::Ui::TFormImp> ui;
    TLogon& m_logon;
};
