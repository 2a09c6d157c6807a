#pragma once
// "Relatorio por Centro de Custo (Saida)": a period and a cost centre; "&Imprimir"
// previews the stock outflow of that cost centre valued at cost (TFormBalCenQui).
// Nothing in the menus opens it: the window registry does, by its name.
#include "stock/CostCentreOutflow.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormBalCen; }

class TFormBalCen : public QDialog {
    Q_OBJECT
public:
    explicit TFormBalCen(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBalCen() override;

    void setPeriod(const QString& first, const QString& last);
    QStringList costCentres() const;
    void chooseCostCentre(int index);
    bool printEnabled() const;

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormBalCen> ui;
    TLogon& m_logon;
};
