#pragma once
// "Codigos de Despesas/Creditos": the account book's expense and credit codes
// (AccountBook). It is also the code picker of the entry windows: whenever it
// closes, its result is the code of the list's current row.
#include "finance/AccountBook.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormDespesas; }
class QLineEdit;

class TFormDespesas : public QDialog {
    Q_OBJECT
public:
    explicit TFormDespesas(TLogon& logon, QWidget* parent = nullptr);
    ~TFormDespesas() override;

    QLineEdit* codeField() const;
    QLineEdit* nameField() const;
    int listedCount() const;
    // The code of the list's current row; empty when the list is empty.
    QString chosenCode() const;
    void chooseRow(int row);

public slots:
    void newCode();     // "&Cadastrar"
    void confirm();     // "&Confirmar"
    void remove();      // "&Excluir"
    void codeLeft();    // leaving "Codigo"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload(qint64 keepCode);
    void showCurrent();

    std::unique_ptr<::Ui::TFormDespesas> ui;
    AccountBook m_book;
};
