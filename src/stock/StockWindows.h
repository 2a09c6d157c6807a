#pragma once
// What the stock windows share: the texts they all show, a refusal that names the
// field to go back to, and the one way a window runs a write.

#include "registers/PickList.h"
#include "registers/RegisterCommon.h"
#include "stock/StockProducts.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QWidget;
class QLineEdit;
class TLogon;

namespace stock {

namespace text {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString productNotFound = QStringLiteral("        Produto Nao Localizado          ");
inline const QString supplierNotFound = QStringLiteral("        Fornecedor não Localizado          ");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString badPeriod = QStringLiteral("     Periodo invalido: informe as duas datas (dd/mm/aa)     ");
} // namespace text

// An entry refused before anything is written: its message is shown ("ATENÇÃO", one
// Ok) and the focus goes back to the named field.
class FieldError : public EntryError {
public:
    FieldError(const QString& message, const QString& field) : EntryError(message), m_field(field) {}
    const QString& field() const { return m_field; }

private:
    QString m_field;
};

// A period typed as two dates (dd/mm/yy).
struct Period {
    QDate from, to;
};
// Both dates must be read, else FieldError(text::badPeriod) naming the field of the
// one that is not.
Period readPeriod(const QString& from, const QString& to, const QString& fromField, const QString& toField);

// Runs a write of a stock window: a refusal shows its message and, for a FieldError,
// hands its field to `focus`; a statement the database refuses shows the
// database's message. False when nothing was done; the window keeps what was typed.
bool attempt(const std::function<void()>& work, const std::function<void(const QString& field)>& focus = {});

// A value typed in a field that may stay blank: nullopt when blank; one that cannot
// be read, or below zero, is refused with FieldError(message, field).
std::optional<Decimal> optionalAmount(const QString& typed, const QString& message, const QString& field);

// The entry field of a window by its role: the line edit named role + "Edit".
QLineEdit* fieldOf(const QWidget* window, const QString& role);
// For attempt(): the focus goes to the refused field of the window.
std::function<void(const QString& field)> focusIn(QWidget* window);

// Leaving a product field: the code normalised (six digits for a whole number) and
// its product read. A blank code reads nothing; an unknown code shows "Produto Nao
// Localizado" and keeps the focus in the field. found is false in both.
ProductCard productLeft(TLogon& logon, QLineEdit* code);

// Leaving a supplier field: the name of the supplier of its code goes to `name`.
// Blank or 0 is no supplier. An unknown code shows "Fornecedor não Localizado" (and
// empties the field when clearUnknown), keeps the focus there and gives false.
bool supplierLeft(TLogon& logon, QLineEdit* code, QLabel* name, bool clearUnknown);
// The search button beside a supplier field: the supplier chosen by name, then left.
void searchSupplier(TLogon& logon, QLineEdit* code, QLabel* name, bool clearUnknown);

// Puts the focus on a field now and again once the leaving in progress is over, so
// it stays where it is sent.
void focusOn(QWidget* field);

// List columns of money ("6,00"), quantities ("2,5") and dates ("05/03/26"),
// numbers aligned to the right; a null value shows nothing.
RowsModel::Column moneyColumn(const QString& title, const QString& field);
RowsModel::Column quantityColumn(const QString& title, const QString& field);
RowsModel::Column dateColumn(const QString& title, const QString& field);
// New rows for a list: its columns as wide as their contents, the text column
// `stretch` (the name, the history) taking the width left over.
void showRows(PickList* list, RowSet rows, int stretch = 1);

// The message window with one Ok and the title "ATENÇÃO".
void tell(const QString& message);
// The message window with Sim and Não; true for Sim.
bool ask(const QString& question);

} // namespace stock
