#pragma once
// "Relatorio de venda por nota": asks for a cash number and previews the sales
// under it (TFormVenDiaQui).
#include <QDialog>
#include <memory>

namespace Ui { class TFormVenDia; }
class TLogon;

class TFormVenDia : public QDialog {
    Q_OBJECT
public:
    explicit TFormVenDia(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVenDia() override;

    QString cashText() const;
    void setCashText(const QString& text);

public slots:
    void pickShift();
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormVenDia> ui;
    TLogon& m_logon;
};
