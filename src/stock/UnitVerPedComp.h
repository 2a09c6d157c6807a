#pragma once
// ".: Ver pedidos pententes (Compras) :.": picks a purchase order, newest first.
// However it closes, its result is the number of the list's current row, "0" when
// the list is empty.
#include <QDialog>
#include <memory>

namespace Ui { class TFormVerPedComp; }
class PickList;
class TLogon;

// Shows the picker and gives the chosen order number ("0" for none).
QString choosePurchaseOrder(TLogon& logon);

class TFormVerPedComp : public QDialog {
    Q_OBJECT
public:
    explicit TFormVerPedComp(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVerPedComp() override;

    PickList* list() const;
    QString resultCode() const;
    void done(int result) override;

private:
    std::unique_ptr<::Ui::TFormVerPedComp> ui;
};
