#include "playlist/frmexport.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/mediatexts.h"
#include "platform/platform.h"
#include "playlist/exporttexts.h"
#include "playlist/listexport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Sizes at 96 dots per inch; fixed, as in the search dialog, so changing texts lay out nothing.
constexpr QSize ClientSize(480, 222);

template <typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setFixedSize(geometry.size());
    return widget;
}

} // namespace

frmExport *frmExport::openFor(frmmain &main) {
    frmExport *dialog = nullptr;
    for (frmExport *open : main.findChildren<frmExport *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!open->m_closed)
            dialog = open;
    }
    if (!dialog)
        dialog = new frmExport(main);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

frmExport::frmExport(frmmain &main)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint)
    , m_main(main) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(ExportTexts::title());
    setWindowModality(Qt::WindowModal);
    resize(ClientSize);
    createControls();

    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString &text) { Command1->setEnabled(!text.isEmpty()); });
    connect(Command3, &QPushButton::clicked, this, &frmExport::browse);
    connect(Command1, &QPushButton::clicked, this, &frmExport::startOrStop);
    connect(Command2, &QPushButton::clicked, this, &frmExport::close);
}

void frmExport::createControls() {
    Label1 = place(new QLabel(ExportTexts::folderLabel(), this), "Label1", QRect(8, 13, 52, 22));
    Text1 = place(new QLineEdit(this), "Text1", QRect(60, 12, 236, 24));
    Command3 = place(new QPushButton(ExportTexts::browseCaption(), this), "Command3",
                     QRect(302, 10, 80, 28));
    Option1 =
        place(new QRadioButton(ExportTexts::keepFolders(), this), "Option1", QRect(8, 48, 376, 24));
    Option1->setChecked(true);
    Option2 = place(new QRadioButton(ExportTexts::flat(), this), "Option2", QRect(8, 86, 464, 24));
    Check1 =
        place(new QCheckBox(ExportTexts::windowsForm(), this), "Check1", QRect(8, 114, 464, 24));
    Command1 = place(new QPushButton(ExportTexts::startCaption(), this), "Command1",
                     QRect(392, 10, 80, 30));
    Command1->setEnabled(false);
    Command2 = place(new QPushButton(ExportTexts::closeCaption(), this), "Command2",
                     QRect(392, 48, 80, 30));
    for (QPushButton *button : {Command1, Command2, Command3})
        button->setAutoDefault(false);
    Command1->setDefault(true);
    Label3 = place(new QLabel(this), "Label3", QRect(8, 146, 464, 70));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmExport::reject() {
    if (Command2->isEnabled())
        close();
}

void frmExport::closeEvent(QCloseEvent *event) {
    event->accept();
    m_closed = true;
    // A running export stops at its next step; the dialog goes once it has unwound.
    if (Exporting) {
        m_stopRequested = true;
        return;
    }
    deleteLater();
}

void frmExport::browse() {
    const QString folder = m_main.platform().folderPicker->chooseFolder(this);
    if (!folder.isEmpty())
        Text1->setText(folder);
}

void frmExport::startOrStop() {
    if (Exporting)
        m_stopRequested = true;
    else
        start();
}

void frmExport::start() {
    EventPump &eventPump = *m_main.platform().eventPump;
    // The program's own working folder means nothing to the user: only a whole path is taken.
    if (!QDir::isAbsolutePath(Text1->text())) {
        m_main.platform().messageBoxes->showMessage(this, MediaTexts::noFolder(Text1->text()),
                                                    AppTexts::title(), MessageIcon::Warning);
        return;
    }
    const QString folder = QDir::cleanPath(Text1->text());
    const QString listName = m_main.listname == AppTexts::newListName()
                                 ? QString()
                                 : QFileInfo(m_main.listname).fileName();
    ListExport job(m_main.model().entries(), listName, folder,
                   {Option2->isChecked(), Check1->isChecked(), m_main.writeOptions().tagsOf});

    Exporting = true;
    m_stopRequested = false;
    Command1->setText(ExportTexts::stopCaption());
    setInputsEnabled(false);
    eventPump.showBusyPointer();
    const Result<ExportSummary> result = job.run([this, &eventPump](const ExportProgress &at) {
        // Only a pass shows the progress, so it is built only for one.
        if (eventPump.passDue()) {
            Label3->setText(ExportTexts::progress(at.done, at.total, at.source));
            eventPump.processEvents();
        }
        return !m_stopRequested;
    });
    Exporting = false;
    setInputsEnabled(true);
    eventPump.restorePointer();
    Command1->setText(ExportTexts::startCaption());
    Label3->setText(result.ok() ? ExportTexts::done(result.value()) : result.error());
    if (m_closed) {
        deleteLater();
        return;
    }
    if (!result.ok() && result.failure().kind != FailureKind::Stopped)
        m_main.platform().messageBoxes->showMessage(this, result.error(), AppTexts::title(),
                                                    MessageIcon::Warning);
}

void frmExport::setInputsEnabled(bool enabled) {
    for (QWidget *input :
         std::initializer_list<QWidget *>{Command2, Command3, Option1, Option2, Check1, Text1})
        input->setEnabled(enabled);
}
