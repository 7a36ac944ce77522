#include "about/getkeyvalue.h"
#include "platform/standinregistry.h"

#include "fakeplatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(RegistryValue)

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Vantrel");
const QString Name = QStringLiteral("Value");

RegistryValue bytesOf(RegistryValue::Type type, const QByteArray &data) {
    return {type, data};
}

// An executable file called name in dir.
void addProgram(const QString &dir, const QString &name) {
    QFile file(dir + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestGetKeyValue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsValue_data();
    void readsValue();
    void missingValueIsEmptyAndFalse();
    void standInNamesFirstToolOnPath();
    void standInHoldsNothingWithoutTool();
};

void TestGetKeyValue::readsValue_data() {
    QTest::addColumn<RegistryValue>("value");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text");

    using Type = RegistryValue::Type;
    QTest::newRow("text") << RegistryValue::text(QStringLiteral("C:\\Tools\\info.exe")) << true
                          << QStringLiteral("C:\\Tools\\info.exe");
    QTest::newRow("text without NUL")
        << bytesOf(Type::Text, "abc") << true << QStringLiteral("abc");
    QTest::newRow("only the last NUL goes")
        << bytesOf(Type::Text, QByteArray("ab\0\0", 4)) << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("chinese text") << RegistryValue::text(QStringLiteral("/opt/系统信息")) << true
                                  << QStringLiteral("/opt/系统信息");
    QTest::newRow("empty text") << RegistryValue::text(QString()) << true << QString();
    QTest::newRow("number") << RegistryValue::number(0x1f) << true << QStringLiteral("&h1F");
    QTest::newRow("number zero") << RegistryValue::number(0) << true << QStringLiteral("&h0");
    QTest::newRow("largest number")
        << RegistryValue::number(0xffffffffu) << true << QStringLiteral("&hFFFFFFFF");
    QTest::newRow("number of odd size") << bytesOf(Type::Number, "\x01\x02") << true << QString();
    QTest::newRow("other type") << bytesOf(Type::Other, "%SystemRoot%\\x.exe") << true << QString();
    QTest::newRow("text filling the buffer")
        << bytesOf(Type::Text, QByteArray(1023, 'a') + '\0') << true << QString(1023, u'a');
    QTest::newRow("text one byte too long")
        << bytesOf(Type::Text, QByteArray(1024, 'a') + '\0') << false << QString();
    QTest::newRow("other type too long")
        << bytesOf(Type::Other, QByteArray(1025, 'a')) << false << QString();
}

void TestGetKeyValue::readsValue() {
    QFETCH(RegistryValue, value);
    QFETCH(bool, read);
    QFETCH(QString, text);

    FakeRegistry registry;
    registry.set(Key, Name, value);
    QString keyValue = QStringLiteral("left over");
    QCOMPARE(GetKeyValue(registry, RegistryRoot::LocalMachine, Key, Name, keyValue), read);
    QCOMPARE(keyValue, text);
    QCOMPARE(registry.reads, (QList<RegistryRead>{{Key, Name}}));
}

void TestGetKeyValue::missingValueIsEmptyAndFalse() {
    FakeRegistry registry;
    registry.set(Key, Name, RegistryValue::text(QStringLiteral("x")));
    QString keyValue = QStringLiteral("left over");
    QVERIFY(
        !GetKeyValue(registry, RegistryRoot::LocalMachine, Key, QStringLiteral("Other"), keyValue));
    QCOMPARE(keyValue, QString());
    keyValue = QStringLiteral("left over");
    QVERIFY(!GetKeyValue(registry, RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\None"),
                         Name, keyValue));
    QCOMPARE(keyValue, QString());
}

void TestGetKeyValue::standInNamesFirstToolOnPath() {
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    const QStringList tools = StandInRegistry::toolNames();
    addProgram(first.path(), tools.last());
    addProgram(second.path(), tools.at(1));
    addProgram(second.path(), tools.last());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(first.path() + QLatin1Char(':') + second.path()));

    StandInRegistry registry;
    QString path;
    // The more specific tool wins over one that comes earlier on PATH; names match in any case.
    const bool read = GetKeyValue(registry, RegistryRoot::LocalMachine,
                                  QStringLiteral("software\\microsoft\\shared tools\\msinfo"),
                                  QStringLiteral("Path"), path);
    QString other;
    const bool otherRead =
        GetKeyValue(registry, RegistryRoot::LocalMachine, QLatin1String(SystemInfoKeys::FolderKey),
                    QLatin1String(SystemInfoKeys::FolderValue), other);
    qputenv("PATH", oldPath);

    QVERIFY(read);
    QCOMPARE(path, second.path() + QLatin1Char('/') + tools.at(1));
    QVERIFY(!otherRead);
}

void TestGetKeyValue::standInHoldsNothingWithoutTool() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    QString path = QStringLiteral("left over");
    const bool read = GetKeyValue(StandInRegistry(), RegistryRoot::LocalMachine,
                                  QLatin1String(SystemInfoKeys::ToolKey),
                                  QLatin1String(SystemInfoKeys::ToolValue), path);
    qputenv("PATH", oldPath);
    QVERIFY(!read);
    QCOMPARE(path, QString());
}

QTEST_GUILESS_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
