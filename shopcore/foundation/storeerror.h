#pragma once

#include <QString>
#include <stdexcept>

// A failure of the data layer: what was being done and the engine's own message.
class StoreError : public std::runtime_error {
public:
    enum class Kind { Engine, TooWide, DuplicateKey, Locked, Unreachable, Refused };

    StoreError(Kind kind, QString where, QString message)
        : std::runtime_error((where + QStringLiteral(": ") + message).toStdString()),
          m_kind(kind), m_where(std::move(where)), m_message(std::move(message)) {}

    Kind kind() const { return m_kind; }
    const QString& where() const { return m_where; }
    // The message for the user (Thai for our own checks, the engine's text otherwise).
    const QString& message() const { return m_message; }

private:
    Kind m_kind;
    QString m_where;
    QString m_message;
};
