#include "media/dropfiles.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/frmprogress.h"
#include "app/playlistmodel.h"
#include "media/droppedentries.h"
#include "media/mediatexts.h"
#include "platform/platform.h"

#include <QUrl>

void dropFiles(frmmain &form, const QList<QUrl> &urls, int row) {
    QStringList paths;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return;

    PlaylistModel &model = form.model();
    const Platform &platform = form.platform();
    DroppedEntries dropped;
    {
        // A dropped folder may hold a large tree; a stopped drop adds nothing.
        frmProgress progress(form, &MediaTexts::collectingDrop);
        dropped = collectDroppedEntries(paths, model.paths(), MaxRows - model.rowCount(),
                                        [&progress](int count) { return progress.carryOn(count); });
    }
    if (dropped.stopped)
        return;
    if (dropped.overflow) {
        platform.messageBoxes->showMessage(&form, MediaTexts::tooManyFiles(), AppTexts::title(),
                                           MessageIcon::None);
        return;
    }
    if (!dropped.failure.isEmpty())
        platform.messageBoxes->showMessage(&form, dropped.failure, AppTexts::title(),
                                           MessageIcon::Warning);
    if (dropped.rows.empty())
        return;

    form.rowsMayChange();
    // The table may have changed between the drop and now.
    int position = std::min(row, model.rowCount());
    model.beginGroupedChange();
    for (PlaylistEntry &entry : dropped.rows)
        model.insertEntry(position++, std::move(entry));
    model.endGroupedChange();
    form.updaterowcommands();
    form.showcount();
}
