#include "core/WidgetDialogs.h"
#include "core/uMensagemWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

// The window what the program opens now must stand above: the last modal window
// still open, else the active window, else the program's main window.
QWidget* topWindow(const QWidget* except = nullptr)
{
    if (QWidget* w = QApplication::activeModalWidget(); w && w != except && w->isVisible())
        return w;
    if (QWidget* w = QApplication::activeWindow(); w && w != except)
        return w->window();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && qobject_cast<QMainWindow*>(w))
            return w;
    return nullptr;
}

// For the length of one showing: the window belongs to the top window (a
// transient window, which the window manager keeps above its owner, in the
// owner's layer: above the main window that stays above other programs), and
// once shown it is raised and given the focus.
class StandAbove : public QObject {
public:
    explicit StandAbove(QDialog& window)
        : m_window(window)
    {
        if (!window.parentWidget()) {
            m_owner = topWindow(&window);
            if (m_owner)
                window.setParent(m_owner, window.windowFlags());
        }
        window.installEventFilter(this);
    }
    ~StandAbove() override
    {
        m_window.removeEventFilter(this);
        if (m_owner)
            m_window.setParent(nullptr, m_window.windowFlags());
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            QPointer<QDialog> w(&m_window);
            QTimer::singleShot(0, &m_window, [w] {
                if (!w)
                    return;
                w->raise();
                w->activateWindow();
            });
        }
        return false;
    }

private:
    QDialog& m_window;
    QPointer<QWidget> m_owner;
};

} // namespace

QString WidgetDialogs::message(const QString& title, const QString& text,
                          const QString& buttons, const QString& kind)
{
    TFormMensagem window(title, text, buttons, kind);
    exec(window);
    return window.answer();
}

QString WidgetDialogs::inputBox(const QString& title, const QString& prompt, const QString& proposed)
{
    QInputDialog box(topWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(proposed);
    return exec(box) == QDialog::Accepted ? box.textValue() : proposed;
}

int WidgetDialogs::exec(QDialog& window)
{
    StandAbove above(window);
    return window.exec();
}

void WidgetDialogs::errorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok, topWindow());
    exec(box);
}

QString WidgetDialogs::openPictureFile()
{
    return QFileDialog::getOpenFileName(topWindow(), QString(), QString(),
                                        QStringLiteral("Imagens (*.jpg *.jpeg *.png *.bmp *.gif);;Todos (*)"));
}

QString WidgetDialogs::saveFileName(const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(topWindow(), caption, QString(), filter);
}

void WidgetDialogs::beep()
{
    QApplication::beep();
}
