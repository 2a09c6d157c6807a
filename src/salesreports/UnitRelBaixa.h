#pragma once
// ".: Listagem de Débito :.": every customer whose account balance is not zero,
// previewed or printed on the default printer as TFormRelRBaiQui; the window
// closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelBaixa; }
class TLogon;

class TFormRelBaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelBaixa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelBaixa() override;

    void setPreview(bool preview);   // "Video/Impressora", else "Impressora"

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelBaixa> ui;
    TLogon& m_logon;
};
