#pragma once
// "Relatorio de taxa de serviço": one waiter's service fee of each sale in a range of
// cash shifts, on the roll (previewed) or on a page (TFormcomissaoQui); the window
// closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormComissao; }
class TLogon;

class TFormComissao : public QDialog {
    Q_OBJECT
public:
    explicit TFormComissao(TLogon& logon, QWidget* parent = nullptr);
    ~TFormComissao() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void choosePageReport(bool a4);   // "Normal Papel A4", else "Mini Impressora"
    QStringList waiters() const;
    void chooseWaiter(int index);

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormComissao> ui;
    TLogon& m_logon;
};
