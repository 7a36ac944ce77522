#include "playlist/playlistfile.h"
#include "playlist/playlistreader.h"
#include "playlist/textencoding.h"

#include <QDir>

#include <cstdlib>

// One format's reader, chosen when the target is built, over the bytes as Open decodes them;
// every entry is then resolved as Open resolves it, against a folder that holds nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const Result<std::vector<ListedEntry>> entries =
        readPlaylistEntries(FUZZED_FORMAT, decodePlaylistText(bytes).text, QStringLiteral("l"));
    if (!entries.ok())
        return 0;
    if (entries.value().size() > size_t(MaxRows))
        std::abort();
    const QDir folder(QStringLiteral("/nonexistent/list"));
    for (const ListedEntry &entry : entries.value()) {
        // The readers skip entries that name nothing.
        if (entry.location.isEmpty())
            std::abort();
        resolveEntry(entry, folder);
    }
    return 0;
}
