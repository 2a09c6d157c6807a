#pragma once
// "Contas a Pagar": the payable titles of the invoice being entered, kept in the
// entry invoice's own list. Nothing writes them to the database.
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <vector>

class TLogon;

namespace titles {

namespace text {
inline const QString heading = QStringLiteral("Contas a Pagar");
inline const QString taken = QStringLiteral("|         Titulo com esse numero ja Cadastrado....        |");
inline const QString fillError = QStringLiteral("|      Erro no Preenchimento...       |");
} // namespace text

struct Title {
    QString titulo;      // 14 characters
    QDate vencimento;
    Decimal valor;
};

class PayableTitles {
public:
    static constexpr int kTitleLength = 14;

    const std::vector<Title>& list() const { return m_list; }
    // "Confirmar": a blank title does nothing (false); a title that a payable
    // (PAGARQ) or the list already has, and a date or value that cannot be read, are
    // refused with stock::FieldError ("title", "date", "value"). Throws DbError.
    bool add(TLogon& logon, const QString& title, const QString& dueDate, const QString& value);
    void removeAt(int index);
    Decimal total() const;
    // "0.00" left-padded to 12, as "Total" shows it.
    static QString totalText(const Decimal& total);
    void clear() { m_list.clear(); }

private:
    std::vector<Title> m_list;
};

} // namespace titles
