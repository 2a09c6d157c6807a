#pragma once
// "Excluir Comanda": cancels a whole open tab with a reason (TabCancellation).
#include <QDialog>
#include <memory>

namespace Ui { class TFormExcCom; }
class TLogon;

class TFormExcCom : public QDialog {
    Q_OBJECT
public:
    explicit TFormExcCom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormExcCom() override;
    // The opener's table box.
    void setTab(const QString& tab);

public slots:
    void tabLeft();
    void confirm();   // "Confirmar"

private:
    std::unique_ptr<::Ui::TFormExcCom> ui;
    TLogon& m_logon;
};
