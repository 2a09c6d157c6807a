#include "registers/RegisterCommon.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/FieldText.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/RowSet.h"
#include "core/uMensagemWindow.h"
#include "db/Schema.h"
#include "platform/Dialogs.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"

#include <QLineEdit>

namespace registers {

bool attempt(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const EntryError& e) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), e.message(), QStringLiteral("1"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
    } catch (const std::exception& e) {
        // a value read back that does not fit, a file that cannot be written...
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    return false;
}

QString paddedCode(qint64 code, int digits)
{
    const QString plain = QString::number(code < 0 ? -code : code);
    const QString padded = plain.size() < digits ? QString(digits - plain.size(), u'0') + plain : plain;
    return code < 0 ? QLatin1Char('-') + padded : padded;
}

QDate dateOf(const QString& text, const QString& caption)
{
    const TypedDate d = readDate(text);
    if (d.isNoDate())
        throw EntryError(QStringLiteral("%1: data invalida").arg(caption));
    return d.date;
}

Decimal amountOf(const QString& text, const QString& caption)
{
    const registers::Number n = registers::readNumber(TrimText(text));
    if (n.kind == registers::Number::Empty)
        return Decimal(0);
    if (!n.ok())
        throw EntryError(QStringLiteral("%1: valor invalido").arg(caption));
    return n.value;
}

void limitToColumn(QLineEdit* edit, const char* table, const char* column)
{
    if (const int n = schema::textWidth(QString::fromLatin1(table), QString::fromLatin1(column)); n > 0)
        edit->setMaxLength(n);
}

void upperCaseField(QLineEdit* edit)
{
    upperCaseWhileTyping(edit);
}

void commaForPointField(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& t) {
        retypeText(edit, QString(t).replace(QLatin1Char('.'), QLatin1Char(',')));
    });
}

void lowerCaseField(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) { retypeText(edit, text.toLower()); });
}

QVariant textOrNull(const QString& text)
{
    const QString t = readText(text);
    return t.isEmpty() ? QVariant() : QVariant(t);
}

QVariant dateOrNull(const QDate& date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}

Decimal amountFrom(const QVariant& value)
{
    return value.isNull() ? Decimal() : decimalOf(value);
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace registers
