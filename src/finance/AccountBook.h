#pragma once
// The account book: a small bank and cash ledger apart from the register's cash
// shifts. Accounts (CONTA, numbered from 1), entries booked on them (CAIXA: a debit
// or a credit, optionally tagged with an expense or credit code) and the codes
// (DESPESA). Amounts are exact (NUMERIC(18,2)); nothing stores a balance.
//
// The windows: the main window TFormBan shows one account's entries; the entry
// windows (TFormEntradax, TFormAlterarx, TFormExcluirx) write them; TFormDespesas
// keeps the codes and TFormCadBan the accounts; the statement (TFormImp) and the
// totals per code (TFormMedia) are in AccountBookReports.

#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class TLogon;

namespace AccountBookText {
inline const QString kNoAccount = QStringLiteral("  Conta não Selecionada ou não aberta..   ");
inline const QString kNoAccountLabel = QStringLiteral("CONTA : NAO CADASTRADO..");
inline const QString kEntryFillError = QStringLiteral("|     Erro no Preenchimento....     |");
inline const QString kCodeFillError = QStringLiteral("   Erro,.  verifique o preenchimento    ");
inline const QString kDigitsOnly = QStringLiteral("  Somente codigo numerico...   ");
inline const QString kCodeNotFound = QStringLiteral("  Nao Localizado...   ");
inline const QString kDeleteAsk = QStringLiteral("Deseja Excluir Este Registro ?");
} // namespace AccountBookText

struct BookAccount {
    qint64 id = 0;
    qint64 number = 0;
    QString name;
};

struct BookEntry {
    qint64 id = 0;
    QDate date;
    QString history;
    Decimal debit, credit;
    qint64 code = 0;
};

// The entry windows' fields as typed.
struct BookEntryFields {
    QString date;      // dd/mm/yy
    QString history;
    QString kind;      // "D" debit, anything else credit
    QString code;      // not a whole number: no code (0)
    QString amount;
};

// A change of the accounts register: a new account (id 0) or a new name.
struct AccountChange {
    qint64 id = 0;
    qint64 number = 0;
    QString name;
};

class AccountBook {
public:
    explicit AccountBook(TLogon& logon) : m_logon(logon) {}

    static constexpr int kHistoryLength = 30;
    static constexpr int kNameLength = 20;   // account and code names

    // ---- accounts
    std::vector<BookAccount> accounts() const;   // by number
    std::optional<BookAccount> account(qint64 number) const;
    // "00001 - BANCO"; the main window's label "CONTA : 00001 - BANCO" or
    // "CONTA : NAO CADASTRADO.." when there is no account.
    static QString accountText(const BookAccount& account);
    static QString accountLabel(const std::optional<BookAccount>& account);
    // The first number of an account list's text ("00001 - BANCO" gives 1).
    static std::optional<qint64> accountNumberOf(const QString& listText);
    // The highest number plus one; 1 with no account.
    qint64 nextAccountNumber() const;
    // Writes the register's changes as one action. A new account whose number
    // another station took in the meantime gets the next free one. Returns the
    // numbers written, in order.
    std::vector<qint64> saveAccounts(const std::vector<AccountChange>& changes);
    bool deleteAccount(qint64 id);

    // ---- entries
    // ID, DATA, HISTORICO, DEBITO, CREDITO, DESP, CONTA of one account, by date.
    RowSet entries(qint64 account) const;
    static BookEntry entryAt(const RowSet& entries, int row);
    // How the change and delete windows show an entry (none: empty date and text,
    // "C", amount 0).
    static BookEntryFields fieldsOf(const std::optional<BookEntry>& entry);
    // "D" for a "D" typed (blanks around ignored), else "C".
    static QString kindOf(const QString& typed);
    // Insert and change throw EntryError(kEntryFillError) when the date, the
    // description or the amount cannot be taken; nothing is written then.
    void insertEntry(qint64 account, const BookEntryFields& fields);
    void changeEntry(qint64 id, const BookEntryFields& fields);
    bool deleteEntry(qint64 id);

    // ---- expense and credit codes
    RowSet codes() const;   // ID, CODIGO, NOME by name
    qint64 nextCode() const;
    // A code written as typed ("007" is 7) gets the name; a new code is created
    // first, both in one action. EntryError(kCodeFillError) when the code is not a
    // whole number or the name too long.
    qint64 confirmCode(const QString& code, const QString& name);
    bool deleteCode(qint64 id);

private:
    struct EntryValues {
        QDate date;
        QString history;
        Decimal debit, credit;
        qint64 code = 0;
    };
    static EntryValues valuesOf(const BookEntryFields& fields);

    TLogon& m_logon;
};
