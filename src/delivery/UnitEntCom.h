#pragma once
// "Relatorio de Comissão por Entrega": one delivery man's sales over a range of
// cash shifts with their delivery fees, his commission, on the roll or on A4.
// Opened by the desk's ribbon button "Comissão Entregadores".
#include "delivery/DeliveryReports.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormEntCom; }
class QComboBox;

class TFormEntCom : public QDialog {
    Q_OBJECT
public:
    explicit TFormEntCom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEntCom() override;

    QComboBox* manList() const;
    QComboBox* firstShiftList() const;
    QComboBox* lastShiftList() const;
    void choosePageReport(bool a4);
    void choosePrinting(bool print);

public slots:
    void confirm();   // "&Confirmar"

private:
    std::unique_ptr<::Ui::TFormEntCom> ui;
    TLogon& m_logon;
    std::vector<DeliveryManChoice> m_men;
    std::vector<choices::Shift> m_shifts;
};
