#include "playlist/listexport.h"

#include "media/mediatexts.h"
#include "platform/codepage.h"
#include "platform/diskfolder.h"
#include "platform/fileplacement.h"
#include "playlist/exporttexts.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistformat.h"
#include "playlist/playlistwriter.h"

#include <QFileInfo>
#include <QHash>

#include <cerrno>

ListExport::ListExport(const std::vector<PlaylistEntry> &rows, const QString &listName,
                       const QString &folder, const ExportOptions &options)
    : m_plan(rows, listName, options.flat)
    , m_folder(folder)
    , m_placed(m_plan.copies().size(), false) {
    m_options.relative = WriteOptions::Relative::Always;
    m_options.tagsOf = options.tagsOf;
    if (options.windows) {
        m_options.codePage = CodePage("GBK");
        m_options.windowsSeparators = true;
    }
}

Result<ExportSummary> ListExport::run(const KeepGoing &keepGoing) {
    if (const Result<void> writable = checkList(); !writable.ok())
        return writable.failure();
    if (const Result<void> ready = prepareFolder(); !ready.ok())
        return ready.failure();
    for (size_t copy = 0; copy < m_placed.size(); ++copy) {
        if (const Result<void> placed = place(copy, keepGoing); !placed.ok())
            return notDone(placed.failure());
    }
    // The copies are on the disk before a list names them.
    if (const int error = DiskFolder::syncFileSystem(m_folder))
        return notDone({FailureKind::WriteFailed, ExportTexts::flushFailed(m_folder, error)});
    const Result<void> written =
        savePlaylistFile(listPath(), m_plan.listRows(m_folder, m_placed), listOptions());
    if (!written.ok())
        return notDone(written.failure());
    if (const int error = DiskFolder::syncFileSystem(m_folder))
        return Failure{FailureKind::WriteFailed, ExportTexts::flushFailed(m_folder, error)};
    m_summary.missing = m_plan.missingRows() + m_plan.rowsWithout(m_placed);
    m_summary.folders = m_plan.folderRows();
    m_summary.list = listPath();
    return m_summary;
}

Result<void> ListExport::prepareFolder() {
    const QFileInfo folder(m_folder);
    if (!folder.exists() && QFileInfo(folder.path()).isDir()) {
        if (const int error = DiskFolder::make(m_folder))
            return Failure{FailureKind::WriteFailed, ExportTexts::folderFailed(m_folder, error)};
    }
    if (!QFileInfo(m_folder).isDir())
        return Failure{FailureKind::NotFound, MediaTexts::noFolder(m_folder)};
    return {};
}

// Before anything is copied: a list that cannot be written would leave copies without a list.
Result<void> ListExport::checkList() const {
    const std::vector<PlaylistEntry> rows =
        m_plan.listRows(m_folder, std::vector<bool>(m_placed.size(), true));
    const WriteOptions options = listOptions();
    const Result<QByteArray> encoded = encodePlaylist(listPath(), rows, options);
    if (encoded.ok())
        return {};
    const FormatInfo *format = formatOf(listPath());
    if (encoded.failure().kind != FailureKind::Unrepresentable || format->alwaysUtf8)
        return encoded.failure();
    // Only the copies' names, addresses and what is said of the songs can hold what the
    // character set cannot.
    const qsizetype folderLength = m_folder.size() + 1;
    for (const PlaylistEntry &row : rows) {
        const QString written = row.isLocal() ? row.path.mid(folderLength) : row.path;
        const TrackTags song = writtenTags(row, options.tagsOf);
        for (const QString &text : {written, song.title, song.artist, song.album}) {
            if (!m_options.codePage.encode(text))
                return Failure{FailureKind::Unrepresentable, ExportTexts::notInGbk(written)};
        }
    }
    return encoded.failure();
}

Result<void> ListExport::place(size_t index, const KeepGoing &keepGoing) {
    const ExportPlan::Copy &copy = m_plan.copies()[index];
    const ExportProgress progress{int(index), int(m_placed.size()), copy.source};
    for (;;) {
        FilePlacement placement(copy.source, m_folder, copy.target);
        FilePlacement::State state = FilePlacement::State::Working;
        while ((state = placement.step()) == FilePlacement::State::Working) {
            if (!keepGoing(progress))
                return Failure{FailureKind::Stopped, ExportTexts::stopped(m_summary.copied)};
        }
        switch (state) {
        case FilePlacement::State::Copied:
            ++m_summary.copied;
            m_placed[index] = true;
            break;
        case FilePlacement::State::AlreadyThere:
            ++m_summary.alreadyThere;
            m_placed[index] = true;
            break;
        case FilePlacement::State::Occupied:
            m_plan.renameCopy(index);
            continue;
        case FilePlacement::State::SourceMissing:
        case FilePlacement::State::Working:
            break;
        case FilePlacement::State::SourceFailed:
            return Failure{FailureKind::Unreadable,
                           ExportTexts::readFailed(copy.source, placement.error())};
        case FilePlacement::State::TargetFailed:
            const int error = placement.error();
            return Failure{error == ENOSPC || error == EDQUOT ? FailureKind::NoSpace
                                                              : FailureKind::WriteFailed,
                           ExportTexts::copyFailed(copy.source, placement.failedPath(), error)};
        }
        // A file that is only looked at or found missing is a step too.
        if (!keepGoing(progress))
            return Failure{FailureKind::Stopped, ExportTexts::stopped(m_summary.copied)};
        return {};
    }
}

// The copies made stay, and are on the disk before the user is told.
Failure ListExport::notDone(Failure failure) {
    DiskFolder::syncFileSystem(m_folder);
    if (failure.kind != FailureKind::Stopped)
        failure.message = ExportTexts::withCopiesKept(failure.message, m_summary.copied);
    return failure;
}

QString ListExport::listPath() const {
    return m_folder + u'/' + m_plan.listFile();
}

// The list's rows name the copies, whose tags are those of the files they were copied from.
WriteOptions ListExport::listOptions() const {
    WriteOptions options = m_options;
    if (!options.tagsOf)
        return options;
    QHash<QString, QString> sources;
    for (const ExportPlan::Copy &copy : m_plan.copies())
        sources.insert(m_folder + u'/' + copy.target, copy.source);
    options.tagsOf = [tagsOf = m_options.tagsOf, sources](const PlaylistEntry &row) {
        PlaylistEntry source = row;
        source.path = sources.value(row.path, row.path);
        return tagsOf(source);
    };
    return options;
}
