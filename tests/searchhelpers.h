#pragma once

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/form1.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <optional>

// The main window on fakes with a folder to search in, and the helpers the search tests share.
struct SearchFixture {
    QTemporaryDir dir;
    FakePlatform fake;
    frmmain window{fake.platform};
    std::optional<QAbstractItemModelTester> tester;

    // The model tester checks the whole table after every change: too slow for tables near
    // the row bound.
    explicit SearchFixture(bool testModel = true) {
        if (testModel)
            tester.emplace(&window.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    // Creates an empty file (and its folders) under the temporary folder; returns its path.
    QString touch(const QString &relativePath) {
        const QString path = dir.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            QTest::qFail("cannot create a test file", __FILE__, __LINE__);
        return path;
    }

    QString folder(const QString &relativePath = {}) const {
        return relativePath.isEmpty() ? dir.path() : dir.filePath(relativePath);
    }

    Form1 *open() {
        window.findChild<QAction *>(QStringLiteral("muntoopfind"))->trigger();
        return window.searchDialog;
    }

    // Runs one scan through the dialog's controls, as a user starts it.
    Form1 *scan(const QString &folder, const QString &pattern = QStringLiteral("*.mp3"),
                bool subfolders = true) {
        Form1 *dialog = open();
        dialog->Text1->setText(folder);
        dialog->Combo1->setCurrentText(pattern);
        dialog->Check1->setChecked(subfolders);
        dialog->Command1->click();
        return dialog;
    }

    QStringList paths() const {
        QStringList result;
        for (int row = 0; row < window.model().rowCount(); ++row)
            result << window.model().entry(row).path;
        return result;
    }

    QString statusPanel() const {
        return window.sb->findChild<QLabel *>(QStringLiteral("countPanel"))->text();
    }

    // Puts a file into the table with the Add command.
    void addThroughMenu(const QString &path) {
        fake.fileDialog->openAnswers.push_back({path});
        window.findChild<QAction *>(QStringLiteral("muneditadd"))->trigger();
    }
};
