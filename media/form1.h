#pragma once

#include "media/filequery.h"

#include <QDialog>
#include <QSet>

#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class PatternSet;
class frmmain;

// The media search dialog: walks a folder, and on request its subfolders, and appends every
// file whose name matches the pattern to the main window's table. The scan runs on the
// user-interface thread and pumps events about once a frame, so Stop and the main window's
// commands reach it in the middle of a scan. It stays above the main window, which stays usable.
class Form1 : public QDialog {
    Q_OBJECT

public:
    // Shows the main window's one search dialog, made on first use, and gives it the focus; an
    // open one keeps its state, a running scan included.
    static Form1 *openFor(frmmain &main);

    explicit Form1(frmmain &main);

    // Escape works as the close button does, and not while that is disabled.
    void reject() override;

    QFrame *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

    // Searching decides what Command1 does; RowCount is the 1-based position of the next find
    // less one, FoundCount the finds of this scan.
    bool Searching = false;
    bool StopRequested = false;
    int RowCount = 0;
    int FoundCount = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void browse();
    void startOrStop();
    void start(const QString &folder);
    void stop();
    void setInputsEnabled(bool enabled);
    void ScanFolder(const QString &folder, const PatternSet &patterns);
    bool examine(const QString &folder, const QString &name, const PatternSet &patterns);
    // The folder and the patterns of a scan, offered by the two fields from then on.
    void remember(const QString &folder, const QString &patterns);
    void offerRemembered();
    bool addFind(const QString &path);

    frmmain &m_main;
    FileQuery m_query;
    // True from Start until the scan has unwound; Searching turns false already at Stop.
    bool m_scanRunning = false;
    bool m_closed = false;
    // How the last scan ended, besides a Stop.
    bool m_listFull = false;
    int m_skippedNames = 0;
    // The paths in the table when the scan started, and the finds since.
    QSet<QString> m_listed;
    int m_alreadyListed = 0;
};
