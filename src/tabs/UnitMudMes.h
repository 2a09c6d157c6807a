#pragma once
// "Mudança de Mesa": moves chosen quantities of a tab's items to another tab (ItemTransfer).
#include "tabs/ItemTransfer.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui { class TFormMudMes; }
class TLogon;

class TFormMudMes : public QDialog {
    Q_OBJECT
public:
    explicit TFormMudMes(TLogon& logon, QWidget* parent = nullptr);
    ~TFormMudMes() override;
    void setOrigin(const QString& origin);   // the opener's table box
    const std::vector<TransferRow>& rows() const { return m_rows; }

public slots:
    void loadOrigin();        // leaving the origin box, entering the destination box
    void destinationLeft();   // checks the destination, offers to open it
    void chooseQuantity(int row);   // double-click on a row
    void transfer();          // "Transferir"

private:
    void showRows();

    std::unique_ptr<::Ui::TFormMudMes> ui;
    TLogon& m_logon;
    std::vector<TransferRow> m_rows;
};
