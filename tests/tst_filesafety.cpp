#include "app/frmprogress.h"
#include "playlistwindow.h"
#include "smalldisk.h"

#include <QPushButton>

#include <QStringEncoder>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>

// An ACL that lets the user nobody (65534) read, as system.posix_acl_access holds it.
const QByteArray NobodyReads =
    QByteArray::fromHex("02000000 01000600ffffffff 02000400feff0000 "
                        "04000400ffffffff 10000400ffffffff 20000400ffffffff");

// A list file as a save finds it: whether only root can make it so, its mode, its owner and
// group, an extended attribute, and its other name ("list.m3u8"), a hard link ("hard") or a
// symbolic one ("s") that is saved.
struct Kept {
    bool root;
    uint mode, owner;
    QByteArray attribute, value;
    QString link;
};

// What the playlist commands do with the disk and with files that are not what they seem: a
// full disk, what a saved file had besides its bytes, FIFOs, devices, folders, huge files,
// byte-order marks, endless paths.
class TestFileSafety : public QObject {
    Q_OBJECT

    std::unique_ptr<PlaylistWindow> w;

private Q_SLOTS:
    void init() { w = std::make_unique<PlaylistWindow>(); }

    void fullDiskKeepsTheOldFileAndTheUnsavedState() {
        const QString disk = w->dir.filePath(u"disk"_s);
        const SmallDisk small(disk);
        if (!small.refusal.isEmpty())
            QSKIP(qPrintable(small.refusal));
        // The list and the filler leave no room for a new copy of the list.
        const QByteArray bytes =
            "#EXTM3U\r\n" + (w->make(u"歌.mp3"_s).toUtf8() + "\r\n").repeated(630);
        const QString list = w->make(u"disk/list.m3u"_s, bytes);
        w->make(u"disk/filler"_s, QByteArray(12 * 1024, 'x'));
        w->open(list);
        QCOMPARE(w->form.model().rowCount(), 630);
        const QString caption = w->form.windowTitle();

        w->item("munfilesave")->trigger();
        QCOMPARE(w->messages().size(), 1);
        QCOMPARE(w->messages()[0], u"无法写入文件“%1”，列表没有保存。\n磁盘空间不足。"_s.arg(list));
        QCOMPARE(w->read(list), bytes);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"filler"_s, u"list.m3u"_s}));
        QVERIFY(!w->form.saved());
        QCOMPARE(w->form.windowTitle(), caption);
        // Exit still asks; Cancel keeps the window.
        w->fakes.messageBoxes->answers = {MessageAnswer::Cancel};
        QVERIFY(!w->form.close());
        QVERIFY(w->fakes.messageBoxes->shown.size() == 2 &&
                w->fakes.messageBoxes->shown.last().question);
    }

    void saveKeepsWhatItReplaces_data() {
        QTest::addColumn<Kept>("kept");
        QTest::newRow("read-only, replaced by root") << Kept{true, 0444, 0, {}, {}, {}};
        QTest::newRow("another user's, setgid") << Kept{true, 02750, 65534, {}, {}, {}};
        QTest::newRow("trusted attribute") << Kept{true, 0644, 0, "trusted.v", "注", {}};
        QTest::newRow("ACL") << Kept{false, 0644, 0, "system.posix_acl_access", NobodyReads, {}};
        QTest::newRow("second hard link") << Kept{false, 0604, 0, {}, {}, u"hard"_s};
        QTest::newRow("through a symbolic link") << Kept{false, 0644, 0, {}, {}, u"s"_s};
    }

    void saveKeepsWhatItReplaces() {
        QFETCH(const Kept, kept);
        const auto &[root, mode, owner, attribute, value, link] = kept;
        if (root && ::geteuid() != 0)
            QSKIP("only root may give a file away, set trusted attributes or write past a mode");
        const QString list = w->make(u"list.m3u"_s, "#EXTM3U\r\n");
        const QByteArray name = QFile::encodeName(list);
        if (!attribute.isEmpty() &&
            ::setxattr(name, attribute, value, size_t(value.size()), 0) != 0)
            QSKIP(qPrintable(u"no %1 here: "_s.arg(attribute) + qt_error_string(errno)));
        QVERIFY((!owner || ::chown(name, owner, owner) == 0) && ::chmod(name, mode) == 0);
        QVERIFY(link.isEmpty() || (link == u"hard"_s ? ::link : ::symlink)(name, name + '8') == 0);

        w->open(link == u"s"_s ? list + u'8' : list);
        w->add({w->dir.filePath(u"loose.mp3"_s)});
        w->item("munfilesave")->trigger();
        const QByteArray text = "#EXTM3U\r\n" + w->dir.filePath(u"loose.mp3"_s).toUtf8() + "\r\n";
        QCOMPARE(w->read(list), text);
        QVERIFY(link.isEmpty() || w->read(list + u'8') == text);
        struct stat after = {};
        QVERIFY(::stat(name, &after) == 0 && (after.st_mode & 07777) == mode &&
                after.st_uid == (owner ? owner : ::geteuid()) &&
                after.st_gid == (owner ? owner : ::getegid()));
        QByteArray copied(256, 0);
        copied.resize(attribute.isEmpty() ? 0 : ::getxattr(name, attribute, copied.data(), 256));
        QCOMPARE(copied, value);
        // Neither the new file nor a backup is left behind under another name.
        QCOMPARE(w->dir.entryList({u".*"_s}, QDir::Files | QDir::Hidden), QStringList());
    }

    void openAndSaveRefuseWhatIsNoRegularFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        // The command that then saves onto it, if any.
        QTest::addColumn<QString>("command");
        const QString notRegular = u"不是普通文件"_s;
        QTest::newRow("fifo") << u"fifo.m3u"_s << notRegular << u"munfilesaveas"_s;
        QTest::newRow("link to a fifo") << u"fifolink.m3u"_s << notRegular << u"munfilesave"_s;
        QTest::newRow("device node") << u"device.m3u"_s << notRegular << u"munfilenew"_s;
        QTest::newRow("link to a device node")
            << u"devicelink.m3u"_s << notRegular << u"munfileexit"_s;
        QTest::newRow("socket") << u"socket.m3u"_s << notRegular << u"munfilesaveas"_s;
        QTest::newRow("folder") << u"folder.m3u"_s << notRegular << u"munfilesave"_s;
        QTest::newRow("link to /dev/zero") << u"zero.m3u"_s << notRegular << QString();
        QTest::newRow("65 MiB") << u"huge.m3u"_s << u"大于 64 MB"_s << QString();
        QTest::newRow("missing") << u"none.m3u"_s << u"无法读取列表文件"_s << QString();
    }

    void openAndSaveRefuseWhatIsNoRegularFile() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, command);
        const QString path = w->dir.filePath(name);
        const QByteArray in = QFile::encodeName(w->dir.path()) + '/';
        QVERIFY(::mknod(in + "fifo.m3u", S_IFIFO | 0600, 0) == 0 &&
                ::mknod(in + "socket.m3u", S_IFSOCK | 0600, 0) == 0);
        // A device of its own, the null device's twin.
        if (::mknod(in + "device.m3u", S_IFCHR | 0600, makedev(1, 3)) != 0 &&
            name.startsWith(u"dev"_s))
            QSKIP("making a device node needs root (CAP_MKNOD)");
        QVERIFY(::symlink("fifo.m3u", in + "fifolink.m3u") == 0 &&
                ::symlink("device.m3u", in + "devicelink.m3u") == 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, w->dir.filePath(u"zero.m3u"_s)));
        QVERIFY(QDir().mkdir(w->dir.filePath(u"folder.m3u"_s)));
        QFile huge(w->dir.filePath(u"huge.m3u"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
        huge.close();

        w->add({w->dir.filePath(u"loose.mp3"_s)});
        // The added row is asked about first; No would discard it, but a refused file replaces
        // nothing.
        w->fakes.messageBoxes->answers = {MessageAnswer::No};
        w->open(name);
        QCOMPARE(w->messages().size(), 2);
        QVERIFY2(w->messages()[1].contains(message) && w->messages()[1].contains(path),
                 qPrintable(w->messages()[1]));
        QCOMPARE(w->names(), QStringList{u"loose.mp3"_s});
        QCOMPARE(w->form.listname, u"新列表"_s);
        if (command.isEmpty())
            return;

        // Nothing is opened on it (a FIFO would block), and it stays what it was; New and Exit
        // stop as after Cancel.
        w->fakes.messageBoxes->answers = {MessageAnswer::Yes};
        w->fakes.fileDialog->saveAnswers = {path};
        w->item(qPrintable(command))->trigger();
        QCOMPARE(w->messages().last(), u"无法保存“%1”：它不是普通文件，列表没有保存。"_s.arg(path));
        const QFileInfo node(path);
        QVERIFY(node.exists() && !node.isFile());
        QVERIFY(w->names() == QStringList{u"loose.mp3"_s} && w->form.listname == u"新列表"_s);
    }

    void byteOrderMarkDecidesTheEncoding_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringConverter::Encoding>("encoding");
        QTest::addColumn<QString>("text");
        const QString pls = u"[playlist]\r\nFile1=歌.mp3\r\nNumberOfEntries=1\r\n"_s;
        const QString m3u = u"#EXTM3U\n歌.mp3\n"_s;
        QTest::newRow("pls, utf-16 le") << u"l.pls"_s << QStringConverter::Utf16LE << pls;
        QTest::newRow("pls, utf-16 be") << u"l.pls"_s << QStringConverter::Utf16BE << pls;
        QTest::newRow("m3u, utf-16 le") << u"l.m3u"_s << QStringConverter::Utf16LE << m3u;
        QTest::newRow("m3u, utf-8") << u"l.m3u"_s << QStringConverter::Utf8 << m3u;
    }

    void byteOrderMarkDecidesTheEncoding() {
        QFETCH(QString, name);
        QFETCH(QStringConverter::Encoding, encoding);
        QFETCH(QString, text);
        w->make(u"歌.mp3"_s);
        w->open(w->make(name, QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text)));
        QVERIFY(w->messages().isEmpty());
        QCOMPARE(w->names(), QStringList{u"歌.mp3"_s});
    }

    // Relocation over a large tree and a drop of a large folder show their progress and stop
    // on 停止: relocation keeps what it found, a stopped drop adds nothing.
    void longWalksCanBeStopped_data() {
        QTest::addColumn<bool>("relocate");
        QTest::addColumn<bool>("stop");
        // The rows' paths, under the tree where they are in it.
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("message");
        QTest::newRow("relocation to its end")
            << true << false << QStringList{u"f1.mp3"_s, u"sub/f9.mp3"_s}
            << u"找到了2个节目文件，还有0个找不到。"_s;
        QTest::newRow("relocation stopped")
            << true << true << QStringList{u"f1.mp3"_s, u"/gone/sub/f9.mp3"_s}
            << u"查找已停止。找到了1个节目文件，还有1个找不到。"_s;
        QTest::newRow("drop to its end") << false << false
                                         << QStringList{u"f1.mp3"_s, u"sub/a.mp3"_s, u"sub/b.mp3"_s,
                                                        u"sub/c.mp3"_s, u"sub/f9.mp3"_s}
                                         << QString();
        QTest::newRow("drop stopped") << false << true << QStringList() << QString();
    }

    void longWalksCanBeStopped() {
        QFETCH(bool, relocate);
        QFETCH(bool, stop);
        for (const char *name : {"tree/f1.mp3", "tree/sub/a.mp3", "tree/sub/b.mp3",
                                 "tree/sub/c.mp3", "tree/sub/f9.mp3"})
            w->make(QString::fromUtf8(name));
        w->form.progressDelay = 0;
        FakeEventPump &pump = *w->fakes.eventPump;
        // The tree's own file comes first, so a stop at the first pass has seen it alone.
        pump.actions[1] = [&] {
            auto *box = w->form.findChild<frmProgress *>();
            QVERIFY(box && box->isVisible() && box->windowModality() == Qt::WindowModal);
            QCOMPARE(box->lblProgress->text(), relocate
                                                   ? u"正在查找找不到的节目文件：已查看1个文件…"_s
                                                   : u"正在读取拖入的文件夹：已查看1个文件…"_s);
            if (stop)
                box->cmdStop->click();
        };
        if (relocate) {
            w->open(w->make(u"l.m3u"_s, "/gone/f1.mp3\n/gone/sub/f9.mp3\n"));
            w->fakes.folderPicker->answers = {w->dir.filePath(u"tree"_s)};
            w->item("muneditrelocate")->trigger();
        } else {
            w->dropFiles({u"tree"_s}, -1);
        }
        QStringList paths;
        const QString tree = w->dir.filePath(u"tree/"_s);
        for (const PlaylistEntry &row : w->form.model().entries())
            paths << (row.path.startsWith(tree) ? row.path.mid(tree.size()) : row.path);
        QTEST(paths, "paths");
        QTEST(w->messages().value(relocate ? 1 : 0), "message");
        QCOMPARE(pump.pumps, stop ? 1 : 5);
        QVERIFY(!pump.busy && !w->form.findChild<frmProgress *>());
    }

    void messagesQuoteLongPathsShortened() {
        const QString endless = u"/"_s + QString(1000000, u'長') + u".mp3"_s;
        w->open(
            w->make(u"l.pls"_s, "[playlist]\nNumberOfEntries=1\nFile1=" + endless.toUtf8() + "\n"));
        QCOMPARE(w->messages().size(), 1);
        const QString text = w->messages()[0];
        // The path's start and end, around an ellipsis, within a box that fits the screen.
        QVERIFY2(text.size() < 300 && text.contains(u"/長長"_s) && text.contains(u"長.mp3"_s) &&
                     text.contains(u'…'),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
