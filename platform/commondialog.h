#pragma once

#include <QString>
#include <QStringList>

class CodePage;

// What a command asked the file dialog for.
struct FileDialogRequest {
    QString fileName;
    QString filter; // "Description|pattern|Description|pattern…"
    int flags = 0;
};

// What the user chose in the save dialog: the path, and the filter entry (0-based) it was chosen
// under.
struct SaveChoice {
    QString path;
    int filterIndex = 0;
};

// The operating system's file dialog. Tests replace it with a scripted fake.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // Full paths of the chosen files in the dialog's order; empty when the user cancelled.
    virtual QStringList showOpen(const FileDialogRequest &request) = 0;
    // The chosen path; empty when the user cancelled.
    virtual SaveChoice showSave(const FileDialogRequest &request) = 0;
};

// The shared file dialog `cd` of the main window: commands set its fields, show it and read
// FileName back. A cancelled dialog leaves FileName as the command set it.
class CommonDialog {
public:
    enum Flag { OverwritePrompt = 2, AllowMultiSelect = 512 };
    // The dialog's error for a selection whose text does not fit into MaxFileSize.
    static constexpr int BufferTooSmallError = 20476;

    CommonDialog(FileDialogBackend &backend, const CodePage &codePage);

    QString FileName;
    QString Filter;
    int Flags = 0;
    int MaxFileSize = 260;
    // Every path of the open dialog's selection; FileName holds the first.
    QStringList Selection;

    // Returns 0, or BufferTooSmallError (then FileName is left as it was). Selection is empty
    // unless files were chosen.
    [[nodiscard]] int ShowOpen();
    // A name chosen without an extension gets the extension of the chosen filter entry.
    void ShowSave();

private:
    FileDialogRequest request() const;

    FileDialogBackend &m_backend;
    const CodePage &m_codePage;
};

// The extension (".pls") of the filter entry (0-based) whose pattern is one "*.ext", or an empty
// text.
QString filterExtension(const QString &filter, int index);

// Bytes that the selection takes in the dialog's single-text form (one path; or the folder,
// then a blank and a name per file), the terminating zero included.
int selectionTextLength(const QStringList &paths, const CodePage &codePage);
