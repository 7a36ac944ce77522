#include "searchhelpers.h"

#include <QFrame>

// The dialog itself: its controls, Browse, opening and closing, and the start failures.
class tst_SearchDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initialState();
    void openingAgainChangesNothing();
    void closedAndOpenedStartsAfresh();
    void startNeedsText();
    void browse_data();
    void browse();
    void locationWithoutFolder_data();
    void locationWithoutFolder();
    void closedDuringScan_data();
    void closedDuringScan();
    void escapeWhileScanningIsIgnored();
};

void tst_SearchDialog::initialState() {
    SearchFixture f;
    Form1 *dialog = f.open();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->parentWidget(), nullptr);
    QVERIFY(dialog->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(dialog->windowTitle(), u"搜索本机"_qs);

    QCOMPARE(dialog->Label1->text(), u"名称："_qs);
    QCOMPARE(dialog->Label2->text(), u"位置："_qs);
    QCOMPARE(dialog->Combo1->currentText(), u"*.mp3"_qs);
    QVERIFY(dialog->Combo1->isEditable());
    const QStringList expected = u"*.mp3 *.mp2 *.mp1 *.ram *.rmm *.ra *.rm *.wmv *.avi *.as *.cda "
                                 u"*.mjf *.mod *.stm *.s3m *.it *.xm *.ult *.dat *.asf *.cmf *.cmn "
                                 u"*.mpg *.mpeg *.ifo *.vob *.grf *.avi *.mpg *.mpeg *.mov *.qt "
                                 u"*.anim *.vqt *.voc *.wav *.wma"_qs.split(QLatin1Char(' '));
    QCOMPARE(expected.size(), 37);
    QStringList items;
    for (int i = 0; i < dialog->Combo1->count(); ++i)
        items << dialog->Combo1->itemText(i);
    QCOMPARE(items, expected);
    QCOMPARE(dialog->Text1->text(), QString());
    QCOMPARE(dialog->Text1->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(dialog->Command3->text(), u"浏览"_qs);
    QVERIFY(dialog->Command3->isEnabled());
    QCOMPARE(dialog->Check1->text(), u"包含子文件夹"_qs);
    QVERIFY(dialog->Check1->isChecked());
    QCOMPARE(dialog->Command1->text(), u"开始查找"_qs);
    QVERIFY(!dialog->Command1->isEnabled());
    QVERIFY(dialog->Command1->isDefault());
    QCOMPARE(dialog->Command2->text(), u"关闭"_qs);
    QVERIFY(dialog->Command2->isEnabled());
    QCOMPARE(dialog->Label3->text(), QString());
    QCOMPARE(dialog->Label4->text(), QString());
    for (QWidget *input :
         std::initializer_list<QWidget *>{dialog->Label1, dialog->Combo1, dialog->Label2,
                                          dialog->Text1, dialog->Command3, dialog->Check1})
        QCOMPARE(input->parentWidget(), dialog->Frame1);
    QVERIFY(!dialog->Searching);
}

void tst_SearchDialog::openingAgainChangesNothing() {
    SearchFixture f;
    Form1 *dialog = f.open();
    dialog->Text1->setText(f.folder());
    dialog->Combo1->setCurrentText(u"*.wav"_qs);
    dialog->Check1->setChecked(false);
    QCOMPARE(f.open(), dialog);
    int dialogs = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        dialogs += qobject_cast<Form1 *>(window) ? 1 : 0;
    QCOMPARE(dialogs, 1);
    QCOMPARE(dialog->Text1->text(), f.folder());
    QCOMPARE(dialog->Combo1->currentText(), u"*.wav"_qs);
    QVERIFY(!dialog->Check1->isChecked());
}

void tst_SearchDialog::closedAndOpenedStartsAfresh() {
    SearchFixture f;
    f.touch(u"a.mp3"_qs);
    QPointer<Form1> first = f.scan(f.folder(), u"*.MP3"_qs, false);
    QCOMPARE(first->Label3->text(), u"完成查找！"_qs);
    first->Command2->click();
    QVERIFY(!first->isVisible());
    QTRY_VERIFY(first.isNull());

    Form1 *second = f.open();
    QVERIFY(second);
    QCOMPARE(second->Text1->text(), QString());
    QCOMPARE(second->Combo1->currentText(), u"*.mp3"_qs);
    QVERIFY(second->Check1->isChecked());
    QCOMPARE(second->Label3->text(), QString());
    QCOMPARE(second->Label4->text(), QString());
    QVERIFY(!second->Command1->isEnabled());
    // Escape works as the close button.
    second->reject();
    QVERIFY(!second->isVisible());
}

void tst_SearchDialog::startNeedsText() {
    SearchFixture f;
    Form1 *dialog = f.open();
    QTest::keyClick(dialog->Text1, Qt::Key_Space);
    QCOMPARE(dialog->Text1->text(), u" "_qs);
    QVERIFY(dialog->Command1->isEnabled());
    QTest::keyClick(dialog->Text1, Qt::Key_Backspace);
    QVERIFY(!dialog->Command1->isEnabled());
}

void tst_SearchDialog::browse_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << u"/home/用户/Music"_qs << u"/home/用户/Music/"_qs;
    QTest::newRow("root stays") << u"/"_qs << u"/"_qs;
    QTest::newRow("cancel keeps the text") << QString() << u"/old/"_qs;
}

void tst_SearchDialog::browse() {
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    SearchFixture f;
    Form1 *dialog = f.open();
    dialog->Text1->setText(u"/old/"_qs);
    f.fake.folderPicker->answers.push_back(answer);
    dialog->Command3->click();
    QCOMPARE(dialog->Text1->text(), expected);
    QCOMPARE(f.fake.folderPicker->owners, QList<QWidget *>{dialog});
    QVERIFY(dialog->Command1->isEnabled());
}

void tst_SearchDialog::locationWithoutFolder_data() {
    QTest::addColumn<QString>("location");
    QTest::newRow("missing") << u"missing/"_qs;
    QTest::newRow("a file") << u"file.mp3"_qs;
    QTest::newRow("blank") << u" "_qs;
}

void tst_SearchDialog::locationWithoutFolder() {
    QFETCH(QString, location);
    SearchFixture f;
    f.touch(u"file.mp3"_qs);
    const QString text = location == u" "_qs ? location : f.folder(location);
    f.window.saved = true;
    Form1 *dialog = f.scan(text);

    QCOMPARE(f.fake.messageBoxes->shown.size(), 1);
    QCOMPARE(f.fake.messageBoxes->shown[0].text, u"找不到文件夹“%1”，请检查位置！"_qs.arg(text));
    QCOMPARE(f.fake.messageBoxes->shown[0].title, u"Vantrel"_qs);
    QVERIFY(!dialog->Searching);
    QCOMPARE(dialog->Command1->text(), u"开始查找"_qs);
    for (QWidget *input : std::initializer_list<QWidget *>{
             dialog->Command2, dialog->Command3, dialog->Check1, dialog->Combo1, dialog->Text1})
        QVERIFY(input->isEnabled());
    QCOMPARE(f.fake.eventPump->busyShown, 0);
    QCOMPARE(dialog->Label3->text(), QString());
    QVERIFY(f.window.saved);
    QCOMPARE(f.window.model().rowCount(), 0);
}

void tst_SearchDialog::closedDuringScan_data() {
    QTest::addColumn<bool>("closeMainWindow");
    QTest::newRow("close box") << false;
    QTest::newRow("main window closed") << true;
}

void tst_SearchDialog::closedDuringScan() {
    QFETCH(bool, closeMainWindow);
    SearchFixture f;
    f.window.show();
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "sub/e.mp3"})
        f.touch(QString::fromLatin1(name));
    QPointer<Form1> dialog = f.open();
    // The scan leaves the list unsaved, so closing the main window asks first.
    if (closeMainWindow)
        f.fake.messageBoxes->answers.push_back(MessageAnswer::No);
    f.fake.eventPump->actions[1] = [&] {
        if (closeMainWindow)
            f.window.close();
        else
            dialog->close();
    };
    f.scan(f.folder());

    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    // The stop test follows the match, so one more file is examined.
    QCOMPARE(f.fake.eventPump->pumps, 1);
    QCOMPARE(f.window.model().rowCount(), 2);
    QVERIFY(!f.fake.eventPump->busy);
    QVERIFY(f.window.updatesEnabled());
    QVERIFY(dialog->updatesEnabled());
    QCOMPARE(f.statusPanel(), u"共有2个节目文件！"_qs);
    QVERIFY(f.window.muneditdelete->isEnabled());
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(f.window.searchDialog.isNull());

    Form1 *again = f.open();
    QVERIFY(again);
    QCOMPARE(again->Text1->text(), QString());
}

void tst_SearchDialog::escapeWhileScanningIsIgnored() {
    SearchFixture f;
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
        f.touch(QString::fromLatin1(name));
    Form1 *dialog = f.open();
    f.fake.eventPump->actions[1] = [&] {
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->Searching);
    };
    f.scan(f.folder());
    QCOMPARE(f.window.model().rowCount(), 3);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(tst_SearchDialog)
#include "tst_searchdialog.moc"
