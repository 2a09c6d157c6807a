#pragma once
// ".: Cadastra Conta Caixa :.": the account book's accounts (AccountBook). New
// accounts and new names are kept in the window until "&Confirme" writes them all
// in one action; closing without it discards them. It is also the account picker
// of the main window: its result is the number in "Codigo" when it closes.
#include "finance/AccountBook.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCadBan; }
class QLineEdit;

class TFormCadBan : public QDialog {
    Q_OBJECT
public:
    explicit TFormCadBan(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCadBan() override;

    QLineEdit* codeField() const;
    QLineEdit* nameField() const;
    int listedCount() const;
    bool hasPendingChanges() const;
    void chooseRow(int row);
    // The text of "Codigo" (the account handed back).
    QString chosenAccount() const;

public slots:
    void newAccount();   // "&Nova Conta"
    bool confirm();      // "&Confirme"
    void remove();       // "&Excluir"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        qint64 id = 0;        // 0: not written yet
        qint64 number = 0;
        QString name;
        bool changed = false;
    };
    void reload();
    void showRows(int current);
    void rowMoved();
    void nameTyped(const QString& text);

    std::unique_ptr<::Ui::TFormCadBan> ui;
    AccountBook m_book;
    std::vector<Row> m_rows;
    bool m_filling = false;
};
