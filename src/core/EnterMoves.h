#pragma once
// Enter in a data-entry field moves the focus on, as on every entry window.
#include <QLineEdit>

inline void enterMovesTo(QLineEdit* from, QWidget* to)
{
    QObject::connect(from, &QLineEdit::returnPressed, to, [to] { to->setFocus(Qt::TabFocusReason); });
}
