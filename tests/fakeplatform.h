#pragma once

#include "platform/platform.h"

#include <QCoreApplication>
#include <QTest>
#include <QUrl>

#include <deque>
#include <functional>
#include <map>

// The next scripted answer. A call that no test scripted fails the test and gets `fallback`.
template <typename T> T nextAnswer(std::deque<T> &answers, const char *what, T fallback = {}) {
    if (answers.empty()) {
        QTest::qFail(what, __FILE__, __LINE__);
        return fallback;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

// A file dialog that answers from a script and records what each command asked for.
class FakeFileDialog : public FileDialogBackend {
public:
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    // The filter entry of each save answer; the first entry where none is scripted.
    std::deque<int> saveFilters;
    QList<FileDialogRequest> openRequests, saveRequests;

    QStringList showOpen(const FileDialogRequest &request) override {
        openRequests << request;
        return nextAnswer(openAnswers, "open dialog shown without a scripted answer");
    }

    SaveChoice showSave(const FileDialogRequest &request) override {
        saveRequests << request;
        const int filter = saveFilters.empty() ? 0 : nextAnswer(saveFilters, "");
        return {nextAnswer(saveAnswers, "save dialog shown without a scripted answer"), filter};
    }
};

struct ShownMessage {
    QString text, title;
    MessageIcon icon;
    bool question;
};

// Message boxes that answer from a script and record every box shown.
class FakeMessageBoxes : public MessageBoxes {
public:
    std::deque<MessageAnswer> answers;
    QList<ShownMessage> shown;

    void showMessage(QWidget *, const QString &text, const QString &title,
                     MessageIcon icon) override {
        shown << ShownMessage{text, title, icon, false};
    }

    MessageAnswer askYesNoCancel(QWidget *, const QString &text, const QString &title,
                                 MessageIcon icon) override {
        shown << ShownMessage{text, title, icon, true};
        return nextAnswer(answers, "question asked without a scripted answer",
                          MessageAnswer::Cancel);
    }
};

// A shell that opens nothing: it records each target and answers `opens`.
class FakeShell : public Shell {
public:
    bool opens = true;
    QList<std::pair<QWidget *, QUrl>> opened;

    bool open(QWidget *owner, const QUrl &target) override {
        opened.append({owner, target});
        return opens;
    }
};

// A program launcher that no test asks for: a call fails the test.
class FakeProgramLauncher : public ProgramLauncher {
public:
    bool start(const QString &) override {
        QTest::qFail("program started", __FILE__, __LINE__);
        return false;
    }
};

// A registry of the values a test puts in.
class FakeRegistry : public Registry {
public:
    std::map<std::pair<QString, QString>, QByteArray> values;

    std::optional<QByteArray> value(const QString &key, const QString &valueName) const override {
        const auto found = values.find({key, valueName});
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
};

// A folder picker that answers from a script (an empty answer is a cancel).
class FakeFolderPicker : public FolderPicker {
public:
    std::deque<QString> answers;

    QString chooseFolder(QWidget *) override {
        return nextAnswer(answers, "folder picker shown without a scripted answer");
    }
};

// An event pump that counts its passes and runs scripted actions at given passes, so tests
// make things happen in the middle of a long command (a click on Stop, a command of the main
// window, a window closed). Each pass also handles the real pending events. A pass is due at
// every asksPerPass-th question, at every one unless a test spaces them out as frames do.
class FakeEventPump : public EventPump {
public:
    int pumps = 0;
    int asks = 0;
    int asksPerPass = 1;
    // Runs once, on the pass of that number (the first pass is 1).
    std::map<int, std::function<void()>> actions;
    // Runs on every pass, before the scripted action.
    std::function<void()> everyPass;
    bool busy = false;
    int busyShown = 0;

    bool passDue() override { return ++asks % asksPerPass == 0; }

    void processEvents() override {
        ++pumps;
        if (everyPass)
            everyPass();
        const auto action = actions.find(pumps);
        if (action != actions.end()) {
            const std::function<void()> run = action->second;
            actions.erase(action);
            run();
        }
        QCoreApplication::processEvents();
    }

    void showBusyPointer() override {
        if (busy)
            QTest::qFail("busy pointer shown twice", __FILE__, __LINE__);
        busy = true;
        ++busyShown;
    }

    void restorePointer() override {
        if (!busy)
            QTest::qFail("pointer restored while not busy", __FILE__, __LINE__);
        busy = false;
    }
};

// Settings that start empty and keep what is stored for the test's run.
class FakeSettings : public Settings {
public:
    QVariantMap values;

    QVariant value(const QString &key) const override { return values.value(key); }
    void setValue(const QString &key, const QVariant &value) override { values[key] = value; }
};

// A platform of fakes, with typed access to those that tests script or look into.
struct FakePlatform {
    FakePlatform() = default;
    // Settings a previous run left.
    explicit FakePlatform(const QVariantMap &stored) { settings->values = stored; }

    FakeFileDialog *fileDialog = new FakeFileDialog;
    FakeMessageBoxes *messageBoxes = new FakeMessageBoxes;
    FakeShell *shell = new FakeShell;
    FakeFolderPicker *folderPicker = new FakeFolderPicker;
    FakeEventPump *eventPump = new FakeEventPump;
    FakeSettings *settings = new FakeSettings;
    Platform platform{std::unique_ptr<FileDialogBackend>(fileDialog),
                      std::unique_ptr<MessageBoxes>(messageBoxes),
                      std::unique_ptr<Shell>(shell),
                      std::make_unique<FakeRegistry>(),
                      std::make_unique<FakeProgramLauncher>(),
                      std::unique_ptr<FolderPicker>(folderPicker),
                      std::unique_ptr<EventPump>(eventPump),
                      std::unique_ptr<Settings>(settings)};
};
