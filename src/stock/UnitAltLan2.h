#pragma once
// "Altera Lancamento": one product's ledger rows of a period; a row's date,
// history, entry and exit are changed after "&Alterar Lanc.", or the row deleted.
#include "stock/LedgerEdit.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormAltLan2; }
class PickList;
class QLineEdit;

class TFormAltLan2 : public QDialog {
    Q_OBJECT
public:
    // Opened alone it lists nothing.
    explicit TFormAltLan2(TLogon& logon, QWidget* parent = nullptr);
    TFormAltLan2(TLogon& logon, const QString& code, const ledgeredit::Period& period, QWidget* parent = nullptr);
    ~TFormAltLan2() override;

    // "code", "date", "history", "entrada", "saida".
    QLineEdit* field(const QString& role) const;
    PickList* rowList() const;
    bool editing() const;

public slots:
    void startChange();    // "&Alterar Lanc."
    bool confirm();        // "&Confirma"
    void deleteRow();      // "&Excluir"

private:
    void reload();
    void showCurrent();
    void setEditing(bool on);
    std::unique_ptr<::Ui::TFormAltLan2> ui;
    ledgeredit::LedgerEdit m_edit;
    QString m_code;
    ledgeredit::Period m_period;
};
