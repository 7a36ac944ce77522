#pragma once

#include <QByteArray>
#include <QString>

// One file put in place below a folder, never over another file. A target that already holds
// the same bytes is left as it is; one that holds other bytes, or is anything but a regular
// file, is reported and left alone. A copy is written to a temporary file beside the target and
// takes the target's name only once it is complete, so no half-written file ever carries it.
// The work is done in steps of at most StepBytes, so that the caller stays responsive and can
// stop in between; a placement destroyed before it is done removes its temporary file.
class FilePlacement {
public:
    enum class State {
        Working,
        // The target now holds a copy of the source.
        Copied,
        // The target already held the same bytes.
        AlreadyThere,
        // Another file, a folder or a link is at the target.
        Occupied,
        // No regular file is at the source (any longer).
        SourceMissing,
        // error() and failedPath() say why and where.
        SourceFailed,
        TargetFailed,
    };
    static constexpr qint64 StepBytes = 512 * 1024;

    // target is relative to folder, which exists; the folders on the way are made as needed.
    FilePlacement(const QString &source, const QString &folder, const QString &target);
    ~FilePlacement();
    FilePlacement(const FilePlacement &) = delete;
    FilePlacement &operator=(const FilePlacement &) = delete;

    // Does the next step; Working until the placement is over.
    State step();
    // The system's error number of a failed placement, and the path it is about: the source,
    // the target, or a folder on the way to it.
    int error() const { return m_error; }
    const QString &failedPath() const { return m_failedPath; }

private:
    enum class Phase { Start, Comparing, Copying, Over };
    enum class Method { CopyRange, SendFile, ReadWrite };

    State begin();
    State startCopy();
    State compare();
    State copy();
    State finish();
    State over(State state);
    State failed(State state, int error, const QString &path);
    int makeFolders(const QByteArray &folder);

    QByteArray m_source;
    QByteArray m_folder;
    QByteArray m_target;
    QByteArray m_temporary;
    int m_sourceFd = -1;
    int m_targetFd = -1;
    qint64 m_size = 0;
    qint64 m_copied = 0;
    Phase m_phase = Phase::Start;
    State m_end = State::Working;
    Method m_method = Method::CopyRange;
    QByteArray m_buffer;
    QByteArray m_otherBuffer;
    int m_error = 0;
    QString m_failedPath;
};
