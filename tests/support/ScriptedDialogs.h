#pragma once
// A UI that answers the program's dialogs from a script, so tests run without a
// human and without nested event loops.
//
//   ScriptedDialogs script;                       // installs itself, restores on destruction
//   script.answerMessages({"S"});            // next message windows answer S, ...
//   script.onWindow("TFormAcessos", [](QDialog& d) { ...fill fields, call slots...; return d.result(); });

#include "QtPrinters.h"
#include "platform/Dialogs.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>

class ScriptedDialogs : public Dialogs {
public:
    struct Message { QString title, text, buttons, kind; };
    using WindowHandler = std::function<int(QDialog&)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers for the next message windows, in order; when they run out the
    // answer is "S" for a single "Ok" and "N" for a question.
    void answerMessages(const QStringList& answers);
    void answerInputBox(const QString& answer) { m_inputs.push_back(answer); }
    void answerFileDialog(const QString& path) { m_files.push_back(path); }
    // Handler for a window, by its class name (placeholders: the class they stand
    // for). Handlers of one class are used in order, each once; the last one keeps
    // answering until another is added.
    void onWindow(const QString& className, WindowHandler handler);

    // What happened.
    std::vector<Message> messages;
    QStringList errors;
    QStringList windowsShown;    // class names (objectName for placeholders)
    QStringList inputPrompts;
    int beeps = 0;

    QStringList messageTexts() const;

    QString message(const QString& title, const QString& text, const QString& buttons, const QString& kind) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& proposed) override;
    int exec(QDialog& window) override;
    void errorBox(const QString& text) override;
    QString openPictureFile() override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    void beep() override { ++beeps; }

private:
    std::deque<QString> m_answers;
    std::deque<QString> m_inputs;
    std::deque<QString> m_files;
    struct Pending { WindowHandler handler; bool used = false; };
    std::map<QString, std::deque<Pending>> m_handlers;
};
