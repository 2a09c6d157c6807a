#pragma once
// "Faturamento por Periodo": the amounts received in a range of cash shifts by
// payment method (all of them or one), previewed, or sent by the legacy printer
// choice of the closing printer.
#include <QDialog>
#include <memory>

namespace Ui { class TFormFecMes; }
class TLogon;

class TFormFecMes : public QDialog {
    Q_OBJECT
public:
    explicit TFormFecMes(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFecMes() override;

    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    QStringList methods() const;
    void chooseMethod(int index);
    void setPreview(bool preview);

public slots:
    void pickFirstShift();
    void pickLastShift();
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormFecMes> ui;
    TLogon& m_logon;
};
