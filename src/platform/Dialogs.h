#pragma once
// The one seam between the program's logic and the person in front of it.
//
// Every modal window, the message window, the input box, the file dialogs and the
// standard error box go through dialogs(). The program installs the one that shows
// them on screen at start (setScreenDialogs); tests install a scripted one that
// answers without a human and without a nested event loop.

#include <QString>

class QDialog;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The message window: buttons "1" gives one "Ok", anything else "Sim"/"Não".
    // Returns "S" (Ok or Sim) or "N" (Não).
    virtual QString message(const QString& title, const QString& text,
                            const QString& buttons, const QString& kind) = 0;

    // The platform input box; cancelling returns the proposed answer.
    virtual QString inputBox(const QString& title, const QString& prompt, const QString& proposed) = 0;

    // Shows a window modally and returns its result code (QDialog::Accepted/Rejected
    // or whatever the window's own done() gave).
    virtual int exec(QDialog& window) = 0;

    // The standard error box: the application's title and the error text.
    virtual void errorBox(const QString& text) = 0;

    // File dialogs; an empty text means the user cancelled.
    virtual QString openPictureFile() = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter) = 0;

    virtual void beep() = 0;
};

Dialogs& dialogs();
// The dialogs on screen, installed once at start.
void setScreenDialogs(Dialogs* screen);
// Installs another implementation (tests); nullptr restores the screen's.
void setDialogs(Dialogs* replacement);

// While the program ends (the system asked it to): nothing more is shown. A window
// is not shown and gives Rejected, a question is answered "N", an input box keeps
// what it proposed, no file is chosen, an error goes to the standard error output.
class NoDialogs : public Dialogs {
public:
    QString message(const QString& title, const QString& text, const QString& buttons, const QString& kind) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& proposed) override;
    int exec(QDialog& window) override;
    void errorBox(const QString& text) override;
    QString openPictureFile() override { return QString(); }
    QString saveFileName(const QString&, const QString&) override { return QString(); }
    void beep() override {}
};
