#include "stock/StockWindows.h"
#include "core/DateReader.h"

#include "core/GridLook.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "registers/LookupStore.h"
#include "registers/Lookups.h"
#include "registers/RegisterRules.h"
#include "stock/StockFields.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace stock {

bool attempt(const std::function<void()>& work, const std::function<void(const QString& field)>& focus)
{
    QString field;
    const bool done = registers::attempt([&] {
        try {
            work();
        } catch (const FieldError& e) {
            field = e.field();
            throw;
        }
    });
    if (!done && !field.isEmpty() && focus)
        focus(field);
    return done;
}

Period readPeriod(const QString& from, const QString& to, const QString& fromField, const QString& toField)
{
    const TypedDate f = readDate(from);
    if (!f.isDate())
        throw FieldError(text::badPeriod, fromField);
    const TypedDate t = readDate(to);
    if (!t.isDate())
        throw FieldError(text::badPeriod, toField);
    return {f.date, t.date};
}

std::optional<Decimal> optionalAmount(const QString& typed, const QString& message, const QString& field)
{
    if (isBlank(typed))
        return std::nullopt;
    const std::optional<Decimal> v = readAmount(typed);
    if (!v || v->isNegative())
        throw FieldError(message, field);
    return v;
}

QLineEdit* fieldOf(const QWidget* window, const QString& role)
{
    return window->findChild<QLineEdit*>(role + QStringLiteral("Edit"));
}

std::function<void(const QString& field)> focusIn(QWidget* window)
{
    return [window](const QString& role) {
        if (QLineEdit* e = fieldOf(window, role))
            focusOn(e);
    };
}

ProductCard productLeft(TLogon& logon, QLineEdit* code)
{
    const QString typed = registers::sixDigitCode(code->text());
    code->setText(typed);
    ProductCard p;
    if (typed.isEmpty())
        return p;
    attempt([&] { p = readProduct(logon, typed); });
    if (!p.found) {
        tell(text::productNotFound);
        focusOn(code);
    }
    return p;
}

bool supplierLeft(TLogon& logon, QLineEdit* code, QLabel* name, bool clearUnknown)
{
    const QString typed = TrimText(code->text());
    code->setText(typed);
    if (typed.isEmpty() || typed == QLatin1String("0")) {
        name->clear();
        return true;
    }
    std::optional<QString> found;
    attempt([&] { found = LookupStore(logon).supplierName(typed); });
    if (!found) {
        name->clear();
        tell(text::supplierNotFound);
        if (clearUnknown)
            code->clear();
        focusOn(code);
        return false;
    }
    name->setText(*found);
    return true;
}

void searchSupplier(TLogon& logon, QLineEdit* code, QLabel* name, bool clearUnknown)
{
    const QString chosen = findSupplier(logon);
    if (chosen == QLatin1String("0"))
        return;
    code->setText(chosen);
    supplierLeft(logon, code, name, clearUnknown);
}

void focusOn(QWidget* field)
{
    field->setFocus();
    QTimer::singleShot(0, field, [field] { field->setFocus(); });
}

RowsModel::Column moneyColumn(const QString& title, const QString& field)
{
    return {title, field, [](const QVariant& v) { return v.isNull() ? QString() : moneyText(decimalOf(v)); }, true};
}

RowsModel::Column quantityColumn(const QString& title, const QString& field)
{
    return {title, field, [](const QVariant& v) { return v.isNull() ? QString() : quantityText(decimalOf(v)); }, true};
}

RowsModel::Column dateColumn(const QString& title, const QString& field)
{
    return {title, field, [](const QVariant& v) { return dateText(v.toDate()); }, false};
}

void showRows(PickList* list, RowSet rows, int stretch)
{
    list->setRows(std::move(rows));
    grids::fitColumns(*list, stretch);
}

void tell(const QString& message)
{
    ShowMessageWindow(text::title, message, QStringLiteral("1"));
}

bool ask(const QString& question)
{
    return ShowMessageWindow(text::title, question, QStringLiteral("2")) == QLatin1String("S");
}

} // namespace stock
