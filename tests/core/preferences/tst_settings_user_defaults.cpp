#include "LogCapture.h"
#include "commands/CommandHistory.h"
#include "preferences/PreferencesStore.h"
#include "preferences/SettingsUserDefaults.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QFileDevice::Permissions groupOrOther = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                  | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                  | QFileDevice::WriteOther | QFileDevice::ExeOther;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt shares parsed settings between QSettings objects on the same file within a process. A copy
// under another name is parsed afresh from its bytes, as the next launch would.
std::optional<QByteArray> readFromDisk(const QString &path, const QString &key)
{
    static int copies = 0;
    const QString copy = u"%1.copy%2"_s.arg(path).arg(++copies);
    if (!QFile::copy(path, copy))
        return std::nullopt;
    return SettingsUserDefaults(copy).data(key);
}

// True when this process can create files in a folder whose permission bits forbid it (root).
bool permissionBitsIgnored(const QString &readOnlyFolder)
{
    QFile probe(readOnlyFolder + "/probe"_L1);
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

// Makes every file write past `bytes` fail with EFBIG for this process, whoever runs it.
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

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // Before any QSettings exists: Qt reads the location once. Nothing here touches the real home.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(u"Quillmere/Vigila.conf"_s);
    }

    void cleanup()
    {
        QFile::setPermissions(m_dir->path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_dir.reset();
    }

    void defaultLocation()
    {
        QCOMPARE(SettingsUserDefaults().fileName(), m_home.filePath(u"Quillmere/Vigila.conf"_s));
    }

    void recordWrittenIsReadByNextInstance()
    {
        const QString key = u"vigila.commands.recent"_s;
        // moc misreads backslashes in raw strings, hence the escapes.
        QByteArray awkward = "[{\"name\":\"a \\\"quoted\\\" \\\\ path\",\"x\":\"ü€\"}]\n;#=[General]\r";
        awkward.append('\0').append('\xff');
        QVERIFY(SettingsUserDefaults(m_path).setData(key, awkward));
        QVERIFY(SettingsUserDefaults(m_path).setData(u"other"_s, "1"));

        QCOMPARE(SettingsUserDefaults(m_path).data(key), std::optional(awkward));
        QCOMPARE(readFromDisk(m_path, key), std::optional(awkward));
        QCOMPARE(readFromDisk(m_path, u"other"_s), std::optional(QByteArray("1")));
        QCOMPARE(SettingsUserDefaults(m_path).data(u"missing"_s), std::nullopt);
    }

    void servicesReloadWhatTheyWrote()
    {
        {
            PreferencesStore preferences(std::make_shared<SettingsUserDefaults>(m_path));
            preferences.setDefaultMode(AwakeMode::Display);
            preferences.setDefaultWorkingDirectory(u"/home/me/My Projects"_s);
            CommandHistory history(std::make_shared<SettingsUserDefaults>(m_path));
            history.addFavorite(SavedCommand{
                QUuid::createUuid(), u"Build"_s, u"make -j2"_s, u"/src"_s, u"/bin/sh"_s, false, {}, {}});
        }
        const QString copy = m_path + ".next"_L1;
        QVERIFY(QFile::copy(m_path, copy));
        const PreferencesStore preferences(std::make_shared<SettingsUserDefaults>(copy));
        QCOMPARE(preferences.defaultMode(), AwakeMode::Display);
        QCOMPARE(preferences.defaultWorkingDirectory(), u"/home/me/My Projects"_s);
        const CommandHistory history(std::make_shared<SettingsUserDefaults>(copy));
        QCOMPARE(history.favorites().size(), 1);
        QCOMPARE(history.favorites().first().command, u"make -j2"_s);
    }

    void fileIsOwnerOnly()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "1"));
        QCOMPARE(QFile::permissions(m_path) & groupOrOther, QFileDevice::Permissions());

        // A file left readable by others (an older version, a copy) is tightened at the next write.
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "2"));
        QCOMPARE(QFile::permissions(m_path) & groupOrOther, QFileDevice::Permissions());
        QCOMPARE(readFromDisk(m_path, u"k"_s), std::optional(QByteArray("2")));
    }

    void corruptFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("binary") << QByteArray("\x00\xff[[[=\n\"garbage\n\x01\x02", 17);
        QTest::newRow("cut short") << QByteArray("[General]\nvigila.preferences.v1=\"@ByteArray({\\\"launch");
        QTest::newRow("edited by hand")
            << QByteArray("[General]\nvigila.preferences.v1={\"launchAtLogin\":true}\n");
        QTest::newRow("wrong marker")
            << QByteArray("[General]\nvigila.preferences.v1=@Variant(\\0\\0\\0\\x7f)\n");
    }

    void corruptFile()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
        {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        const LogCapture log; // also keeps Qt's complaints about the unreadable values quiet
        auto defaults = std::make_shared<SettingsUserDefaults>(m_path);
        PreferencesStore preferences(defaults);
        QVERIFY(!preferences.launchAtLogin());
        QCOMPARE(preferences.processRules().first().name, u"claude"_s);
        QCOMPARE(fileBytes(m_path), contents); // loading never writes

        preferences.setLaunchAtLogin(true);
        QCOMPARE(log.texts(QtCriticalMsg), QStringList());
        const auto stored = readFromDisk(m_path, PreferencesStore::key());
        QVERIFY(stored);
        QCOMPARE(QJsonDocument::fromJson(*stored).object().value("launchAtLogin"_L1), QJsonValue(true));
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

    void unreadablePermissions()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "kept"));
        const QByteArray before = fileBytes(m_path);
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::Permissions()));
        if (QFile(m_path).open(QIODevice::ReadOnly))
            QSKIP("This user reads files whatever their permission bits (root); unreadableFile covers it.");

        SettingsUserDefaults defaults(m_path);
        QCOMPARE(defaults.data(u"k"_s), std::nullopt);
        const LogCapture log;
        QVERIFY(!defaults.setData(u"k"_s, "new"));
        QCOMPARE(log.texts(QtCriticalMsg).size(), 1);
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(fileBytes(m_path), before);
    }

    void failedWriteKeepsPreviousFile()
    {
        const QString key = PreferencesStore::key();
        QVERIFY(SettingsUserDefaults(m_path).setData(key, R"({"launchAtLogin":true})"));
        const QByteArray before = fileBytes(m_path);
        const QStringList entriesBefore = QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files);

        const LogCapture log;
        {
            const FileSizeLimit limit(4096);
            QVERIFY(!SettingsUserDefaults(m_path).setData(key, QByteArray(64 * 1024, 'x')));
        }
        // Qt itself reports the cut-short save as a success; the read-back catches it.
        const QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(u"not written in full"_s), qPrintable(errors.first()));
        QCOMPARE(fileBytes(m_path), before);
        QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files), entriesBefore);

        // Once writes work again, the next one succeeds and reports so.
        QVERIFY(SettingsUserDefaults(m_path).setData(key, R"({"launchAtLogin":false})"));
        QCOMPARE(readFromDisk(m_path, key), std::optional(QByteArray(R"({"launchAtLogin":false})")));
    }

    void readOnlyFolder()
    {
        QVERIFY(SettingsUserDefaults(m_path).setData(u"k"_s, "kept"));
        const QByteArray before = fileBytes(m_path);
        const QString folder = QFileInfo(m_path).absolutePath();
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (permissionBitsIgnored(folder))
            QSKIP("This user writes into read-only folders (root); failedWriteKeepsPreviousFile covers it.");

        const LogCapture log;
        QVERIFY(!SettingsUserDefaults(m_path).setData(u"k"_s, "new"));
        QCOMPARE(log.texts(QtCriticalMsg).size(), 1);
        QCOMPARE(fileBytes(m_path), before);
    }
};

QTEST_GUILESS_MAIN(TestSettingsUserDefaults)
#include "tst_settings_user_defaults.moc"
