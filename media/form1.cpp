#include "media/form1.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/folderwalk.h"
#include "media/mediatexts.h"
#include "media/patternset.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStringListModel>
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

// What the fields offer as the user types: the folders and patterns of the last scans, newest
// first.
const QString FoldersKey = QStringLiteral("search/folders");
const QString PatternsKey = QStringLiteral("search/patterns");
constexpr int Remembered = 10;

QCompleter *offering(QObject *parent) {
    auto *completer = new QCompleter(new QStringListModel(parent), parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

// A leading ~ is the home folder, as in a shell.
QString withHomeFolder(const QString &location) {
    if (location == QLatin1String("~") || location.startsWith(QLatin1String("~/")))
        return QDir::homePath() + location.mid(1);
    return location;
}

} // namespace

Form1 *Form1::openFor(frmmain &main) {
    if (!main.searchDialog || main.searchDialog->m_closed)
        main.searchDialog = new Form1(main);
    Form1 *dialog = main.searchDialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

// A window of the main window's own, so it stays above it; shown without modality.
Form1::Form1(frmmain &main)
    : QDialog(&main,
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
    // Completing inline would turn a typed "*" into "*.mp3", and that would be searched; a
    // popup only offers.
    Combo1->lineEdit()->setCompleter(offering(Combo1));
    Combo1->addItems(MediaTexts::patternList());
    Combo1->setCurrentIndex(0);

    Label2 = place(plainLabel(QStringLiteral("位置："), Frame1), "Label2", QRect(10, 43, 44, 22));
    Text1 = place(new QLineEdit(Frame1), "Text1", QRect(56, 42, 252, 24));
    Text1->setCompleter(offering(Text1));
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
    offerRemembered();
}

void Form1::remember(const QString &folder, const QString &patterns) {
    Settings &settings = *m_main.platform().settings;
    const auto keep = [&settings](const QString &key, const QString &text) {
        QStringList texts = settings.value(key).toStringList();
        texts.removeAll(text);
        texts.prepend(text);
        settings.setValue(key, texts.mid(0, Remembered));
    };
    keep(FoldersKey, folder);
    keep(PatternsKey, patterns);
    offerRemembered();
}

void Form1::offerRemembered() {
    const Settings &settings = *m_main.platform().settings;
    const auto offer = [&settings](QCompleter *completer, const QString &key) {
        static_cast<QStringListModel *>(completer->model())
            ->setStringList(settings.value(key).toStringList());
    };
    offer(Text1->completer(), FoldersKey);
    offer(Combo1->completer(), PatternsKey);
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
    // The picker's window hands the focus back to whichever window the desktop chooses.
    raise();
    activateWindow();
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
    // The last scan's result goes, so that it is never taken for this one's.
    Label3->clear();
    Label4->clear();
    const QString location = withHomeFolder(Text1->text());
    const QFileInfo folder(location);
    if (!folder.isDir() || !folder.isReadable()) {
        m_main.platform().messageBoxes->showMessage(this, MediaTexts::noFolder(location),
                                                    AppTexts::title(), MessageIcon::Warning);
        return;
    }
    start(QDir::cleanPath(folder.absoluteFilePath()));
}

void Form1::start(const QString &folder) {
    EventPump &eventPump = *m_main.platform().eventPump;
    m_main.rowsMayChange();
    Command1->setText(MediaTexts::stopCaption());
    Searching = true;
    StopRequested = false;
    RowCount = m_main.model().rowCount();
    FoundCount = 0;
    m_listFull = false;
    m_skippedNames = 0;
    m_alreadyListed = 0;
    m_listed = m_main.model().paths();
    setInputsEnabled(false);
    eventPump.showBusyPointer();

    m_scanRunning = true;
    remember(Text1->text(), Combo1->currentText());
    // An invalid pattern matches nothing, so a scan with no other ends at once.
    const PatternSet patterns({Combo1->currentText()});
    // Undo takes back a whole scan at once.
    m_main.model().beginGroupedChange();
    if (!patterns.onlyInvalid())
        ScanFolder(folder, patterns);
    m_main.model().endGroupedChange();
    m_scanRunning = false;

    setInputsEnabled(true);
    eventPump.restorePointer();
    m_main.showcount();
    Command1->setText(MediaTexts::startCaption());
    Label4->setText(MediaTexts::foundCount(FoundCount));
    // The file examined after a Stop has written its progress over the stop message.
    const QString end = m_listFull      ? MediaTexts::listFull()
                        : StopRequested ? MediaTexts::stopped()
                                        : MediaTexts::completed();
    Label3->setText(MediaTexts::withSkipped(end, m_skippedNames, m_alreadyListed));
    m_listed.clear();
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

void Form1::ScanFolder(const QString &folder, const PatternSet &patterns) {
    FolderWalk walk(
        {[&](const QString &in, const QString &name) { return examine(in, name, patterns); },
         [this] { return !StopRequested; }},
        Check1->isChecked());
    walk.run(folder);
    m_skippedNames = walk.skippedNames();
}

// One file of the walk; answers whether the scan goes on. The stop test follows the match, so
// the file after a Stop is still examined.
bool Form1::examine(const QString &folder, const QString &name, const PatternSet &patterns) {
    EventPump &eventPump = *m_main.platform().eventPump;
    // Only a pass shows the progress, so it is built only for one, with the counts reached
    // before this file.
    const bool passDue = eventPump.passDue();
    if (passDue) {
        Label3->setText(MediaTexts::progress(folder + name));
        Label4->setText(MediaTexts::foundCount(FoundCount));
        m_main.showcount(RowCount);
    }
    if (patterns.matches(name) && !addFind(folder + name))
        return false;
    if (StopRequested)
        return false;
    if (passDue)
        eventPump.processEvents();
    return true;
}

// False when the table is full, which ends the scan. Rows deleted through the pump may leave
// RowCount past the end of the table: a find then goes to the end, never further.
bool Form1::addFind(const QString &path) {
    // A file the table lists already is skipped, as Add skips it.
    if (m_listed.contains(path)) {
        ++m_alreadyListed;
        return true;
    }
    PlaylistModel &model = m_main.model();
    if (RowCount >= MaxRows || model.rowCount() >= MaxRows) {
        m_listFull = true;
        return false;
    }
    std::optional<PlaylistEntry> entry = m_query.entryFor(path);
    // A file gone since its folder was listed is no find; the rest of its folder still counts.
    if (!entry)
        return true;
    ++RowCount;
    ++FoundCount;
    m_listed.insert(entry->path);
    model.insertEntry(std::min(RowCount, model.rowCount() + 1) - 1, std::move(*entry));
    return true;
}
