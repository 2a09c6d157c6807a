#pragma once
// "Produtos mais Vendidos": the products ranked by the quantity that left stock in a
// period, for every waiter or one; previewed as TFormSaiQuiABC, the window closing after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelSaiABC; }
class TLogon;

class TFormRelSaiABC : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelSaiABC(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelSaiABC() override;

    QStringList waiters() const;
    void setWaiterText(const QString& text);
    void setPeriod(const QString& first, const QString& last);
    QString firstDay() const;
    QString lastDay() const;

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelSaiABC> ui;
    TLogon& m_logon;
};
