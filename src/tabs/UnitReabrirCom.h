#pragma once
// "Reabrir Comanda": a pre-billed tab back to open (TabReopen).
#include <QDialog>
#include <memory>

namespace Ui { class TFormReabrirCom; }
class TLogon;

class TFormReabrirCom : public QDialog {
    Q_OBJECT
public:
    explicit TFormReabrirCom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormReabrirCom() override;
    void setTab(const QString& tab);   // the sales screen's table box

public slots:
    void tabLeft();
    void confirm();   // "Confirma"

private:
    std::unique_ptr<::Ui::TFormReabrirCom> ui;
    TLogon& m_logon;
};
