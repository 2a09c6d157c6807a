#pragma once
// A refusal of a whole action: nothing was written; the text is for the message window.
#include <QString>
#include <stdexcept>

class ActionRefused : public std::runtime_error {
public:
    explicit ActionRefused(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
