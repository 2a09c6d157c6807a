#include "core/WidgetDialogs.h"
#include "core/uMensagemWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QString WidgetDialogs::message(const QString& title, const QString& text,
                          const QString& buttons, const QString& kind)
{
    TFormMensagem window(title, text, buttons, kind, QApplication::activeWindow());
    window.exec();
    return window.answer();
}

QString WidgetDialogs::inputBox(const QString& title, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                           QLineEdit::Normal, proposed, &ok);
    return ok ? answer : proposed;
}

int WidgetDialogs::exec(QDialog& window)
{
    return window.exec();
}

void WidgetDialogs::errorBox(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

QString WidgetDialogs::openPictureFile()
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                        QStringLiteral("Imagens (*.jpg *.jpeg *.png *.bmp *.gif);;Todos (*)"));
}

QString WidgetDialogs::saveFileName(const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QString(), filter);
}

void WidgetDialogs::beep()
{
    QApplication::beep();
}
