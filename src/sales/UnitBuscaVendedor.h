#pragma once
// "Pesquisa Vendedores": staff by name (the first 30, by name); closing the window
// in any way leaves the current row's code in LookupCode.
#include <QDialog>
#include <memory>

namespace Ui { class TFormBuscaVendedor; }
class TLogon;

class TFormBuscaVendedor : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuscaVendedor(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBuscaVendedor() override;
    int rows() const;

public slots:
    void search(const QString& text);
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormBuscaVendedor> ui;
    TLogon& m_logon;
};
