#pragma once
// "Sangria e Reforço": a withdrawal or top-up of the open cash shift (Withdrawal).
#include <QDialog>
#include <memory>

namespace Ui { class TFormSangria; }
class TLogon;

class TFormSangria : public QDialog {
    Q_OBJECT
public:
    explicit TFormSangria(TLogon& logon, QWidget* parent = nullptr);
    ~TFormSangria() override;

public slots:
    void kindLeft();
    void confirm();   // "&Confirmar"

private:
    std::unique_ptr<::Ui::TFormSangria> ui;
    TLogon& m_logon;
    qint64 m_shift = 0;
};
