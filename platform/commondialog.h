#pragma once

#include <QString>
#include <QStringList>

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

    explicit CommonDialog(FileDialogBackend &backend);

    QString FileName;
    QString Filter;
    int Flags = 0;
    // Every path of the open dialog's selection, however many; FileName holds the first.
    QStringList Selection;

    // Selection is empty unless files were chosen.
    void ShowOpen();
    // A name chosen without an extension gets the extension of the chosen filter entry.
    void ShowSave();

private:
    FileDialogRequest request() const;

    FileDialogBackend &m_backend;
};

// The extension (".pls") of the filter entry (0-based) whose pattern is one "*.ext", or an empty
// text.
QString filterExtension(const QString &filter, int index);
