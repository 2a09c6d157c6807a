#pragma once
// A window with an entry being typed asks before it drops it: Esc, the close box and
// its "&Retornar" all go through the one question, and close the window only on
// "Sim". A window with nothing typed closes at once, as it always has.
//
// What "being typed" means is the window's: a rule it gives (an invoice's items not
// processed yet), or the fields it watches holding another text than they showed when
// the window last called markClean() (a record shown, saved or begun).
//
//   auto* guard = new EntryGuard(this, [this] { return !m_invoice.items().empty(); });
//   guard->closeWith(ui->returnButton);
//
//   auto* guard = new EntryGuard(this);
//   guard->watch({ui->nameEdit, ui->addressEdit});
//   ...  showRow(): fields filled, then guard->markClean();
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QDialog;
class QLineEdit;

class EntryGuard : public QObject {
public:
    static const QString question;   // "Deseja Abandonar o que foi Digitado ?"

    explicit EntryGuard(QDialog* window, std::function<bool()> typing = {});

    // The fields whose change from what markClean() saw is an entry being typed.
    void watch(std::initializer_list<QLineEdit*> fields);
    // What the watched fields show now is nothing typed (a record shown or saved).
    void markClean();

    // True while the window holds an entry that closing would drop.
    bool typing() const;
    // True when the window may drop what it holds: nothing typed, or "Sim" to the question.
    bool mayDrop() const;
    // The window's own return button: closes it (accepted) when mayDrop().
    void closeWith(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog* m_window;
    std::function<bool()> m_typing;
    std::vector<QLineEdit*> m_fields;
    QStringList m_clean;
};
