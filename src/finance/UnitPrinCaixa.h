#pragma once
// ".: Controle de Caixa / C.Corrente :." (Controle Bancario): the account book's
// main window. It shows the entries of the current account, which it keeps as a
// value (the first account by number when it opens, then the one chosen in the
// accounts register), and opens the entry windows, the codes, the accounts, the
// company register, the statement and the totals per code.
#include "finance/AccountBook.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormBan; }

class TFormBan : public QDialog {
    Q_OBJECT
public:
    explicit TFormBan(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBan() override;

    const std::optional<BookAccount>& currentAccount() const { return m_account; }
    QString accountLabel() const;
    int listedCount() const;
    void chooseRow(int row);
    // The entry of the list's current row; none when the list is empty.
    std::optional<BookEntry> currentEntry() const;
    QStringList menuEntries() const;   // "&A- Cadastros/&1-Cadastro da Empresa", ...

public slots:
    void insertEntry();     // "&1-Inserir lançamento"
    void changeEntry();     // "&2-Alterar lançamento"
    void deleteEntry();     // "&3-Excluir lançamento"
    void chooseAccount();   // "&5-Contas", "&3-Cadastro Contas"
    void openCompany();     // "&1-Cadastro da Empresa"
    void openCodes();       // "&2-Cadastro Cod (Desp/Cred)"
    void openStatement();   // "&1-Extrato Conta Corrente"
    void openTotals();      // "&2-Relatorio de Despesas/Creditos por Codigos"

private:
    void refresh();
    bool hasAccount();   // says so when there is none

    std::unique_ptr<::Ui::TFormBan> ui;
    TLogon& m_logon;
    AccountBook m_book;
    std::optional<BookAccount> m_account;
};
