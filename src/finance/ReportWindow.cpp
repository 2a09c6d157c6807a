#include "finance/ReportWindow.h"

#include "closing/EnterMoves.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "finance/ReportFields.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace reportwindow {

void shiftRange(TLogon& logon, QLineEdit* first, QAbstractButton* pickFirst, QLineEdit* last,
                QAbstractButton* pickLast, QWidget* next)
{
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), first);
    first->setValidator(digits);
    last->setValidator(digits);
    enterMovesTo(first, last);
    enterMovesTo(last, next);
    TLogon* l = &logon;
    QObject::connect(pickFirst, &QAbstractButton::clicked, first,
                     [l, first] { first->setText(QString::number(chooseCashShift(*l))); });
    QObject::connect(pickLast, &QAbstractButton::clicked, last,
                     [l, last] { last->setText(QString::number(chooseCashShift(*l))); });
}

void period(QLineEdit* first, QLineEdit* last, const QDate& today, QWidget* next)
{
    first->setText(reportfields::dateText(reportfields::firstOfMonth(today)));
    last->setText(reportfields::dateText(today));
    enterMovesTo(first, last);
    enterMovesTo(last, next);
}

bool pickCustomer(TLogon& logon, QLineEdit* code)
{
    const QString chosen = chooseCustomer(logon);
    if (chosen.isEmpty())
        return false;
    code->setText(chosen);
    code->setFocus();
    return true;
}

QStringList items(const QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

void printHint(QAbstractButton* button)
{
    button->setToolTip(QString(shiftfields::printHint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

bool run(const std::function<void()>& report, const QString& databaseMessage)
{
    try {
        report();
        return true;
    } catch (const ShiftFieldRefused& e) {
        ShowMessageWindow(reportmsg::title, e.message());
    } catch (const DbError& e) {
        if (databaseMessage.isEmpty())
            dialogs().errorBox(e.message());
        else
            ShowMessageWindow(reportmsg::title, databaseMessage);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace reportwindow
