#include "LogCapture.h"
#include "TestFiles.h"
#include "preferences/PreferencesStore.h"
#include "preferences/SettingsUserDefaults.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions groupOrOther =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;

// Qt shares what it parsed between QSettings objects on one file within a process. A copy under
// another name is parsed afresh from its bytes, as the next launch would.
std::optional<QByteArray> readFromDisk(const QString &path, const QString &key)
{
    static int copies = 0;
    const QString copy = u"%1.copy%2"_s.arg(path).arg(++copies);
    if (!QFile::copy(path, copy))
        return std::nullopt;
    return SettingsUserDefaults(copy).data(key);
}

// Makes every file write past `bytes` fail (EFBIG) for this process, whoever runs it.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

class TestSettingsUserDefaults : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

    QString folder() const { return QFileInfo(m_path).absolutePath(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // Before any QSettings exists, as Qt reads it once. Nothing here touches the real home.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(u"Quillmere/Vigila.conf"_s);
    }

    void defaultLocation()
    {
        QCOMPARE(SettingsUserDefaults().fileName(), m_home.filePath(u"Quillmere/Vigila.conf"_s));
    }

    void recordWrittenIsReadByNextInstance()
    {
        // moc misreads backslashes in raw strings, hence the escapes.
        QByteArray awkward = "[{\"name\":\"a \\\"quoted\\\" \\\\ path\",\"x\":\"ü€\"}]\n;#=[General]\r";
        awkward.append('\0').append('\xff');
        QVERIFY(SettingsUserDefaults(m_path).setData(u"one"_s, awkward));
        QVERIFY(SettingsUserDefaults(m_path).setData(u"two"_s, "2"));

        QCOMPARE(readFromDisk(m_path, u"one"_s), std::optional(awkward));
        QCOMPARE(readFromDisk(m_path, u"two"_s), std::optional(QByteArray("2")));
        QCOMPARE(SettingsUserDefaults(m_path).data(u"one"_s), std::optional(awkward));
        QCOMPARE(SettingsUserDefaults(m_path).data(u"missing"_s), std::nullopt);
    }

    void fileIsOwnerOnly()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "1"));
        QCOMPARE(QFile::permissions(m_path) & groupOrOther, QFileDevice::Permissions());

        // A file others could read (an older version, a copy) is tightened at the next write.
        QVERIFY(QFile::setPermissions(m_path, ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "2"));
        QCOMPARE(QFile::permissions(m_path) & groupOrOther, QFileDevice::Permissions());
    }

    void corruptFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("binary") << QByteArray("\x00\xff[[[=\n\"garbage\n\x01\x02", 17);
        QTest::newRow("cut short") << QByteArray("[General]\nvigila.preferences.v1=\"@ByteArray({\\\"launch");
        QTest::newRow("unknown type")
            << QByteArray("[General]\nvigila.preferences.v1=@Variant(\\0\\0\\0\\x7f)\n");
    }

    void corruptFile()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(TestFiles::write(m_path, contents));
        const LogCapture log; // also keeps Qt's complaints about unreadable values quiet
        PreferencesStore preferences(std::make_shared<SettingsUserDefaults>(m_path));
        QVERIFY(!preferences.launchAtLogin());
        QCOMPARE(TestFiles::read(m_path), contents); // loading never writes

        preferences.setLaunchAtLogin(true);
        QCOMPARE(log.texts(QtCriticalMsg), QStringList());
        const auto stored = readFromDisk(m_path, PreferencesStore::key());
        QCOMPARE(QJsonDocument::fromJson(stored.value_or("")).object().value("launchAtLogin"_L1),
                 QJsonValue(true));
    }

    // A value of someone else's that does not survive Qt's round trip must not block our saves:
    // it is dropped (and the log says so), our records are written and verified.
    void foreignValueThatDoesNotRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("dropped");
        const QByteArray records = "[General]\nvigila.commands.recent=@ByteArray([])\n";
        QTest::newRow("list holding a NUL") << records + "foreign=b,\\0\n" << u"foreign"_s;
        QTest::newRow("NaN") << records + "foreign=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n"
                             << u"foreign"_s;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            QByteArray noise(2048, Qt::Uninitialized);
            QRandomGenerator generator(seed);
            for (char &c : noise)
                c = static_cast<char>(generator.bounded(256));
            QTest::addRow("random bytes %u", seed) << records + noise << QString();
        }
    }

    void foreignValueThatDoesNotRoundTrip()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, dropped);
        QVERIFY(TestFiles::write(m_path, contents));
        const LogCapture log;
        const QString key = PreferencesStore::key();
        QVERIFY2(SettingsUserDefaults(m_path).setData(key, R"({"launchAtLogin":true})"),
                 qPrintable(log.texts(QtCriticalMsg).join(u'\n')));
        QVERIFY2(SettingsUserDefaults(m_path).setData(key, "{}"),
                 qPrintable(log.texts(QtCriticalMsg).join(u'\n')));
        QCOMPARE(readFromDisk(m_path, key), std::optional(QByteArray("{}")));
        QCOMPARE(readFromDisk(m_path, u"vigila.commands.recent"_s), std::optional(QByteArray("[]")));

        const QStringList errors = log.texts(QtCriticalMsg);
        QVERIFY2(errors.filter(u"disk full"_s).isEmpty(), qPrintable(errors.join(u'\n')));
        if (!dropped.isEmpty()) {
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().endsWith(u"were dropped: "_s + dropped), qPrintable(errors.first()));
        }
    }

    // A save killed half-way leaves full copies of the settings; the next start removes them, but
    // never a copy a save still going on is writing, nor files that are not ours.
    void staleStagingFilesAreRemovedAtStart()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "1"));
        const QDateTime longAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
        const auto place = [&](const QString &name, bool old) {
            const QString file = folder() + u'/' + name;
            QVERIFY(TestFiles::write(file, "[General]\nk=@ByteArray(secret)\n"));
            QFile handle(file);
            QVERIFY(handle.open(QIODevice::ReadWrite));
            if (old)
                QVERIFY(handle.setFileTime(longAgo, QFileDevice::FileModificationTime));
        };
        place(u"Vigila.conf.staged-AbC123"_s, true);
        place(u"Vigila.conf.staged-XyZ789.lock"_s, true);
        place(u"Vigila.conf.staged-Fresh1"_s, false);
        place(u"Vigila.conf.backup"_s, true);
        place(u"Other.conf.staged-AbC123"_s, true);

        QVERIFY(SettingsUserDefaults(m_path).data(u"k"_s));
        QStringList left = QDir(folder()).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, (QStringList{u"Other.conf.staged-AbC123"_s, u"Vigila.conf"_s, u"Vigila.conf.backup"_s,
                                    u"Vigila.conf.staged-Fresh1"_s}));
        // What a save leaves is the file itself, readable by its owner only.
        QFile::remove(folder() + u"/Vigila.conf.staged-Fresh1"_s);
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "2"));
        QCOMPARE(QDir(folder()).entryList({u"Vigila.conf*"_s}, QDir::Files),
                 (QStringList{u"Vigila.conf"_s, u"Vigila.conf.backup"_s}));
    }

    // A file far larger than settings ever are is not parsed (that alone took Qt minutes), and
    // not replaced either.
    void hugeFileIsLeftUnread()
    {
        const QString key = PreferencesStore::key();
        const QByteArray huge = "[General]\nvigila.preferences.v1=\"" +
                                QByteArray(SettingsUserDefaults::maxFileBytes, 'x') + "\"\n";
        QVERIFY(TestFiles::write(m_path, huge));
        const LogCapture log;
        QCOMPARE(SettingsUserDefaults(m_path).data(key), std::nullopt);
        QVERIFY(!SettingsUserDefaults(m_path).setData(key, "{}"));
        QCOMPARE(QFileInfo(m_path).size(), huge.size());
        const QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors.at(0).contains(u"is more than settings ever take"_s), qPrintable(errors.at(0)));
        QVERIFY2(errors.at(1).startsWith(u"Could not save settings to "_s + m_path),
                 qPrintable(errors.at(1)));
    }

    void unreadableFile()
    {
        // A folder where the file should be: unreadable and unwritable, even for root.
        QVERIFY(QDir().mkpath(m_path));
        SettingsUserDefaults defaults(m_path);
        QCOMPARE(defaults.data(PreferencesStore::key()), std::nullopt);

        const LogCapture log;
        QVERIFY(!defaults.setData(PreferencesStore::key(), "{}"));
        const QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(u"Could not save settings to "_s + m_path),
                 qPrintable(errors.first()));
    }

    void failedWriteKeepsPreviousFile()
    {
        const QString key = PreferencesStore::key();
        QVERIFY(SettingsUserDefaults(m_path).setData(key, R"({"launchAtLogin":true})"));
        const QByteArray before = TestFiles::read(m_path);
        const QStringList filesBefore = QDir(folder()).entryList(QDir::Files);

        const LogCapture log;
        {
            const FileSizeLimit limit(4096);
            QVERIFY(!SettingsUserDefaults(m_path).setData(key, QByteArray(64 * 1024, 'x')));
        }
        // Qt reports its cut-short save as a success; reading it back catches it.
        const QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(u"not written in full"_s), qPrintable(errors.first()));
        QCOMPARE(TestFiles::read(m_path), before);
        QCOMPARE(QDir(folder()).entryList(QDir::Files), filesBefore);

        QVERIFY(SettingsUserDefaults(m_path).setData(key, "{}"));
        QCOMPARE(readFromDisk(m_path, key), std::optional(QByteArray("{}")));
    }

    void readOnlyFolder()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "kept"));
        const QByteArray before = TestFiles::read(m_path);
        QVERIFY(QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore =
            qScopeGuard([&] { QFile::setPermissions(folder(), ownerOnly | QFileDevice::ExeOwner); });
        if (TestFiles::permissionBitsIgnored(folder()))
            QSKIP("This user writes into read-only folders (root); failedWriteKeepsPreviousFile covers it.");

        const LogCapture log;
        QVERIFY(!SettingsUserDefaults(m_path).setData(u"k"_s, "new"));
        QCOMPARE(log.texts(QtCriticalMsg).size(), 1);
        QCOMPARE(TestFiles::read(m_path), before);
    }
};

QTEST_GUILESS_MAIN(TestSettingsUserDefaults)
#include "tst_settings_user_defaults.moc"
