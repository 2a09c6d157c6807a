#pragma once
// "Fechamento p/tipo Pagamento": a cash shift's sales paid with one method, with
// their products (composed by composePaymentMethodReport).
#include <QDialog>
#include <memory>

namespace Ui { class TFormFecDiaPag; }
class TLogon;

class TFormFecDiaPag : public QDialog {
    Q_OBJECT
public:
    explicit TFormFecDiaPag(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecDiaPag() override;
    Ui::TFormFecDiaPag* form() const { return ui.get(); }

public slots:
    void pickShift();
    void printReport();

private:
    std::unique_ptr<Ui::TFormFecDiaPag> ui;
    TLogon& m_logon;
};
