#pragma once
// "Relatorio de Comissão": a waiter's sales over a range of cash shifts (optionally
// one product group) and his commission, on the roll or on A4.
#include <QDialog>
#include <memory>

namespace Ui { class TFormComGar; }
class TLogon;

class TFormComGar : public QDialog {
    Q_OBJECT
public:
    explicit TFormComGar(TLogon& logon, QWidget* parent = nullptr);
    ~TFormComGar() override;

    void setRange(const QString& first, const QString& last);
    void setPercent(const QString& text);
    QString percentText() const;
    QString firstShift() const;
    QString lastShift() const;
    void chooseWaiter(int index);
    void chooseGroup(int index);
    void choosePageReport(bool a4);

public slots:
    void pickFirstShift();
    void pickLastShift();
    void print();   // " Imprimir"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settlePercent();

    std::unique_ptr<::Ui::TFormComGar> ui;
    TLogon& m_logon;
};
