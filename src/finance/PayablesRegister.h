#pragma once
// The payable titles (PAGARQ): one row per title, found by its number
// (DUPLICATA, upper case, unique), open while BAIXA is empty. The register window
// TFormCadDupX registers, edits, settles (by its payment date) and deletes them.
//
// A title is written as one action: the row is created when its number is new,
// then every field typed is written. A title the window started as new ("Sim" to
// "Duplicata nao Localizada, Cadastra?") is only inserted: when another station
// registered the same number meanwhile, the confirmation is refused and nothing is
// written (db/NewRecord; the number has a unique key).

#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <optional>

class TLogon;

namespace PayablesText {
inline const QString kNotFoundRegister = QStringLiteral("Duplicata nao Localizada, Cadastra?");
inline const QString kSupplierMissing = QStringLiteral("         Fornecedor não Cadastrado            ");
inline const QString kNotAuthorised = QStringLiteral("     Usuario não autorizado      ");
inline const QString kDeleteAsk = QStringLiteral("Deseja Excluir Este Registro ?");
// An amount or a date that cannot be read: nothing is written.
inline const QString kFillError = QStringLiteral("|     Erro no Preenchimento....     |");
// A new title whose number another station registered since the window looked.
inline const QString kNumberTaken = QStringLiteral("|   Duplicata ja Cadastrada por outra estacao: nada foi gravado   |");
} // namespace PayablesText

struct PayableTitle {
    qint64 id = 0;
    QString duplicata;
    QString codigo;      // supplier code; empty when none
    QString nome;
    QDate emissao, vencimento, baixa;   // invalid when empty
    Decimal valor, juros;
};

// The register's fields as typed.
struct PayableFields {
    QString duplicata, codigo, nome;
    QString emissao, vencimento, baixa;   // dd/mm/yy; blank keeps the stored date
    QString valor, juros;                 // blank is 0
};

class PayablesRegister {
public:
    explicit PayablesRegister(TLogon& logon) : m_logon(logon) {}

    static constexpr int kNumberLength = 15;
    static constexpr int kNameLength = 30;

    // The title of that number (trimmed); nullopt when there is none.
    std::optional<PayableTitle> find(const QString& number) const;
    // Every title by number, for the title search.
    RowSet titles() const;
    // The name of the supplier of that code; nullopt when the code is not a
    // whole number or names no supplier.
    std::optional<QString> supplierName(const QString& code) const;

    // Writes the title whose number the fields hold: false (nothing written) when
    // the number is blank. Throws EntryError, with nothing written: kFillError for
    // an amount or a date that cannot be read, kSupplierMissing for a supplier code
    // typed that names no supplier ("-1", "ABC"; a blank code is no supplier, 0),
    // kNumberTaken when the title was started as new and its number is registered
    // (by another station meanwhile). A name is cut to 30.
    bool confirm(const PayableFields& fields, bool startedAsNew = false);
    // Deletes the title of that identity; false when there was none.
    bool remove(qint64 id);

    // How the window shows a title's values.
    static QString amountField(const Decimal& value);   // "0.00" with the comma
    static QString dateField(const QDate& date);       // dd/mm/yy, empty for none

private:
    TLogon& m_logon;
};
