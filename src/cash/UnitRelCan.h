#pragma once
// "Relatório de Cancelamentos de Comandas/ Itens": the cancellations of one cash
// shift, as a roll text in the preview or as the A4 report.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelCan; }
class TLogon;

class TFormRelCan : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelCan(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelCan() override;

    QString shiftText() const;
    void setShiftText(const QString& text);
    void choosePageReport(bool a4);

public slots:
    void pickShift();   // the cash-shift picker
    void confirm();     // "&Confirmar"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormRelCan> ui;
    TLogon& m_logon;
};
