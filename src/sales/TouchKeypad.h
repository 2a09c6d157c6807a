#pragma once
// The on-screen keyboard of the sales screen ("F3 - Teclado Virtual"): digits,
// comma, letters on a second page, erase and Enter, typed into whichever field
// holds the focus, so a touch user opens a table and enters codes without a
// keyboard. Its buttons never take the focus.
#include <QFrame>

class QStackedLayout;

class TouchKeypad : public QFrame {
    Q_OBJECT
public:
    explicit TouchKeypad(QWidget* parent = nullptr);

    // Sends one key to the field that has the focus, as if typed.
    static void type(int key, const QString& text);

private:
    QWidget* makePage(bool letters);
    void showPage(bool letters);
    QStackedLayout* m_pages = nullptr;
};
