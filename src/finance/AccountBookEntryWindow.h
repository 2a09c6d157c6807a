#pragma once
// The three windows that write the account book's entries for the main window:
// ".: Incluir Lançamento :." inserts entries into the current account and stays
// open for the next one, ".: Alteração de Lançamento :." changes the entry chosen
// in the main window, ".: Exclusão de Lançamento :." deletes it after asking.
// They share one form: Data, Historico, Tipo (D/C), Cod Desp/Cred with "Ver"
// (the code register as picker), Valor.
#include "finance/AccountBook.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class AccountBookEntryWindow; }
class QLineEdit;

class AccountBookEntryWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Insert, Change, Delete };
    ~AccountBookEntryWindow() override;

    // The field of a caption ("Data", "Historico", "Tipo (D/C)", "Cod Desp/Cred", "Valor").
    QLineEdit* field(const QString& caption) const;
    BookEntryFields fields() const;

public slots:
    void confirm();      // "&1-Confirmar"
    void pickCode();     // "Ver"
    void kindLeft();     // leaving "Tipo (D/C)"

protected:
    // Insert: into `account`. Change and delete: `entry` (none when the main
    // window's list is empty).
    AccountBookEntryWindow(TLogon& logon, Mode mode, qint64 account, const std::optional<BookEntry>& entry,
                           QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFields(const BookEntryFields& fields);

    std::unique_ptr<::Ui::AccountBookEntryWindow> ui;
    TLogon& m_logon;
    AccountBook m_book;
    Mode m_mode;
    qint64 m_account = 0;
    std::optional<BookEntry> m_entry;
};
