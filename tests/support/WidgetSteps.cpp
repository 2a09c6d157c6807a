#include "WidgetSteps.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

QLineEdit* edit(QWidget& w, const char* name)
{
    auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!e)
        ADD_FAILURE() << "no field " << name;
    return e;
}

void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

void type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(field, text);
    else
        field->insert(text);
    QTest::keyClick(field, Qt::Key_Return);
}

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents();
}
