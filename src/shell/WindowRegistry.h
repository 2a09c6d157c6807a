#pragma once
// Every window the menus open, by its class name. A window that is not built yet
// opens a placeholder that says so; each window's module registers its factory.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace windows {

using Factory = std::function<std::unique_ptr<QDialog>()>;

// How the user reaches a window: by a control of the program (a ribbon button, a
// window's button or key, a lookup), or by its class name alone: no menu or control
// opens it (the README's "Windows that no menu opens" lists these).
enum class Reach { ByControl, ByNameOnly };

void registerWindow(const QString& className, Factory factory, Reach reach = Reach::ByControl);
bool isRegistered(const QString& className);
// The class names registered, in name order.
QStringList registeredNames();
// The class names registered as reached by name only, in name order.
QStringList namesNoMenuOpens();

// Creates the window (or the placeholder), shows it modally through the UI seam
// and destroys it. Returns the window's result code.
int open(const QString& className, const QString& title = QString());
// The same, with the caller's own settings applied to the window before it shows
// (the values an opener hands to a window of an area it does not include, such as
// a lock flag, through the window's properties).
int open(const QString& className, const QString& title, const std::function<void(QDialog&)>& prepare);

// The window of that class name, or the placeholder when none is registered, not
// shown: for an opener that fills it before dialogs().exec and reads it afterwards
// through an interface of an area below both, and for the tests that walk them all.
std::unique_ptr<QDialog> create(const QString& className, const QString& title = QString());

} // namespace windows

// A window whose module is not ready yet: its title and a note.
class PlaceholderWindow : public QDialog {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& className, const QString& title, QWidget* parent = nullptr);
    QString windowClass() const { return m_class; }
private:
    QString m_class;
};
