#pragma once
// A refusal of a whole action: nothing was written; the message is for the message
// window. The refusals of the areas (ClosingRefused, DeliveryRefused, ...) are kinds
// of it, declared in one line each, so that a window can still tell them apart.
#include <QString>
#include <stdexcept>

class ActionRefused : public std::runtime_error {
public:
    explicit ActionRefused(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
