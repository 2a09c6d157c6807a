#pragma once
// "Vendas por Garcom": what one waiter sold over a range of cash shifts, per day,
// shift and unit price, optionally of one group or one product; a 36-column text
// routed by the closing printer's destination (setup.INI line 15) unless
// "Forçar Visualizar" is ticked. The window stays open.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelVenGar; }
class TLogon;

class TFormRelVenGar : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelVenGar(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelVenGar() override;

    QStringList waiters() const;
    QStringList groups() const;
    void setWaiterText(const QString& text);
    void chooseGroup(int index);
    void setProduct(const QString& code);
    QString product() const;
    void setRange(const QString& first, const QString& last);
    QString firstShift() const;
    QString lastShift() const;
    void setForcePreview(bool force);
    bool confirmEnabled() const;

public slots:
    void searchProduct();
    void confirm();   // "&Confirma"

private:
    std::unique_ptr<::Ui::TFormRelVenGar> ui;
    TLogon& m_logon;
};
