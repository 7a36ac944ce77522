#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why an operation failed, in the words the user is shown.
struct Failure {
    QString message;
};

// The value of an operation that can fail, or the message that says why there is none. Reading,
// writing, saving and loading all answer in this one shape.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    Result(Failure failure)
        : m_error(std::move(failure.message)) {}

    bool ok() const { return m_value.has_value(); }
    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

// An operation that gives nothing back but can fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_error(std::move(failure.message))
        , m_ok(false) {}

    bool ok() const { return m_ok; }
    const QString &error() const { return m_error; }

private:
    QString m_error;
    bool m_ok = true;
};
