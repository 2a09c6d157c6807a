#pragma once
// ": Listagem Abertura de Caixa :": the opening float of each cash shift of a range,
// on the roll (previewed) or on a page (TFormListAberQui); the window closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormListAber; }
class TLogon;

class TFormListAber : public QDialog {
    Q_OBJECT
public:
    explicit TFormListAber(TLogon& logon, QWidget* parent = nullptr);
    ~TFormListAber() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormListAber> ui;
    TLogon& m_logon;
};
