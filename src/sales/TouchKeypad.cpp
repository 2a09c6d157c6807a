#include "sales/TouchKeypad.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedLayout>

#include <functional>

TouchKeypad::TouchKeypad(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("TouchKeyboard1"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    // Both pages are made once; "ABC" and "123" show one or the other, so no key
    // is deleted by its own click and the keypad keeps one size.
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(makePage(false));
    m_pages->addWidget(makePage(true));
    showPage(false);
    adjustSize();
}

void TouchKeypad::type(int key, const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

QWidget* TouchKeypad::makePage(bool letters)
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setSpacing(3);
    grid->setContentsMargins(4, 4, 4, 4);
    const QStringList keys = letters
        ? QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P",
                      "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "*", "/"}
        : QStringList{"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ",", "*"};
    const int columns = letters ? 7 : 3;
    int n = 0;
    auto add = [&](const QString& caption, int row, int column, int span, const std::function<void()>& act) {
        auto* b = new QPushButton(caption, page);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(58, 48);
        b->setStyleSheet(QStringLiteral("font: bold 14pt 'Arial';"));
        connect(b, &QPushButton::clicked, this, act);
        grid->addWidget(b, row, column, 1, span);
    };
    for (const QString& k : keys) {
        const int key = k.at(0).unicode();
        add(k, n / columns, n % columns, 1, [key, k] { type(key, k); });
        ++n;
    }
    const int row = (n + columns - 1) / columns;
    add(QStringLiteral("←"), row, 0, 1, [] { type(Qt::Key_Backspace, QString()); });
    add(letters ? QStringLiteral("123") : QStringLiteral("ABC"), row, 1, 1, [this, letters] { showPage(!letters); });
    add(QStringLiteral("Enter"), row, 2, columns - 2, [] { type(Qt::Key_Return, QStringLiteral("\r")); });
    return page;
}

void TouchKeypad::showPage(bool letters)
{
    m_pages->setCurrentIndex(letters ? 1 : 0);
}
