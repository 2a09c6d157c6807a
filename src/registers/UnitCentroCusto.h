#pragma once
// "Centro de Custo Despesas": the expense cost centres.
#include "registers/CostCentreStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCentroCusto; }
class QLineEdit;

class TFormCentroCusto : public QDialog {
    Q_OBJECT
public:
    explicit TFormCentroCusto(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCentroCusto() override;

    QLineEdit* codeField() const;
    QLineEdit* nameField() const;
    int listedCount() const { return int(m_list.size()); }

public slots:
    void newCentre();       // "Novo"
    bool confirmCentre();   // "Confirme"
    void deleteCentre();    // "Excluir"

private:
    void reloadList();
    void showCode(qint64 code);

    std::unique_ptr<::Ui::TFormCentroCusto> ui;
    CostCentreStore m_store;
    std::vector<CostCentre> m_list;
};
