#pragma once
// A field's text rewritten while it is typed (capitals, a comma for a point): the
// cursor stays where it was and the field stays "modified", so leaving it still
// runs what a typed change runs (a register's code field looks the code up only
// when it was typed).
class QLineEdit;
class QString;

void retypeText(QLineEdit* edit, const QString& text);
