#pragma once
// The fields of the sales and account reports read as the reports need them: a
// range of cash numbers, a typed date, the first day of the month; and the
// messages the report windows show when a field cannot be read. A field that
// cannot be read throws ShiftFieldRefused with the message; nothing was read.
#include "reports/ShiftFields.h"

#include <QDate>
#include <QString>

namespace reportmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString reportError = QStringLiteral("|     Erro no relatório, verifique as datas     |");
inline const QString dateError = QStringLiteral("Erro em uma das datas");
inline const QString fillError = QStringLiteral(" Erro no Preenchimento  ");
inline const QString backwards = QStringLiteral(" Data final menor que data inicial  ");
inline const QString customerNotFound = QStringLiteral("       Cliente não Localizado        ");
inline const QString notFound = QStringLiteral("|      Não Localizado       |");
inline const QString customerNotRegistered = QStringLiteral("         Cliente não Cadastrado            ");
inline const QString supplierNotFound = QStringLiteral("        Fornecedor não Localizado          ");
} // namespace reportmsg

namespace reportfields {

struct ShiftRange {
    int first = 0, last = 0;
};

// Both numbers whole (ShiftFieldRefused with "  Numero do Caixa Invalido  " otherwise).
// A first number above the last is a range without shifts, as the reports keep it.
ShiftRange shiftRange(const QString& firstText, const QString& lastText);

// A date typed dd/mm/yy (or dd/mm/yyyy); ShiftFieldRefused with "Erro em uma das
// datas" followed by what is wrong with it otherwise.
QDate date(const QString& text);
// As the reports print a date: dd/mm/yy.
QString dateText(const QDate& date);
// The period pickers' first day: the first of the month of `today`.
inline QDate firstOfMonth(const QDate& today) { return QDate(today.year(), today.month(), 1); }

} // namespace reportfields
