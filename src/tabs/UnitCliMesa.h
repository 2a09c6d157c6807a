#pragma once
// ": Numero de Clientes por mesa :": persons per open tab and their total (PersonsPerTable).
#include <QDialog>
#include <memory>

namespace Ui { class TFormCliMesa; }
class TLogon;

class TFormCliMesa : public QDialog {
    Q_OBJECT
public:
    explicit TFormCliMesa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCliMesa() override;

public slots:
    void rowChosen(int row);
    void confirm();   // "Confirma"
    void refresh();   // the list and the total, read afresh

private:
    std::unique_ptr<::Ui::TFormCliMesa> ui;
    TLogon& m_logon;
};
