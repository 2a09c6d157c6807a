#include "core/FieldText.h"

#include <QLineEdit>

void retypeText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const int pos = edit->cursorPosition();
    const bool modified = edit->isModified();
    edit->setText(text);   // setText clears the modified state
    edit->setCursorPosition(pos);
    edit->setModified(modified);
}
