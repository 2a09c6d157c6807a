#include "ScriptedDialogs.h"
#include "shell/WindowRegistry.h"

#include <QMetaObject>

ScriptedDialogs::ScriptedDialogs() { setDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { setDialogs(nullptr); }

void ScriptedDialogs::answerMessages(const QStringList& answers)
{
    for (const QString& a : answers)
        m_answers.push_back(a);
}

void ScriptedDialogs::onWindow(const QString& className, WindowHandler handler)
{
    auto& queue = m_handlers[className];
    if (queue.size() == 1 && queue.front().used)
        queue.clear();
    queue.push_back({std::move(handler), false});
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList t;
    for (const Message& m : messages)
        t << m.text;
    return t;
}

QString ScriptedDialogs::message(const QString& title, const QString& text, const QString& buttons, const QString& kind)
{
    messages.push_back({title, text, buttons, kind});
    if (!m_answers.empty()) {
        QString a = m_answers.front();
        m_answers.pop_front();
        return buttons == QLatin1String("1") ? QStringLiteral("S") : a;
    }
    return buttons == QLatin1String("1") ? QStringLiteral("S") : QStringLiteral("N");
}

QString ScriptedDialogs::inputBox(const QString& title, const QString& prompt, const QString& proposed)
{
    inputPrompts << prompt;
    if (m_inputs.empty())
        return proposed;
    QString a = m_inputs.front();
    m_inputs.pop_front();
    return a;
}

int ScriptedDialogs::exec(QDialog& window)
{
    QString name = QString::fromLatin1(window.metaObject()->className());
    if (auto* p = qobject_cast<PlaceholderWindow*>(&window))
        name = p->windowClass();
    windowsShown << name;
    auto it = m_handlers.find(name);
    if (it == m_handlers.end() || it->second.empty())
        return QDialog::Rejected;     // closed without doing anything
    WindowHandler h = it->second.front().handler;
    if (it->second.size() > 1)
        it->second.pop_front();
    else
        it->second.front().used = true;
    return h(window);
}

void ScriptedDialogs::errorBox(const QString& text)
{
    errors << text;
}

QString ScriptedDialogs::openPictureFile()
{
    if (m_files.empty())
        return QString();
    QString f = m_files.front();
    m_files.pop_front();
    return f;
}

QString ScriptedDialogs::saveFileName(const QString&, const QString&)
{
    return openPictureFile();
}
