#pragma once
// ".: Relatório de despesas :.": the daily expenses of a range of cash shifts, on the
// roll (previewed) or on a page by cost centre (TFormDespQui); the window closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelDesp; }
class TLogon;

class TFormRelDesp : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelDesp(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelDesp() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelDesp> ui;
    TLogon& m_logon;
};
