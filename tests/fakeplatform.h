#pragma once

#include "platform/platform.h"

#include <QTest>

#include <deque>

// A file dialog that answers from a script and records what each command asked for.
class FakeFileDialog : public FileDialogBackend {
public:
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;

    QStringList showOpen(const FileDialogRequest &request) override {
        openRequests << request;
        if (openAnswers.empty()) {
            QTest::qFail("open dialog shown without a scripted answer", __FILE__, __LINE__);
            return {};
        }
        QStringList answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }

    QString showSave(const FileDialogRequest &request) override {
        saveRequests << request;
        if (saveAnswers.empty()) {
            QTest::qFail("save dialog shown without a scripted answer", __FILE__, __LINE__);
            return {};
        }
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
};

struct ShownMessage {
    QString text;
    QString title;
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
        if (answers.empty()) {
            QTest::qFail("question asked without a scripted answer", __FILE__, __LINE__);
            return MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A platform of fakes, with typed access to each of them.
struct FakePlatform {
    FakeFileDialog *fileDialog = new FakeFileDialog;
    FakeMessageBoxes *messageBoxes = new FakeMessageBoxes;
    Platform platform{std::unique_ptr<FileDialogBackend>(fileDialog),
                      std::unique_ptr<MessageBoxes>(messageBoxes), CodePage("UTF-8")};
};
