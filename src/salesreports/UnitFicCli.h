#pragma once
// ".: Movimento de Produto por clientes :.": what one customer took out of stock
// over a range of cash shifts, analytic or synthetic, every sale or only those on
// his account; previewed as TFormFicCliQui, the window staying open.
#include <QDialog>
#include <memory>

namespace Ui { class TFormFicCli; }
class TLogon;

class TFormFicCli : public QDialog {
    Q_OBJECT
public:
    explicit TFormFicCli(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFicCli() override;

    void setCustomer(const QString& code);
    QString customerName() const;
    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void setAnalytic(bool analytic);
    void setAccountOnly(bool accountOnly);
    void setProduct(const QString& code);

public slots:
    void leaveCustomer();   // leaving "Codigo do Cliente": the name, or the message
    void searchCustomer();
    void searchProduct();
    void print();           // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormFicCli> ui;
    TLogon& m_logon;
};
