#pragma once
// "Balancete por Cliente (Saida)": a customer's ledger rows of a period, day by
// day, at cost, sale price or average cost; previewed as TFormBalCliQui, the window
// staying open.
#include <QDialog>
#include <memory>

namespace Ui { class TFormBalCli; }
class TLogon;

class TFormBalCli : public QDialog {
    Q_OBJECT
public:
    explicit TFormBalCli(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBalCli() override;

    QStringList customers() const;
    void chooseCustomer(int index);
    void setPeriod(const QString& first, const QString& last);
    QString firstDay() const;
    QString lastDay() const;
    void chooseValuation(int index);   // 0 cost, 1 sale price, 2 average cost

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormBalCli> ui;
    TLogon& m_logon;
};
