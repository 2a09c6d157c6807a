#pragma once
// ".: Pagamento Parcial :.": an advance payment on an open tab (AdvancePayment).
#include <QDialog>
#include <memory>

namespace Ui { class TFormPagaantes; }
class TLogon;

class TFormPagaantes : public QDialog {
    Q_OBJECT
public:
    explicit TFormPagaantes(TLogon& logon, QWidget* parent = nullptr);
    ~TFormPagaantes() override;
    void setTab(const QString& tab);   // the opener's tab; shows what it already paid

public slots:
    void tabLeft();
    void confirm();   // "&Confirmar"

private:
    std::unique_ptr<::Ui::TFormPagaantes> ui;
    TLogon& m_logon;
};
