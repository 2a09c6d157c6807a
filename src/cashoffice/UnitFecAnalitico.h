#pragma once
// "Relatório Analitico Diario": sale by sale, with products and payments, what a
// station sold in a cash shift; always shown in the preview.
#include <QDialog>
#include <memory>

namespace Ui { class TFormFecAnalitico; }
class TLogon;

class TFormFecAnalitico : public QDialog {
    Q_OBJECT
public:
    explicit TFormFecAnalitico(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecAnalitico() override;

    QString cashText() const;
    QString terminalText() const;
    void setCashText(const QString& text);
    void setTerminalText(const QString& text);

public slots:
    void pickShift();
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormFecAnalitico> ui;
    TLogon& m_logon;
};
