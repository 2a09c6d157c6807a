#include "reports/ReportWindow.h"

#include "core/EnterMoves.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "reports/ReportFields.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
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
    auto pick = [l](QLineEdit* field) {
        const int shift = chooseCashShift(*l);
        if (shift == 0)
            ShowMessageWindow(reportmsg::title, shiftfields::invalidCash);
        else
            field->setText(QString::number(shift));
    };
    QObject::connect(pickFirst, &QAbstractButton::clicked, first, [pick, first] { pick(first); });
    QObject::connect(pickLast, &QAbstractButton::clicked, last, [pick, last] { pick(last); });
}

namespace {

// Moves the focus on when Enter is pressed in the list it watches.
class EnterMover : public QObject {
public:
    EnterMover(QComboBox* list, QWidget* next) : QObject(list), m_next(next) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_next;
};

} // namespace

void enterMovesFromList(QComboBox* list, QWidget* next)
{
    auto* mover = new EnterMover(list, next);
    list->installEventFilter(mover);
    if (list->lineEdit())
        list->lineEdit()->installEventFilter(mover);
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
