// The one exception base of the project; the application's handler shows its message.
#pragma once

#include <QString>
#include <stdexcept>

class OrlendaException : public std::runtime_error {
public:
    explicit OrlendaException(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
