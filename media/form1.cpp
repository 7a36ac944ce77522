#include "media/form1.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/mediatexts.h"
#include "media/wildcardpattern.h"
#include "platform/folderlisting.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>

namespace {

// Sizes at 96 dots per inch. Every control has a fixed size and there is no layout, so a
// changing text never makes the window lay out again.
constexpr QSize ClientSize(440, 184);

template <typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setFixedSize(geometry.size());
    return widget;
}

QLabel *plainLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Form1 *Form1::openFor(frmmain &main) {
    if (!main.searchDialog || main.searchDialog->m_closed)
        main.searchDialog = new Form1(main);
    Form1 *dialog = main.searchDialog;
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
    }
    dialog->show();
    return dialog;
}

Form1::Form1(frmmain &main)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("搜索本机"));
    resize(ClientSize);
    createControls();

    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString &text) { Command1->setEnabled(!text.isEmpty()); });
    connect(Command3, &QPushButton::clicked, this, &Form1::browse);
    connect(Command1, &QPushButton::clicked, this, &Form1::startOrStop);
    connect(Command2, &QPushButton::clicked, this, &Form1::close);
}

void Form1::createControls() {
    Frame1 = place(new QFrame(this), "Frame1", QRect(8, 8, 320, 108));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);

    Label1 = place(plainLabel(QStringLiteral("名称："), Frame1), "Label1", QRect(10, 13, 44, 22));
    Combo1 = place(new QComboBox(Frame1), "Combo1", QRect(56, 12, 252, 24));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(MediaTexts::patternList());
    Combo1->setCurrentIndex(0);

    Label2 = place(plainLabel(QStringLiteral("位置："), Frame1), "Label2", QRect(10, 43, 44, 22));
    Text1 = place(new QLineEdit(Frame1), "Text1", QRect(56, 42, 252, 24));
    QPalette grey = Text1->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    Text1->setPalette(grey);

    Check1 = place(new QCheckBox(QStringLiteral("包含子文件夹"), Frame1), "Check1",
                   QRect(56, 74, 160, 24));
    Check1->setChecked(true);
    Command3 =
        place(new QPushButton(QStringLiteral("浏览"), Frame1), "Command3", QRect(228, 72, 80, 28));

    Command1 = place(new QPushButton(MediaTexts::startCaption(), this), "Command1",
                     QRect(340, 12, 92, 30));
    Command1->setEnabled(false);
    Command2 =
        place(new QPushButton(QStringLiteral("关闭"), this), "Command2", QRect(340, 50, 92, 30));
    for (QPushButton *button : {Command1, Command2, Command3})
        button->setAutoDefault(false);
    Command1->setDefault(true);

    Label3 = place(plainLabel({}, this), "Label3", QRect(8, 122, 424, 36));
    Label3->setWordWrap(true);
    Label4 = place(plainLabel({}, this), "Label4", QRect(8, 160, 424, 20));
}

void Form1::reject() {
    if (Command2->isEnabled())
        close();
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    m_closed = true;
    // A running scan stops at its next test and the dialog goes once the scan has unwound;
    // until then the scan still uses it.
    if (m_scanRunning) {
        Searching = false;
        StopRequested = true;
        return;
    }
    deleteLater();
}

void Form1::browse() {
    QString folder = m_main.platform().folderPicker->chooseFolder(this);
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    Text1->setText(folder);
}

void Form1::startOrStop() {
    if (Searching) {
        stop();
        return;
    }
    // A Start that arrives while a stopped scan is still unwinding would nest a second scan.
    if (m_scanRunning)
        return;
    const QFileInfo folder(Text1->text());
    if (!folder.isDir() || !folder.isReadable()) {
        m_main.platform().messageBoxes->showMessage(this, MediaTexts::noFolder(Text1->text()),
                                                    AppTexts::title(), MessageIcon::Warning);
        return;
    }
    start(QDir::cleanPath(folder.absoluteFilePath()));
}

void Form1::start(const QString &folder) {
    EventPump &eventPump = *m_main.platform().eventPump;
    m_main.saved = false;
    Command1->setText(MediaTexts::stopCaption());
    Searching = true;
    StopRequested = false;
    RowCount = m_main.model().rowCount();
    FoundCount = 0;
    setInputsEnabled(false);
    eventPump.showBusyPointer();

    m_scanRunning = true;
    m_throttle.emplace(QList<QWidget *>{Label3, Label4, m_main.sb, m_main.ListView1},
                       m_main.ListView1);
    // Undo takes back a whole scan at once.
    m_main.model().beginGroupedChange();
    ScanFolder(folder, WildcardPattern(Combo1->currentText().trimmed()));
    m_main.model().endGroupedChange();
    m_throttle.reset();
    m_scanRunning = false;

    setInputsEnabled(true);
    eventPump.restorePointer();
    m_main.showcount();
    Command1->setText(MediaTexts::startCaption());
    Label4->setText(MediaTexts::foundCount(FoundCount));
    // The file examined after a Stop has written its progress over the stop message.
    Label3->setText(StopRequested ? MediaTexts::stopped() : MediaTexts::completed());
    Searching = false;
    m_main.updaterowcommands();
    if (m_closed)
        deleteLater();
}

void Form1::stop() {
    Searching = false;
    StopRequested = true;
    Command1->setText(MediaTexts::startCaption());
    Label3->setText(MediaTexts::stopped());
    m_main.updaterowcommands();
}

void Form1::setInputsEnabled(bool enabled) {
    for (QWidget *input :
         std::initializer_list<QWidget *>{Command2, Command3, Check1, Combo1, Text1})
        input->setEnabled(enabled);
}

// Any failure inside one folder ends the visit of that folder silently; the scan goes on with
// the next subfolder of its parent.
void Form1::ScanFolder(const QString &folder, const WildcardPattern &pattern) {
    const std::optional<FolderListing> listing = FolderListing::read(folder);
    if (!listing)
        return;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (const QString &name : listing->files) {
        const QString path = prefix + name;
        Label3->setText(MediaTexts::progress(path));
        Label4->setText(MediaTexts::foundCount(FoundCount));
        m_main.showcount(RowCount);
        // The first match test with an invalid pattern is such a failure.
        if (!pattern.isValid())
            return;
        if (pattern.matches(name) && !addFind(path))
            return;
        if (StopRequested)
            return;
        pump();
    }
    if (!Check1->isChecked())
        return;
    for (const QString &name : listing->subfolders) {
        if (StopRequested)
            return;
        ScanFolder(prefix + name, pattern);
    }
}

// Rows deleted through the pump may leave RowCount past the end of the table: a find then
// goes to the end, never further.
bool Form1::addFind(const QString &path) {
    PlaylistModel &model = m_main.model();
    if (RowCount >= MaxRows || model.rowCount() >= MaxRows)
        return false;
    std::optional<PlaylistEntry> entry = m_query.entryFor(path);
    if (!entry)
        return false;
    ++RowCount;
    ++FoundCount;
    model.insertEntry(std::min(RowCount, model.rowCount() + 1) - 1, std::move(*entry));
    return true;
}

void Form1::pump() {
    m_throttle->beforePump();
    m_main.platform().eventPump->processEvents();
}
