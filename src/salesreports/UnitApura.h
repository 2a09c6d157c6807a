#pragma once
// "Apura Resultado": the result of what was sold in a range of cash shifts, for
// every waiter or one, previewed as TFormApuQui; the window closes after the preview.
#include <QDialog>
#include <memory>

namespace Ui { class TFormApura; }
class TLogon;

class TFormApura : public QDialog {
    Q_OBJECT
public:
    explicit TFormApura(TLogon& logon, QWidget* parent = nullptr);
    ~TFormApura() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    QStringList waiters() const;
    void setWaiterText(const QString& text);

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormApura> ui;
    TLogon& m_logon;
};
