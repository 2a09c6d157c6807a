#pragma once
// "Relatorio de Saida" of kits: the kits ranked by the quantity sold in a period;
// previewed as TFormKitVendQui, the window closing after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormKitVend; }
class TLogon;

class TFormKitVend : public QDialog {
    Q_OBJECT
public:
    explicit TFormKitVend(TLogon& logon, QWidget* parent = nullptr);
    ~TFormKitVend() override;

    void setPeriod(const QString& first, const QString& last);
    QString firstDay() const;
    QString lastDay() const;

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormKitVend> ui;
    TLogon& m_logon;
};
