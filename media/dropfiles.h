#pragma once

#include <QList>

class QUrl;
class frmmain;

// Files, folders and playlist files dropped on the table from a file manager: their rows go in
// front of the row at position row (the row count: after the last row), in the order they were
// dropped, duplicates refused as Add refuses them. A drop that would take the table past its
// bound adds nothing and says so.
void dropFiles(frmmain &form, const QList<QUrl> &urls, int row);
