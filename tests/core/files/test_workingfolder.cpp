// Where the window works: the current folder, unless it takes no files or is the install folder.
#include "workingfolder.h"

#include <QTemporaryDir>
#include <QTest>

class TestWorkingFolder : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void probeLeavesNothingBehind();
};

void TestWorkingFolder::choice_data()
{
    QTest::addColumn<bool>("installFolder");
    QTest::addColumn<QStringList>("writable");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("current folder takes files") << false << QStringList{"cur", "pic"} << "cur";
    QTest::newRow("the install folder, writable for an administrator")
        << true << QStringList{"cur", "pic", "data"} << "pic";
    QTest::newRow("current folder takes none") << false << QStringList{"pic", "data"} << "pic";
    QTest::newRow("no Pictures folder to write") << false << QStringList{"data"} << "data";
    QTest::newRow("nowhere to write: stay") << true << QStringList{} << "cur";
}

void TestWorkingFolder::choice()
{
    QFETCH(bool, installFolder);
    QFETCH(QStringList, writable);
    QFETCH(QString, chosen);
    const auto takes = [&writable](const QString& folder) { return writable.contains(folder); };
    QCOMPARE(WorkingFolder::choose("cur", installFolder, {"pic", "data"}, takes), chosen);
    QCOMPARE(WorkingFolder::choose("cur", installFolder, {"", "data"}, takes),
             chosen == "pic" ? QStringLiteral("data") : chosen);
}

void TestWorkingFolder::probeLeavesNothingBehind()
{
    QTemporaryDir dir;
    QVERIFY(WorkingFolder::takesNewFiles(dir.path()));
    QVERIFY(QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                .isEmpty());
    QVERIFY(!WorkingFolder::takesNewFiles(dir.filePath("missing")));
}

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
