#pragma once
// "Exclui Lançamento Comanda": cancels chosen quantities of a tab's items (ItemCancellation).
#include "tabs/ItemCancellation.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui { class TFormExcItemCom; }
class TLogon;

class TFormExcItemCom : public QDialog {
    Q_OBJECT
public:
    explicit TFormExcItemCom(TLogon& logon, QWidget* parent = nullptr);
    ~TFormExcItemCom() override;
    // The opener's table box; loads the tab's items.
    void setTable(const QString& table);
    const std::vector<CancelItemRow>& rows() const { return m_rows; }

public slots:
    void rowChosen();      // a click on the grid: the row's quantity into the box
    void quantityLeft();   // warns about a quantity above the tab's
    void choose();         // "&Excluir"
    void confirm();        // "Confirmar"

private:
    void showRows();
    CancelItemRow* current();

    std::unique_ptr<::Ui::TFormExcItemCom> ui;
    TLogon& m_logon;
    std::vector<CancelItemRow> m_rows;
};
