#pragma once
// ":: Listagem de Sangrias / Reforços ::": the withdrawals and top-ups of a range of
// cash shifts, on the roll (previewed) or on a page (TFormListSangQui); the window
// closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormListSang; }
class TLogon;

class TFormListSang : public QDialog {
    Q_OBJECT
public:
    explicit TFormListSang(TLogon& logon, QWidget* parent = nullptr);
    ~TFormListSang() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormListSang> ui;
    TLogon& m_logon;
};
