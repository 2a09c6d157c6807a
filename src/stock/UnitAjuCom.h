#pragma once
// "Ajuda - Como utilizar a composição de Pratos / drinks": how kits are used.
#include <QDialog>
#include <memory>

namespace Ui { class TFormAjuCom; }

class TFormAjuCom : public QDialog {
    Q_OBJECT
public:
    explicit TFormAjuCom(QWidget* parent = nullptr);
    ~TFormAjuCom() override;
    QString helpText() const;

private:
    std::unique_ptr<::Ui::TFormAjuCom> ui;
};
