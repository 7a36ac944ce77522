#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmmain;

// 导出到文件夹: copies the list with its files into a folder, such as a stick. The copying runs
// on the user-interface thread and pumps events about once a frame, so that the dialog answers
// and Stop reaches it. The dialog is modal to the main window: the list it exports stays as it
// was until the export is over.
class frmExport : public QDialog {
    Q_OBJECT

public:
    // Shows the main window's export dialog, made anew unless one is open.
    static frmExport *openFor(frmmain &main);

    explicit frmExport(frmmain &main);

    // Escape works as the close button does, and not while that is disabled.
    void reject() override;

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command3 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label3 = nullptr;

    // Exporting decides what Command1 does, from Start until the export has unwound.
    bool Exporting = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void browse();
    void startOrStop();
    void start();
    void setInputsEnabled(bool enabled);

    frmmain &m_main;
    bool m_stopRequested = false;
    bool m_closed = false;
};
