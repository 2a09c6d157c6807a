#pragma once
// "CONTROLE DA COZINHA - REIMPRESSÃO": the items of one tab; a double click
// chooses an item, "&Imprimir" prints the chosen ones again per kitchen number.
#include "sales/KitchenReprint.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui { class TFormReCozinha; }
class QTableWidget;
class TLogon;

class TFormReCozinha : public QDialog {
    Q_OBJECT
public:
    // tabKey: the sales screen's table field (empty: the one the screen published).
    explicit TFormReCozinha(TLogon& logon, const QString& tabKey = QString(), QWidget* parent = nullptr);
    ~TFormReCozinha() override;

    QTableWidget* grid() const;
    const std::vector<ReprintRow>& rows() const { return m_rows; }

public slots:
    void toggle(int row);   // double click
    void print();           // "&Imprimir"

private:
    void showRows();
    std::unique_ptr<::Ui::TFormReCozinha> ui;
    TLogon& m_logon;
    std::vector<ReprintRow> m_rows;
};
