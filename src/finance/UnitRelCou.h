#pragma once
// "Relatorio Couver / Show": the couvert of each sale in a range of cash shifts, on
// the roll (previewed) or on a page (TFormRelCouQui); the window closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelCou; }
class TLogon;

class TFormRelCou : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelCou(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelCou() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelCou> ui;
    TLogon& m_logon;
};
