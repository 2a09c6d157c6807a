#pragma once
// ".: Ver Kits / Composições:.": the kits with their sale price; a double click,
// any key in the list and "Retorna" close it.
#include <QDialog>
#include <memory>

namespace Ui { class TFormVerKits; }
class PickList;
class TLogon;

class TFormVerKits : public QDialog {
    Q_OBJECT
public:
    explicit TFormVerKits(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVerKits() override;
    PickList* kitList() const;

private:
    std::unique_ptr<::Ui::TFormVerKits> ui;
};
