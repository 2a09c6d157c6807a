#include "sales/TouchKeypad.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

#include <functional>

TouchKeypad::TouchKeypad(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("TouchKeyboard1"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    m_grid = new QGridLayout(this);
    m_grid->setSpacing(3);
    m_grid->setContentsMargins(4, 4, 4, 4);
    showPage(false);
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

void TouchKeypad::showPage(bool letters)
{
    m_letters = letters;
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QStringList keys = letters
        ? QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P",
                      "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "*", "/"}
        : QStringList{"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ",", "*"};
    const int columns = letters ? 7 : 3;
    int n = 0;
    auto add = [&](const QString& caption, int row, int column, int span, const std::function<void()>& act) {
        auto* b = new QPushButton(caption, this);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(52, 48);
        b->setStyleSheet(QStringLiteral("font: bold 14pt 'Arial';"));
        connect(b, &QPushButton::clicked, this, act);
        m_grid->addWidget(b, row, column, 1, span);
    };
    for (const QString& k : keys) {
        const int key = k.at(0).unicode();
        add(k, n / columns, n % columns, 1, [key, k] { type(key, k); });
        ++n;
    }
    const int row = (n + columns - 1) / columns;
    add(QStringLiteral("←"), row, 0, 1, [] { type(Qt::Key_Backspace, QString()); });
    add(letters ? QStringLiteral("123") : QStringLiteral("ABC"), row, 1, 1, [this] { showPage(!m_letters); });
    add(QStringLiteral("Enter"), row, 2, columns - 2, [] { type(Qt::Key_Return, QStringLiteral("\r")); });
    adjustSize();
}
