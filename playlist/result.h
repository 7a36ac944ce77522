#pragma once

#include <QString>

#include <optional>
#include <utility>

// What went wrong, for the code that must decide what to do next: which icon a message gets,
// which exit status a command ends with. Callers decide by the kind, never by the message.
enum class FailureKind {
    // Nothing is at the path, or a folder in it is missing.
    NotFound,
    // The file is there but cannot be read (an I/O error, for example).
    Unreadable,
    // A FIFO, a device, a socket or a folder where a regular file must be.
    NotRegular,
    TooLarge,
    // The text is no playlist of its format, or of any format Vantrel reads.
    NotPlaylist,
    TooManyEntries,
    // The extension selects no format that Vantrel reads or writes.
    UnknownFormat,
    // The list holds what the format or its character set cannot carry.
    Unrepresentable,
    NoSpace,
    // The disk is mounted read-only.
    ReadOnly,
    // The user may not read, write or create the file, or the folder keeps him from it.
    NoPermission,
    // Any other failure to write: an I/O error, for example.
    WriteFailed,
    // A command line or a request that cannot be carried out as given.
    Usage,
    // The user stopped the command before it was done.
    Stopped,
};

// Why an operation failed: its kind, and the words the user is shown.
struct Failure {
    FailureKind kind;
    QString message;
};

namespace detail {
inline const QString &noMessage() {
    static const QString none;
    return none;
}
} // namespace detail

// The value of an operation that can fail, or why there is none. Reading, writing, saving,
// loading and exporting all answer in this one shape.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value)) {}
    Result(Failure failure)
        : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const Failure &failure() const { return *m_failure; }
    const QString &error() const { return m_failure ? m_failure->message : detail::noMessage(); }

private:
    std::optional<T> m_value;
    std::optional<Failure> m_failure;
};

// An operation that gives nothing back but can fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure.has_value(); }
    const Failure &failure() const { return *m_failure; }
    const QString &error() const { return m_failure ? m_failure->message : detail::noMessage(); }

private:
    std::optional<Failure> m_failure;
};
