#include "reports/TypedValues.h"
#include "core/DateReader.h"

#include "core/AmountReader.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "registers/RegisterCommon.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace typed {

namespace {

// The space bar empties a date field.
class SpaceEmpties : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            static_cast<QLineEdit*>(watched)->clear();
            static_cast<QLineEdit*>(watched)->setCursorPosition(0);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

std::optional<Decimal> amount(const QString& text)
{
    return readAmount(text, AmountRules::column().asStrToFloat().pointAsComma().notNegative().atMostDecimals(2));
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}

void dateField(QLineEdit* edit)
{
    edit->setInputMask(QStringLiteral("99/99/00; "));
    edit->installEventFilter(new SpaceEmpties(edit));
}

void amountField(QLineEdit* edit)
{
    edit->setMaxLength(20);
    registers::commaForPointField(edit);
}

} // namespace typed
