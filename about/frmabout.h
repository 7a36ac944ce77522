#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct Platform;

// The About box: title, version, copyright and the maker's addresses, which open on a click,
// and a button that starts the system-information tool. Shown modeless and without an owner;
// it deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(Platform &platform);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QLabel *addLink(const char *name, const QString &text, const QRect &geometry);

    Platform &m_platform;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
};
