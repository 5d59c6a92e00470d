#include "ManualClock.h"
#include "triggers/FolderDownloadSource.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void resize(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(size));
}

QStringList names(const FolderState &state)
{
    QStringList list;
    for (const PartialDownload &partial : state.partials)
        list.append(partial.fileName);
    return list;
}

} // namespace

class TestFolderDownloadSource : public QObject {
    Q_OBJECT

    ManualClock clock;

    // Waits for the readings that follow the last change to have been taken in.
    static bool settle(const FolderDownloadSource &source)
    {
        return QTest::qWaitFor([&] { return source.isIdle(); }, 5000);
    }

private slots:
    void partials_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<QStringList>("entries"); // "dir:" a directory, "link:" a symbolic link
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("the usual names, in any case")
            << QStringList()
            << QStringList{u"a.part"_s, u"b.CRDOWNLOAD"_s, u"c.txt"_s, u"d.!qb"_s, u".e.part"_s, u"f.iso"_s}
            << QStringList{u".e.part"_s, u"a.part"_s, u"b.CRDOWNLOAD"_s, u"d.!qb"_s};
        QTest::newRow("own patterns replace the usual ones")
            << QStringList{u"*.inprogress"_s, u" "_s, u"tmp-*"_s}
            << QStringList{u"a.part"_s, u"b.inprogress"_s, u"TMP-x"_s, u"a-tmp-b"_s}
            << QStringList{u"TMP-x"_s, u"b.inprogress"_s};
        QTest::newRow("only files count")
            << QStringList() << QStringList{u"dir:d.part"_s, u"link:l.part"_s, u"f.part"_s}
            << QStringList{u"f.part"_s};
    }

    void partials()
    {
        QFETCH(QStringList, patterns);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QTemporaryDir outside;
        resize(outside.filePath(u"target.part"_s), 10);
        for (const QString &entry : entries) {
            if (entry.startsWith(u"dir:"_s))
                QVERIFY(QDir(dir.path()).mkdir(entry.mid(4)));
            else if (entry.startsWith(u"link:"_s))
                QVERIFY(QFile::link(outside.filePath(u"target.part"_s), dir.filePath(entry.mid(5))));
            else
                resize(dir.filePath(entry), 1);
        }
        const FolderWatch folder{dir.path(), patterns};
        FolderDownloadSource source(clock);
        source.setFolders({folder});
        source.setFollowing(true);
        QVERIFY(settle(source));
        QCOMPARE(names(source.state(folder)), expected);
        QCOMPARE(source.state(folder).problem, QString());
        QCOMPARE(source.isCheckingSizes(), !expected.isEmpty());
    }

    void readingIsCapped()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 5; ++i)
            resize(dir.filePath(u"%1.part"_s.arg(i)), i);
        QCOMPARE(FolderDownloadSource::readFolder(dir.path(), {u"*.part"_s}, 3).files.size(), 3);
    }

    void sizes_data()
    {
        // The file's size at each check, ten seconds apart; and when it was last seen to grow.
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QList<int>>("grewAt");
        QTest::newRow("growing") << QList<qint64>{100, 200, 300} << QList<int>{0, 10, 20};
        QTest::newRow("stalled") << QList<qint64>{100, 100, 100} << QList<int>{0, 0, 0};
        QTest::newRow("growing, then stalled") << QList<qint64>{100, 200, 200} << QList<int>{0, 10, 10};
        QTest::newRow("truncated and started again") << QList<qint64>{500, 0, 0} << QList<int>{0, 10, 10};
    }

    void sizes()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<int>, grewAt);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"disk.iso.part"_s);
        const FolderWatch folder{dir.path(), {}};
        const QDateTime start = clock.now();
        FolderDownloadSource source(clock);
        source.setFolders({folder});
        for (qsizetype i = 0; i < sizes.size(); ++i) {
            resize(file, sizes[i]);
            QSignalSpy changed(&source, &DownloadSource::changed);
            if (i == 0) {
                source.setFollowing(true);
            } else {
                clock.advance(10);
                QSignalSpy read(&source, &FolderDownloadSource::folderRead);
                source.checkSizes();
                QVERIFY(read.wait(5000));
            }
            QVERIFY(settle(source));
            const FolderState state = source.state(folder);
            QCOMPARE(state.partials.size(), 1);
            QCOMPARE(state.partials[0].size, sizes[i]);
            QCOMPARE(state.partials[0].grewAt, start.addSecs(grewAt[i]));
            // Only a change is announced.
            QCOMPARE(changed.size() > 0, i == 0 || sizes[i] != sizes[i - 1]);
        }
    }

    void renamedToItsFinalName()
    {
        QTemporaryDir dir;
        resize(dir.filePath(u"a.crdownload"_s), 5);
        const FolderWatch folder{dir.path(), {}};
        FolderDownloadSource source(clock);
        source.setFolders({folder});
        source.setFollowing(true);
        QVERIFY(settle(source));
        QCOMPARE(names(source.state(folder)), QStringList{u"a.crdownload"_s});

        QSignalSpy changed(&source, &DownloadSource::changed);
        QVERIFY(QFile::rename(dir.filePath(u"a.crdownload"_s), dir.filePath(u"a.zip"_s)));
        QVERIFY(changed.wait(5000));
        QCOMPARE(source.state(folder), FolderState());
        // Nothing left to look at: the size check stops.
        QVERIFY(!source.isCheckingSizes());
    }

    void missingFolderIsWaitedFor()
    {
        QTemporaryDir root;
        const QString path = root.filePath(u"later/downloads"_s);
        const FolderWatch folder{path, {}};
        FolderDownloadSource source(clock);
        source.setFolders({folder});
        source.setFollowing(true);
        QVERIFY(settle(source));
        QCOMPARE(source.state(folder).problem, u"The folder %1 does not exist."_s.arg(path));
        QCOMPARE(source.watchedDirectories(), QStringList{root.path()});

        QSignalSpy changed(&source, &DownloadSource::changed);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(changed.wait(5000));
        QVERIFY(settle(source));
        QCOMPARE(source.state(folder), FolderState());
        QCOMPARE(source.watchedDirectories(), QStringList{path});

        // Now the folder itself is watched.
        resize(path + u"/x.part"_s, 1);
        QVERIFY(changed.wait(5000));
        QCOMPARE(names(source.state(folder)), QStringList{u"x.part"_s});

        // And once it goes, its nearest parent is again.
        QVERIFY(QDir(root.filePath(u"later"_s)).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(source.state(folder).problem, u"The folder %1 does not exist."_s.arg(path),
                                  5000);
        QVERIFY(settle(source));
        QCOMPARE(source.state(folder).partials.size(), 0);
        QCOMPARE(source.watchedDirectories(), QStringList{root.path()});
    }

    void followsOnlyWhenAsked()
    {
        QTemporaryDir dir;
        resize(dir.filePath(u"a.part"_s), 5);
        const FolderWatch folder{dir.path(), {}};
        FolderDownloadSource source(clock);
        source.setFolders({folder});
        QVERIFY(source.isIdle());
        QCOMPARE(source.state(folder), FolderState());
        QCOMPARE(source.watchedDirectories(), QStringList());
        QVERIFY(!source.isCheckingSizes());

        source.setFollowing(true);
        QVERIFY(settle(source));
        QCOMPARE(names(source.state(folder)), QStringList{u"a.part"_s});
        QVERIFY(source.isCheckingSizes());

        QSignalSpy changed(&source, &DownloadSource::changed);
        source.setFollowing(false);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(source.state(folder), FolderState());
        QCOMPARE(source.watchedDirectories(), QStringList());
        QVERIFY(!source.isCheckingSizes());

        // A folder no longer asked for is let go as well.
        source.setFollowing(true);
        QVERIFY(settle(source));
        changed.clear();
        source.setFolders({});
        QCOMPARE(changed.size(), 1);
        QCOMPARE(source.watchedDirectories(), QStringList());
        QVERIFY(!source.isCheckingSizes());
    }
};

QTEST_GUILESS_MAIN(TestFolderDownloadSource)
#include "tst_folder_download_source.moc"
