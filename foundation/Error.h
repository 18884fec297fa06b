#pragma once
// The one exception type of the program. Whatever throws it, the top-level
// handler shows its message in the error box and the program goes on.
#include <QString>
#include <exception>

class VornError : public std::exception {
public:
    explicit VornError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
